#pragma once

#include "icon_file.h"
#include "raster.h"

constexpr int handCursorPixels = 32;
// The tip of the index finger.
constexpr HotSpot handCursorHotSpot{12, 1};

// The pointer shown over the banner: a white pointing hand with a blue cuff and a black
// outline, transparent around it. A handful of flat colours, so it keeps 16-colour form.
struct CursorPicture {
    explicit CursorPicture(int side) : colours(side, side), transparent(side, side, 1) {}
    RgbImage colours;
    Mask transparent;
    HotSpot hotSpot = handCursorHotSpot;
};

// `percent` is the display scale (100, 150, 200): the hand is planned in the cells of the
// 32-pixel cursor and every pixel takes the cell under its centre, so outlines stay whole
// lines and the hot spot stays on the finger tip.
CursorPicture drawHandCursor(int percent = 100);
