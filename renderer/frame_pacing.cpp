#include "frame_pacing.h"

#include "platform.h"

namespace {
// The longest sleep while the display is off; the notification that it is
// on again wakes the renderer sooner.
constexpr int restMs = 1000;
} // namespace

void FramePacing::start() {
    cap_ = std::make_unique<FrameCap>(displayRefreshRate(), performanceFrequency());
    watchDisplayPower(power_);
}

void FramePacing::frameSwapped() {
    if (cap_)
        waitForCounter(cap_->nextFrameAt(performanceCounter()));
}

bool FramePacing::resting() {
    if (power_.drawing())
        return false;
    sleepUntilEvent(restMs);
    return true;
}

const char* FramePacing::describe() const {
    return cap_ ? cap_->describe() : "frames not capped";
}
