// Prints the flock's first frames bit for bit, for comparing builds: each
// line has the frame's number, a digest of every butterfly's state and
// drawn geometry, and the first butterfly's position in hexadecimal floats.
//   flock_frames [butterflies [frames]]   (default 500 and 600)
#include "butterfly_pose.h"
#include "flock.h"
#include "random.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// FNV-1a over the bytes of the values added to it.
class Digest {
  public:
    void add(float f) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        for (int i = 0; i < 4; ++i) {
            value_ = (value_ ^ ((bits >> (8 * i)) & 0xffu)) * 0x100000001b3ull;
        }
    }
    void add(const Vector3& v) {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    unsigned long long value() const { return value_; }

  private:
    unsigned long long value_ = 0xcbf29ce484222325ull;
};

int argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::atoi(argv[index]) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int butterflies = argument(argc, argv, 1, 500);
    const int frames = argument(argc, argv, 2, 600);
    resetRandom();
    Flock flock;
    if (!flock.build(butterflies) || flock.size() == 0) {
        std::fprintf(stderr, "flock_frames: no flock of %d\n", butterflies);
        return 1;
    }
    for (int frame = 1; frame <= frames; ++frame) {
        // Sixty frames a second, with a stall now and then.
        const float dt = frame % 97 == 0 ? 0.25f : 1.0f / 60.0f;
        flock.update(dt);
        Digest digest;
        for (const Butterfly& b : flock) {
            digest.add(b.position);
            digest.add(b.heading);
            digest.add(b.age);
            digest.add(yawDegrees(b.heading));
            const WingCorners wings =
                wingCorners(wingAngle(b.age, b.phaseOffset), b.wingSpan, b.bodyLength);
            for (const Vector3& corner : wings.first)
                digest.add(corner);
        }
        const Vector3& p = flock[0].position;
        std::printf("%d %016llx %a %a %a\n", frame, digest.value(), p.x, p.y, p.z);
    }
    return 0;
}
