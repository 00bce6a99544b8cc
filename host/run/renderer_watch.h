#pragma once

#include <cstdint>

// Decides when a screensaver run is over, from what the host can see of the
// renderer: its window (found by title), whether that window still answers,
// and its process.
//
// The run is over when the window has gone after it had been seen, when the
// renderer process has ended (or never started), when no window appeared
// within the start-up wait, or when the window has not answered for the
// unanswered limit. A renderer that is slow to open its window, or stalls
// for a few seconds, does not end the run. In the last two cases the
// renderer is still running and is to be ended with the run, so that no
// full-screen window is left behind.
//
// Times are the host's own running time since the renderer was started: a
// sleep of the whole machine does not count.
class RendererWatch {
  public:
    static constexpr std::int64_t defaultStartupWaitMs = 10000;
    static constexpr std::int64_t defaultUnansweredLimitMs = 10000;

    explicit RendererWatch(std::int64_t startupWaitMs = defaultStartupWaitMs,
                           std::int64_t unansweredLimitMs = defaultUnansweredLimitMs)
        : startupWaitMs_(startupWaitMs), unansweredLimitMs_(unansweredLimitMs) {}

    // One look at the renderer, elapsedMs after it was started.
    // windowAnswered: the window has answered the host since the previous
    // look (true when nothing was asked). Returns true once the run is over;
    // it stays over from then on.
    bool runIsOver(bool windowPresent, bool processEnded, std::int64_t elapsedMs,
                   bool windowAnswered = true);

    bool windowSeen() const { return windowSeen_; }
    // Whether the run ended with the renderer still running: it never
    // showed its window, or its window stopped answering.
    bool rendererToEnd() const { return rendererToEnd_; }

  private:
    std::int64_t startupWaitMs_;
    std::int64_t unansweredLimitMs_;
    std::int64_t lastAnswerMs_ = 0;
    bool windowSeen_ = false;
    bool over_ = false;
    bool rendererToEnd_ = false;
};
