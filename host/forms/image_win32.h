#pragma once

#include "control_win32.h"
#include "picture_win32.h"

namespace forms {

// A picture drawn by its container at the picture's own size, with its
// top-left corner at the top-left corner of the control's place; the part
// outside the place is cut off.
class Image : public WindowlessControl {
  public:
    Image(Container& container, const Placement& placement, PictureRef picture = nullptr);

    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef picture);

    void draw(HDC dc, const RECT& area) const override;

  private:
    PictureRef picture_;
};

} // namespace forms
