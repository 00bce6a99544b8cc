#include "timer_win32.h"

#include "form_win32.h"

#include <algorithm>

namespace forms {

namespace {
UINT_PTR nextTimerId = 1;
} // namespace

Timer::Timer(Form& form, int interval, bool enabled)
    : form_(&form), id_(nextTimerId++), interval_(interval), enabled_(enabled) {
    form.timers_.push_back(this);
    apply();
}

Timer::~Timer() {
    if (form_) {
        if (HWND window = form_->handle()) {
            KillTimer(window, id_);
        }
        auto& timers = form_->timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }
}

void Timer::setInterval(int interval) {
    interval_ = interval;
    apply();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Timer::apply() {
    HWND window = form_ ? form_->handle() : nullptr;
    if (!window) {
        return; // started when the form's window is made
    }
    KillTimer(window, id_);
    if (enabled_ && interval_ > 0) {
        SetTimer(window, id_, static_cast<UINT>(interval_), nullptr);
    }
}

void Timer::tick() {
    if (!enabled_ || interval_ <= 0) {
        return; // a tick already queued when the timer stopped
    }
    if (auto handler = onTimer) {
        handler();
    }
}

} // namespace forms
