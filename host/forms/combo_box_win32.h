#pragma once

#include "control_win32.h"
#include "font_win32.h"

#include <string>
#include <string_view>

namespace forms {

// A drop-down combo box with an edit field: the text may be any text, not
// only an entry of the list.
class ComboBox : public WindowedControl {
  public:
    ComboBox(Container& container, const Placement& placement);

    std::string text() const;
    void setText(std::string_view text);
    void addItem(std::string_view item);
    const Font& font() const { return font_; }
    void setFont(const FontDescription& font);

  private:
    RECT windowRect(const RECT& place) const override;
    Font font_;
};

} // namespace forms
