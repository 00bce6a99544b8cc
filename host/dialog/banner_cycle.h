#pragma once

#include <cstdint>

namespace dialog {

// The settings dialog's banner: a tick counter that plays the 24 frames in
// the left box, then the same frames in the right box, then rests one tick.
constexpr int bannerFrameCount = 24;
constexpr int bannerCycleTicks = 2 * bannerFrameCount + 1; // 49 ticks, 4.9 s at 100 ms

enum class BannerBox { None = -1, Left = 0, Right = 1 };

// What one tick shows: a frame (1..24) in one box, or nothing on the rest tick.
struct BannerStep {
    BannerBox box = BannerBox::None;
    int frame = 0;
};

// Advances bannerFrame (0 at load) by one tick and says what to show.
BannerStep advanceBanner(std::int16_t& bannerFrame);

} // namespace dialog
