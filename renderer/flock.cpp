#include "flock.h"

#include <new>

int clampFlockSize(int requested) {
    if (requested < 0)
        return 0;
    return requested > maxFlockSize ? maxFlockSize : requested;
}

bool Flock::build(int requested) {
    birds_.reset();
    count_ = 0;
    const int wanted = clampFlockSize(requested);
    if (wanted == 0)
        return true;
    birds_.reset(new (std::nothrow) Butterfly[wanted]);
    if (!birds_)
        return false;
    count_ = wanted;
    return true;
}

void Flock::update(float dt) {
    updateButterflies(begin(), count_, dt > maxFlockStep ? maxFlockStep : dt);
}

void Flock::applyColourScheme(bool natural) {
    for (Butterfly& b : *this)
        b.applyColourScheme(natural);
}
