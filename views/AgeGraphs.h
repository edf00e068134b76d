#pragma once
// The three graphs over age (graph modes 2 birth, 3 mortality, 4 survival chance) from the current tables.
#include "model/SimulationState.h"
#include "views/Canvas.h"

namespace vartel {

// Draws mode st.GraphMode (2..4) at scale s; the font is already set by DrawGraph.
// Only the mortality graph follows the scale choice.
void DrawAgeGraph(Canvas& c, const SimulationState& st, bool linearScale, int s);

} // namespace vartel
