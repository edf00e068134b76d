#pragma once
#include <cstdint>
#include <random>

namespace vartel {

// Uniform random integers 0..n-1. The program seeds from the clock, tests with a fixed seed.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Next(int n) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int Next(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64 engine_;
};

} // namespace vartel
