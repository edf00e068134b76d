#include "lesson/Base64Url.h"

#include <cstdint>

namespace vartel {

namespace {

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int SextetOf(char c)
{
    const std::size_t at = Alphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string EncodeBase64Url(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k <= count; ++k)
            text += Alphabet[group >> (18 - 6 * k) & 0x3F];
    }
    return text;
}

std::optional<std::string> DecodeBase64Url(std::string_view text)
{
    if (text.size() % 4 == 1)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() * 3 / 4);
    std::uint32_t bits = 0;
    int held = 0;
    for (char c : text) {
        const int sextet = SextetOf(c);
        if (sextet < 0)
            return std::nullopt;
        bits = (bits << 6 | static_cast<std::uint32_t>(sextet)) & 0xFFFFFF;
        held += 6;
        if (held >= 8) {
            held -= 8;
            bytes += static_cast<char>(bits >> held & 0xFF);
        }
    }
    return bytes;
}

} // namespace vartel
