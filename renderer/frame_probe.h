#pragma once

#include <cstdint>
#include <string>

// Frame statistics for performance measurements: frames drawn, the time from
// the first frame's start to the last frame's end, and the part of it spent
// updating the flock (our own computation, as
// opposed to drawing, which is mostly the GL driver's work). Switched on by
// the environment variable KALENDRA_FRAME_PROBE; off, it costs one test per
// frame.
class FrameProbe {
  public:
    explicit FrameProbe(std::int64_t ticksPerSecond) : ticksPerSecond_(ticksPerSecond) {}

    // One frame: counter values at its start, after the flock update and at
    // its end.
    void addFrame(std::int64_t start, std::int64_t updated, std::int64_t end);

    std::int64_t frames() const { return frames_; }
    double seconds() const;
    double framesPerSecond() const;
    // Share of frame time spent updating the flock, 0..1.
    double updateShare() const;
    // One line: "frames 600, 10.02 s, 59.9 fps, flock update 3.10 % of frame time".
    std::string report() const;

  private:
    std::int64_t ticksPerSecond_;
    std::int64_t frames_ = 0;
    std::int64_t firstStart_ = 0;
    std::int64_t lastEnd_ = 0;
    std::int64_t updateTicks_ = 0;
};

// Whether KALENDRA_FRAME_PROBE is set to a non-empty value.
bool frameProbeWanted();
