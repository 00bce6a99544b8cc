#include "mouse_win32.h"

#include <windowsx.h>

namespace forms {

int currentShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

MouseEvent mouseEventFrom(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent event;
    // Down, up and double click of the left, right and middle buttons in turn.
    if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) {
        event.button = static_cast<MouseButton>(1 << ((message - WM_LBUTTONDOWN) / 3));
    }
    event.buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                    ((wParam & MK_MBUTTON) ? 4 : 0);
    event.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
                  (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    event.x = static_cast<float>(GET_X_LPARAM(lParam));
    event.y = static_cast<float>(GET_Y_LPARAM(lParam));
    return event;
}

} // namespace forms
