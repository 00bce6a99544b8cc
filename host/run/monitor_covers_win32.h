#pragma once

#include "monitor_covers.h"

#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

// Plain black windows over the monitors a screensaver run does not draw on.
// They never take activation or the keyboard from the renderer, ignore
// clicks and hide the pointer, as the renderer's window does. They go with
// this object, and with the process however it ends.
class MonitorCovers {
  public:
    MonitorCovers() = default;
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // Reads the monitors from Windows and covers all but the primary one,
    // where the renderer's window will open.
    void show();
    // Once the renderer's window is known, at every look: the covers follow
    // the monitors as they are now and leave the renderer's one uncovered.
    void followRenderer(HWND rendererWindow);

  private:
    struct WindowDestroyer {
        void operator()(HWND window) const { DestroyWindow(window); }
    };
    using CoverWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

    void place(const std::vector<ScreenRect>& areas);

    std::vector<ScreenRect> covered_;
    std::vector<CoverWindow> windows_;
};
