#pragma once
// The faces the program asks for, mapped to the metric-compatible families it draws with, and the pixel
// size of a font: the one place both the glyph tables and the Qt fonts take them from.
#include "views/Canvas.h"

#include <string>

namespace vartel {

enum class FontFamily { Sans, Serif, Mono, Other };

// "times new roman" -> Serif, "ms sans serif" and "arial" -> Sans, "courier" and "courier new" -> Mono, any
// case; anything else is Other.
FontFamily FamilyOf(const std::string& face);
// "Liberation Sans", "Liberation Serif", "Liberation Mono"; "" for Other.
const char* FamilyName(FontFamily family);

// round(points * 96 / 72), independent of the screen's resolution; with a device pixel ratio above 1 that
// many times larger (rounded again), for drawing at the device's resolution. At least 1.
int PixelSizeOf(const Font& font, double deviceRatio = 1.0);

} // namespace vartel
