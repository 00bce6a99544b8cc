#pragma once

#include "colour.h"
#include "control_win32.h"

namespace forms {

// A one-pixel rectangle outline drawn by its container over the control's
// place (its first and last rows and columns), hollow inside. Shapes take no
// mouse presses: they reach whatever lies below.
class Shape : public WindowlessControl {
  public:
    Shape(Container& container, const Placement& placement);

    void setBorderColour(Colour colour);

    void draw(HDC dc, const RECT& area) const override;
    bool takesMouse() const override { return false; }

  private:
    Colour borderColour_ = systemWindowText;
};

} // namespace forms
