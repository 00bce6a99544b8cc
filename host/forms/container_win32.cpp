#include "container_win32.h"

#include "screen_win32.h"
#include "twips.h"
#include "user_control_win32.h"

#include <algorithm>

namespace forms {

Container::~Container() {
    detachControls();
}

void Container::detachControls() {
    for (WindowlessControl* control : windowless_) {
        control->container_ = nullptr;
    }
    for (WindowedControl* control : windowed_) {
        control->container_ = nullptr;
    }
    windowless_.clear();
    windowed_.clear();
}

void Container::remove(WindowlessControl* control) {
    windowless_.erase(std::remove(windowless_.begin(), windowless_.end(), control),
                      windowless_.end());
}

void Container::remove(WindowedControl* control) {
    windowed_.erase(std::remove(windowed_.begin(), windowed_.end(), control), windowed_.end());
}

RECT Container::pixelRect(const Placement& placement) const {
    float perPixelX = Screen::twipsPerPixelX();
    float perPixelY = Screen::twipsPerPixelY();
    RECT rect;
    rect.left = twipsToPixels(placement.left, perPixelX);
    rect.top = twipsToPixels(placement.top, perPixelY);
    rect.right = rect.left + twipsToPixels(placement.width, perPixelX);
    rect.bottom = rect.top + twipsToPixels(placement.height, perPixelY);
    return rect;
}

void Container::collectWindowedControls(std::vector<WindowedControl*>& found) const {
    for (WindowedControl* control : windowed_) {
        found.push_back(control);
        if (auto* user = dynamic_cast<UserControl*>(control)) {
            user->collectWindowedControls(found);
        }
    }
}

void Container::invalidatePixels(const RECT& area) const {
    if (HWND window = containerWindow()) {
        InvalidateRect(window, &area, FALSE);
    }
}

void Container::notifyAmbientChanged(std::string_view name) const {
    // A copy: a handler may add or remove controls.
    std::vector<WindowedControl*> direct = windowed_;
    for (WindowedControl* control : direct) {
        if (auto* user = dynamic_cast<UserControl*>(control)) {
            user->ambientChanged(name);
        }
    }
}

void Container::paintWindowlessControls(HDC dc) const {
    for (const WindowlessControl* control : windowless_) {
        if (control->visible()) {
            int saved = SaveDC(dc);
            control->draw(dc, control->pixelRect());
            RestoreDC(dc, saved);
        }
    }
}

WindowlessControl* Container::windowlessControlAt(POINT point) const {
    for (auto it = windowless_.rbegin(); it != windowless_.rend(); ++it) {
        WindowlessControl* control = *it;
        RECT area = control->pixelRect();
        if (control->visible() && control->takesMouse() && PtInRect(&area, point)) {
            return control;
        }
    }
    return nullptr;
}

bool Container::pressWindowlessControl(UINT message, WPARAM wParam, LPARAM lParam) const {
    MouseEvent event = mouseEventFrom(message, wParam, lParam);
    POINT point = {static_cast<LONG>(event.x), static_cast<LONG>(event.y)};
    WindowlessControl* control = windowlessControlAt(point);
    if (!control) {
        return false;
    }
    RECT area = control->pixelRect();
    event.x -= static_cast<float>(area.left);
    event.y -= static_cast<float>(area.top);
    // The handler may unload the form; nothing of it is used afterwards.
    if (auto handler = control->onMouseDown) {
        handler(event);
    }
    return true;
}

} // namespace forms
