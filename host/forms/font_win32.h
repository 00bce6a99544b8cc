#pragma once

#include "font_description.h"

#include <windows.h>

namespace forms {

// A GDI font made from a description; the size in points is turned into
// pixels with the screen's vertical resolution.
class Font {
  public:
    Font() : Font(FontDescription()) {}
    explicit Font(const FontDescription& description);
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    const FontDescription& description() const { return description_; }
    HFONT handle() const { return handle_; }

  private:
    FontDescription description_;
    HFONT handle_ = nullptr;
};

} // namespace forms
