#include "renderer_watch.h"

bool RendererWatch::runIsOver(bool windowPresent, bool processEnded, std::int64_t elapsedMs,
                              bool windowAnswered) {
    if (over_) {
        return true;
    }
    if (windowPresent) {
        // A window seen for the first time counts as answering from then on.
        if (windowAnswered || !windowSeen_) {
            lastAnswerMs_ = elapsedMs;
        }
        windowSeen_ = true;
    }
    bool windowClosed = windowSeen_ && !windowPresent;
    bool neverAppeared = !windowSeen_ && elapsedMs >= startupWaitMs_;
    bool hung = windowPresent && elapsedMs - lastAnswerMs_ >= unansweredLimitMs_;
    over_ = windowClosed || processEnded || neverAppeared || hung;
    rendererToEnd_ = !processEnded && !windowClosed && (neverAppeared || hung);
    return over_;
}
