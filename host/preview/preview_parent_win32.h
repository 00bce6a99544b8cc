#pragma once

#include "handle_win32.h"

#include <windows.h>

// What the preview takes from the window it is shown in.

// Ends this program as soon as the process that owns a window ends. It
// waits on a thread of the system's pool, so it needs neither our window
// nor our message loop: a killed owner may take our window with it without
// a message that would wake the loop. Without access to that process, or
// when this program owns the window, nothing is watched.
class OwnerProcessWatch {
  public:
    OwnerProcessWatch() = default;
    OwnerProcessWatch(const OwnerProcessWatch&) = delete;
    OwnerProcessWatch& operator=(const OwnerProcessWatch&) = delete;
    ~OwnerProcessWatch();

    // Watches the owner of window instead of whatever was watched so far.
    void watch(HWND window);

  private:
    void stop();

    win32::UniqueHandle process_;
    HANDLE wait_ = nullptr;
};

// Gives the calling thread the DPI awareness context of window, so that the
// windows it creates next agree with it, where Windows offers the functions
// (Windows 10 1607 and later); elsewhere, and for what is not a window,
// nothing changes.
void adoptDpiAwarenessOf(HWND window);
