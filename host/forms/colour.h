#pragma once

#include <cstdint>

namespace forms {

// A colour as the forms store it: &H00BBGGRR, red in the low byte. A value
// with the high bit set names a system colour by its index in the low byte
// (&H8000000F is the button face); drawing code translates those.
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}

constexpr bool isSystemColour(Colour colour) {
    return (colour & 0x80000000u) != 0;
}

// Defaults the standard controls start with.
constexpr Colour systemButtonFace = 0x8000000Fu;
constexpr Colour systemButtonText = 0x80000012u;
constexpr Colour systemWindowText = 0x80000008u;
constexpr Colour systemWindowBackground = 0x80000005u;

} // namespace forms
