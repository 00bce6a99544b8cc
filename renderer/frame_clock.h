#pragma once

#include <cstdint>

// Measures the time between frames with the high-resolution counter. The
// interval is reported as measured, however long; the flock limits the step
// it takes from it (Flock::update).
class FrameClock {
  public:
    FrameClock();
    void tick();
    float interval() const { return static_cast<float>(interval_); }

  private:
    std::int64_t previous_ = 0;
    std::int64_t current_ = 0;
    std::int64_t frequency_ = 0;
    double interval_ = 0.0;
};
