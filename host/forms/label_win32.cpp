#include "label_win32.h"

#include "gdi_win32.h"
#include "text_win32.h"

namespace forms {

Label::Label(Container& container, const Placement& placement, std::string caption)
    : WindowlessControl(container, placement) {
    setCaption(std::move(caption));
}

void Label::setCaption(std::string caption) {
    caption_ = std::move(caption);
    wideCaption_ = widen(caption_);
    invalidate();
}

void Label::setFont(const FontDescription& font) {
    font_ = Font(font);
    invalidate();
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    invalidate();
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void Label::setBackColour(Colour colour) {
    backColour_ = colour;
    invalidate();
}

void Label::setForeColour(Colour colour) {
    foreColour_ = colour;
    invalidate();
}

void Label::setSingleBorder(bool border) {
    singleBorder_ = border;
    invalidate();
}

void Label::setUseMnemonic(bool use) {
    useMnemonic_ = use;
    invalidate();
}

void Label::draw(HDC dc, const RECT& area) const {
    if (!transparent_) {
        fillRectangle(dc, area, backColour_);
    }
    RECT text = area;
    if (singleBorder_) {
        HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        FrameRect(dc, &area, black);
        InflateRect(&text, -2, -2);
    }
    if (wideCaption_.empty()) {
        return;
    }
    UINT format = DT_TOP | DT_WORDBREAK | (alignment_ == Alignment::Centre ? DT_CENTER : DT_LEFT) |
                  (useMnemonic_ ? 0 : DT_NOPREFIX);
    SelectedObject font(dc, font_.handle() ? static_cast<HGDIOBJ>(font_.handle())
                                           : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRefOf(foreColour_));
    DrawTextW(dc, wideCaption_.c_str(), static_cast<int>(wideCaption_.size()), &text, format);
}

} // namespace forms
