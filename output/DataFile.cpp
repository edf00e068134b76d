#include "output/DataFile.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"

namespace vartel {

namespace {

constexpr const char* Eol = "\r\n";

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

void TimeTableRow(std::string& out, const SimulationState& s, int y)
{
    out += std::to_string(y);
    out += '\t' + FormatFixed(s.PopHistory[y], 0);
    out += '\t' + FormatFixed(s.ChildrenHistory[y], 0);
    out += '\t' + FormatFixed(s.ElderlyHistory[y], 0);
    out += '\t' + FormatFixed(s.StableLevelHistory[y], 0);
    out += '\t';
    if (y > 0)
        out += FormatFixed(GrowthPercent(s, y), 2);
    out += '\t' + FormatFixed(s.ParamHistory[0][y], 4);
    out += '\t' + FormatFixed(s.ReplacementHistory[y], 4);
    out += '\t' + FormatFixed(100.0 * s.ParamHistory[1][y], 2);
    out += '\t' + FormatFixed(100.0 * s.ParamHistory[2][y], 2);
    out += '\t' + FormatFixed(100.0 * s.ParamHistory[3][y], 2);
    out += '\t' + FormatFixed(s.MeanAgeHistory[y], 1);
    out += '\t' + FormatFixed(s.LifeExpectancyHistory[y], 1);
    out += '\t' + s.BulletinTextHistory[y];
    out += Eol;
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
    Line(out, "Y\tP\tPk\tPe\tPs\tG\tBI\tRBI\tBM\tAM\tIM\tA\tLE");
    for (int y = 0; y <= s.Year; ++y)
        TimeTableRow(out, s, y);
    Line(out, "");
    return out;
}

} // namespace vartel
