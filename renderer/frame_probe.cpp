#include "frame_probe.h"

#include <cstdio>
#include <cstdlib>

void FrameProbe::addFrame(std::int64_t start, std::int64_t updated, std::int64_t end) {
    if (frames_ == 0)
        firstStart_ = start;
    ++frames_;
    lastEnd_ = end;
    updateTicks_ += updated - start;
}

double FrameProbe::seconds() const {
    if (ticksPerSecond_ <= 0)
        return 0.0;
    return static_cast<double>(lastEnd_ - firstStart_) / static_cast<double>(ticksPerSecond_);
}

double FrameProbe::framesPerSecond() const {
    const double s = seconds();
    return s > 0.0 ? static_cast<double>(frames_) / s : 0.0;
}

double FrameProbe::updateShare() const {
    const std::int64_t wall = lastEnd_ - firstStart_;
    return wall > 0 ? static_cast<double>(updateTicks_) / static_cast<double>(wall) : 0.0;
}

std::string FrameProbe::report() const {
    char line[128];
    std::snprintf(
        line, sizeof line, "frames %lld, %.2f s, %.1f fps, flock update %.2f %% of frame time",
        static_cast<long long>(frames_), seconds(), framesPerSecond(), 100.0 * updateShare());
    return line;
}

bool frameProbeWanted() {
    const char* value = std::getenv("KALENDRA_FRAME_PROBE");
    return value != nullptr && value[0] != '\0';
}
