#include "form_builder_win32.h"

#include "combo_box_win32.h"
#include "hscroll_bar_win32.h"
#include "image_win32.h"
#include "label_win32.h"
#include "picture_box_win32.h"
#include "shape_win32.h"
#include "timer_win32.h"
#include "user_control_win32.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace forms {

namespace {

// Reads one control's properties; the first value of the wrong type, or
// the first unknown key, becomes the builder's error.
class PropertyReader {
  public:
    PropertyReader(const ControlDescription& control, std::string& problem)
        : bag_(control.properties), problem_(problem) {}

    bool onlyKnown(std::initializer_list<const char*> known) {
        for (const auto& entry : bag_.entries()) {
            bool isKnown = std::any_of(known.begin(), known.end(), [&](const char* key) {
                return keysEqual(key, entry.first);
            });
            if (!isKnown) {
                return fail("unknown property " + entry.first);
            }
        }
        return true;
    }

    int number(const char* key, int defaultValue, int minimum = INT32_MIN,
               int maximum = INT32_MAX) {
        auto text = bag_.text(key);
        if (!text) {
            return defaultValue;
        }
        auto value = parseLong(*text);
        if (!value || *value < minimum || *value > maximum) {
            fail(std::string(key) + " must be a whole number from " + std::to_string(minimum) +
                 " to " + std::to_string(maximum));
            return defaultValue;
        }
        return *value;
    }

    bool flag(const char* key, bool defaultValue) {
        auto text = bag_.text(key);
        auto value = text ? parseBoolean(*text) : std::nullopt;
        if (text && !value) {
            fail(std::string(key) + " must be True or False");
        }
        return value ? *value : defaultValue;
    }

    Colour colour(const char* key, Colour defaultValue) {
        auto text = bag_.text(key);
        auto value = text ? parseColour(*text) : std::nullopt;
        if (text && !value) {
            fail(std::string(key) + " must be a colour such as &H00E0E0E0");
        }
        return value ? *value : defaultValue;
    }

    FontDescription font(const FontDescription& defaultValue) {
        auto text = bag_.text("Font");
        auto value = text ? parseFont(*text) : std::nullopt;
        if (text && !value) {
            fail("Font must read \"Name; size; weight; italic; underline; strike; charset\"");
        }
        return value ? *value : defaultValue;
    }

    std::string text(const char* key, const std::string& defaultValue) {
        return bag_.readString(key, defaultValue);
    }

    bool has(const char* key) const { return bag_.contains(key); }
    bool ok() const { return problem_.empty(); }
    bool fail(const std::string& problem) {
        if (problem_.empty()) {
            problem_ = problem;
        }
        return false;
    }

  private:
    const PropertyBag& bag_;
    std::string& problem_;
};

class Builder {
  public:
    Builder(Form& form, const BuildContext& context) : form_(form), context_(context) {}

    bool build(const ControlDescription& control, std::string* error) {
        problem_.clear();
        std::unique_ptr<Control> made = make(control);
        if (!made || !problem_.empty()) {
            if (error) {
                *error = control.kind + " " + controlReference(control.name, control.index) + ": " +
                         (problem_.empty() ? "could not be made" : problem_);
            }
            return false;
        }
        made->setName(control.name, control.index);
        if (auto* windowed = dynamic_cast<WindowedControl*>(made.get())) {
            windowed->setTabIndex(control.tabIndex);
        }
        form_.controls().add(std::move(made));
        return true;
    }

  private:
    Container* containerOf(const ControlDescription& control) {
        if (control.container.empty()) {
            return &form_;
        }
        auto* user = form_.controls().find<UserControl>(control.container, control.containerIndex);
        if (!user) {
            problem_ = controlReference(control.container, control.containerIndex) +
                       " is not a user control that can hold it";
        }
        return user;
    }

    PictureRef picture(PropertyReader& reader, const char* key) {
        if (!reader.has(key)) {
            return nullptr;
        }
        std::string name = reader.text(key, "");
        PictureRef found = context_.picture ? context_.picture(name) : nullptr;
        if (!found) {
            reader.fail(std::string(key) + ": no picture named " + name);
        }
        return found;
    }

    std::unique_ptr<Control> make(const ControlDescription& control) {
        PropertyReader reader(control, problem_);
        Placement place{control.left, control.top, control.width, control.height};
        const std::string& kind = control.kind;
        if (keysEqual(kind, "Timer")) {
            reader.onlyKnown({"Interval", "Enabled"});
            int interval = reader.number("Interval", 0, 0, 65535);
            bool enabled = reader.flag("Enabled", true);
            return std::make_unique<Timer>(form_, interval, enabled);
        }
        Container* container = containerOf(control);
        if (!container) {
            return nullptr;
        }
        if (keysEqual(kind, "Label")) {
            return makeLabel(control, *container, place, reader);
        }
        if (keysEqual(kind, "Image")) {
            reader.onlyKnown({"Picture", "Visible", "Enabled"});
            auto image = std::make_unique<Image>(*container, place, picture(reader, "Picture"));
            image->setVisible(reader.flag("Visible", true));
            image->setEnabled(reader.flag("Enabled", true));
            return image;
        }
        if (keysEqual(kind, "Shape")) {
            return makeShape(*container, place, reader);
        }
        if (keysEqual(kind, "PictureBox")) {
            return makePictureBox(*container, place, reader);
        }
        if (keysEqual(kind, "HScrollBar")) {
            return makeScrollBar(*container, place, reader);
        }
        if (keysEqual(kind, "ComboBox")) {
            reader.onlyKnown({"Text", "Font", "Visible", "Enabled", "TabStop"});
            auto combo = std::make_unique<ComboBox>(*container, place);
            combo->setFont(reader.font(form_.font()));
            combo->setText(reader.text("Text", ""));
            finishWindowed(*combo, reader);
            return combo;
        }
        return makeUserControl(control, *container, place, reader);
    }

