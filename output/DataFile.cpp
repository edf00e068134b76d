#include "output/DataFile.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"
#include "output/FileExtension.h"

#include <array>

namespace vartel {

namespace {

constexpr const char* Eol = "\r\n";

// Each entry is the column's name, a TAB and what it means.
constexpr const char* Legend[] = {
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

// One field, quoted, its own quotes doubled, on one line.
std::string QuotedOnOneLine(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : OnOneLine(text))
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

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

std::vector<NamedText> StartValues(const SimulationState& s)
{
    return {{FormatFixed(s.PopHistory[0], 0), "Population size"},
            {std::to_string(s.StartStableLevel), "Stabile population level"},
            {FormatFixed(s.StartParams[0], 4), "Birth index"},
            {FormatFixed(100.0 * s.StartParams[1], 2), "% Baby mortality"},
            {FormatFixed(100.0 * s.StartParams[2], 2), "% Adult mortality"},
            {FormatFixed(100.0 * s.StartParams[3], 2), "% Immigration"}};
}

std::vector<NamedText> LegendEntries()
{
    std::vector<NamedText> entries;
    for (const std::string entry : Legend) {
        const std::size_t tab = entry.find('\t');
        entries.push_back({entry.substr(tab + 1), entry.substr(0, tab)});
    }
    return entries;
}

std::string OnOneLine(const std::string& text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // CR LF is one break
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

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
    for (const NamedText& value : StartValues(s))
        Line(out, value.Text + '\t' + value.Name);
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

std::string TimeTableHeader()
{
    return "Y\tP\tPk\tPe\tPs\tG\tBI\tRBI\tBM\tAM\tIM\tA\tLE";
}

std::array<std::string, FigureCount + 1> SpreadsheetColumnNames()
{
    std::array<std::string, FigureCount + 1> names;
    const std::vector<NamedText> legend = LegendEntries();
    for (std::size_t i = 0; i < FigureCount; ++i)
        names[i] = legend[i].Name;
    names[FigureCount] = "Bulletin board";
    return names;
}

std::string SpreadsheetHeader()
{
    std::string header;
    Joined(header, SpreadsheetColumnNames(), ',');
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

bool IsSpreadsheetName(const std::string& fileName)
{
    return UpperExtension(fileName) == ".CSV";
}

std::string DataFileFor(const SimulationState& s, const std::string& fileName, const std::string& today)
{
    if (IsSpreadsheetName(fileName))
        return DataSpreadsheetText(s);
    return DataFileText(s, today);
}

} // namespace vartel
