#pragma once
#include "model/Model.h"

namespace vartel {

// Result and parameter fields of the current state, then the bulletin choice.
void ShowResults(Model& m);
// A past year from the history exactly as it looked when it was current: year, population, all fields
// and the board (no alarm). The pyramid is the caller's.
void ShowYearFromHistory(Model& m, int year);

} // namespace vartel
