#include "monitor_covers.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t overlap(const ScreenRect& a, const ScreenRect& b) {
    std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

std::size_t primaryIndex(const std::vector<MonitorArea>& monitors) {
    auto primary = std::find_if(monitors.begin(), monitors.end(),
                                [](const MonitorArea& monitor) { return monitor.primary; });
    return primary == monitors.end() ? 0 : static_cast<std::size_t>(primary - monitors.begin());
}

std::size_t rendererIndex(const std::vector<MonitorArea>& monitors,
                          const std::optional<ScreenRect>& rendererWindow) {
    std::size_t best = primaryIndex(monitors);
    if (!rendererWindow) {
        return best;
    }
    std::int64_t bestOverlap = overlap(monitors[best].area, *rendererWindow);
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        std::int64_t shared = overlap(monitors[i].area, *rendererWindow);
        if (shared > bestOverlap) {
            best = i;
            bestOverlap = shared;
        }
    }
    return best;
}

} // namespace

std::vector<ScreenRect> monitorsToCover(const std::vector<MonitorArea>& monitors,
                                        std::optional<ScreenRect> rendererWindow) {
    std::vector<ScreenRect> covers;
    if (monitors.empty()) {
        return covers;
    }
    const ScreenRect& renderer = monitors[rendererIndex(monitors, rendererWindow)].area;
    for (const MonitorArea& monitor : monitors) {
        const ScreenRect& area = monitor.area;
        if (area.right > area.left && area.bottom > area.top && overlap(area, renderer) == 0) {
            covers.push_back(area);
        }
    }
    return covers;
}
