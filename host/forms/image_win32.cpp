#include "image_win32.h"

namespace forms {

Image::Image(Container& container, const Placement& placement, PictureRef picture)
    : WindowlessControl(container, placement), picture_(std::move(picture)) {}

void Image::setPicture(PictureRef picture) {
    picture_ = std::move(picture);
    invalidate();
}

void Image::draw(HDC dc, const RECT& area) const {
    if (!picture_) {
        return;
    }
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    picture_->draw(dc, area.left, area.top);
}

} // namespace forms
