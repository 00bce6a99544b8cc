#include "mouse_win32.h"

#include "picture_win32.h"

#include <windowsx.h>

namespace forms {

HCURSOR systemCursor(MousePointer pointer) {
    switch (pointer) {
    case MousePointer::Arrow:
        return LoadCursorW(nullptr, IDC_ARROW);
    case MousePointer::Cross:
        return LoadCursorW(nullptr, IDC_CROSS);
    case MousePointer::IBeam:
        return LoadCursorW(nullptr, IDC_IBEAM);
    case MousePointer::Hourglass:
        return LoadCursorW(nullptr, IDC_WAIT);
    default:
        return nullptr;
    }
}

int currentShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        shift |= 1;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        shift |= 2;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= 4;
    }
    return shift;
}

int shiftStateFromMouseFlags(WPARAM flags) {
    int shift = 0;
    if (flags & MK_SHIFT) {
        shift |= 1;
    }
    if (flags & MK_CONTROL) {
        shift |= 2;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= 4;
    }
    return shift;
}

MouseEvent mouseEventFrom(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent event;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        event.button = MouseButton::Left;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        event.button = MouseButton::Right;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        event.button = MouseButton::Middle;
        break;
    default:
        break;
    }
    event.buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                    ((wParam & MK_MBUTTON) ? 4 : 0);
    event.shift = shiftStateFromMouseFlags(wParam);
    event.x = static_cast<float>(GET_X_LPARAM(lParam));
    event.y = static_cast<float>(GET_Y_LPARAM(lParam));
    return event;
}

bool PointerSetting::apply() const {
    if (pointer == MousePointer::Custom) {
        HCURSOR cursor = icon ? icon->cursor() : nullptr;
        if (cursor) {
            SetCursor(cursor);
            return true;
        }
        return false;
    }
    if (HCURSOR cursor = systemCursor(pointer)) {
        SetCursor(cursor);
        return true;
    }
    return false;
}

} // namespace forms
