#pragma once

#include "colour.h"
#include "control_win32.h"
#include "font_win32.h"

#include <string>

namespace forms {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// A caption drawn by its container. The text breaks at word boundaries
// inside the label unless wordWrap is off; a transparent label shows what
// its container painted behind it.
class Label : public WindowlessControl {
  public:
    Label(Container& container, const Placement& placement, std::string caption = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const Font& font() const { return font_; }
    void setFont(const FontDescription& font);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour);
    Colour foreColour() const { return foreColour_; }
    void setForeColour(Colour colour);
    bool singleBorder() const { return singleBorder_; }
    void setSingleBorder(bool border);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    // With mnemonics "&" underlines the next character and "&&" shows one "&".
    bool useMnemonic() const { return useMnemonic_; }
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
    bool wordWrap_ = true;
    bool useMnemonic_ = true;
};

} // namespace forms
