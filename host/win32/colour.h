#pragma once

#include <cstdint>

namespace win32 {

// A colour as the forms store it: &H00BBGGRR, red in the low byte. A value
// with the high bit set names a system colour by its index in the low byte
// (&H8000000F is the button face); drawing code translates those.
using Colour = std::uint32_t;

// Builds &H00BBGGRR; components are limited to 0..255.
constexpr Colour rgb(int red, int green, int blue) {
    const auto limit = [](int v) { return static_cast<Colour>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return limit(red) | limit(green) << 8 | limit(blue) << 16;
}

constexpr bool isSystemColour(Colour colour) {
    return (colour & 0x80000000u) != 0;
}

// Defaults the standard controls start with.
constexpr Colour systemButtonFace = 0x8000000Fu;
constexpr Colour systemButtonText = 0x80000012u;
constexpr Colour systemWindowText = 0x80000008u;
constexpr Colour systemWindowBackground = 0x80000005u;

} // namespace win32
