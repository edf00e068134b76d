#pragma once
// The views in words, for assistive technology: what the pyramid, the graph and the map show now.
#include "model/SimulationState.h"

#include <QString>

namespace vartel {

// "Year 1200, population 35811".
QString PyramidDescription(const SimulationState& st, int year);
// "Population graph, linear scale, zoom 5; year 1200, population 35811, growth 0.25%": the graph shown, its
// scale where it applies, and the year the pyramid shows (the browsed year while browsing, else the current
// one) with its growth as the growth field shows it (none where that is empty).
QString GraphDescription(const SimulationState& st, bool linearScale, int year);
// "Year 1200: 4 houses, one for every 10,000 inhabitants; population 35811".
QString MapDescription(const SimulationState& st);

} // namespace vartel
