#pragma once

#include <cstdint>

namespace win32 {

// A colour as the layout and the looks give it: &H00BBGGRR, red in the low
// byte, as GDI's COLORREF.
using Colour = std::uint32_t;

// Builds &H00BBGGRR; components are limited to 0..255.
constexpr Colour rgb(int red, int green, int blue) {
    const auto limit = [](int v) { return static_cast<Colour>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return limit(red) | limit(green) << 8 | limit(blue) << 16;
}

} // namespace win32
