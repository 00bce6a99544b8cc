#include "dialog_pictures_win32.h"

#include "picture_scale.h"
#include "screen_win32.h"
#include "text_win32.h"

#include <windows.h>

#include <string>

namespace dialog {

namespace {

win32::PictureRef pictureResource(std::string_view name) {
    std::string resource = "DIALOG_";
    for (char c : name) {
        // Only names a layout can hold: letters, digits and underscores.
        bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain) {
            return nullptr;
        }
        resource += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return win32::Picture::fromResource(GetModuleHandleW(nullptr), win32::widen(resource).c_str());
}

} // namespace

win32::PictureRef dialogPicture(std::string_view name) {
    static const int percent = pictureScalePercent(win32::Screen::dotsPerInch());
    if (percent != 100) {
        if (win32::PictureRef scaled = pictureResource(scaledPictureName(name, percent))) {
            return scaled;
        }
    }
    return pictureResource(name);
}

} // namespace dialog
