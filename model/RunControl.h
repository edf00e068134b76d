#pragma once
// What the driver does to the record, shared by the window and the batch tool so that both run alike.
#include "model/Model.h"

namespace vartel {

// Start pressed at year 0: StartStableLevel and StartParams, the start values of the data file.
void CaptureStartValues(SimulationState& s);
// One year of the run (Year below 3000): Year + 1, the year field, YearStep, the population field, the
// pyramid of the new year, then the houses and the curve.
void AdvanceYear(Model& m);

} // namespace vartel
