#include "views/Labels.h"

#include "model/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vartel {

int ToPixel(double coordinate)
{
    if (std::isnan(coordinate))
        return static_cast<int>(CoordinateLimit);
    return static_cast<int>(RoundEvenToInt(std::clamp(coordinate, -CoordinateLimit, CoordinateLimit)));
}

void TextRightAligned(Canvas& c, int right, int centreY, const std::string& text)
{
    c.TextOut(right - c.TextWidth(text), centreY - c.TextHeight(text) / 2, text);
}

void TextCentred(Canvas& c, int centreX, int top, const std::string& text)
{
    c.TextOut(centreX - c.TextWidth(text) / 2, top, text);
}

} // namespace vartel
