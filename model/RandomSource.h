#pragma once
#include "model/RandomMapping.h"

#include <cstdint>
#include <random>

namespace vartel {

// Uniform random integers 0..n-1. Each run draws from a seed its front end sets, so any run replays exactly.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Next(int n) = 0;
};

// The mt19937_64 sequence is the same on every machine; the mapping to a range is our own for that reason
// (the standard distributions differ between C++ libraries).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int Next(int n) override
    {
        return n <= 1 ? 0 : static_cast<int>(UniformBelow(engine_, static_cast<std::uint64_t>(n)));
    }
    // Starts the sequence of `seed` again.
    void Reseed(std::uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

} // namespace vartel
