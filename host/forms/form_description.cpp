#include "form_description.h"
#include "trimmed.h"

namespace forms {

namespace {

bool isIdentifier(std::string_view text) {
    if (text.empty() || (text.front() >= '0' && text.front() <= '9')) {
        return false;
    }
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_') {
            return false;
        }
    }
    return true;
}

struct Reference {
    std::string name;
    int index = -1;
};

// "Name" or "Name(Index)" with a non-negative index.
std::optional<Reference> parseReference(std::string_view text) {
    text = trimmed(text);
    Reference reference;
    std::size_t open = text.find('(');
    if (open == std::string_view::npos) {
        reference.name = std::string(text);
    } else {
        if (text.back() != ')') {
            return std::nullopt;
        }
        auto index = parseLong(text.substr(open + 1, text.size() - open - 2));
        if (!index || *index < 0 || *index > 32767) {
            return std::nullopt;
        }
        reference.name = std::string(trimmed(text.substr(0, open)));
        reference.index = *index;
    }
    if (!isIdentifier(reference.name)) {
        return std::nullopt;
    }
    return reference;
}

struct Header {
    std::string kind;
    Reference reference;
};

std::optional<Header> parseHeader(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    line = trimmed(line.substr(1, line.size() - 2));
    std::size_t gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos) {
        return std::nullopt;
    }
    Header header;
    header.kind = std::string(line.substr(0, gap));
    auto reference = parseReference(line.substr(gap));
    if (!isIdentifier(header.kind) || !reference) {
        return std::nullopt;
    }
    header.reference = *reference;
    return header;
}

class Reader {
  public:
    std::optional<FormDescription> read(std::string_view text, std::string* error) {
        int lineNumber = 0;
        for (std::string_view line : splitLines(text)) {
            ++lineNumber;
            line_ = lineNumber;
            if (isBlankOrComment(line)) {
                continue;
            }
            if (trimmed(line).front() == '[') {
                if (!finishBlock() || !startBlock(line)) {
                    return fail(error);
                }
                continue;
            }
            if (!inBlock_) {
                problem_ = "property outside a block; the text starts with \"[Form Name]\"";
                return fail(error);
            }
            auto entry = parsePropertyLine(line, &problem_);
            if (!entry) {
                return fail(error);
            }
            if (bag_.contains(entry->key)) {
                problem_ = "\"" + entry->key + "\" is given twice";
                return fail(error);
            }
            bag_.setText(entry->key, entry->value);
        }
        line_ = lineNumber;
        if (!finishBlock()) {
            return fail(error);
        }
        if (!haveForm_) {
            problem_ = "no \"[Form Name]\" block";
            return fail(error);
        }
        return std::move(form_);
    }

  private:
    std::nullopt_t fail(std::string* error) {
        if (error) {
            *error = "line " + std::to_string(line_) + ": " + problem_;
        }
        return std::nullopt;
    }

    bool startBlock(std::string_view line) {
        auto header = parseHeader(line);
        if (!header) {
            problem_ = "expected \"[Kind Name]\" or \"[Kind Name(Index)]\"";
            return false;
        }
        bool isForm = keysEqual(header->kind, "Form");
        if (isForm == haveForm_) {
            problem_ =
                haveForm_ ? "a second form block" : "the first block must be \"[Form Name]\"";
            return false;
        }
        if (isForm && header->reference.index >= 0) {
            problem_ = "a form has no index";
            return false;
        }
        header_ = *header;
        blockLine_ = line_;
        inBlock_ = true;
        bag_ = PropertyBag();
        return true;
    }

    // Takes a field out of the block's properties; false when its text is
    // not a whole number.
    bool takeNumber(std::string_view key, int& field, int minimum) {
        auto text = bag_.text(key);
        if (!text) {
            return true;
        }
        auto value = parseLong(*text);
        if (!value || *value < minimum) {
            problem_ = std::string(key) + " of " +
                       controlReference(header_.reference.name, header_.reference.index) +
                       " must be a whole number" + (minimum >= 0 ? " of 0 or more" : "");
            return false;
        }
        field = *value;
        bag_.remove(key);
        return true;
    }

