#pragma once
// Placement of the views' texts and the safe conversion of computed coordinates to pixels.
#include "views/Canvas.h"

#include <string>

namespace vartel {

// A computed coordinate rounded (ties to even) to a pixel. Values far outside any image are clamped to
// +-CoordinateLimit so later arithmetic cannot overflow; NaN lands below/right of the image.
constexpr double CoordinateLimit = 1e8;
int ToPixel(double coordinate);

// Left edge = right - text width, top edge = centreY - (text height div 2).
void TextRightAligned(Canvas& c, int right, int centreY, const std::string& text);
// Left edge = centreX - (text width div 2).
void TextCentred(Canvas& c, int centreX, int top, const std::string& text);

} // namespace vartel
