#pragma once
// A 64-bit generator's output mapped to ranges by our own arithmetic, the same on every machine and C++
// library (std::uniform_int_distribution and std::generate_canonical are not).
#include <cstdint>
#include <random>

namespace vartel {

// Uniform in 0..n-1 for n >= 1. Draws below 2^64 mod n are drawn again, so that every remainder is equally
// likely.
inline std::uint64_t UniformBelow(std::mt19937_64& engine, std::uint64_t n)
{
    const std::uint64_t uneven = (0 - n) % n; // 2^64 mod n
    std::uint64_t draw = engine();
    while (draw < uneven)
        draw = engine();
    return draw % n;
}

// Uniform in [0, 1): the top 53 bits of one draw, each result a multiple of 2^-53.
inline double UniformUnit(std::mt19937_64& engine)
{
    return static_cast<double>(engine() >> 11) * 0x1p-53;
}

} // namespace vartel
