#pragma once
// The letters of the raster canvas: for each font the views use, at each device pixel ratio the window and
// the browser draw at, every glyph's advance and bitmap and the font's kerning, as Qt drew them with the
// Liberation fonts when the tables were made (dev/make-glyphs.sh). Built into the program, so the letters
// are the same whatever fonts a machine has.
//
// The tables hold the printable characters of Windows-1252; any other character is drawn as '?'. A font the
// tables lack is measured and drawn with the nearest pixel size they have of its family and weight; faces
// other than the serif one are drawn with the sans serif.
//
// Layout of the tables (little-endian): "VGLY", u16 version 1; u16 n and n ascending u16 code points; u16
// font count, and per font: u8 family (FontFamily), u8 bold, u16 pixel size, u16 ascent, u16 descent, u16
// height, u8 has bitmaps; n u8 advances; u16 kerning pairs, each u8 first and second glyph, i8 adjustment;
// with bitmaps, n times i8 left and i8 top (the bitmap's first column and top row from the pen position on
// the baseline, up positive), u8 width, u8 height, then the bitmaps one after another, rows top to bottom,
// most significant bit first, each bitmap padded to a whole byte.
#include "views/Canvas.h"
#include "views/FontFaces.h"
#include "views/RasterImage.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vartel {

class GlyphFont {
public:
    struct Glyph {
        int Advance = 0;
        int Left = 0, Top = 0, Width = 0, Height = 0;
        std::size_t Bits = 0; // the first byte of its bitmap
    };

    FontFamily Family = FontFamily::Sans;
    bool Bold = false;
    int PixelSize = 0;
    int Ascent = 0, Descent = 0, Height = 0;
    bool HasBitmaps = false;
    std::vector<Glyph> Glyphs;            // by glyph number
    std::unordered_map<int, int> Kerning; // first * 256 + second glyph number -> adjustment
    std::vector<std::uint8_t> Bitmaps;

    // The width Qt's horizontalAdvance gives: the advances and the kerning between neighbours.
    int Width(const std::vector<int>& glyphs) const;
    // The glyphs with the left end of their baseline at (x, baseline) in device pixels, in `value`,
    // clipped to the image.
    void Draw(RasterImage& image, std::int64_t x, std::int64_t baseline, const std::vector<int>& glyphs,
              std::uint32_t value) const;

private:
    int KerningOf(int first, int second) const;
};

// The glyph numbers of UTF-8 text; '?' for characters the tables lack and for bytes that are no UTF-8.
std::vector<int> GlyphsOf(const std::string& text);

// The font to measure `font` with, at 1x.
const GlyphFont& MeasuringFont(const Font& font);
// The font to draw `font` with at `deviceRatio` (below 1 counts as 1).
const GlyphFont& DrawingFont(const Font& font, double deviceRatio);

} // namespace vartel
