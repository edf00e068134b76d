#pragma once
#include "model/Model.h"

namespace vartel {

// Result and parameter fields of the current state, then the bulletin choice.
void ShowResults(Model& m);
// The result and parameter fields of the current state alone: showing the present again after browsing
// chooses no message, so it neither swallows an announcement that is due nor moves the first house.
void ShowCurrentFigures(Model& m);
// A past year from the history exactly as it looked when it was current: year, population, all fields
// and the board (no alarm). The pyramid is the caller's. The record's board stays the present one, so the
// next message is compared with what the present shows.
void ShowYearFromHistory(Model& m, int year);

} // namespace vartel
