#include "output/ScreenFonts.h"

#include "model/Rounding.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace vartel {

namespace {

struct Face {
    const char* Name; // lower case
    const char* Family;
    std::int64_t Ascender; // font units of 2048 per em, from the face's horizontal header
};

constexpr Face Faces[] = {
    {"times new roman", "Liberation Serif", 1825},
    {"ms sans serif", "Liberation Sans", 1854},
    {"arial", "Liberation Sans", 1854},
    {"courier", "Liberation Mono", 1705},
    {"courier new", "Liberation Mono", 1705},
};

const Face* FaceOf(const std::string& face)
{
    std::string key = face;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Face& known : Faces)
        if (key == known.Name)
            return &known;
    return nullptr;
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
    const Face* known = FaceOf(face);
    return known != nullptr ? known->Family : face;
}

int FontPixelHeight(const Font& font)
{
    return std::max(1, static_cast<int>(RoundEvenToInt(font.Size * 96.0 / 72.0)));
}

int FontAscent(const Font& font)
{
    const Face* known = FaceOf(font.Face);
    // A face the program does not use is drawn with the default sans serif font.
    return HintedPixels(known != nullptr ? known->Ascender : FaceOf("arial")->Ascender, FontPixelHeight(font));
}

} // namespace vartel
