#include "frame_clock.h"

#include "platform.h"

FrameClock::FrameClock() {
    frequency_ = performanceFrequency();
    current_ = performanceCounter();
    previous_ = current_;
}

void FrameClock::tick() {
    previous_ = current_;
    current_ = performanceCounter();
    // Without a working counter there is no time to measure: stand still
    // rather than divide by zero.
    interval_ = frequency_ > 0 ? static_cast<double>(current_ - previous_) /
                                     static_cast<double>(frequency_)
                               : 0.0;
}
