#include "views/GlyphAtlas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <tuple>

namespace vartel {

// The tables, built into the program from resources/glyphs/glyphs.bin.
extern const unsigned char GlyphTableBytes[];
extern const std::size_t GlyphTableSize;

namespace {

struct Atlas {
    std::vector<int> glyphOfCode; // by code point, -1 where there is none
    int question = 0;
    std::vector<GlyphFont> fonts;
};

class Reader {
public:
    Reader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    unsigned U8() { return Take(1)[0]; }
    int I8() { return static_cast<signed char>(Take(1)[0]); }
    unsigned U16()
    {
        const unsigned char* b = Take(2);
        return b[0] | (unsigned{b[1]} << 8);
    }
    const unsigned char* Take(std::size_t n)
    {
        if (n > size_ - at_)
            throw std::runtime_error("the glyph tables are cut short");
        const unsigned char* b = bytes_ + at_;
        at_ += n;
        return b;
    }
    bool AtEnd() const { return at_ == size_; }

private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

GlyphFont ReadFont(Reader& in, std::size_t glyphCount)
{
    GlyphFont font;
    const unsigned family = in.U8();
    if (family > static_cast<unsigned>(FontFamily::Other))
        throw std::runtime_error("the glyph tables name an unknown family");
    font.Family = static_cast<FontFamily>(family);
    font.Bold = in.U8() != 0;
    font.PixelSize = static_cast<int>(in.U16());
    font.Ascent = static_cast<int>(in.U16());
    font.Descent = static_cast<int>(in.U16());
    font.Height = static_cast<int>(in.U16());
    font.HasBitmaps = in.U8() != 0;
    font.Glyphs.resize(glyphCount);
    for (GlyphFont::Glyph& glyph : font.Glyphs)
        glyph.Advance = static_cast<int>(in.U8());
    for (unsigned pairs = in.U16(); pairs > 0; --pairs) {
        const unsigned first = in.U8(), second = in.U8();
        const int adjustment = in.I8();
        if (first >= glyphCount || second >= glyphCount)
            throw std::runtime_error("the glyph tables kern a glyph they lack");
        font.Kerning[static_cast<int>(first * 256 + second)] = adjustment;
    }
    if (!font.HasBitmaps)
        return font;
    std::size_t bits = 0;
    for (GlyphFont::Glyph& glyph : font.Glyphs) {
        glyph.Left = in.I8();
        glyph.Top = in.I8();
        glyph.Width = static_cast<int>(in.U8());
        glyph.Height = static_cast<int>(in.U8());
        glyph.Bits = bits;
        bits += (static_cast<std::size_t>(glyph.Width) * static_cast<std::size_t>(glyph.Height) + 7) / 8;
    }
    const unsigned char* bitmaps = in.Take(bits);
    font.Bitmaps.assign(bitmaps, bitmaps + bits);
    return font;
}

Atlas ReadAtlas()
{
    Reader in(GlyphTableBytes, GlyphTableSize);
    const unsigned char* magic = in.Take(4);
    if (std::string(magic, magic + 4) != "VGLY" || in.U16() != 1)
        throw std::runtime_error("the glyph tables are of another kind");
    Atlas atlas;
    const std::size_t glyphCount = in.U16();
    if (glyphCount == 0 || glyphCount > 256)
        throw std::runtime_error("the glyph tables hold no usable set of characters");
    for (std::size_t i = 0; i < glyphCount; ++i) {
        const unsigned code = in.U16();
        if (code >= atlas.glyphOfCode.size())
            atlas.glyphOfCode.resize(code + 1, -1);
        atlas.glyphOfCode[code] = static_cast<int>(i);
    }
    if (atlas.glyphOfCode.size() <= '?' || atlas.glyphOfCode['?'] < 0)
        throw std::runtime_error("the glyph tables lack the question mark");
    atlas.question = atlas.glyphOfCode['?'];
    for (unsigned fonts = in.U16(); fonts > 0; --fonts)
        atlas.fonts.push_back(ReadFont(in, glyphCount));
    if (atlas.fonts.empty() || !in.AtEnd())
        throw std::runtime_error("the glyph tables hold no fonts or more than their fonts");
    return atlas;
}

const Atlas& TheAtlas()
{
    static const Atlas atlas = ReadAtlas();
    return atlas;
}

// One code point of UTF-8 from `at`, which it moves past; -1 for a byte that starts no valid sequence.
long NextCodePoint(const std::string& text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    int more = 0;
    long code = 0;
    long least = 0;
    if (lead < 0x80) {
        ++at;
        return static_cast<long>(lead);
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, code = lead & 0x07, least = 0x10000;
    } else {
        ++at;
        return -1;
    }
    for (int i = 1; i <= more; ++i) {
        if (at + static_cast<std::size_t>(i) >= text.size() || (byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return -1;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++at;
        return -1;
    }
    at += static_cast<std::size_t>(more) + 1;
    return code;
}

const GlyphFont& Nearest(const Font& font, int pixels, bool drawing)
{
    const FontFamily family = FamilyOf(font.Face) == FontFamily::Serif ? FontFamily::Serif : FontFamily::Sans;
    const GlyphFont* best = nullptr;
    // Same family and weight first, then the size nearest, the smaller of two as near.
    auto rank = [&](const GlyphFont& f) {
        return std::tuple(f.Family != family, f.Bold != font.Bold, std::abs(f.PixelSize - pixels), f.PixelSize);
    };
    for (const GlyphFont& candidate : TheAtlas().fonts)
        if ((!drawing || candidate.HasBitmaps) && (best == nullptr || rank(candidate) < rank(*best)))
            best = &candidate;
    if (best == nullptr)
        throw std::runtime_error("the glyph tables hold no bitmaps");
    return *best;
}

} // namespace

int GlyphFont::KerningOf(int first, int second) const
{
    if (Kerning.empty())
        return 0;
    const auto found = Kerning.find(first * 256 + second);
    return found == Kerning.end() ? 0 : found->second;
}

int GlyphFont::Width(const std::vector<int>& glyphs) const
{
    int width = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        width += Glyphs[static_cast<std::size_t>(glyphs[i])].Advance;
        if (i + 1 < glyphs.size())
            width += KerningOf(glyphs[i], glyphs[i + 1]);
    }
    return width;
}

void GlyphFont::Draw(RasterImage& image, std::int64_t x, std::int64_t baseline, const std::vector<int>& glyphs,
                     std::uint32_t value) const
{
    const std::int64_t w = image.Width(), h = image.Height();
    std::uint32_t* pixels = image.Bits();
    std::int64_t pen = x;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = Glyphs[static_cast<std::size_t>(glyphs[i])];
        const std::int64_t left = pen + glyph.Left, top = baseline - glyph.Top;
        if (left < w && top < h && left + glyph.Width > 0 && top + glyph.Height > 0) {
            const std::uint8_t* bits = Bitmaps.data() + glyph.Bits;
            for (int row = 0; row < glyph.Height; ++row) {
                const std::int64_t py = top + row;
                if (py < 0 || py >= h)
                    continue;
                for (int column = 0; column < glyph.Width; ++column) {
                    const std::int64_t px = left + column;
                    const int bit = row * glyph.Width + column;
                    if (px >= 0 && px < w && (bits[bit / 8] & (0x80 >> (bit % 8))) != 0)
                        pixels[py * w + px] = value;
                }
            }
        }
        pen += glyph.Advance;
        if (i + 1 < glyphs.size())
            pen += KerningOf(glyphs[i], glyphs[i + 1]);
    }
}

std::vector<int> GlyphsOf(const std::string& text)
{
    const Atlas& atlas = TheAtlas();
    std::vector<int> glyphs;
    glyphs.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const long code = NextCodePoint(text, at);
        const bool known = code >= 0 && static_cast<std::size_t>(code) < atlas.glyphOfCode.size() &&
                           atlas.glyphOfCode[static_cast<std::size_t>(code)] >= 0;
        glyphs.push_back(known ? atlas.glyphOfCode[static_cast<std::size_t>(code)] : atlas.question);
    }
    return glyphs;
}

const GlyphFont& MeasuringFont(const Font& font)
{
    return Nearest(font, PixelSizeOf(font), false);
}

const GlyphFont& DrawingFont(const Font& font, double deviceRatio)
{
    return Nearest(font, PixelSizeOf(font, deviceRatio), true);
}

} // namespace vartel
