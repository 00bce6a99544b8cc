#pragma once

#include <windows.h>

namespace forms {

// Gives the form that holds the message's window its keyboard handling
// (Tab by tab index, then Windows' dialog keyboard: Enter, Escape, access
// keys), then translates and dispatches.
void dispatchMessage(const MSG& message);

// Runs the program's message loop until no form is loaded any more, or
// until WM_QUIT.
void runMessageLoop();

// Handles the messages already waiting, then returns.
void doEvents();

} // namespace forms
