#pragma once

#include "butterfly.h"

#include <memory>

// The most butterflies a flock holds. The settings dialog offers 100..1000;
// a hand-edited value above this is cut to it, so a typing slip cannot ask
// for gigabytes or a slide show.
constexpr int maxFlockSize = 100000;

// A requested size as the flock takes it: negative gives an empty sky.
int clampFlockSize(int requested);

// The butterflies in their fixed index order, built once.
class Flock {
  public:
    // Builds clampFlockSize(requested) butterflies in index order. When the
    // memory cannot be had the flock stays empty and false is returned.
    bool build(int requested);
    void update(float dt);
    void applyColorScheme(bool natural);

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
