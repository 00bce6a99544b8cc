#pragma once

// Colour maths of the decorated frame and the push button, on the layout's
// colours (0x00BBGGRR, red in the low byte).

#include "colour.h"

namespace controls {

using win32::Colour;
using win32::rgb;

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Components of a colour taken as a plain signed 32-bit number: red =
// v & 0xFF, green = (v / 256) & 0xFF, blue = (v / 65536) & 0xFF with
// division truncating toward zero. A system-colour reference is not
// translated.
ColourParts splitColour(Colour value);

// Per component a - ((a - b) / steps) * step, division truncating toward
// zero: step 0 gives `from`, step `steps` lands near `to` (the truncation
// may leave it short). A step count below 1 has no steps and gives `from`.
Colour blendColour(Colour from, Colour to, int steps, int step);

// The darkest colour of a frame's shadow: each background component reduced
// to whole hundreds and scaled by the opacity in percent.
Colour shadowColour(Colour background, int opacityPercent);

// Colour of row `i` (0 = bottom, `rows` = top) of a vertical gradient,
// computed in single precision, each component rounded to the nearest
// integer with halves to even. With rows 0 the bottom colour.
Colour gradientColour(Colour top, Colour bottom, int rows, int i);

} // namespace controls
