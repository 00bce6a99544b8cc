#pragma once

#include <cstdint>

// Caps the frame rate at the display's refresh rate, whatever the driver
// does with the swap interval: frames start at least one refresh period
// apart. Motion is measured in seconds, so the cap changes only how many
// frames are drawn.
//
// The period is taken 2 % short of the reported rate's: Windows reports a
// 59.94 Hz display as 59 Hz, and a cap below the true rate would fight the
// driver's own pacing and drop a frame every second or so. Where the driver
// paces, frames come at the display's rate and the cap never waits.
class FrameCap {
  public:
    // The rate assumed when the display's is unknown or reported as 0 or 1
    // (Windows' "hardware default").
    static constexpr int fallbackRate = 60;

    // reportedRate: the display's refresh rate in Hz as the system reports
    // it, 0 when unknown. ticksPerSecond: the counter's frequency.
    FrameCap(int reportedRate, std::int64_t ticksPerSecond);

    int rate() const { return rate_; }
    bool rateReported() const { return rateReported_; }
    // The shortest time between frame starts, in counter ticks.
    std::int64_t periodTicks() const { return period_; }

    // Called after each swap with the counter's value; returns the counter
    // value to wait for before the next frame starts (now when there is no
    // need to wait). Frames that come late start a new count, so a slow
    // frame is never followed by a burst of fast ones.
    std::int64_t nextFrameAt(std::int64_t now);

    // One line for the frame probe: "frames capped at 60 Hz (the display's rate)".
    const char* describe() const;

  private:
    int rate_;
    bool rateReported_;
    std::int64_t period_;
    std::int64_t frameStart_ = 0;
    bool started_ = false;
    char description_[64] = {};
};
