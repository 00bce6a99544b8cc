#include "frame_cap.h"

#include <cstdio>

FrameCap::FrameCap(int reportedRate, std::int64_t ticksPerSecond)
    : rate_(reportedRate > 1 ? reportedRate : fallbackRate), rateReported_(reportedRate > 1),
      period_(ticksPerSecond > 0 ? ticksPerSecond * 50 / (static_cast<std::int64_t>(rate_) * 51)
                                 : 0) {
    std::snprintf(description_, sizeof description_, "frames capped at %d Hz (%s)", rate_,
                  rateReported_ ? "the display's rate" : "display rate unknown");
}

std::int64_t FrameCap::nextFrameAt(std::int64_t now) {
    if (!started_) {
        started_ = true;
        frameStart_ = now;
        return now;
    }
    const std::int64_t due = frameStart_ + period_;
    if (now >= due) {
        frameStart_ = now;
        return now;
    }
    // The next frame starts exactly one period after this one: the time the
    // wait overshoots is taken from the next wait, so the rate stays at the
    // display's and does not drift below it.
    frameStart_ = due;
    return due;
}

const char* FrameCap::describe() const {
    return description_;
}
