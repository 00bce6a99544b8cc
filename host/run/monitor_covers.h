#pragma once

#include <optional>
#include <vector>

// A rectangle on the virtual screen in physical pixels; right and bottom are
// exclusive. Monitors left of or above the primary one have negative places.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const ScreenRect& a, const ScreenRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

struct MonitorArea {
    ScreenRect area;
    bool primary = false;
};

// The monitors a screensaver run covers with black: every monitor but the
// renderer's, in the order given. The renderer's monitor is the one holding
// the largest part of its window; before the window is known, or when it
// lies on no monitor, the primary one (the renderer opens its window at the
// primary monitor's corner). A monitor sharing pixels with the renderer's
// (a mirrored one) is not covered either: a cover there would hide the run.
std::vector<ScreenRect> monitorsToCover(const std::vector<MonitorArea>& monitors,
                                        std::optional<ScreenRect> rendererWindow);
