#pragma once

// Windows message numbers and virtual-key codes for portable code, which
// does not include <windows.h>; platform code uses that header's own names.

#include <cstdint>

constexpr std::uint32_t WmActivate = 0x0006;
constexpr std::uint32_t WmMouseLeave = 0x02A3;

constexpr int KeyCodeReturn = 13;
constexpr int KeyCodeSpace = 32;
constexpr int KeyCodeLeft = 37;
constexpr int KeyCodeUp = 38;
constexpr int KeyCodeRight = 39;
constexpr int KeyCodeDown = 40;
