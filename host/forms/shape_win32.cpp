#include "shape_win32.h"

#include "gdi_win32.h"

namespace forms {

Shape::Shape(Container& container, const Placement& placement)
    : WindowlessControl(container, placement) {}

void Shape::setBorderColour(Colour colour) {
    borderColour_ = colour;
    invalidate();
}

void Shape::setBorderWidth(int width) {
    borderWidth_ = width < 1 ? 1 : width;
    invalidate();
}

void Shape::setFill(bool transparent, Colour colour) {
    fillTransparent_ = transparent;
    fillColour_ = colour;
    invalidate();
}

void Shape::draw(HDC dc, const RECT& area) const {
    GdiObject<HPEN> pen(CreatePen(borderWidth_ > 1 ? PS_INSIDEFRAME : PS_SOLID, borderWidth_,
                                  colorRefOf(borderColour_)));
    GdiObject<HBRUSH> brush(fillTransparent_ ? nullptr : CreateSolidBrush(colorRefOf(fillColour_)));
    SelectedObject selectedPen(dc, pen.get());
    SelectedObject selectedBrush(dc, brush ? static_cast<HGDIOBJ>(brush.get())
                                           : GetStockObject(NULL_BRUSH));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

} // namespace forms
