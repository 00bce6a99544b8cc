#pragma once

#include "raster.h"

// The five butterfly kinds' textures: one side's fore- and hind-wing, seen from above with
// the head at the top. The body axis runs down the right edge and the wing tip is at the left
// edge, matching how the renderer hangs the picture on the body.

constexpr int wingKindCount = 5;
constexpr int wingPicturePixels = 64;

struct WingPictures {
    GreyImage wing{wingPicturePixels, wingPicturePixels}; // grey levels, black outside
    GreyImage mask{wingPicturePixels, wingPicturePixels}; // coverage: white inside
};

// `kind` is 1..5: swallowtail, veined, spotted, banded, eyespots. Other kinds give an empty
// (black) pair.
WingPictures drawWing(int kind);
