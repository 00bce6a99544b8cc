#pragma once

#include <cstdint>

// Colours are 32-bit values laid out 0x00BBGGRR (red in the low byte), kept
// signed because stored colours are signed 32-bit numbers.
using Colour = std::int32_t;

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Builds 0x00BBGGRR; components are limited to 0..255.
constexpr Colour Rgb(int red, int green, int blue) {
    const auto limit = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return limit(red) | (limit(green) << 8) | (limit(blue) << 16);
}

// Components of a colour taken as a plain number: red = v & 0xFF,
// green = (v / 256) & 0xFF, blue = (v / 65536) & 0xFF with division
// truncating toward zero. A system-colour reference is not translated.
ColourParts SplitColour(Colour value);

// Per component a - ((a - b) / steps) * step, division truncating toward
// zero: step 0 gives `from`, step `steps` lands near `to` (the truncation
// may leave it short). A step count below 1 has no steps and gives `from`.
Colour BlendColour(Colour from, Colour to, int steps, int step);

// The darkest colour of a frame's shadow: each background component reduced
// to whole hundreds and scaled by the opacity in percent.
Colour ShadowColour(Colour background, int opacityPercent);

// Colour of row `i` (0 = bottom, `rows` = top) of a vertical gradient,
// computed in single precision, each component rounded to the nearest
// integer with halves to even. With rows 0 the bottom colour.
Colour GradientColour(Colour top, Colour bottom, int rows, int i);

// A size in twips as whole pixels: rounded to an integer (halves to even),
// divided in single precision by the twips per pixel, rounded again and
// limited to the 16-bit range that painting coordinates use.
int TwipsToPixels(double twips, float twipsPerPixel);
