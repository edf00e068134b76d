// Runs the golden scenarios and a set of scripted runs with the model alone and prints, one line per run
// and year, the raw bits of every history array and the bulletin of that year. Two builds of the model
// agree on every number exactly when their outputs are byte for byte the same.
#include "model/Incidents.h"
#include "model/Model.h"
#include "model/ParameterCommit.h"
#include "model/QuietHost.h"
#include "model/RunControl.h"
#include "model/Scenarios.h"

#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vartel;

struct ScriptedEvent {
    int Year = 0;
    std::function<void(Model&)> Fire;
};

struct ScriptedRun {
    std::string Name;
    int Scenario = 1;
    std::vector<ScriptedEvent> Events; // in the order of their years
};

ScriptedEvent Commit(int year, ParameterField field, std::string text)
{
    return {year, [field, text](Model& m) { CommitParameter(m, field, text); }};
}

ScriptedEvent Incident(int year, int k)
{
    return {year, [k](Model& m) { StartIncident(m, k); }};
}

ScriptedEvent Scenario(int year, int scenario)
{
    return {year, [scenario](Model& m) { ChooseScenario(m, scenario); }};
}

std::vector<ScriptedRun> Runs()
{
    std::vector<ScriptedRun> runs;
    for (int scenario = 1; scenario <= 7; ++scenario)
        runs.push_back({"scenario-" + std::to_string(scenario), scenario, {}});
    runs.push_back(
        {"parameters",
         1,
         {Commit(150, ParameterField::BirthIndex, "1.43"), Commit(600, ParameterField::BabyMortality, "7.5"),
          Commit(900, ParameterField::AdultMortality, "0.35"), Commit(1300, ParameterField::Immigration, "-0.4"),
          Commit(2100, ParameterField::StableLevel, "75000")}});
    runs.push_back({"incidents", 3, {Incident(100, 1), Incident(700, 2), Incident(1500, 3), Incident(2600, 1)}});
    runs.push_back(
        {"population",
         2,
         {Commit(0, ParameterField::Population, "12345"), Commit(50, ParameterField::Population, "777"),
          Commit(1000, ParameterField::Population, "2000000"), Commit(1800, ParameterField::StableLevel, "50000"),
          Commit(2400, ParameterField::Population, "4321")}});
    runs.push_back({"mixed",
                    5,
                    {Scenario(400, 6), Incident(900, 1), Commit(1000, ParameterField::AdultMortality, "1.2"),
                     Commit(1200, ParameterField::Population, "33333"), Incident(2000, 3)}});
    return runs;
}

void PrintBits(std::string& line, double value)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, " %016" PRIx64, std::bit_cast<std::uint64_t>(value));
    line += hex;
}

void PrintYear(const std::string& name, const SimulationState& s, int y)
{
    std::string line = name + ' ' + std::to_string(y);
    for (double people : s.PyramidHistory[y])
        PrintBits(line, people);
    for (const auto* history :
         {&s.PopHistory, &s.ChildrenHistory, &s.ElderlyHistory, &s.ExactPopHistory, &s.MeanAgeHistory,
          &s.StableLevelHistory, &s.ReplacementHistory, &s.LifeExpectancyHistory})
        PrintBits(line, (*history)[y]);
    for (const auto& parameter : s.ParamHistory)
        PrintBits(line, parameter[y]);
    line += ' ' + std::to_string(s.BulletinColorHistory[y]) + ' ' + std::to_string(s.BulletinFontColorHistory[y]) +
            ' ' + std::to_string(s.BulletinFontSizeHistory[y]);
    for (char c : s.BulletinTextHistory[y])
        line += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    std::puts(line.c_str());
}

// As the window runs it: Start captures the start values at year 0, then one year at a time.
void Play(Model& m, const ScriptedRun& run)
{
    StartUpModel(m);
    ChooseScenario(m, run.Scenario);
    auto advance = [&m] {
        if (m.S.Year == 0)
            CaptureStartValues(m.S);
        AdvanceYear(m);
    };
    for (const ScriptedEvent& event : run.Events) {
        while (m.S.Year < event.Year)
            advance();
        event.Fire(m);
    }
    while (m.S.Year < MaxYear)
        advance();
    for (int y = 0; y <= MaxYear; ++y)
        PrintYear(run.Name, m.S, y);
}

} // namespace

int main()
{
    for (const ScriptedRun& run : Runs()) {
        QuietHost host;
        SeededRandom random(20240601);
        const auto model = std::make_unique<Model>(host, random);
        Play(*model, run);
    }
    return 0;
}
