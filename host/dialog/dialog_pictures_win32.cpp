#include "dialog_pictures_win32.h"

#include "dialog_logic.h"
#include "screen_win32.h"
#include "text_win32.h"

namespace dialog {

namespace {

template <class Load> auto loadScaled(std::string_view name, Load load) {
    static const int dotsPerInch = win32::Screen::dotsPerInch();
    auto picture = load(win32::widen(pictureResourceName(name, dotsPerInch)).c_str());
    return picture ? std::move(picture) : load(win32::widen(pictureResourceName(name, 96)).c_str());
}

} // namespace

win32::GdiObject<HBITMAP> dialogBitmap(std::string_view name) {
    return loadScaled(name, [](const wchar_t* resource) {
        return win32::loadBitmap(GetModuleHandleW(nullptr), resource);
    });
}

HICON dialogIcon(std::string_view name, bool cursor) {
    return loadScaled(name, [cursor](const wchar_t* resource) {
        return win32::loadIcon(GetModuleHandleW(nullptr), resource, cursor);
    });
}

} // namespace dialog
