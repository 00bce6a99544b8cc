#pragma once

struct HackOptions;

// Runs the flock in the window options name (an xscreensaver display mode)
// until SIGTERM or SIGINT, or until the window goes. No window of its own,
// no input: xscreensaver owns the keyboard and the pointer. Returns the
// process's exit status.
int runHackMode(const HackOptions& options);
