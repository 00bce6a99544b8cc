#pragma once

#include "control_win32.h"
#include "font_win32.h"

#include <functional>
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
    void clear();
    int listCount() const;
    std::string list(int index) const;
    int listIndex() const;
    void setListIndex(int index);
    const Font& font() const { return font_; }
    void setFont(const FontDescription& font);

    // Change: the text was edited. Click: an entry of the list was chosen.
    std::function<void()> onChange;
    std::function<void()> onClick;

    bool onReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    RECT windowRect(const RECT& place) const override;
    Font font_;
};

} // namespace forms
