#pragma once
// How the SVG picture names and places its text: the installed, metric-compatible family (views/FontFaces)
// and the ascent its hinted metrics round to.
#include "views/Canvas.h"

#include <string>

namespace vartel {

// "times new roman" -> "Liberation Serif"; faces the program does not use are kept as written.
std::string ScreenFamilyFor(const std::string& face);
// The distance in pixels from the top of a text line to its baseline.
int FontAscent(const Font& font);

} // namespace vartel
