#include "picture_box_win32.h"

#include "container_win32.h"
#include "gdi_win32.h"

#include <windowsx.h>

namespace forms {

PictureBox::PictureBox(Container& container, const Placement& placement) {
    HWND window = createTargetWindow(
        WindowClass::PictureBox, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, L"",
        pixelRectIn(container, placement), parentWindowOf(container), this);
    attach(container, window, placement);
}

PictureBox::~PictureBox() {
    // Destroyed here, while this object still answers its window's messages.
    if (HWND window = handle()) {
        setControlOf(window, nullptr);
        DestroyWindow(window);
    }
}

void PictureBox::setBackColour(Colour colour) {
    backColour_ = colour;
    if (HWND window = handle()) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

void PictureBox::setPicture(PictureRef picture) {
    picture_ = std::move(picture);
    if (HWND window = handle()) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

void PictureBox::paint(HDC dc) const {
    HWND window = handle();
    RECT client = {};
    GetClientRect(window, &client);
    fillRectangle(dc, client, backColour_);
    if (picture_) {
        picture_->draw(dc, 0, 0);
    }
}

bool PictureBox::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
    if (handlePaintMessage(window, message, wParam, result, [this](HDC dc) { paint(dc); })) {
        return true;
    }
    switch (message) {
    case WM_GETDLGCODE: // arrows and letters do nothing here
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && cursor_ && cursor_->cursor()) {
            SetCursor(cursor_->cursor());
            result = TRUE;
            return true;
        }
        return false;
    case WM_LBUTTONDOWN:
        if (canReceiveFocus()) {
            SetFocus(window);
        }
        pressed_ = true;
        SetCapture(window);
        return true;
    case WM_LBUTTONUP: {
        bool wasPressed = pressed_;
        pressed_ = false;
        if (GetCapture() == window) {
            ReleaseCapture();
        }
        RECT client;
        GetClientRect(window, &client);
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (wasPressed && PtInRect(&client, point)) {
            if (auto handler = onClick) {
                handler();
            }
        }
        return true;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return false;
    default:
        return false;
    }
}

} // namespace forms
