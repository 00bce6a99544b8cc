#pragma once

#include "colour.h"
#include "control_win32.h"
#include "picture_win32.h"
#include "window_win32.h"

#include <functional>

namespace forms {

// A child window filled with its background colour, with its picture drawn
// at the picture's own size at the top-left corner. A picture box can also
// just hold a picture while hidden.
class PictureBox : public WindowedControl, private MessageTarget {
  public:
    PictureBox(Container& container, const Placement& placement);
    ~PictureBox() override;

    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour);
    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef picture);
    // A sunken border around the box (the client area shrinks by it).
    bool border() const;
    void setBorder(bool border);
    void setMousePointer(MousePointer pointer) { pointer_.pointer = pointer; }
    void setMouseIcon(PictureRef icon) { pointer_.icon = std::move(icon); }
    const PointerSetting& mousePointer() const { return pointer_; }

    // Left button pressed and released over the box.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const MouseEvent&)> onMouseDown;

  private:
    bool onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
    void paint(HDC dc) const;

    Colour backColour_ = systemButtonFace;
    PictureRef picture_;
    PointerSetting pointer_;
    bool pressed_ = false;
};

} // namespace forms
