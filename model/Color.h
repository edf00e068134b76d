#pragma once
#include <cstdint>

namespace vartel {

// A colour as stored everywhere in the program: red in the low byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b)
{
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) | (static_cast<Color>(b & 0xFF) << 16);
}
constexpr int RedOf(Color c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace vartel
