#include "screen_win32.h"

#include "gdi_win32.h"
#include "twips.h"

#include <windows.h>

namespace forms {

namespace {

MousePointer screenPointer = MousePointer::Default;

int screenDotsPerInch(int index) {
    WindowDc dc;
    return dc.get() ? GetDeviceCaps(dc, index) : 96;
}

// Lets the window under the pointer choose its cursor again.
void refreshCursor() {
    POINT point;
    if (!GetCursorPos(&point)) {
        return;
    }
    HWND window = WindowFromPoint(point);
    if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
    } else {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

} // namespace

int Screen::dotsPerInch() {
    return screenDotsPerInch(LOGPIXELSY);
}

float Screen::twipsPerPixelX() {
    return twipsPerPixelFor(screenDotsPerInch(LOGPIXELSX));
}

float Screen::twipsPerPixelY() {
    return twipsPerPixelFor(dotsPerInch());
}

float Screen::widthTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixelX();
}

float Screen::heightTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixelY();
}

void Screen::setMousePointer(MousePointer pointer) {
    screenPointer = pointer;
    if (!applyPointer()) {
        refreshCursor();
    }
}

bool Screen::applyPointer() {
    if (screenPointer == MousePointer::Default) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

} // namespace forms
