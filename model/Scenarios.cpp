#include "model/Scenarios.h"

#include "model/AgeTables.h"
#include "model/History.h"
#include "model/Results.h"
#include "model/Rounding.h"
#include "model/SpeedDelays.h"

#include <cstdlib>

namespace vartel {

namespace {

bool IsRealistic(const SimulationState& s) { return s.Scenario >= 5; }

// An age from 0 to 108 that holds more than one person, drawn at random; -1 when there is none.
int RandomPopulatedAge(Model& m)
{
    constexpr int Ages = AgeCount - 1; // age 109 is never chosen
    bool any = false;
    for (int i = 0; i < Ages && !any; ++i) any = m.S.PopByAge[i] > 1.0;
    if (!any) return -1;
    for (;;) {
        const int k = m.Random.Next(Ages);
        if (k >= 0 && k < Ages && m.S.PopByAge[k] > 1.0) return k;
    }
}

} // namespace

const std::array<std::string, 8>& ScenarioCaptions()
{
    static const std::array<std::string, 8> captions{"",
                                                     "Simple",
                                                     "Positive feedback",
                                                     "Negative feedback",
                                                     "Attenuation towards stability",
                                                     "Realistic, low",
                                                     "Realistic, medium",
                                                     "Realistic, high"};
    return captions;
}

void StoreScenarioNamesAndStages(SimulationState& s)
{
    s.ScenarioNames = ScenarioCaptions();
    static const char* const texts[7] = {
        "This is the stone age. A primitive population lives from gathering and hunting.",
        "Point A:\r\nAgriculture starts.\r\nMore people can live on the island than before.\r\n"
        "Health increases and so does the birth index.",
        "Point M:\r\nMechanisation, industrialisation. Still more people\r\ncan live on the  island. "
        "The birth index increases slightly,\r\nchild mortality decreases due to better hygiene.",
        "Point H:\r\nHealth care improves, so does education.\r\n"
        "Child mortality decreases, which causes the population to grow explosively.",
        "Point P:\r\nProsperity rises. Slowly the birth index decreases.\r\n"
        "The population explosion slows down. Thanks to improved production\r\n"
        "methods, more people can live on the island.",
        "Point E:\r\nEco-efficiency increases.\r\n"
        "The strain on the environment decreases, so even more people can live on the island.",
        "Point B:\r\nThe population does not grow or shrink strongly any more.\r\n"
        "Balance in People, Planet & Prosperity is within reach.",
    };
    const std::string letters = "SAMHPEB";
    for (std::size_t i = 0; i < s.Stages.size(); ++i) {
        s.Stages[i].Letter = letters.substr(i, 1);
        s.Stages[i].Text = texts[i];
    }
}

void StartUpModel(Model& m)
{
    SimulationState& s = m.S;
    s.GraphMode = 1;
    FillFixedTables(s);
    s.ZoomFactor = 1;
    ResetSimulation(m);
    s.FirstIdleDone = false;
    s.Scenario = 1;
    s.Frozen = false;
    StoreScenarioNamesAndStages(s);
}

void ResetSimulation(Model& m)
{
    SimulationState& s = m.S;
    ModelHost& host = m.Host;
    for (std::size_t k = 1; k < s.Stages.size(); ++k) s.Stages[k].Year = -100;
    s.BirthIndex = 3.0;
    s.AdultMortality = 0.001;
    s.BabyMortality = 0.05;
    s.Immigration = 0.0;
    s.StableLevel = 200000;
    s.Incident = 0;
    s.IncidentYearsLeft = 0;
    host.SetCountdown("00", Rgb(128, 128, 128));
    if (IsRealistic(s)) {
        s.BabyMortality = 0.55;
        s.BirthIndex = 6.0;
        s.StableLevel = 18000;
    }
    s.BalanceYear = 0;
    s.BalancePop = 0.0;
    s.StageReached.fill(false);
    s.Catastrophe = false;
    s.Frozen = false;
    host.RestorePresent();
    host.SetMemo("");
    s.Year = 0;
    host.SetField(Field::Clock, "0");
    s.Running = false;
    host.SetStartCaption("Start");
    host.SetStartHint("Start simulation");
    s.StepDelay = SpeedDelayFor(host.SpeedPosition());
    s.PopByAge.fill(0.0);
    host.ResetHouses();
    const double start = IsRealistic(s) ? 3000.0 : 4200.0;
    for (int i = 0; i <= 14; ++i) s.PopByAge[i] = start / 60.0;
    for (int i = 15; i <= 44; ++i) s.PopByAge[i] = start / 40.0;
    TallyClasses(s, 0);
    ComputeMeanAge(s, 0);
    host.SetField(Field::Popmeter, std::to_string(RoundEvenToInt(s.PopHistory[0])));
    host.SetField(Field::SPmeter, std::to_string(s.StableLevel));
    ComputeAgeTables(s);
    ShowResults(m);
    s.FeedbackBase = ReplacementBirthIndex(s);
    host.RedrawPyramid(0);
    s.HousesShown = 1;
    host.UpdateHousesAndCurve();
    s.GraphMode = 1;
    host.RedrawGraph();
    host.ResetGraphControls();
    if (IsRealistic(s)) {
        s.SavedBabyMortality = s.BabyMortality;
        s.SavedAdultMortality = s.AdultMortality;
        s.SavedBirthIndex = s.BirthIndex;
        s.SavedImmigration = s.Immigration;
    }
    host.SetIncidentButtonsEnabled(true);
    RecordYear(s, 0);
    host.SetMemo("");
}

void ChooseScenario(Model& m, int scenario)
{
    SimulationState& s = m.S;
    if (scenario < 1 || scenario > 7) return;
    s.Scenario = scenario;
    if (scenario >= 5) {
        ResetSimulation(m);
    } else if (scenario >= 2) {
        s.FeedbackBase = ReplacementBirthIndex(s);
    }
}

void SetPopulationSize(Model& m, int population)
{
    SimulationState& s = m.S;
    const int y = s.Year;
    const auto current = RoundEvenToInt(s.PopHistory[y]);
    if (current == population) return;
    if (current > 0) {
        const double factor = population / s.PopHistory[y];
        for (double& people : s.PopByAge) people *= factor;
        // Ties of the rounding can undo a correction; the bound keeps a pathological table from looping.
        constexpr int MaxCorrections = 1000000;
        for (int pass = 0; pass < MaxCorrections; ++pass) {
            TallyClassTotals(s, y);
            const auto excess = RoundEvenToInt(s.PopHistory[y]) - population;
            if (excess == 0) break;
            if (std::abs(excess) > ClassCount && s.PopHistory[y] > 0.0) {
                // Missed by more than the rounding of the classes (a nearly empty island whose rounded
                // total was far from its real one): scale again instead of moving millions one by one.
                const double again = population / s.PopHistory[y];
                for (double& people : s.PopByAge) people *= again;
                continue;
            }
            const int k = RandomPopulatedAge(m);
            if (k < 0) break; // nobody left to move one at a time
            s.PopByAge[k] += excess > 0 ? -1.0 : 1.0;
        }
    } else {
        for (int i = 15; i <= 34; ++i) s.PopByAge[i] = population / 20.0;
        TallyClassTotals(s, y);
    }
    TallyClasses(s, y);
    m.Host.SetField(Field::Popmeter, std::to_string(RoundEvenToInt(s.PopHistory[y])));
    ComputeAgeTables(s);
    ShowResults(m);
    m.Host.RedrawGraph();
    m.Host.RedrawPyramid(y);
    m.Host.UpdateHousesAndCurve();
}

} // namespace vartel
