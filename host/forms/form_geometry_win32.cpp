// A form's place and size, in twips as its callers give them.

#include "form_win32.h"

#include "screen_win32.h"
#include "twips.h"

namespace forms {

namespace {

RECT outerRect(HWND window) {
    RECT rect = {};
    if (window) {
        GetWindowRect(window, &rect);
    }
    return rect;
}

} // namespace

int Form::width() const {
    RECT rect = outerRect(window_);
    return pixelsToTwips(rect.right - rect.left, Screen::twipsPerPixelX());
}

int Form::height() const {
    RECT rect = outerRect(window_);
    return pixelsToTwips(rect.bottom - rect.top, Screen::twipsPerPixelY());
}

void Form::move(int left, int top) {
    if (window_) {
        SetWindowPos(window_, nullptr, twipsToPixels(left, Screen::twipsPerPixelX()),
                     twipsToPixels(top, Screen::twipsPerPixelY()), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::move(int left, int top, int width, int height) {
    if (window_) {
        float perPixelX = Screen::twipsPerPixelX();
        float perPixelY = Screen::twipsPerPixelY();
        SetWindowPos(window_, nullptr, twipsToPixels(left, perPixelX),
                     twipsToPixels(top, perPixelY), twipsToPixels(width, perPixelX),
                     twipsToPixels(height, perPixelY), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::setClientSize(int width, int height) {
    if (!window_) {
        return;
    }
    RECT frame = {0, 0, twipsToPixels(width, Screen::twipsPerPixelX()),
                  twipsToPixels(height, Screen::twipsPerPixelY())};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace forms
