#pragma once
#include "model/SimulationState.h"
#include "views/Canvas.h"

namespace vartel {

constexpr int PyramidWidth = 231;
constexpr int PyramidHeight = 278;

// The pyramid of `year` (0..st.Year) from PyramidHistory at scale s; keeps no state.
void DrawPyramid(Canvas& c, const SimulationState& st, int year, int s);

} // namespace vartel
