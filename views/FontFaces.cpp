#include "views/FontFaces.h"

#include "model/Rounding.h"

#include <algorithm>
#include <cctype>

namespace vartel {

FontFamily FamilyOf(const std::string& face)
{
    std::string key = face;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (key == "times new roman")
        return FontFamily::Serif;
    if (key == "ms sans serif" || key == "arial")
        return FontFamily::Sans;
    if (key == "courier" || key == "courier new")
        return FontFamily::Mono;
    return FontFamily::Other;
}

const char* FamilyName(FontFamily family)
{
    switch (family) {
    case FontFamily::Sans:
        return "Liberation Sans";
    case FontFamily::Serif:
        return "Liberation Serif";
    case FontFamily::Mono:
        return "Liberation Mono";
    case FontFamily::Other:
        break;
    }
    return "";
}

int PixelSizeOf(const Font& font, double deviceRatio)
{
    int pixels = static_cast<int>(RoundEvenToInt(font.Size * 96.0 / 72.0));
    if (deviceRatio > 1.0)
        pixels = static_cast<int>(RoundEvenToInt(pixels * deviceRatio));
    return std::max(1, pixels);
}

} // namespace vartel
