#pragma once
#include "model/SimulationState.h"

namespace vartel {

// The three fixed tables (fertility, immigrant and emigrant profiles), the same bits on every machine.
void FillFixedTables(SimulationState& s);
// MortalityByAge and SurvivalByAge from BabyMortality, AdultMortality, Incident and FertilityByAge.
void ComputeAgeTables(SimulationState& s);
// Growth from year y-1 to y in per cent; 0 for y = 0 or an empty previous year.
double GrowthPercent(const SimulationState& s, int y);
double LifeExpectancy(const SimulationState& s);        // years
double ReplacementBirthIndex(const SimulationState& s); // children per woman

} // namespace vartel
