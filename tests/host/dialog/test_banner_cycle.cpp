// The banner's 49-tick cycle.
#include "banner_cycle.h"

#include <gtest/gtest.h>

#include <vector>

namespace dialog {

TEST(BannerCycle, PlaysLeftThenRightThenRestsOneTick) {
    std::int16_t counter = 0;
    std::vector<BannerStep> steps;
    for (int tick = 0; tick < 2 * bannerCycleTicks; ++tick) {
        steps.push_back(advanceBanner(counter));
    }
    for (int cycle = 0; cycle < 2; ++cycle) {
        const BannerStep* first = &steps[static_cast<std::size_t>(cycle * bannerCycleTicks)];
        for (int frame = 1; frame <= 24; ++frame) {
            EXPECT_EQ(first[frame - 1].box, BannerBox::Left) << "tick " << frame;
            EXPECT_EQ(first[frame - 1].frame, frame);
            EXPECT_EQ(first[frame + 23].box, BannerBox::Right) << "tick " << frame + 24;
            EXPECT_EQ(first[frame + 23].frame, frame);
        }
        EXPECT_EQ(first[48].box, BannerBox::None);
        EXPECT_EQ(first[48].frame, 0);
    }
    // The rest tick starts the counter over.
    EXPECT_EQ(counter, 0);
}

TEST(BannerCycle, CounterOutsideTheCycleStartsOver) {
    std::int16_t counter = 200;
    EXPECT_EQ(advanceBanner(counter).box, BannerBox::None);
    EXPECT_EQ(counter, 0);
    counter = -5;
    EXPECT_EQ(advanceBanner(counter).box, BannerBox::None);
    EXPECT_EQ(advanceBanner(counter).frame, 1);
}

} // namespace dialog