    bool finishBlock() {
        if (!inBlock_) {
            return true;
        }
        inBlock_ = false;
        int reportLine = line_;
        line_ = blockLine_;
        bool ok = haveForm_ ? finishControl() : finishForm();
        if (ok) {
            line_ = reportLine;
        }
        return ok;
    }

    bool finishForm() {
        form_.name = header_.reference.name;
        form_.caption = bag_.readString("Caption", "");
        bag_.remove("Caption");
        form_.properties = std::move(bag_);
        haveForm_ = true;
        return true;
    }

    bool finishControl() {
        ControlDescription control;
        control.kind = header_.kind;
        control.name = header_.reference.name;
        control.index = header_.reference.index;
        std::string reference = controlReference(control.name, control.index);
        if (keysEqual(control.name, form_.name)) {
            problem_ = reference + " has the form's name";
            return false;
        }
        for (const ControlDescription& other : form_.controls) {
            if (!keysEqual(other.name, control.name)) {
                continue;
            }
            if (other.index == control.index) {
                problem_ = reference + " is declared twice";
                return false;
            }
            if ((other.index < 0) != (control.index < 0)) {
                problem_ = control.name + " is used both with and without an index";
                return false;
            }
        }
        if (!takeNumber("Left", control.left, INT32_MIN) ||
            !takeNumber("Top", control.top, INT32_MIN) || !takeNumber("Width", control.width, 0) ||
            !takeNumber("Height", control.height, 0) ||
            !takeNumber("TabIndex", control.tabIndex, 0)) {
            return false;
        }
        control.caption = bag_.readString("Caption", "");
        bag_.remove("Caption");
        if (auto container = bag_.text("Container")) {
            auto parent = parseReference(*container);
            if (!parent) {
                problem_ = "Container of " + reference + " must be \"Name\" or \"Name(Index)\"";
                return false;
            }
            if (!form_.find(parent->name, parent->index)) {
                problem_ = "the container " + controlReference(parent->name, parent->index) +
                           " of " + reference + " is not declared before it";
                return false;
            }
            control.container = parent->name;
            control.containerIndex = parent->index;
            bag_.remove("Container");
        }
        control.properties = std::move(bag_);
        form_.controls.push_back(std::move(control));
        return true;
    }

    FormDescription form_;
    PropertyBag bag_;
    Header header_;
    std::string problem_;
    int line_ = 0;
    int blockLine_ = 0;
    bool inBlock_ = false;
    bool haveForm_ = false;
};

} // namespace

const ControlDescription* FormDescription::find(std::string_view controlName, int index) const {
    for (const ControlDescription& control : controls) {
        if (control.index == index && keysEqual(control.name, controlName)) {
            return &control;
        }
    }
    return nullptr;
}

std::string controlReference(std::string_view name, int index) {
    std::string text(name);
    if (index >= 0) {
        text += "(" + std::to_string(index) + ")";
    }
    return text;
}

std::optional<FormDescription> parseFormDescription(std::string_view text, std::string* error) {
    return Reader().read(text, error);
}

std::string formDescriptionText(const FormDescription& form) {
    std::string text = "[Form " + form.name + "]\n";
    if (!form.caption.empty()) {
        text += propertyLineText("Caption", form.caption) + "\n";
    }
    text += propertyBagText(form.properties);
    for (const ControlDescription& control : form.controls) {
        text += "\n[" + control.kind + " " + controlReference(control.name, control.index) + "]\n";
        if (!control.container.empty()) {
            text += propertyLineText("Container",
                                     controlReference(control.container, control.containerIndex)) +
                    "\n";
        }
        text += "Left = " + std::to_string(control.left) + "\n";
        text += "Top = " + std::to_string(control.top) + "\n";
        text += "Width = " + std::to_string(control.width) + "\n";
        text += "Height = " + std::to_string(control.height) + "\n";
        if (!control.caption.empty()) {
            text += propertyLineText("Caption", control.caption) + "\n";
        }
        if (control.tabIndex >= 0) {
            text += "TabIndex = " + std::to_string(control.tabIndex) + "\n";
        }
        text += propertyBagText(control.properties);
    }
    return text;
}

} // namespace forms
