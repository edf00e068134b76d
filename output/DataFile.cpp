#include "output/DataFile.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"
#include "output/PictureSaver.h"

#include <array>

namespace vartel {

namespace {

constexpr const char* Eol = "\r\n";

// Each entry is the column's name, a TAB and what it means.
const char* const Legend[] = {
    "Y\tYear",
    "P\tPopulation",
    "Pc\tPopulation: Children (age below 15 years)",
    "Pe\tPopulation: Elderly (age 65 years and above)",
    "Ps\tStabile population level",
    "G\tGrowth: increase of population compared to last year, in %",
    "BI\tBirth index",
    "RBI\tReplacement birth index",
    "BM\tBaby mortality, in %",
    "AM\tAdult mortality, in %",
    "IM\tImmigration, in % of the population (if negative: emigration)",
    "A\tMean population age",
    "LE\tLife expectancy at birth",
};

void Line(std::string& out, const std::string& text)
{
    out += text;
    out += Eol;
}

constexpr std::size_t FigureCount = 13;

// The figures of year y in the order and form of the time table; the growth of year 0 is empty.
std::array<std::string, FigureCount> YearFigures(const SimulationState& s, int y)
{
    return {std::to_string(y),
            FormatFixed(s.PopHistory[y], 0),
            FormatFixed(s.ChildrenHistory[y], 0),
            FormatFixed(s.ElderlyHistory[y], 0),
            FormatFixed(s.StableLevelHistory[y], 0),
            y > 0 ? FormatFixed(GrowthPercent(s, y), 2) : std::string(),
            FormatFixed(s.ParamHistory[0][y], 4),
            FormatFixed(s.ReplacementHistory[y], 4),
            FormatFixed(100.0 * s.ParamHistory[1][y], 2),
            FormatFixed(100.0 * s.ParamHistory[2][y], 2),
            FormatFixed(100.0 * s.ParamHistory[3][y], 2),
            FormatFixed(s.MeanAgeHistory[y], 1),
            FormatFixed(s.LifeExpectancyHistory[y], 1)};
}

template <typename Fields> void Joined(std::string& out, const Fields& fields, char separator)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += fields[i];
    }
}

// The bulletin text written verbatim: its line breaks continue the row over several lines.
void TimeTableRow(std::string& out, const SimulationState& s, int y)
{
    Joined(out, YearFigures(s, y), '\t');
    out += '\t' + s.BulletinTextHistory[y];
    out += Eol;
}

// One field, quoted; its line breaks become spaces, so that the row stays on one line.
std::string QuotedOnOneLine(const std::string& text)
{
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // CR LF is one break
        if (c == '\r' || c == '\n')
            quoted += ' ';
        else if (c == '"')
            quoted += "\"\"";
        else
            quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string DataFileText(const SimulationState& s, const std::string& date)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(s.Year + 1) * 128 + 2048);
    Line(out, "Vartel (Population Simulation)");
    Line(out, std::string(24, '='));
    Line(out, "");
    Line(out, "Results of a simulation");
    Line(out, "");
    Line(out, "Date:\t" + date);
    Line(out, "Scenario:\t" + s.ScenarioNames[static_cast<std::size_t>(s.Scenario)]);
    Line(out, "");
    Line(out, "START VALUES");
    Line(out, FormatFixed(s.PopHistory[0], 0) + "\tPopulation size");
    Line(out, std::to_string(s.StartStableLevel) + "\tStabile population level");
    Line(out, FormatFixed(s.StartParams[0], 4) + "\tBirth index");
    Line(out, FormatFixed(100.0 * s.StartParams[1], 2) + "\t% Baby mortality");
    Line(out, FormatFixed(100.0 * s.StartParams[2], 2) + "\t% Adult mortality");
    Line(out, FormatFixed(100.0 * s.StartParams[3], 2) + "\t% Immigration");
    Line(out, "");
    Line(out, "ABBREVIATIONS:");
    for (const char* entry : Legend)
        Line(out, entry);
    Line(out, "");
    Line(out, "TIME TABLE");
    Line(out, TimeTableHeader());
    for (int y = 0; y <= s.Year; ++y)
        TimeTableRow(out, s, y);
    Line(out, "");
    return out;
}

bool IsSpreadsheetName(const std::string& fileName)
{
    return UpperExtension(fileName) == ".CSV";
}

std::string TimeTableHeader()
{
    return "Y\tP\tPk\tPe\tPs\tG\tBI\tRBI\tBM\tAM\tIM\tA\tLE";
}

std::string SpreadsheetHeader()
{
    std::array<std::string, FigureCount + 1> names;
    for (std::size_t i = 0; i < FigureCount; ++i) {
        const std::string entry = Legend[i];
        names[i] = entry.substr(0, entry.find('\t'));
    }
    names[FigureCount] = "Bulletin board";
    std::string header;
    Joined(header, names, ',');
    return header;
}

std::string DataSpreadsheetText(const SimulationState& s)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(s.Year + 1) * 128 + 256);
    out += SpreadsheetHeader();
    out += Eol;
    for (int y = 0; y <= s.Year; ++y) {
        Joined(out, YearFigures(s, y), ',');
        out += ',' + QuotedOnOneLine(s.BulletinTextHistory[y]);
        out += Eol;
    }
    return out;
}

std::string DataFileFor(const SimulationState& s, const std::string& fileName, const std::string& today)
{
    if (IsSpreadsheetName(fileName))
        return DataSpreadsheetText(s);
    return DataFileText(s, today);
}

} // namespace vartel
