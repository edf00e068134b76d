#include "output/Utf16Text.h"

namespace vartel {

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The code point starting at `at`, and how many bytes it takes; a bad sequence is one replaced byte.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    if (lead < 0x80)
        return lead;
    std::size_t count = 0;
    char32_t value = 0, least = 0;
    if ((lead & 0xE0) == 0xC0) {
        count = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return Replacement;
    }
    if (at + count > text.size())
        return Replacement;
    for (std::size_t i = 1; i < count; ++i) {
        const auto c = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(c))
            return Replacement;
        value = (value << 6) | (c & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return Replacement;
    length = count;
    return value;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::u16string Utf16Of(std::string_view utf8)
{
    std::u16string units;
    units.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const char32_t c = Decode(utf8, at, length);
        at += length;
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string Utf8Of(std::u16string_view units)
{
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            AppendUtf8(text, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(text, Replacement);
        } else {
            AppendUtf8(text, u);
        }
    }
    return text;
}

std::string Latin1Of(std::u16string_view units)
{
    std::string bytes;
    bytes.reserve(units.size());
    for (const char16_t unit : units)
        bytes += unit <= 0xFF ? static_cast<char>(unit) : '?';
    return bytes;
}

} // namespace vartel
