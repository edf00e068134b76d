#include "model/Scenarios.h"

#include "model/AgeTables.h"
#include "model/Codes.h"
#include "model/History.h"
#include "model/Results.h"
#include "model/Rounding.h"
#include "model/TranslatableText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vartel {

namespace {

// The ages 0 to 108 that hold more than one person (age 109 is never chosen). Drawing from them uniformly
// is the same choice as drawing any age until it holds more than one, without the misses of that when few
// ages are populated.
class PopulatedAges {
public:
    explicit PopulatedAges(const AgeTable& people) : people_(people)
    {
        for (int i = 0; i < AgeCount - 1; ++i)
            if (people_[i] > 1.0)
                ages_[count_++] = i;
    }
    // -1 when there is none.
    int Draw(RandomSource& random) const
    {
        if (count_ == 0)
            return -1;
        return ages_[std::clamp(random.Next(count_), 0, count_ - 1)];
    }
    // After a change of `age`: it leaves the choice once it holds one person or less.
    void Update(int age)
    {
        if (people_[age] > 1.0)
            return;
        const auto at = std::find(ages_.begin(), ages_.begin() + count_, age);
        if (at == ages_.begin() + count_)
            return;
        *at = ages_[--count_];
    }

private:
    const AgeTable& people_;
    std::array<int, AgeCount - 1> ages_{};
    int count_ = 0;
};

// Moves one person at a time, at random ages, until the rounded total is `population`. Each move changes
// one class, so only that class is tallied again. Ties of the rounding can undo a move; the bound, well
// above the moves the first miss needs, keeps that from looping for ever.
void CorrectSinglePeople(Model& m, int population)
{
    SimulationState& s = m.S;
    const int y = s.Year;
    TallyClassTotals(s, y);
    std::int64_t excess = RoundEvenToInt(s.PopHistory[y]) - population;
    const std::int64_t maxMoves = 4 * std::abs(excess) + 1000;
    PopulatedAges populated(s.PopByAge);
    for (std::int64_t moves = 0; excess != 0 && moves < maxMoves; ++moves) {
        const int k = populated.Draw(m.Random);
        if (k < 0)
            break; // nobody left to move one at a time
        s.PopByAge[k] += excess > 0 ? -1.0 : 1.0;
        populated.Update(k);
        RetallyClassOfAge(s, y, k);
        excess = RoundEvenToInt(s.PopHistory[y]) - population;
    }
}

} // namespace

const std::array<std::string, 8>& ScenarioCaptions()
{
    static const std::array<std::string, 8> captions{"",
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Simple"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Positive feedback"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Negative feedback"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Attenuation towards stability"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Realistic, low"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Realistic, medium"),
                                                     VARTEL_TRANSLATE_NOOP("Scenario", "Realistic, high")};
    return captions;
}

void StoreScenarioNamesAndStages(SimulationState& s)
{
    s.ScenarioNames = ScenarioCaptions();
    // The stage texts, shown on the board; the window shows them translated.
    static const char* const texts[7] = {
        VARTEL_TRANSLATE_NOOP("Bulletin",
                              "This is the stone age. A primitive population lives from gathering and hunting."),
        VARTEL_TRANSLATE_NOOP("Bulletin",
                              "Point A:\r\nAgriculture starts.\r\nMore people can live on the island than before.\r\n"
                              "Health increases and so does the birth index."),
        VARTEL_TRANSLATE_NOOP("Bulletin",
                              "Point M:\r\nMechanisation, industrialisation. Still more people\r\ncan live on the  "
                              "island. The birth index increases slightly,\r\nchild mortality decreases due to "
                              "better hygiene."),
        VARTEL_TRANSLATE_NOOP("Bulletin",
                              "Point H:\r\nHealth care improves, so does education.\r\n"
                              "Child mortality decreases, which causes the population to grow explosively."),
        VARTEL_TRANSLATE_NOOP("Bulletin", "Point P:\r\nProsperity rises. Slowly the birth index decreases.\r\n"
                                          "The population explosion slows down. Thanks to improved production\r\n"
                                          "methods, more people can live on the island."),
        VARTEL_TRANSLATE_NOOP("Bulletin", "Point E:\r\nEco-efficiency increases.\r\nThe strain on the environment "
                                          "decreases, so even more people can live on the island."),
        VARTEL_TRANSLATE_NOOP("Bulletin", "Point B:\r\nThe population does not grow or shrink strongly any more.\r\n"
                                          "Balance in People, Planet & Prosperity is within reach."),
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
    for (std::size_t k = 1; k < s.Stages.size(); ++k)
        s.Stages[k].Year = -100;
    s.BirthIndex = 3.0;
    s.AdultMortality = 0.001;
    s.BabyMortality = 0.05;
    s.Immigration = 0.0;
    s.StableLevel = 200000;
    s.Incident = 0;
    s.IncidentYearsLeft = 0;
    host.SetCountdown("00", Rgb(128, 128, 128));
    if (IsRealisticScenario(s.Scenario)) {
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
    host.ClearInstruction();
    s.Year = 0;
    host.SetField(Field::Clock, "0");
    s.Running = false;
    s.PopByAge.fill(0.0);
    host.ResetHouses();
    const double start = IsRealisticScenario(s.Scenario) ? 3000.0 : 4200.0;
    for (int i = 0; i <= 14; ++i)
        s.PopByAge[i] = start / 60.0;
    for (int i = 15; i <= 44; ++i)
        s.PopByAge[i] = start / 40.0;
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
    if (IsRealisticScenario(s.Scenario)) {
        s.SavedBabyMortality = s.BabyMortality;
        s.SavedAdultMortality = s.AdultMortality;
        s.SavedBirthIndex = s.BirthIndex;
        s.SavedImmigration = s.Immigration;
    }
    host.SetIncidentButtonsEnabled(true);
    RecordYear(s, 0);
    host.ClearInstruction();
}

void ChooseScenario(Model& m, int scenario)
{
    SimulationState& s = m.S;
    if (scenario < 1 || scenario > 7)
        return;
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
    if (current == population)
        return;
    if (current > 0) {
        const double factor = population / s.PopHistory[y];
        for (double& people : s.PopByAge)
            people *= factor;
        CorrectSinglePeople(m, population);
    } else {
        for (int i = 15; i <= 34; ++i)
            s.PopByAge[i] = population / 20.0;
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
