#include "session/TrimmedText.h"

#include <cstddef>
#include <optional>

namespace vartel {

namespace {

bool IsWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The code point of the well-formed sequence of `length` bytes at `at`; nullopt for a malformed one, which
// is never white space.
std::optional<char32_t> CodePoint(std::string_view text, std::size_t at, std::size_t length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    static constexpr unsigned char LeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    if (length < 1 || length > 4 || at + length > text.size())
        return std::nullopt;
    char32_t c = lead & LeadMasks[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte))
            return std::nullopt;
        c = (c << 6) | (byte & 0x3F);
    }
    return c;
}

std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

} // namespace

std::string TrimmedText(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[begin]));
        const std::optional<char32_t> c = CodePoint(text, begin, length);
        if (!c || !IsWhiteSpace(*c))
            break;
        begin += length;
    }
    std::size_t end = text.size();
    while (end > begin) {
        std::size_t start = end - 1;
        while (start > begin && IsContinuation(static_cast<unsigned char>(text[start])))
            --start;
        const std::size_t length = end - start;
        const std::optional<char32_t> c = SequenceLength(static_cast<unsigned char>(text[start])) == length
                                              ? CodePoint(text, start, length)
                                              : std::nullopt;
        if (!c || !IsWhiteSpace(*c))
            break;
        end = start;
    }
    return std::string(text.substr(begin, end - begin));
}

} // namespace vartel
