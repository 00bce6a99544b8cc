#pragma once

#include "colour.h"
#include "control_win32.h"
#include "font_win32.h"

#include <string>

namespace forms {

enum class Alignment { Left = 0, Centre = 2 };

// A caption drawn by its container. The text breaks at word boundaries
// inside the label; a transparent label shows what its container painted
// behind it.
class Label : public WindowlessControl {
  public:
    Label(Container& container, const Placement& placement, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const Font& font() const { return font_; }
    void setFont(const FontDescription& font);
    void setAlignment(Alignment alignment);
    void setTransparent(bool transparent);
    void setBackColour(Colour colour);
    void setForeColour(Colour colour);
    // A black line around the label, the text inside it.
    void setSingleBorder(bool border);
    // With mnemonics "&" underlines the next character and "&&" shows one "&".
    void setUseMnemonic(bool use);

    void draw(HDC dc, const RECT& area) const override;

  private:
    std::string caption_;
    std::wstring wideCaption_;
    Font font_;
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = false;
    Colour backColour_ = systemButtonFace;
    Colour foreColour_ = systemButtonText;
    bool singleBorder_ = false;
    bool useMnemonic_ = true;
};

} // namespace forms
