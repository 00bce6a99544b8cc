#include "control_win32.h"

#include "container_win32.h"
#include "form_win32.h"
#include "window_win32.h"

namespace forms {

namespace {
long long nextSequence = 0;
} // namespace

WindowlessControl::WindowlessControl(Container& container, const Placement& placement)
    : container_(&container), placement_(placement) {
    container.windowless_.push_back(this);
    invalidate();
}

WindowlessControl::~WindowlessControl() {
    if (container_) {
        invalidate();
        container_->remove(this);
    }
}

RECT WindowlessControl::pixelRect() const {
    return container_ ? container_->pixelRect(placement_) : RECT{};
}

void WindowlessControl::invalidate() const {
    if (container_) {
        container_->invalidatePixels(pixelRect());
    }
}

void WindowlessControl::move(const Placement& placement) {
    invalidate();
    placement_ = placement;
    invalidate();
}

void WindowlessControl::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        invalidate();
    }
}

WindowedControl::WindowedControl() : sequence_(++nextSequence) {}

WindowedControl::~WindowedControl() {
    if (container_) {
        container_->remove(this);
    }
    if (HWND window = handle()) {
        setControlOf(window, nullptr);
        DestroyWindow(window);
    }
}

HWND WindowedControl::parentWindowOf(Container& container) {
    return container.containerWindow();
}

RECT WindowedControl::pixelRectIn(const Container& container, const Placement& placement) {
    return container.pixelRect(placement);
}

void WindowedControl::attach(Container& container, HWND window, const Placement& placement) {
    container_ = &container;
    window_ = window;
    placement_ = placement;
    if (window) {
        setControlOf(window, this);
    }
    container.windowed_.push_back(this);
}

Form* WindowedControl::form() const {
    return container_ ? container_->form() : nullptr;
}

HWND WindowedControl::handle() const {
    return window_ && IsWindow(window_) && controlOf(window_) == this ? window_ : nullptr;
}

void WindowedControl::move(const Placement& placement) {
    placement_ = placement;
    HWND window = handle();
    if (window && container_) {
        RECT place = windowRect(container_->pixelRect(placement));
        MoveWindow(window, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
    }
}

bool WindowedControl::visible() const {
    HWND window = handle();
    return window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool WindowedControl::enabled() const {
    HWND window = handle();
    return window && IsWindowEnabled(window);
}

void WindowedControl::setEnabled(bool enabled) {
    if (HWND window = handle()) {
        bool hadFocus = hasFocus();
        EnableWindow(window, enabled ? TRUE : FALSE);
        if (hadFocus && !enabled && form()) {
            form()->moveFocus(true);
        }
    }
}

bool WindowedControl::canReceiveFocus() const {
    HWND window = handle();
    if (!window || !IsWindowVisible(window)) {
        return false;
    }
    Form* owner = form();
    HWND top = owner ? owner->handle() : nullptr;
    for (HWND step = window; step && step != top; step = GetParent(step)) {
        if (!IsWindowEnabled(step)) {
            return false;
        }
    }
    return true;
}

bool WindowedControl::setFocus() {
    if (HWND window = handle()) {
        SetFocus(window);
    }
    return hasFocus();
}

bool WindowedControl::hasFocus() const {
    HWND window = handle();
    HWND focus = GetFocus();
    return window && focus && (focus == window || IsChild(window, focus));
}

bool WindowedControl::onReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

} // namespace forms
