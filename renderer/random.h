#pragma once

#include <cstdint>

// The renderer's one source of randomness: a linear congruential generator
// whose state starts at 1 and is never reseeded, so every run builds the same
// flock. Values lie in 0..randomMax.
constexpr int randomMax = 32767;

int nextRandom();
// Uniform in [a, b]; exactly a for the value 0 and exactly b for randomMax.
float randomRange(float a, float b);

// Puts the generator back to a known state (tests and benchmarks).
void resetRandom(std::uint32_t state = 1);
