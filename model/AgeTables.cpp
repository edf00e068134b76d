#include "model/AgeTables.h"

#include "model/Codes.h"

#include <cmath>
#include <numbers>

namespace vartel {

void FillFixedTables(SimulationState& s)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    for (int i = 17; i <= 47; ++i) {
        s.FertilityByAge[i] = static_cast<double>(0.02455L * std::sin(pi * (i - 16) / 32.0L));
    }
    for (int i = 0; i <= 59; ++i) {
        s.ImmigrantProfile[i] = static_cast<double>(pi / 120.0L * std::cos(pi * i / 120.0L));
    }
    for (int i = 0; i < AgeCount; ++i) {
        s.EmigrantProfile[i] = static_cast<double>(pi / 275.0L * std::sin(pi * i / 110.0L));
    }
}

void ComputeAgeTables(SimulationState& s)
{
    const double baby = s.BabyMortality;
    const double adult = s.AdultMortality;
    auto& m = s.MortalityByAge;
    // From the baby mortality at age 0 geometrically towards the adult mortality at age 5.
    const double passage = std::log(adult / baby) * 0.2;
    for (int i = 0; i <= 4; ++i)
        m[i] = baby * std::exp(passage * i);
    for (int i = 5; i <= 50; ++i)
        m[i] = adult;
    for (int i = 51; i <= 108; ++i) {
        const double old = (1.0 - adult) * (i - 50) / 59.0;
        const double square = old * old;
        m[i] = adult + square * square;
    }
    m[109] = 1.0;
    if (s.Incident == IncidentCode::Epidemic) {
        // The epidemic spares mainly the fertile ages.
        for (int i = 0; i < AgeCount; ++i)
            m[i] += (1.0 - m[i]) * 0.4 * (1.0 - 40.0 * s.FertilityByAge[i]);
    }
    s.SurvivalByAge[0] = 1.0 - m[0];
    for (int i = 1; i < AgeCount; ++i)
        s.SurvivalByAge[i] = s.SurvivalByAge[i - 1] * (1.0 - m[i]);
}

double GrowthPercent(const SimulationState& s, int y)
{
    if (y <= 0 || y > MaxYear)
        return 0.0;
    const double previous = s.PopHistory[y - 1];
    return previous > 0.0 ? 100.0 * s.PopHistory[y] / previous - 100.0 : 0.0;
}

double LifeExpectancy(const SimulationState& s)
{
    double years = 0.0;
    for (int i = 1; i < AgeCount; ++i)
        years += i * s.SurvivalByAge[i] * s.MortalityByAge[i];
    return years;
}

double ReplacementBirthIndex(const SimulationState& s)
{
    double childrenPerPerson = 0.0;
    for (int i = 0; i < AgeCount; ++i)
        childrenPerPerson += s.SurvivalByAge[i] * s.FertilityByAge[i];
    return (1.0 - s.AdultMortality) / childrenPerPerson;
}

} // namespace vartel
