#pragma once
// The machine's steady clock in nanoseconds, for a session whose front end has no clock of its own.
#include <chrono>
#include <cstdint>

namespace vartel {

inline std::int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace vartel
