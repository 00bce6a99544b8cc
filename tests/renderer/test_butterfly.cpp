#include "butterfly.h"
#include "flock.h"
#include "random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

void expectNear(const Vector3& v, float x, float y, float z, float tolerance = 1e-4f) {
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

// A butterfly with known fields, built from the generator's state 1 and
// then overwritten.
Butterfly placed(float x, float y, float z, float hx, float hy, float hz, float speed) {
    resetRandom();
    Butterfly b;
    set(b.position, x, y, z);
    set(b.heading, hx, hy, hz);
    b.speed = speed;
    return b;
}

} // namespace

TEST(Butterfly, FirstTwoOfEveryRunAreFixed) {
    resetRandom();
    Butterfly first;
    EXPECT_EQ(first.kind, 1);
    expectNear(first.position, 2.1687f, -10.4602f, 10.5300f);
    expectNear(first.heading, 0.4904f, -0.1161f, -0.8637f);
    EXPECT_NEAR(first.speed, 13.9596f, 1e-4f);
    EXPECT_NEAR(first.phaseOffset, 88.7777f, 1e-3f);
    EXPECT_EQ(first.age, 0.0f);
    EXPECT_EQ(first.wingSpan, 2.0f);
    EXPECT_EQ(first.bodyLength, 1.0f);
    EXPECT_NEAR(length(first.position), 15.0f, 1e-5f);
    EXPECT_NEAR(length(first.heading), 1.0f, 1e-6f);
    for (const Vector3& c : first.cornerColours)
        expectNear(c, 1.0f, 1.0f, 1.0f, 0.0f);

    Butterfly second;
    EXPECT_EQ(second.kind, 1);
    expectNear(second.position, 12.9323f, 7.5841f, 0.4876f);
    EXPECT_NEAR(second.speed, 8.6445f, 1e-4f);
}

TEST(Butterfly, ConstructionDrawsTenAndUpdateThree) {
    resetRandom();
    Butterfly b;
    const int afterConstruction = nextRandom();
    resetRandom();
    for (int i = 0; i < 10; ++i)
        nextRandom();
    EXPECT_EQ(nextRandom(), afterConstruction);

    resetRandom();
    Butterfly c;
    c.update(0.01f);
    const int afterUpdate = nextRandom();
    resetRandom();
    for (int i = 0; i < 13; ++i)
        nextRandom();
    EXPECT_EQ(nextRandom(), afterUpdate);
}

TEST(Butterfly, UpdateMovesBySpeedTimesSecondsAndKeepsHeadingUnit) {
    Butterfly b = placed(0, 0, 0, 1, 0, 0, 10.0f);
    b.update(0.5f);
    EXPECT_NEAR(length(b.position), 5.0f, 1e-4f);
    EXPECT_NEAR(length(b.heading), 1.0f, 1e-6f);
    EXPECT_EQ(b.age, 0.5f);
    // The jitter is small: the heading stays close to +x.
    EXPECT_GT(b.heading.x, 0.99f);
}

TEST(Butterfly, ZeroIntervalStillJittersTheHeading) {
    Butterfly b = placed(1, 2, 3, 0, 0, -1, 10.0f);
    b.update(0.0f);
    expectNear(b.position, 1, 2, 3, 0.0f);
    EXPECT_NE(b.heading.z, -1.0f);
    EXPECT_NEAR(length(b.heading), 1.0f, 1e-6f);
}

// The jitter, worked out by hand from the generator's first three values
// 41, 18467 and 6334: the point (-1 + 2 v / 32767) of each, made a unit
// direction, a twentieth of it added to the heading, the sum made unit.
TEST(Butterfly, JitterIsAUnitDirectionOfOneTwentieth) {
    Butterfly b = placed(1, 2, 3, 0, 0, -1, 10.0f);
    resetRandom();
    b.update(0.0f);
    double j[3];
    double jLength = 0.0;
    const int drawn[3] = {41, 18467, 6334};
    for (int i = 0; i < 3; ++i) {
        j[i] = -1.0 + 2.0 * drawn[i] / 32767.0;
        jLength += j[i] * j[i];
    }
    jLength = std::sqrt(jLength);
    const double h[3] = {0.05 * j[0] / jLength, 0.05 * j[1] / jLength,
                         -1.0 + 0.05 * j[2] / jLength};
    const double hLength = std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
    expectNear(b.heading, static_cast<float>(h[0] / hLength), static_cast<float>(h[1] / hLength),
               static_cast<float>(h[2] / hLength), 2e-7f);
}

TEST(Butterfly, BoxTestOrderZOverYOverX) {
    Butterfly b = placed(60, 0, -70, 1, 0, 0, 0.0f);
    b.update(0.0f);
    expectNear(b.heading, 0, 0, 1, 0.0f);

    b = placed(60, 70, 0, 1, 0, 0, 0.0f);
    b.update(0.0f);
    expectNear(b.heading, 0, -1, 0, 0.0f);

    b = placed(-60, 0, 0, 1, 0, 0, 0.0f);
    b.update(0.0f);
    expectNear(b.heading, 1, 0, 0, 0.0f);

    // Not clamped: the butterfly stays outside and turns back.
    EXPECT_EQ(b.position.x, -60.0f);
}

TEST(Butterfly, ExactlyOnTheWallCountsAsInside) {
    Butterfly b = placed(50, -50, 50, 0, 0, 1, 0.0f);
    b.update(0.0f);
    // Only the jitter changed the heading: no wall reset to an axis.
    EXPECT_GT(b.heading.z, 0.9f);
    EXPECT_NE(b.heading.x, 0.0f);
}

