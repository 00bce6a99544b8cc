#pragma once

#include "font_description.h"
#include "gdi_win32.h"

#include <windows.h>

namespace win32 {

// A GDI font made from a description; the size in points is turned into
// pixels with the screen's vertical resolution.
class Font {
  public:
    Font() : Font(FontDescription()) {}
    explicit Font(const FontDescription& description);

    const FontDescription& description() const { return description_; }
    HFONT handle() const { return handle_.get(); }

  private:
    FontDescription description_;
    GdiObject<HFONT> handle_;
};

} // namespace win32
