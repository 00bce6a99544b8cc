#pragma once

// Time stamps of the start of a run, for the start-up benchmark
// (bench/host_startup.sh). When the environment variable KALENDRA_STARTUP_LOG
// names a file, every mark appends one line "<microseconds since 1970>
// <phase>" to it; both programs write to the same file, so the phases of one
// start line up on one clock. Without the variable a mark does nothing.
void markStartupPhase(const char* phase);
