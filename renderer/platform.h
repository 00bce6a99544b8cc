#pragma once

#include <cstdint>
#include <string>

class DisplayPower;

// The renderer's few needs of the operating system. Win32 and POSIX versions
// live in platform_win32.cpp and platform_posix.cpp.

// An integer from an INI file, as GetPrivateProfileIntA reads it: the default
// when the file, section or key is missing or the value is empty.
int readProfileInt(const char* section, const char* key, int defaultValue, const char* path);

// Shows or hides the mouse pointer over the renderer's window.
void showPointer(bool visible);

// Asks the driver to show one frame per refresh of the display (a swap
// interval of 1) for the current GL context, where it offers that; false
// when it does not. Motion is measured in seconds, so pacing changes only
// how smooth it looks and how much power it takes.
bool paceFramesToDisplay();

// High-resolution clock: a counter and its ticks per second.
std::int64_t performanceCounter();
std::int64_t performanceFrequency();

// Waits until performanceCounter() reaches counter, to within a fraction of
// a millisecond (not a scheduler tick), and without spinning for the bulk
// of the wait.
void waitForCounter(std::int64_t counter);

// The refresh rate in Hz of the display that shows the current GL context's
// window, as the system reports it; 0 when unknown.
int displayRefreshRate();

// Has the system tell power, from now on, whether the display of the
// current GL context's window is switched on (Windows' power-setting
// notifications; elsewhere nothing is reported and power stays on). power
// must outlive the window.
void watchDisplayPower(DisplayPower& power);

// Sleeps until the window system has something for the program, or for at
// most maxMs milliseconds.
void sleepUntilEvent(int maxMs);

// The path under which this system finds a file named with a Windows path.
// On Windows it is the path itself; elsewhere "c:\tolvek_temp\" names the
// folder workingDirectory() and backslashes become slashes.
std::string nativePath(const char* path);
const char* workingDirectory();
