#include "dialog_pictures_win32.h"

#include "picture_scale.h"
#include "screen_win32.h"
#include "text_win32.h"

#include <windows.h>

#include <string>

namespace dialog {

namespace {

forms::PictureRef pictureResource(std::string_view name) {
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
    return forms::Picture::fromResource(GetModuleHandleW(nullptr), forms::widen(resource).c_str());
}

} // namespace

forms::PictureRef dialogPicture(std::string_view name) {
    static const int percent = pictureScalePercent(forms::Screen::dotsPerInch());
    if (percent != 100) {
        if (forms::PictureRef scaled = pictureResource(scaledPictureName(name, percent))) {
            return scaled;
        }
    }
    return pictureResource(name);
}

} // namespace dialog
