#pragma once

#include <cstdint>

// The linear congruential generator of the random play order: a 32-bit state,
// state = state * 214013 + 2531011, results (state >> 16) & 32767.
class RandomGenerator {
public:
    static constexpr int kMax = 32767;

    explicit RandomGenerator(uint32_t seed = 1) : state_(seed) {}
    void seed(uint32_t value) { state_ = value; }
    // The next result, 0 to kMax.
    int next();

private:
    uint32_t state_;
};
