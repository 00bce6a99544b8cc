#pragma once

// The push button's painting on a device context for each of its five
// looks, sizes in pixels.

#include "colour_math.h"

#include "gdi_win32.h"

#include <windows.h>

#include <string>

namespace controls {

inline constexpr Colour buttonFaceTop = rgb(252, 252, 251);
inline constexpr Colour buttonFaceBottom = rgb(236, 235, 230);
inline constexpr Colour disabledCaptionColour = rgb(161, 161, 146);

struct FlatButtonLook {
    std::string caption; // UTF-8; "&" marks the access key, "&&" shows one "&"
    HFONT font = nullptr;
    Colour captionColour = 0;
    bool enabled = true;
    bool focusRect = false;         // draw the focus rectangle (focused, hot, pressed)
    Colour backColour = 0x00F0F0F0; // the surface's clear colour
};

// Paints the whole button for one look (0..4) on a width x height surface.
void paintFlatButton(HDC dc, int width, int height, int state, const FlatButtonLook& look);

// The button window's shape: a rectangle from (0, 0) to (width + 1,
// height + 1) with 3 x 3 corner ellipses. SetWindowRgn takes ownership:
// SetWindowRgn(hWnd, region.release(), TRUE).
win32::GdiObject<HRGN> flatButtonRegion(int width, int height);

} // namespace controls
