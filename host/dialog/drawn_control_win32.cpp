#include "drawn_control_win32.h"

#include "gdi_win32.h"

#include <commctrl.h>

namespace dialog {

namespace {

constexpr UINT_PTR subclassId = 1;

LRESULT CALLBACK drawnControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
    auto& drawn = *reinterpret_cast<DrawnControl*>(data);
    LRESULT painted = 0;
    if (win32::handlePaintMessage(window, message, wParam, painted, [&](HDC dc) {
            RECT area = {};
            GetClientRect(window, &area);
            drawn.paint(dc, area);
        })) {
        return painted;
    }
    switch (message) {
    case WM_MOUSEMOVE:
        if (!drawn.hot) {
            drawn.hot = true;
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        drawn.hot = false;
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (drawn.press && drawn.press(message)) {
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        if (drawn.keyPress && lParam) {
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key->message == WM_KEYDOWN &&
                (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
                return DLGC_WANTMESSAGE;
            }
        }
        break;
    case WM_KEYDOWN:
        if (drawn.keyPress && (wParam == VK_RETURN || wParam == VK_SPACE)) {
            drawn.keyPress();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, drawnControlProc, subclassId);
        break;
    default:
        break;
    }
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    // The control's own handling of a change of state may have painted it
    // the system's way: it is painted ours again at once.
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
        repaint(window);
        break;
    default:
        break;
    }
    return result;
}

} // namespace

void drawControlWith(HWND control, DrawnControl& drawn) {
    SetWindowSubclass(control, drawnControlProc, subclassId, reinterpret_cast<DWORD_PTR>(&drawn));
    InvalidateRect(control, nullptr, FALSE);
}

void repaint(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

} // namespace dialog
