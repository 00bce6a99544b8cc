#include "monitor_covers.h"

#include <gtest/gtest.h>

namespace {

const ScreenRect left{0, 0, 1280, 1024};
const ScreenRect right{1280, 0, 2304, 768};
// Left of and above the primary monitor: negative places.
const ScreenRect farLeft{-1920, -200, 0, 880};

using Covers = std::vector<ScreenRect>;

TEST(MonitorCovers, OneMonitorIsNeverCovered) {
    EXPECT_EQ(monitorsToCover({{left, true}}, std::nullopt), Covers{});
    EXPECT_EQ(monitorsToCover({{left, true}}, left), Covers{});
    EXPECT_EQ(monitorsToCover({}, left), Covers{});
}

TEST(MonitorCovers, BeforeTheRendererAllButThePrimaryAreCovered) {
    EXPECT_EQ(monitorsToCover({{left, true}, {right, false}}, std::nullopt), Covers{right});
    // The primary one need not come first, and others may lie at negative places.
    EXPECT_EQ(monitorsToCover({{farLeft, false}, {right, false}, {left, true}}, std::nullopt),
              (Covers{farLeft, right}));
    // No monitor marked primary: the first is taken for the renderer's.
    EXPECT_EQ(monitorsToCover({{right, false}, {left, false}}, std::nullopt), Covers{left});
}

TEST(MonitorCovers, TheRenderersWindowDecidesItsMonitor) {
    std::vector<MonitorArea> monitors{{farLeft, false}, {left, true}, {right, false}};
    // Full screen on the second monitor: the primary one is covered instead.
    EXPECT_EQ(monitorsToCover(monitors, right), (Covers{farLeft, left}));
    // A window across two monitors belongs to the one holding most of it.
    EXPECT_EQ(monitorsToCover(monitors, ScreenRect{-100, 0, 1000, 700}), (Covers{farLeft, right}));
    EXPECT_EQ(monitorsToCover(monitors, ScreenRect{-1900, 0, 100, 700}), (Covers{left, right}));
    // A window on no monitor leaves the primary one to the renderer.
    EXPECT_EQ(monitorsToCover(monitors, ScreenRect{5000, 5000, 5100, 5100}),
              (Covers{farLeft, right}));
}

TEST(MonitorCovers, MonitorsSharingTheRenderersPixelsStayUncovered) {
    // A mirrored monitor and one overlapping the renderer's are left alone;
    // a monitor of no size gets no cover.
    std::vector<MonitorArea> monitors{{left, true},
                                      {left, false},
                                      {ScreenRect{1000, 0, 2000, 768}, false},
                                      {ScreenRect{3000, 0, 3000, 768}, false},
                                      {right, false}};
    EXPECT_EQ(monitorsToCover(monitors, std::nullopt), Covers{right});
}

} // namespace
