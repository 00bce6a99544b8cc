#pragma once

#include "colour.h"
#include "control_win32.h"

namespace forms {

// A rectangle outline drawn by its container over the control's place
// (the outline covers its first and last rows and columns). Shapes take no
// mouse presses: they reach whatever lies below.
class Shape : public WindowlessControl {
  public:
    Shape(Container& container, const Placement& placement);

    Colour borderColour() const { return borderColour_; }
    void setBorderColour(Colour colour);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    // Filled inside the outline when not transparent.
    bool fillTransparent() const { return fillTransparent_; }
    Colour fillColour() const { return fillColour_; }
    void setFill(bool transparent, Colour colour);

    void draw(HDC dc, const RECT& area) const override;
    bool takesMouse() const override { return false; }

  private:
    Colour borderColour_ = systemWindowText;
    int borderWidth_ = 1;
    bool fillTransparent_ = true;
    Colour fillColour_ = 0;
};

} // namespace forms
