#pragma once

#include "display_power.h"
#include "frame_cap.h"

#include <memory>

// Paces the renderer's frames: at most one per refresh of the display,
// whatever the driver does with the swap interval, and none while the
// system reports the display switched off.
class FramePacing {
  public:
    // Once the window and its GL context exist: reads the display's refresh
    // rate and starts watching its power.
    void start();
    // After each swap: waits for the rest of the refresh period.
    void frameSwapped();
    // In the idle callback: while the display is off, sleeps until the
    // window system has something for the program (at most a second) and
    // returns true: no frame then. The flock goes on as after a pause.
    bool resting();
    bool drawing() const { return power_.drawing(); }
    // Which cap is in force: "frames capped at 60 Hz (the display's rate)".
    const char* describe() const;

  private:
    std::unique_ptr<FrameCap> cap_;
    DisplayPower power_;
};
