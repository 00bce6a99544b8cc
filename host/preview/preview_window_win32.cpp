#include "preview_window_win32.h"

#include "gdi_win32.h"
#include "program_win32.h"
#include "window_titles.h"

PreviewWindow::PreviewWindow()
    : picture_(win32::loadBitmap(GetModuleHandleW(nullptr), L"PREVIEW")) {
    parentWatch_.onTick = [this] {
        if (!IsWindow(parent_)) {
            win32::endProgram(0);
        }
    };
}

bool PreviewWindow::setUp(HWND parent) {
    // The window is created under the awareness of the window it goes into:
    // Windows allows no child of a different awareness.
    adoptDpiAwarenessOf(parent);
    RECT area = {};
    if (!parent || !IsWindow(parent) || !GetWindowRect(parent, &area)) {
        return false;
    }
    // Nothing is sent to the preview area's thread when our window goes: that
    // thread may be shutting down and no longer answer, and the preview would
    // wait for it instead of ending.
    if (!create(L"KalendraPreview", titles::preview, WS_POPUP | WS_CLIPCHILDREN, RECT{})) {
        return false;
    }
    parent_ = parent;
    parentProcess_.watch(parent);
    HWND window = handle();
    // A child window may not keep the pop-up style as well.
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD);
    LONG_PTR extendedStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, extendedStyle | WS_EX_NOPARENTNOTIFY);
    if (!SetParent(window, parent)) {
        return false;
    }
    SetWindowPos(window, nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    parentWatch_.setEnabled(true);
    ShowWindow(window, SW_SHOWNA);
    return true;
}

void PreviewWindow::paint(HDC dc) const {
    RECT client = {};
    GetClientRect(handle(), &client);
    win32::fillRectangle(dc, client, 0x000000);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    win32::drawBitmap(dc, picture_.get(), 0, 0);
}

bool PreviewWindow::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_TIMER) {
        return parentWatch_.tick(wParam);
    }
    return win32::handlePaintMessage(handle(), message, wParam, result,
                                     [this](HDC dc) { paint(dc); });
}

void PreviewWindow::onDestroyed() {
    // Also when the preview area is destroyed and takes our window with it;
    // then no message would wake the program's loop again.
    PostQuitMessage(0);
}
