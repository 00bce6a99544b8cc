#include "shape_win32.h"

#include "gdi_win32.h"

namespace forms {

Shape::Shape(Container& container, const Placement& placement)
    : WindowlessControl(container, placement) {}

void Shape::setBorderColour(Colour colour) {
    borderColour_ = colour;
    invalidate();
}

void Shape::draw(HDC dc, const RECT& area) const {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colorRefOf(borderColour_)));
    SelectedObject selectedPen(dc, pen.get());
    SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

} // namespace forms
