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
    for (Vector3& c : cornerColors)
        set(c, 0.0f, 0.0f, 0.0f);
    applyColorScheme(true);
}

void Butterfly::update(float dt) {
    age = age + dt;

    Vector3 jitter{};
    randomizeUnit(jitter);
    scale(jitter, 0.05f);
    add(heading, heading, jitter);
    normalize(heading);

    Vector3 step = heading;
    scale(step, dt * speed);
    add(position, position, step);

    // Later tests override earlier ones: z wins over y, y over x. The
    // position is not clamped; the butterfly flies back in.
    if (position.x < -boxHalfSize)
        set(heading, 1.0f, 0.0f, 0.0f);
    if (position.x > boxHalfSize)
        set(heading, -1.0f, 0.0f, 0.0f);
    if (position.y < -boxHalfSize)
        set(heading, 0.0f, 1.0f, 0.0f);
    if (position.y > boxHalfSize)
        set(heading, 0.0f, -1.0f, 0.0f);
    if (position.z < -boxHalfSize)
        set(heading, 0.0f, 0.0f, 1.0f);
    if (position.z > boxHalfSize)
        set(heading, 0.0f, 0.0f, -1.0f);
}

bool naturalColor(int kind, Vector3& color) {
    switch (kind) {
    case 1:
        set(color, 1.0f, 1.0f, 1.0f);
        return true;
    case 2:
        set(color, 1.0f, 1.0f, 0.0f);
        return true;
    case 3:
        set(color, 1.0f, 0.0f, 0.0f);
        return true;
    case 4:
    case 5:
        set(color, 1.0f, 0.0f, 1.0f);
        return true;
    default:
        return false;
    }
}

void Butterfly::applyColorScheme(bool natural) {
    if (natural) {
        Vector3 color{};
        if (!naturalColor(kind, color))
            return;
        for (Vector3& c : cornerColors)
            c = color;
        return;
    }
    for (Vector3& c : cornerColors) {
        c.x = randomRange(0.0f, 1.0f);
        c.y = randomRange(0.0f, 1.0f);
        c.z = randomRange(0.0f, 1.0f);
    }
}
