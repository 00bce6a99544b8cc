#include "control_set_win32.h"

#include "property_bag.h"

namespace forms {

bool ControlSet::sameName(std::string_view a, std::string_view b) {
    return keysEqual(a, b);
}

Control* ControlSet::find(std::string_view name, int index) const {
    for (const auto& control : controls_) {
        if (control->index() == index && sameName(control->name(), name)) {
            return control.get();
        }
    }
    return nullptr;
}

void ControlSet::clear() {
    while (!controls_.empty()) {
        controls_.pop_back();
    }
}

} // namespace forms
