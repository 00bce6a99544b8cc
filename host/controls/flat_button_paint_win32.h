#pragma once

// The push button's colours for each of its five looks, and its painting
// on a device context, sizes in pixels.

#include "colour_math.h"

#include "gdi_win32.h"

#include <windows.h>

#include <string>

namespace controls {

struct ButtonColours {
    Colour outline;
    // Lines across the face at y = 1, 2, H - 3 and H - 2 (gradient looks).
    Colour lineTop1;
    Colour lineTop2;
    Colour lineBottom3;
    Colour lineBottom2;
    // Corner pixels.
    Colour k1;
    Colour k2;
    Colour k3;
    // The glow band behind the face (gradient looks).
    Colour glowTop;
    Colour glowBottom;
    // The flat face of the disabled and pressed looks.
    Colour flatFace;
};

inline constexpr Colour buttonFaceTop = rgb(252, 252, 251);
inline constexpr Colour buttonFaceBottom = rgb(236, 235, 230);
inline constexpr Colour disabledCaptionColour = rgb(161, 161, 146);

// The colours of a look 0..4; other values get the normal look's colours.
const ButtonColours& buttonColoursFor(int state);

// looks 1..3 have gradient faces, 0 and 4 a flat one (unknown looks paint
// as the normal look).
bool hasGradientFace(int state);

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
forms::GdiObject<HRGN> flatButtonRegion(int width, int height);

} // namespace controls
