#pragma once

// Painting of the push button on a device context, sizes in pixels.

#include "colour_math.h"

#include "gdi_win32.h"

#include <windows.h>

#include <string>

struct FlatButtonLook {
    std::string caption; // UTF-8; "&" marks the access key, "&&" shows one "&"
    HFONT font = nullptr;
    Colour foreColor = 0;
    bool enabled = true;
    bool focusRect = false;         // draw the focus rectangle (focused, hot, pressed)
    Colour backColour = 0x00F0F0F0; // the surface's clear colour
};

// Paints the whole button for one look (0..4) on a width x height surface.
void PaintFlatButton(HDC dc, int width, int height, int state, const FlatButtonLook& look);

// The button window's shape: a rectangle from (0, 0) to (width + 1,
// height + 1) with 3 x 3 corner ellipses. SetWindowRgn takes ownership:
// SetWindowRgn(hWnd, region.release(), TRUE).
forms::GdiObject<HRGN> CreateFlatButtonRegion(int width, int height);
