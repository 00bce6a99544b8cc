#pragma once

#include <cstdint>
#include <string>

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

// The path under which this system finds a file named with a Windows path.
// On Windows it is the path itself; elsewhere "c:\tolvek_temp\" names the
// folder workingDirectory() and backslashes become slashes.
std::string nativePath(const char* path);
const char* workingDirectory();
