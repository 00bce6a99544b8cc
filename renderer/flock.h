#pragma once

#include "butterfly.h"

#include <memory>

// The most butterflies a flock holds. The settings dialog offers 100..1000;
// a hand-edited value above this is cut to it, so a typing slip cannot ask
// for gigabytes or a slide show.
constexpr int maxFlockSize = 100000;

// The longest step, in seconds, the flock takes in one frame. A longer
// interval (the computer slept, the process was stopped or stalled) counts
// as this much, so the flock carries on where it was instead of shooting out
// of the box and needing as long as the pause to fly back. Frames at any
// usable rate, down to two a second, are well below it.
constexpr float maxFlockStep = 0.5f;

// A requested size as the flock takes it: negative gives an empty sky.
int clampFlockSize(int requested);

// The butterflies in their fixed index order, built once.
class Flock {
  public:
    // Builds clampFlockSize(requested) butterflies in index order. When the
    // memory cannot be had the flock stays empty and false is returned.
    bool build(int requested);
    // One step of every butterfly in index order; dt above maxFlockStep
    // counts as maxFlockStep.
    void update(float dt);
    void applyColourScheme(bool natural);

    int size() const { return count_; }
    Butterfly* begin() { return birds_.get(); }
    Butterfly* end() { return birds_.get() + count_; }
    const Butterfly* begin() const { return birds_.get(); }
    const Butterfly* end() const { return birds_.get() + count_; }
    Butterfly& operator[](int i) { return birds_[i]; }

  private:
    std::unique_ptr<Butterfly[]> birds_;
    int count_ = 0;
};
