#pragma once

#include "property_bag.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// A control as a form description gives it. Positions and sizes are in
// twips, measured from the top-left corner of its container's inside.
struct ControlDescription {
    std::string kind; // Label, Image, Shape, PictureBox, HScrollBar,
                      // ComboBox, Timer, or a user control's class
    std::string name;
    int index = -1;        // place in an indexed group; -1 when not in one
    std::string container; // empty: the form itself
    int containerIndex = -1;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    int tabIndex = -1;      // -1: after every control that has one
    PropertyBag properties; // everything else, as the control reads it
};

struct FormDescription {
    std::string name;
    std::string caption;
    PropertyBag properties; // ClientWidth, ClientHeight, BackColor, ...
    std::vector<ControlDescription> controls;

    const ControlDescription* find(std::string_view name, int index = -1) const;
};

// The text format, UTF-8: a block per form or control, opened by a header
// line "[Kind Name]" or "[Kind Name(Index)]" and followed by "Key = value"
// lines in the property-bag text form. The first block is the form's
// ("[Form Name]"). Left, Top, Width, Height, Caption, TabIndex and Container
// (a name, or "Name(Index)" for a member of a group) fill the fields above;
// other keys stay in the control's properties. A container must be declared
// before the controls it holds.
//
//   [Form Butterfly_Demo]
//   Caption = "Demo"
//   ClientWidth = 4800
//
//   [Label lbl(0)]
//   Left = 120
//   Caption = "Name"
std::optional<FormDescription> parseFormDescription(std::string_view text,
                                                    std::string* error = nullptr);
std::string formDescriptionText(const FormDescription& form);

// "Name" or "Name(3)".
std::string controlReference(std::string_view name, int index);

} // namespace forms
