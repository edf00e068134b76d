#pragma once
// The one translation from the canvas font to a Qt font, for the SVG writer and the glyph tables' maker.
#include "views/Canvas.h"

#include <QFont>
#include <QString>

#include <string>

namespace vartel {

// The installed, metric-compatible family for a face name ("times new roman" -> "Liberation Serif").
QString QtFamilyFor(const std::string& face);

// Pixel size PixelSizeOf(font, deviceRatio); bold; no antialiasing; full hinting.
QFont ToQFont(const Font& font, double deviceRatio = 1.0);

} // namespace vartel
