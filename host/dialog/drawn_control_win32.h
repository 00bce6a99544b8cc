#pragma once

#include <windows.h>

#include <functional>

namespace dialog {

// A standard control that keeps its class, keyboard and accessibility but
// is painted by us: its painting goes to `paint` with the control's whole
// client area, its mouse presses (any button) to `press` when given, and
// it knows whether the pointer is over it.
struct DrawnControl {
    std::function<void(HDC dc, const RECT& area)> paint;
    // A press that returns true is taken: the control itself never sees it.
    std::function<bool(UINT message)> press;
    // Enter and Space while it has the focus (controls that do not handle
    // keys themselves, such as pictures).
    std::function<void()> keyPress;
    bool hot = false;
};

// Paints `control` with `drawn` from now on (comctl32's window subclassing).
// `drawn` must outlive the control's window.
void drawControlWith(HWND control, DrawnControl& drawn);

// Asks `control` to paint itself again, now.
void repaint(HWND control);

} // namespace dialog
