#pragma once

#include <cstdint>
#include <string_view>

// What the host was asked to do, from the argument string Windows passes
// (the text after the program name).

enum class HostMode {
    Preview,             // "/p <handle>": draw into the control panel's preview area
    Settings,            // "/c" or "/c:<handle>": the settings dialog
    Screensaver,         // "/s": run, cursor hidden
    ScreensaverNoCursor, // empty argument string: run, cursor left alone
    None,                // anything else: end at once
};

struct CommandLine {
    HostMode mode = HostMode::None;
    // The preview window's handle as its 32 bits; 0 when there is none.
    std::int32_t previewWindow = 0;
};

// The mode from the second character, upper-cased: P, C, S; the empty
// string means the screensaver without hiding the cursor; any other
// string, including one shorter than two characters, means none.
HostMode hostModeOf(std::string_view arguments);

// The number that starts at the fourth character, leading blanks skipped,
// rounded with halves to even. Windows writes a window handle as a signed or
// an unsigned 32-bit number, so both notations give the same 32 bits
// (4294967295 and -1 are the same handle); anything outside
// -2147483648..4294967295, or no number, gives 0.
std::int32_t previewWindowOf(std::string_view arguments);

// Both of the above; the handle only in preview mode.
CommandLine parseCommandLine(std::string_view arguments);
