#pragma once

#include "control_win32.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

namespace forms {

// The controls a form owns, found by name (without regard to case) and
// index. A form description's controls live here.
class ControlSet {
  public:
    ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;
    ~ControlSet() { clear(); }

    template <class T> T* add(std::unique_ptr<T> control) {
        T* added = control.get();
        controls_.push_back(std::move(control));
        return added;
    }
    Control* find(std::string_view name, int index = -1) const;
    template <class T> T* find(std::string_view name, int index = -1) const {
        return dynamic_cast<T*>(find(name, index));
    }
    // The members of an indexed group of one type, by ascending index.
    template <class T> std::vector<T*> group(std::string_view name) const {
        std::vector<T*> members;
        for (const auto& control : controls_) {
            auto* member = dynamic_cast<T*>(control.get());
            if (member && member->index() >= 0 && sameName(member->name(), name)) {
                members.push_back(member);
            }
        }
        std::sort(members.begin(), members.end(),
                  [](const T* a, const T* b) { return a->index() < b->index(); });
        return members;
    }
    std::size_t size() const { return controls_.size(); }
    // Destroys the controls, the last made first, so those inside a
    // container go before it.
    void clear();

  private:
    static bool sameName(std::string_view a, std::string_view b);
    std::vector<std::unique_ptr<Control>> controls_;
};

} // namespace forms
