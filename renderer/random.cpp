#include "random.h"

namespace {
std::uint32_t generatorState = 1;
}

int nextRandom() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7fffu);
}

float randomRange(float a, float b) {
    const float t = static_cast<float>(nextRandom()) / static_cast<float>(randomMax);
    return a + (b - a) * t;
}

void resetRandom(std::uint32_t state) {
    generatorState = state;
}
