#pragma once
// Uniform random values 0 <= r < 1, in single precision as the game has always
// drawn them. Tests script the values; the program draws from one generator
// seeded once from the system's entropy source.

#include <cstdint>
#include <random>

namespace velko {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

class SystemRandom final : public RandomSource {
public:
    SystemRandom() : generator_(std::random_device{}()) {}
    explicit SystemRandom(std::uint32_t seed) : generator_(seed) {}
    // 24 random bits over 2^24: every value is exact in a float and below 1.
    float next() override { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 generator_;
};

}   // namespace velko
