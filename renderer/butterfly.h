#pragma once

#include "vector3.h"

class TextureHandle;

// One member of the flock: flies a jittering straight line at its own speed,
// turns back at the walls of a cube of +-50 units and beats its wings from
// its own phase.
class Butterfly {
  public:
    // A random butterfly: ten draws from the generator, in a fixed order.
    Butterfly();

    // One simulation step of dt seconds (three generator draws).
    void update(float dt);
    // Immediate-mode GL drawing with the kind's texture, or with whatever
    // texture is bound when none is given (butterfly_draw.cpp).
    void draw(const TextureHandle* texture) const;
    // natural: every corner takes the kind's colour; otherwise twelve random
    // components, corner by corner.
    void applyColourScheme(bool natural);

    int kind;
    Vector3 position;
    Vector3 heading;
    float speed;
    float age;
    float rate; // drawn at construction, read by nothing
    float phaseOffset;
    float wingSpan;
    float bodyLength;
    Vector3 cornerColours[4];
};

constexpr int kindCount = 5;
constexpr float boxHalfSize = 50.0f;

// Updates count butterflies in index order, exactly as count calls of
// update would.
void updateButterflies(Butterfly* first, int count, float dt);

// The natural colour of a kind 1..5; nothing for any other kind.
bool naturalColour(int kind, Vector3& colour);
