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

    void setBackColour(Colour colour);
    void setPicture(PictureRef picture);
    // The pointer over the box: a cursor or icon picture.
    void setCursor(PictureRef cursor) { cursor_ = std::move(cursor); }

    // Left button pressed and released over the box.
    std::function<void()> onClick;

  private:
    bool onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
    void paint(HDC dc) const;

    Colour backColour_ = systemButtonFace;
    PictureRef picture_;
    PictureRef cursor_;
    bool pressed_ = false;
};

} // namespace forms
