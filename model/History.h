#pragma once
#include "model/SimulationState.h"

namespace vartel {

// Class counts, totals and exact total of year y from PopByAge.
void TallyClasses(SimulationState& s, int y);
// Only the rounded classes and PopHistory[y] (the correction passes of SetPopulationSize).
void TallyClassTotals(SimulationState& s, int y);
// After a change of PopByAge[age] alone: its class and PopHistory[y], as TallyClassTotals gives them.
void RetallyClassOfAge(SimulationState& s, int y, int age);
void ComputeMeanAge(SimulationState& s, int y);
// Stable level, parameters, replacement birth index, life expectancy and the board of year y.
void RecordYear(SimulationState& s, int y);

} // namespace vartel
