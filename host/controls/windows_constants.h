#pragma once

// Windows message numbers and virtual-key codes for portable code, which
// does not include <windows.h>; platform code uses that header's own names.

#include <cstdint>

namespace controls {

constexpr std::uint32_t messageActivate = 0x0006;
constexpr std::uint32_t messageMouseLeave = 0x02A3;

constexpr int keyCodeReturn = 13;
constexpr int keyCodeSpace = 32;
constexpr int keyCodeLeft = 37;
constexpr int keyCodeUp = 38;
constexpr int keyCodeRight = 39;
constexpr int keyCodeDown = 40;

} // namespace controls