    void finishWindowed(WindowedControl& control, PropertyReader& reader) {
        control.setTabStop(reader.flag("TabStop", true));
        control.setEnabled(reader.flag("Enabled", true));
        control.setVisible(reader.flag("Visible", true));
    }

    std::unique_ptr<Control> makeLabel(const ControlDescription& control, Container& container,
                                       const Placement& place, PropertyReader& reader) {
        reader.onlyKnown({"Font", "Alignment", "BackStyle", "BackColor", "ForeColor", "BorderStyle",
                          "WordWrap", "UseMnemonic", "Visible", "Enabled"});
        auto label = std::make_unique<Label>(container, place, control.caption);
        label->setFont(reader.font(form_.font()));
        label->setAlignment(static_cast<Alignment>(reader.number("Alignment", 0, 0, 2)));
        label->setTransparent(reader.number("BackStyle", 1, 0, 1) == 0);
        label->setBackColour(reader.colour("BackColor", systemButtonFace));
        label->setForeColour(reader.colour("ForeColor", systemButtonText));
        label->setSingleBorder(reader.number("BorderStyle", 0, 0, 1) == 1);
        label->setWordWrap(reader.flag("WordWrap", true));
        label->setUseMnemonic(reader.flag("UseMnemonic", true));
        label->setVisible(reader.flag("Visible", true));
        label->setEnabled(reader.flag("Enabled", true));
        return label;
    }

    std::unique_ptr<Control> makeShape(Container& container, const Placement& place,
                                       PropertyReader& reader) {
        reader.onlyKnown(
            {"Shape", "BorderColor", "BorderWidth", "FillStyle", "FillColor", "Visible"});
        reader.number("Shape", 0, 0, 0); // rectangles only
        auto shape = std::make_unique<Shape>(container, place);
        shape->setBorderColour(reader.colour("BorderColor", systemWindowText));
        shape->setBorderWidth(reader.number("BorderWidth", 1, 1, 100));
        shape->setFill(reader.number("FillStyle", 1, 0, 1) == 1, reader.colour("FillColor", 0));
        shape->setVisible(reader.flag("Visible", true));
        return shape;
    }

    std::unique_ptr<Control> makePictureBox(Container& container, const Placement& place,
                                            PropertyReader& reader) {
        reader.onlyKnown({"BackColor", "Picture", "BorderStyle", "MousePointer", "MouseIcon",
                          "Visible", "Enabled", "TabStop"});
        auto box = std::make_unique<PictureBox>(container, place);
        box->setBackColour(reader.colour("BackColor", systemButtonFace));
        box->setPicture(picture(reader, "Picture"));
        box->setBorder(reader.number("BorderStyle", 1, 0, 1) == 1);
        box->setMousePointer(static_cast<MousePointer>(reader.number("MousePointer", 0, 0, 99)));
        box->setMouseIcon(picture(reader, "MouseIcon"));
        finishWindowed(*box, reader);
        return box;
    }

    std::unique_ptr<Control> makeScrollBar(Container& container, const Placement& place,
                                           PropertyReader& reader) {
        reader.onlyKnown(
            {"Min", "Max", "SmallChange", "LargeChange", "Value", "Visible", "Enabled", "TabStop"});
        auto bar = std::make_unique<HScrollBar>(container, place);
        bar->setMin(reader.number("Min", 0, -32768, 32767));
        bar->setMax(reader.number("Max", 32767, -32768, 32767));
        bar->setSmallChange(reader.number("SmallChange", 1, 1, 32767));
        bar->setLargeChange(reader.number("LargeChange", 1, 1, 32767));
        if (!bar->setValue(reader.number("Value", bar->min(), -32768, 32767))) {
            reader.fail("Value lies outside Min to Max");
        }
        finishWindowed(*bar, reader);
        return bar;
    }

    std::unique_ptr<Control> makeUserControl(const ControlDescription& control,
                                             Container& container, const Placement& place,
                                             PropertyReader& reader) {
        std::unique_ptr<UserControl> user =
            context_.makeUserControl ? context_.makeUserControl(control.kind) : nullptr;
        if (!user) {
            reader.fail("no such kind of control");
            return nullptr;
        }
        PropertyBag properties = control.properties;
        properties.writeString("Caption", control.caption, "");
        bool visible = reader.flag("Visible", true);
        bool tabStop = reader.flag("TabStop", true);
        if (!reader.ok() || !user->create(container, place, &properties, visible)) {
            return nullptr;
        }
        user->setTabStop(tabStop);
        return user;
    }

    Form& form_;
    const BuildContext& context_;
    std::string problem_;
};

} // namespace

bool buildControls(Form& form, const FormDescription& description, const BuildContext& context,
                   std::string* error) {
    Builder builder(form, context);
    for (const ControlDescription& control : description.controls) {
        if (!builder.build(control, error)) {
            return false;
        }
    }
    return true;
}

} // namespace forms
