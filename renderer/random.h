#pragma once

#include <cstdint>

// The renderer's one source of randomness: a linear congruential generator
// whose state starts at 1 and is never reseeded, so every run builds the same
// flock. Values lie in 0..randomMax. Defined here so the flock update can
// inline it.
constexpr int randomMax = 32767;

namespace random_detail {
inline std::uint32_t generatorState = 1;
}

inline int nextRandom() {
    random_detail::generatorState = random_detail::generatorState * 214013u + 2531011u;
    return static_cast<int>((random_detail::generatorState >> 16) & 0x7fffu);
}

// Uniform in [a, b]; exactly a for the value 0 and exactly b for randomMax.
inline float randomRange(float a, float b) {
    const float t = static_cast<float>(nextRandom()) / static_cast<float>(randomMax);
    return a + (b - a) * t;
}

// Puts the generator back to a known state (tests and benchmarks).
inline void resetRandom(std::uint32_t state = 1) {
    random_detail::generatorState = state;
}
