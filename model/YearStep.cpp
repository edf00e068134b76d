#include "model/YearStep.h"

#include "model/AgeTables.h"
#include "model/Codes.h"
#include "model/History.h"
#include "model/Incidents.h"
#include "model/Results.h"
#include "model/math/PortableMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vartel {

namespace {

constexpr double CatastropheStart = 3000000.0;
constexpr double CatastropheEnd = 5000.0;
constexpr double ExtinctionThreshold = 50.0;
constexpr double FeedbackFloor = 50.0;
// What an age holds instead of infinitely many people. A birth index gone wild (a feedback scenario chosen
// after a mortality of 99 %, or during an epidemic) grows the counts past the range of a double; a run
// that stays finite never comes near this, and 110 ages of it, weighted by their ages for the mean age,
// still add up to a finite number.
constexpr double MaxPeoplePerAge = std::numeric_limits<double>::max() / (AgeCount * AgeCount);

struct RealisticConstants {
    double BirthIndexAtA;
    double BirthIndexAtM;
    double BabyMortalitySlopeAfterH;
    bool ImmigrationAtP;
    double DescentEnd; // population at which the birth index reaches the replacement level after P
    bool HasStageE;
    Stage BalanceNeeds;
    bool BalanceImmigration;
};

const RealisticConstants& ConstantsOf(int scenario)
{
    static constexpr RealisticConstants low{6.2, 6.4, -0.048, false, 1600000.0, false, StageP, false};
    static constexpr RealisticConstants medium{6.3, 6.5, -0.38, true, 2000000.0, true, StageE, true};
    static constexpr RealisticConstants high{6.3, 6.5, -0.38, true, 2400000.0, false, StageE, false};
    return scenario == ScenarioCode::RealisticLow ? low : scenario == ScenarioCode::RealisticMedium ? medium : high;
}

void SaveParameters(SimulationState& s)
{
    s.SavedBabyMortality = s.BabyMortality;
    s.SavedAdultMortality = s.AdultMortality;
    s.SavedBirthIndex = s.BirthIndex;
    s.SavedImmigration = s.Immigration;
}

void RestoreSavedParameters(SimulationState& s)
{
    s.BabyMortality = s.SavedBabyMortality;
    s.AdultMortality = s.SavedAdultMortality;
    s.BirthIndex = s.SavedBirthIndex;
    s.Immigration = s.SavedImmigration;
}

void CatastropheDrift(Model& m)
{
    SimulationState& s = m.S;
    const int y = s.Year;
    if (s.PopHistory[y - 1] < CatastropheEnd) {
        s.Catastrophe = false;
        RestoreSavedParameters(s);
        ComputeAgeTables(s);
        m.Host.RedrawGraph();
        return;
    }
    if (s.BabyMortality < 0.2)
        s.BabyMortality *= 1.05;
    if (s.AdultMortality < 0.1)
        s.AdultMortality *= 1.05;
    if (!IsRealisticScenario(s.Scenario) && s.Immigration > -0.1)
        s.Immigration -= 0.0005;
    if (s.BirthIndex > 1.0)
        s.BirthIndex *= 0.99;
}

void RecordStage(Model& m, Stage stage)
{
    SimulationState& s = m.S;
    s.StageReached[stage] = true;
    s.Stages[RecordOf(stage)].Year = s.Year - 1;
    m.Host.RedrawGraph();
}

void RealisticRules(Model& m)
{
    SimulationState& s = m.S;
    const RealisticConstants& c = ConstantsOf(s.Scenario);
    const int y = s.Year;
    const double x = s.ExactPopHistory[y - 1];
    const double r = ReplacementBirthIndex(s); // on last year's tables
    auto reached = [&](Stage stage) { return s.StageReached[stage]; };

    if (!reached(StageA) && x > 20000.0) {
        RecordStage(m, StageA);
        s.StableLevel = 200000;
        s.BirthIndex = c.BirthIndexAtA;
    }
    if (reached(StageA) && !reached(StageM) && x > 120000.0) {
        RecordStage(m, StageM);
        s.StableLevel = 1400000;
        s.BirthIndex = c.BirthIndexAtM;
        s.BabyMortality = 0.53;
    }
    if (reached(StageM) && !reached(StageH) && x > 400000.0)
        RecordStage(m, StageH);
    if (reached(StageM) && !reached(StageP) && x >= 1200000.0) {
        RecordStage(m, StageP);
        s.BabyMortality = 0.05;
        if (c.ImmigrationAtP)
            s.Immigration = 0.01;
    }
    if (c.HasStageE && reached(StageP) && !reached(StageE) && 0.5 * r > s.BirthIndex) {
        RecordStage(m, StageE);
        s.StableLevel = 2000000;
        m.Host.RedrawGraph();
    }
    if (reached(c.BalanceNeeds) && !reached(StageB) && GrowthPercent(s, y - 1) < 0.04) {
        RecordStage(m, StageB);
        if (s.Scenario != ScenarioCode::RealisticLow)
            s.BalanceYear = y;
        s.BalanceBirthIndex = s.BirthIndex;
        s.BalancePop = x;
        s.FeedbackBase = r;
    }
    if (reached(StageH) && !reached(StageP)) {
        s.BabyMortality = 0.53 + c.BabyMortalitySlopeAfterH * (x - 400000.0) / 800000.0;
    }
    if (reached(StageP))
        s.BirthIndex = 6.4 + (r - 6.4) * (x - 1200000.0) / (c.DescentEnd - 1200000.0);
    if (reached(StageB)) {
        const double span = s.StableLevel - s.BalancePop;
        // With the balance population at the stable level the rule has no slope: keep the birth index.
        if (span != 0.0)
            s.BirthIndex = s.BalanceBirthIndex + (r - s.BalanceBirthIndex) * (x - s.BalancePop) / span;
        if (c.BalanceImmigration)
            s.Immigration = 0.05 / (y + 50 - s.BalanceYear);
    }
    if (s.BirthIndex < 0.0) {
        s.BirthIndex = 0.0;
    } else if (s.BirthIndex > 20.0) {
        s.BirthIndex = 20.0;
    }
}

void ScenarioRule(Model& m)
{
    SimulationState& s = m.S;
    const int y = s.Year;
    const double stable = s.StableLevel;
    switch (s.Scenario) {
    case ScenarioCode::PositiveFeedback: {
        const double last = s.PopHistory[y - 1];
        s.BirthIndex = last > FeedbackFloor ? std::max(0.0, s.FeedbackBase + math::Log10(last / stable)) : 0.0;
        break;
    }
    case ScenarioCode::NegativeFeedback: {
        const double century = s.PopHistory[std::max(y - 100, 0)];
        s.BirthIndex =
            century > FeedbackFloor ? std::max(0.0, s.FeedbackBase - 2.0 * math::Log10(century / stable)) : 0.0;
        break;
    }
    case ScenarioCode::Attenuation: {
        const double x = s.ExactPopHistory[y - 1];
        if (x > 0.1 * stable) {
            s.BirthIndex = std::max(0.0, s.FeedbackBase - 0.5 * math::Log(x / stable));
        } else if (x < 50.0) {
            s.BirthIndex = 0.0;
        }
        break;
    }
    case ScenarioCode::RealisticLow:
    case ScenarioCode::RealisticMedium:
    case ScenarioCode::RealisticHigh:
        if (!s.Catastrophe)
            RealisticRules(m);
        break;
    default:
        break;
    }
}

void AgeAndBear(SimulationState& s)
{
    auto& pop = s.PopByAge;
    for (int i = AgeCount - 2; i >= 0; --i)
        pop[i + 1] = pop[i] * (1.0 - s.MortalityByAge[i]);
    double births = 0.0;
    for (int i = 1; i < AgeCount; ++i)
        births += pop[i] * s.BirthIndex * s.FertilityByAge[i];
    pop[0] = births;
}

void Migrate(SimulationState& s)
{
    const double last = s.ExactPopHistory[s.Year - 1];
    const double rate = s.Immigration;
    if (rate > 0.0) {
        for (int i = 0; i < AgeCount; ++i)
            s.PopByAge[i] += last * rate * s.ImmigrantProfile[i];
    } else if (rate < 0.0) {
        for (int i = 0; i < AgeCount; ++i) {
            // An age cannot lose more people than it has.
            s.PopByAge[i] += std::max(last * rate * s.EmigrantProfile[i], -s.PopByAge[i]);
        }
    }
}

// Acts only where the arithmetic leaves the range of a double: a count beyond the bound (an infinite one
// above all) becomes the bound, a NaN becomes 0 (it only arises as 0 people times an infinite birth index:
// no one is born). Every other count stays exactly as computed.
void KeepCountsFinite(SimulationState& s)
{
    for (double& people : s.PopByAge) {
        if (std::isnan(people))
            people = 0.0;
        else if (people > MaxPeoplePerAge)
            people = MaxPeoplePerAge;
    }
}

} // namespace

void YearStep(Model& m)
{
    SimulationState& s = m.S;
    const int y = s.Year;
    if (y < 1 || y > MaxYear)
        return;

    if (s.Catastrophe)
        CatastropheDrift(m);
    ScenarioRule(m);
    ComputeAgeTables(s);
    if ((s.Scenario > ScenarioCode::Simple || s.Catastrophe) && s.GraphMode > GraphModeCode::Population)
        m.Host.RedrawGraph();
    if (s.Incident != IncidentCode::None)
        IncidentCountdown(m, true);
    AgeAndBear(s);
    Migrate(s);
    KeepCountsFinite(s);
    TallyClasses(s, y);
    ComputeMeanAge(s, y);
    if (s.PopHistory[y] < ExtinctionThreshold) {
        s.BirthIndex = 0.0;
        s.AdultMortality = 0.05;
        ComputeAgeTables(s);
    }
    if (s.PopHistory[y] > CatastropheStart && !s.Catastrophe) {
        s.Catastrophe = true;
        s.StageReached.fill(false);
        if (!IsRealisticScenario(s.Scenario))
            SaveParameters(s);
    }
    ShowResults(m);
    RecordYear(s, y);
}

} // namespace vartel
