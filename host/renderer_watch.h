#pragma once

#include <cstdint>

// Decides when a screensaver run is over, from what the host can see of the
// renderer: its window (found by title) and its process.
//
// The run is over when the window has gone after it had been seen, when the
// renderer process has ended (or never started), or when no window appeared
// within the start-up wait. A renderer that is slow to open its window does
// not end the run early.
class RendererWatch {
  public:
    static constexpr std::int64_t defaultStartupWaitMs = 10000;

    explicit RendererWatch(std::int64_t startupWaitMs = defaultStartupWaitMs)
        : startupWaitMs_(startupWaitMs) {}

    // One look at the renderer, elapsedMs after it was started. Returns
    // true once the run is over; it stays over from then on.
    bool runIsOver(bool windowPresent, bool processEnded, std::int64_t elapsedMs);

    bool windowSeen() const { return windowSeen_; }

  private:
    std::int64_t startupWaitMs_;
    bool windowSeen_ = false;
    bool over_ = false;
};
