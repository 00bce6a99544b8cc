#pragma once

#include "control_win32.h"

#include <memory>
#include <vector>

namespace forms {

// The controls a form owns, in the order they were made.
class ControlSet {
  public:
    ~ControlSet() { clear(); }

    template <class T> T* add(std::unique_ptr<T> control) {
        T* added = control.get();
        controls_.push_back(std::move(control));
        return added;
    }
    std::size_t size() const { return controls_.size(); }
    // Destroys the controls, the last made first, so those inside a
    // container go before it.
    void clear() {
        while (!controls_.empty()) {
            controls_.pop_back();
        }
    }

  private:
    std::vector<std::unique_ptr<Control>> controls_;
};

} // namespace forms
