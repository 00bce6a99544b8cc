#pragma once

#include "icon_file.h"
#include "raster.h"

constexpr int handCursorPixels = 32;
// The tip of the index finger.
constexpr HotSpot handCursorHotSpot{12, 1};

// The pointer shown over the banner: a white pointing hand with a blue cuff and a black
// outline, transparent around it. A handful of flat colours, so it keeps 16-colour form.
struct CursorPicture {
    RgbImage colours{handCursorPixels, handCursorPixels};
    Mask transparent{handCursorPixels, handCursorPixels, 1};
};

CursorPicture drawHandCursor();
