#pragma once
// The one translation from the canvas font to a Qt font, for the raster canvas's text and its metrics.
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

} // namespace vartel
