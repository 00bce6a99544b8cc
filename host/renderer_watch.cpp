#include "renderer_watch.h"

bool RendererWatch::runIsOver(bool windowPresent, bool processEnded, std::int64_t elapsedMs) {
    if (over_) {
        return true;
    }
    if (windowPresent) {
        windowSeen_ = true;
    }
    bool windowClosed = windowSeen_ && !windowPresent;
    bool neverAppeared = !windowSeen_ && elapsedMs >= startupWaitMs_;
    over_ = windowClosed || processEnded || neverAppeared;
    return over_;
}
