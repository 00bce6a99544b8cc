#include "combo_box_win32.h"

#include "container_win32.h"
#include "text_win32.h"

namespace forms {

namespace {
// Room for the list below the edit field when it drops down.
constexpr int listHeightPixels = 200;
} // namespace

ComboBox::ComboBox(Container& container, const Placement& placement) {
    RECT place = windowRect(pixelRectIn(container, placement));
    HWND window = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        place.left, place.top, place.right - place.left, place.bottom - place.top,
        parentWindowOf(container), nullptr, GetModuleHandleW(nullptr), nullptr);
    attach(container, window, placement);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
}

RECT ComboBox::windowRect(const RECT& place) const {
    RECT rect = place;
    rect.bottom += listHeightPixels;
    return rect;
}

std::string ComboBox::text() const {
    HWND window = handle();
    return window ? windowText(window) : std::string();
}

void ComboBox::setText(std::string_view text) {
    if (HWND window = handle()) {
        SetWindowTextW(window, widen(text).c_str());
    }
}

void ComboBox::addItem(std::string_view item) {
    if (HWND window = handle()) {
        SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    }
}

void ComboBox::setFont(const FontDescription& font) {
    // The window lets go of the old font before it is deleted.
    Font replacement(font);
    if (HWND window = handle()) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(replacement.handle()), TRUE);
    }
    font_ = std::move(replacement);
}

} // namespace forms
