#pragma once
#include <array>

namespace vartel {

// Minimum wall-clock time of one simulated year, in milliseconds, per speed 0 (slowest) .. 4 (fastest).
inline constexpr std::array<int, 5> SpeedDelays{1000, 100, 30, 1, 0};

// The delay of a speed; speeds outside 0..4 are taken as the nearest end.
constexpr int SpeedDelayFor(int speed)
{
    if (speed < 0)
        return SpeedDelays.front();
    if (speed >= static_cast<int>(SpeedDelays.size()))
        return SpeedDelays.back();
    return SpeedDelays[static_cast<std::size_t>(speed)];
}

} // namespace vartel
