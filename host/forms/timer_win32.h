#pragma once

#include "control_win32.h"

#include <windows.h>

#include <functional>

namespace forms {

class Form;

// Ticks every `interval` milliseconds while enabled and the interval is
// above 0, on the user-interface thread (a system timer on the form's
// window). Changing either restarts the count.
class Timer : public Control {
  public:
    explicit Timer(Form& form, int interval = 0, bool enabled = true);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void setInterval(int interval);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    std::function<void()> onTimer;

  private:
    friend class Form;
    void apply();
    void tick();
    Form* form_;
    UINT_PTR id_;
    int interval_;
    bool enabled_;
};

} // namespace forms
