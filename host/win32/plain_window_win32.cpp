#include "plain_window_win32.h"

#include "text_win32.h"

namespace win32 {

PlainWindow::~PlainWindow() {
    if (HWND window = window_) {
        // No message reaches this object once it is being destroyed.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        DestroyWindow(window);
    }
}

bool PlainWindow::create(const wchar_t* className, const std::string& titleUtf8, DWORD style,
                         const RECT& place, HWND parent) {
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleW(nullptr);
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.lpszClassName = className;
    RegisterClassExW(&info); // a class registered already stays as it is
    window_ = CreateWindowExW(0, className, win32::widen(titleUtf8).c_str(), style, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, parent,
                              nullptr, GetModuleHandleW(nullptr), this);
    return window_ != nullptr;
}

bool PlainWindow::onMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK PlainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        reinterpret_cast<PlainWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<PlainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->onDestroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self && self->onMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

namespace {
UINT_PTR nextTimerId = 1;
} // namespace

WindowTimer::WindowTimer(const PlainWindow& window, UINT intervalMs, bool enabled)
    : window_(window), id_(nextTimerId++), intervalMs_(intervalMs), enabled_(enabled) {}

WindowTimer::~WindowTimer() {
    if (window_.handle()) {
        KillTimer(window_.handle(), id_);
    }
}

void WindowTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (HWND window = window_.handle()) {
        KillTimer(window, id_);
        if (enabled_) {
            SetTimer(window, id_, intervalMs_, nullptr);
        }
    }
}

bool WindowTimer::tick(WPARAM timerId) const {
    if (timerId != id_) {
        return false;
    }
    // A tick queued before the timer stopped is dropped.
    if (enabled_ && onTick) {
        onTick();
    }
    return true;
}

} // namespace win32
