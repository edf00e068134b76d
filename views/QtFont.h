#pragma once
// The one translation from the canvas font to a Qt font. The screen canvas and the metafile writers both
// measure text through here, so a saved picture lays out like the screen.
#include "views/Canvas.h"

#include <QFont>
#include <QString>

#include <string>

namespace vartel {

// The installed, metric-compatible family for a face name ("times new roman" -> "Liberation Serif").
QString QtFamilyFor(const std::string& face);

// Pixel size round(points * 96 / 72), independent of the screen's resolution; bold; no antialiasing.
// With a device pixel ratio the pixel size is that many times larger, for drawing at the device's resolution.
QFont ToQFont(const Font& font, double deviceRatio = 1.0);

// Text metrics in pixels, as the canvas's TextWidth and TextHeight report them (height = ascent + descent).
int TextWidthOf(const Font& font, const std::string& text);
int TextHeightOf(const Font& font, const std::string& text);

} // namespace vartel
