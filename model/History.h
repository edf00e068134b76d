#pragma once
#include "model/SimulationState.h"

namespace vartel {

// Class counts, totals and exact total of year y from PopByAge.
void TallyClasses(SimulationState& s, int y);
// Only the rounded classes and PopHistory[y] (the correction passes of SetPopulationSize).
void TallyClassTotals(SimulationState& s, int y);
void ComputeMeanAge(SimulationState& s, int y);
// Stable level, parameters, replacement birth index, life expectancy and the board of year y.
void RecordYear(SimulationState& s, int y);

} // namespace vartel
