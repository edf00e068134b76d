#pragma once
#include <array>

namespace vartel {

// Minimum wall-clock time of one simulated year, in milliseconds, per position 0..4 of the speed slider.
inline constexpr std::array<int, 5> SpeedDelays{1000, 100, 30, 1, 0};

// The delay of a slider position; positions outside 0..4 are taken as the nearest end.
constexpr int SpeedDelayFor(int position)
{
    if (position < 0)
        return SpeedDelays.front();
    if (position >= static_cast<int>(SpeedDelays.size()))
        return SpeedDelays.back();
    return SpeedDelays[static_cast<std::size_t>(position)];
}

} // namespace vartel
