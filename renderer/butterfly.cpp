#include "butterfly.h"

#include "random.h"

Butterfly::Butterfly() {
    kind = static_cast<int>(randomRange(1.0f, 5.99f));
    randomizeUnit(position);
    scale(position, 15.0f);
    randomizeUnit(heading);
    speed = randomRange(-5.0f, 5.0f) + 10.0f;
    age = 0.0f;
    rate = randomRange(-10.0f, 10.0f) + 30.0f;
    phaseOffset = randomRange(-180.0f, 180.0f);
    wingSpan = 2.0f;
    bodyLength = 1.0f;
    for (Vector3& c : cornerColours)
        set(c, 0.0f, 0.0f, 0.0f);
    applyColourScheme(true);
}

namespace {

// The step after the jitter's three draws: everything of an update that
// does not touch the generator.
inline void advance(Butterfly& b, Vector3 jitter, float dt) {
    b.age = b.age + dt;

    normalize(jitter);
    scale(jitter, 0.05f);
    add(b.heading, b.heading, jitter);
    normalize(b.heading);

    Vector3 step = b.heading;
    scale(step, dt * b.speed);
    add(b.position, b.position, step);

    // Later tests override earlier ones: z wins over y, y over x. The
    // position is not clamped; the butterfly flies back in.
    if (b.position.x < -boxHalfSize)
        set(b.heading, 1.0f, 0.0f, 0.0f);
    if (b.position.x > boxHalfSize)
        set(b.heading, -1.0f, 0.0f, 0.0f);
    if (b.position.y < -boxHalfSize)
        set(b.heading, 0.0f, 1.0f, 0.0f);
    if (b.position.y > boxHalfSize)
        set(b.heading, 0.0f, -1.0f, 0.0f);
    if (b.position.z < -boxHalfSize)
        set(b.heading, 0.0f, 0.0f, 1.0f);
    if (b.position.z > boxHalfSize)
        set(b.heading, 0.0f, 0.0f, -1.0f);
}

} // namespace

void Butterfly::update(float dt) {
    updateButterflies(this, 1, dt);
}

void updateButterflies(Butterfly* first, int count, float dt) {
    // The draws come in butterfly order, as one by one; the arithmetic after
    // them is independent from butterfly to butterfly, so a block's worth of
    // it can overlap in the processor (square roots and divisions are slow
    // one at a time).
    constexpr int block = 8;
    Vector3 jitter[block];
    for (int start = 0; start < count; start += block) {
        const int n = count - start < block ? count - start : block;
        for (int i = 0; i < n; ++i) {
            jitter[i].x = randomRange(-1.0f, 1.0f);
            jitter[i].y = randomRange(-1.0f, 1.0f);
            jitter[i].z = randomRange(-1.0f, 1.0f);
        }
        for (int i = 0; i < n; ++i)
            advance(first[start + i], jitter[i], dt);
    }
}

bool naturalColour(int kind, Vector3& colour) {
    switch (kind) {
    case 1:
        set(colour, 1.0f, 1.0f, 1.0f);
        return true;
    case 2:
        set(colour, 1.0f, 1.0f, 0.0f);
        return true;
    case 3:
        set(colour, 1.0f, 0.0f, 0.0f);
        return true;
    case 4:
    case 5:
        set(colour, 1.0f, 0.0f, 1.0f);
        return true;
    default:
        return false;
    }
}

void Butterfly::applyColourScheme(bool natural) {
    if (natural) {
        Vector3 colour{};
        if (!naturalColour(kind, colour))
            return;
        for (Vector3& c : cornerColours)
            c = colour;
        return;
    }
    for (Vector3& c : cornerColours) {
        c.x = randomRange(0.0f, 1.0f);
        c.y = randomRange(0.0f, 1.0f);
        c.z = randomRange(0.0f, 1.0f);
    }
}
