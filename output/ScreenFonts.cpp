#include "output/ScreenFonts.h"

#include "views/FontFaces.h"

#include <cstdint>

namespace vartel {

namespace {

// Font units of 2048 per em, from each family's horizontal header.
std::int64_t AscenderOf(FontFamily family)
{
    switch (family) {
    case FontFamily::Serif:
        return 1825;
    case FontFamily::Mono:
        return 1705;
    case FontFamily::Sans:
    case FontFamily::Other: // a face the program does not use is drawn with the default sans serif font
        break;
    }
    return 1854;
}

// FreeType's hinted size metric: the 16.16 scale of pixels per unit, the product rounded to 1/64 pixel and
// then to whole pixels, which is what the screen's font metrics report.
int HintedPixels(std::int64_t units, int pixelSize)
{
    const std::int64_t scale = (static_cast<std::int64_t>(pixelSize) * 64 * 65536 + 1024) / 2048;
    const std::int64_t sixtyFourths = (units * scale + 0x8000) >> 16;
    return static_cast<int>(((sixtyFourths + 32) & ~std::int64_t{63}) / 64);
}

} // namespace

std::string ScreenFamilyFor(const std::string& face)
{
    const FontFamily family = FamilyOf(face);
    return family == FontFamily::Other ? face : FamilyName(family);
}

int FontAscent(const Font& font)
{
    return HintedPixels(AscenderOf(FamilyOf(font.Face)), PixelSizeOf(font));
}

} // namespace vartel
