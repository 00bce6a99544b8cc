#include "hscroll_bar_win32.h"

#include "container_win32.h"

#include <algorithm>

namespace forms {

HScrollBar::HScrollBar(Container& container, const Placement& placement) {
    RECT place = pixelRectIn(container, placement);
    HWND window =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, place.left,
                        place.top, place.right - place.left, place.bottom - place.top,
                        parentWindowOf(container), nullptr, GetModuleHandleW(nullptr), nullptr);
    attach(container, window, placement);
    updateBar();
}

void HScrollBar::updateBar() const {
    HWND window = handle();
    if (!window) {
        return;
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = span();
    info.nPage = 0;
    info.nPos = value_ - min_;
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

void HScrollBar::changeValue(int value, bool raiseChange) {
    if (value == value_) {
        return;
    }
    value_ = value;
    updateBar();
    if (raiseChange) {
        if (auto handler = onChange) {
            handler();
        }
    }
}

bool HScrollBar::setValue(int value) {
    if (value < min_ || value > max_) {
        return false;
    }
    changeValue(value, true);
    return true;
}

void HScrollBar::keepValueInRange() {
    max_ = std::max(min_, max_);
    updateBar();
    changeValue(std::clamp(value_, min_, max_), true);
}

void HScrollBar::setMin(int min) {
    min_ = std::clamp(min, -32768, 32767);
    keepValueInRange();
}

void HScrollBar::setMax(int max) {
    max_ = std::clamp(max, -32768, 32767);
    keepValueInRange();
}

bool HScrollBar::onReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL) {
        return false;
    }
    result = 0;
    int position = value_ - min_;
    int code = LOWORD(wParam);
    switch (code) {
    case SB_LINELEFT:
        position -= 1;
        break;
    case SB_LINERIGHT:
        position += 1;
        break;
    case SB_PAGELEFT:
        position -= largeChange_;
        break;
    case SB_PAGERIGHT:
        position += largeChange_;
        break;
    case SB_LEFT:
        position = 0;
        break;
    case SB_RIGHT:
        position = span();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = HIWORD(wParam);
        break;
    default:
        return true;
    }
    int value = min_ + std::clamp(position, 0, span());
    if (code == SB_THUMBTRACK) {
        if (!dragging_) {
            dragging_ = true;
            valueBeforeDrag_ = value_;
        }
        bool moved = value != value_;
        changeValue(value, false);
        if (moved) {
            if (auto handler = onScroll) {
                handler();
            }
        }
        return true;
    }
    if (code == SB_THUMBPOSITION) {
        bool moved = dragging_ ? value != valueBeforeDrag_ : value != value_;
        dragging_ = false;
        changeValue(value, false);
        if (moved) {
            if (auto handler = onChange) {
                handler();
            }
        }
        return true;
    }
    changeValue(value, true);
    return true;
}

} // namespace forms
