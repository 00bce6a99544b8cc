#pragma once

#include "geometry.h"
#include "raster.h"

// A small walking skeleton, facing right, drawn anti-aliased over what is already there.
// `feet` is the point on the ground below the hip; `stridePhase` in radians drives the legs
// and arms (one full stride per 2 pi); `scale` 1 makes the figure about 18 pixels tall.
// Only pixels inside `clip` (left, top, right, bottom; right and bottom exclusive) change.

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

void drawSkeleton(RgbImage& picture, Vec2 feet, double stridePhase, double scale, Rgb bone,
                  PixelRect clip);
