#include "display_power.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(DisplayPower, DrawsUnlessTheDisplayIsReportedOff) {
    DisplayPower power;
    EXPECT_TRUE(power.drawing());
    const std::uint32_t off = 0, on = 1, dimmed = 2, unknown = 7;
    power.notify(&off, sizeof off);
    EXPECT_FALSE(power.drawing());
    power.notify(&dimmed, sizeof dimmed);
    EXPECT_TRUE(power.drawing());
    power.notify(&off, sizeof off);
    power.notify(&on, sizeof on);
    EXPECT_TRUE(power.drawing());
    power.notify(&off, sizeof off);
    power.notify(&unknown, sizeof unknown);
    EXPECT_TRUE(power.drawing());
}

TEST(DisplayPower, DataTooShortForAStateChangesNothing) {
    DisplayPower power;
    const std::uint32_t off = 0;
    power.notify(&off, sizeof off);
    const std::uint32_t on = 1;
    power.notify(&on, 3);
    power.notify(nullptr, 4);
    EXPECT_FALSE(power.drawing());
}