TEST(Butterfly, ColourSchemes) {
    resetRandom();
    Butterfly b;
    b.kind = 3;
    b.applyColourScheme(false);
    const Vector3 firstRandom = b.cornerColours[0];
    b.applyColourScheme(false);
    EXPECT_FALSE(firstRandom.x == b.cornerColours[0].x && firstRandom.y == b.cornerColours[0].y &&
                 firstRandom.z == b.cornerColours[0].z);
    for (const Vector3& c : b.cornerColours) {
        EXPECT_GE(c.x, 0.0f);
        EXPECT_LE(c.z, 1.0f);
    }
    b.applyColourScheme(true);
    for (const Vector3& c : b.cornerColours)
        expectNear(c, 1, 0, 0, 0.0f);

    const float expected[6][3] = {{0, 0, 0}, {1, 1, 1}, {1, 1, 0}, {1, 0, 0}, {1, 0, 1}, {1, 0, 1}};
    for (int kind = 1; kind <= 5; ++kind) {
        b.kind = kind;
        b.applyColourScheme(true);
        expectNear(b.cornerColours[2], expected[kind][0], expected[kind][1], expected[kind][2], 0);
    }
    // A kind outside 1..5 keeps its colours.
    b.kind = 9;
    b.applyColourScheme(true);
    expectNear(b.cornerColours[0], 1, 0, 1, 0.0f);
}

TEST(Butterfly, KindsOneToFourEquallyLikelyAndFiveSlightlyRarer) {
    resetRandom();
    int counts[7] = {};
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        Butterfly b;
        ASSERT_GE(b.kind, 1);
        ASSERT_LE(b.kind, 5);
        ++counts[b.kind];
    }
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_NEAR(counts[kind] / double(n), 0.2004, 0.004) << kind;
    EXPECT_NEAR(counts[5] / double(n), 0.1984, 0.004);
    EXPECT_LT(counts[5], counts[1]);
}

TEST(Flock, SizeLimits) {
    EXPECT_EQ(clampFlockSize(-5), 0);
    EXPECT_EQ(clampFlockSize(0), 0);
    EXPECT_EQ(clampFlockSize(500), 500);
    EXPECT_EQ(clampFlockSize(maxFlockSize + 1), maxFlockSize);
    EXPECT_EQ(clampFlockSize(2147483647), maxFlockSize);

    Flock flock;
    EXPECT_TRUE(flock.build(-1));
    EXPECT_EQ(flock.size(), 0);
    flock.update(1.0f); // an empty sky updates nothing
    resetRandom();
    EXPECT_TRUE(flock.build(3));
    EXPECT_EQ(flock.size(), 3);
    EXPECT_EQ(flock[0].kind, 1);
    EXPECT_NEAR(flock[1].speed, 8.6445f, 1e-4f);
}

TEST(Flock, ColourChoiceReachesEveryButterfly) {
    resetRandom();
    Flock flock;
    flock.build(50);
    flock.applyColourScheme(false);
    int tinted = 0;
    for (const Butterfly& b : flock)
        tinted += b.cornerColours[0].x < 1.0f ? 1 : 0;
    EXPECT_GT(tinted, 40);
    flock.applyColourScheme(true);
    for (const Butterfly& b : flock) {
        Vector3 natural{};
        ASSERT_TRUE(naturalColour(b.kind, natural));
        EXPECT_EQ(b.cornerColours[3].y, natural.y);
    }
}

// The flock updates in blocks; it must move every butterfly bit for bit as
// one update call per butterfly in index order would, also for a flock that
// is no whole number of blocks and one that crosses the walls.
TEST(Flock, BlockUpdateEqualsOneByOne) {
    for (const int size : {1, 7, 8, 13, 100}) {
        resetRandom();
        Flock flock;
        ASSERT_TRUE(flock.build(size));
        resetRandom();
        Flock single;
        ASSERT_TRUE(single.build(size));
        const std::uint32_t state = 12345;
        resetRandom(state);
        for (int step = 0; step < 400; ++step)
            flock.update(0.25f);
        resetRandom(state);
        for (int step = 0; step < 400; ++step)
            for (Butterfly& b : single)
                b.update(0.25f);
        for (int i = 0; i < size; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(std::memcmp(&flock[i], &single[i], sizeof(Butterfly)), 0);
        }
    }
}

// A slow frame (three a second) moves the flock by its whole interval; a
// stall of 20 s moves it only by the longest step, so it stays in the box.
TEST(Flock, AStallCountsAsTheLongestStep) {
    for (const float dt : {1.0f / 3.0f, 20.0f}) {
        SCOPED_TRACE(dt);
        resetRandom();
        Flock flock;
        ASSERT_TRUE(flock.build(30));
        resetRandom();
        Flock single;
        ASSERT_TRUE(single.build(30));
        const float expected = dt < 1.0f ? dt : maxFlockStep;
        resetRandom(99);
        flock.update(dt);
        resetRandom(99);
        for (Butterfly& b : single)
            b.update(expected);
        for (int i = 0; i < flock.size(); ++i) {
            EXPECT_EQ(std::memcmp(&flock[i], &single[i], sizeof(Butterfly)), 0);
            EXPECT_LE(std::fabs(flock[i].position.x), boxHalfSize);
            EXPECT_LE(std::fabs(flock[i].position.y), boxHalfSize);
            EXPECT_LE(std::fabs(flock[i].position.z), boxHalfSize);
        }
    }
}
