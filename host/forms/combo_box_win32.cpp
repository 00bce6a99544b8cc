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
    if (!window) {
        return {};
    }
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
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

void ComboBox::clear() {
    if (HWND window = handle()) {
        SendMessageW(window, CB_RESETCONTENT, 0, 0);
    }
}

int ComboBox::listCount() const {
    HWND window = handle();
    return window ? static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0)) : 0;
}

std::string ComboBox::list(int index) const {
    HWND window = handle();
    if (!window || index < 0 || index >= listCount()) {
        return {};
    }
    LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
}

int ComboBox::listIndex() const {
    HWND window = handle();
    return window ? static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::setListIndex(int index) {
    if (HWND window = handle()) {
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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

bool ComboBox::onReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) {
        return false;
    }
    result = 0;
    std::function<void()> handler;
    if (HIWORD(wParam) == CBN_EDITCHANGE) {
        handler = onChange;
    } else if (HIWORD(wParam) == CBN_SELCHANGE) {
        handler = onClick;
    }
    if (handler) {
        handler();
    }
    return true;
}

} // namespace forms
