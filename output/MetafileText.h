#pragma once
// Text as the metafile writers record it: the face name as the system knows it, the em height in pixels
// and per-character advances measured with the same font as the screen, so a saved picture lays out
// like the view.
#include "output/LittleEndianBuffer.h"
#include "views/Canvas.h"

#include "views/FontFaces.h"

#include <string>
#include <vector>

namespace vartel {

// "times new roman" -> "Times New Roman"; faces the program does not use are kept as written.
std::string MetafileFaceName(const std::string& face);
// The LogFont fields of `font` before its face name, the same in both formats but for the width of the
// first five, which `integer` writes (32 bits in EMF, 16 in WMF).
template <typename WriteInteger> void AppendLogFontHead(LittleEndianBuffer& out, const Font& font, WriteInteger integer)
{
    integer(-PixelSizeOf(font)); // negative: the em height, as the screen font is sized
    integer(0);                  // width: the face's own
    integer(0);                  // escapement
    integer(0);                  // orientation
    integer(font.Bold ? 700 : 400);
    // Not italic, underlined or struck out; ANSI charset; default precisions, quality, pitch and family.
    for (int i = 0; i < 8; ++i)
        out.U8(0);
}

// One advance per UTF-16 unit of `text`, summing to its width; the second unit of a pair gets 0.
std::vector<int> CharacterAdvances(const Font& font, const std::u16string& text);

} // namespace vartel
