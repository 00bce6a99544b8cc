#pragma once

#include <windows.h>

namespace forms {

// Mouse buttons as event arguments give them; Shift holds 1 Shift, 2 Ctrl, 4 Alt.
enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

struct MouseEvent {
    MouseButton button = MouseButton::None; // the button pressed or released;
                                            // for moves, the buttons held (a sum)
    int buttons = 0;
    int shift = 0;
    float x = 0; // pixels from the control's top-left corner
    float y = 0;
};

// The screen-wide mouse pointer.
enum class MousePointer { Default = 0, Hourglass = 11 };

// Shift state now (for keyboard events).
int currentShiftState();

// Builds a mouse event from a button message or WM_MOUSEMOVE.
MouseEvent mouseEventFrom(UINT message, WPARAM wParam, LPARAM lParam);

} // namespace forms
