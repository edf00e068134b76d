#pragma once
#include "model/Model.h"

namespace vartel {

// k = 1 epidemic (10 years), 2 one-child policy (30 years), 3 immigration wave (20 years).
void StartIncident(Model& m, int k);
// One year of the running incident. Inside YearStep the results refresh is left to the step's own
// ShowResults at its end (insideYearStep = true).
void IncidentCountdown(Model& m, bool insideYearStep);

} // namespace vartel
