#!/usr/bin/env bash
# The single-instance guard: while a window titled "■Kalendra■" (the settings
# dialog) or "Butterfly_Main" exists, every start of the host ends at once and
# writes nothing.
# Usage: host_guard.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

# Every mode ends at once, leaving the working directory as it was (absent).
check_blocked_by() {
  local title=$1 argument
  host_clean_workdir
  host_open_test_window "$title" 0 0 200 100 120000
  for argument in /s "" /a /c "/p 0"; do
    # shellcheck disable=SC2086
    host_run_to_end 15 $argument
    [ ! -e "$host_workdir" ] || e2e_fail "'$argument' wrote into the working directory ($title)"
    e2e_window_gone Butterfly_VC || e2e_fail "'$argument' started the renderer ($title)"
  done
  kill -9 "$host_test_window_pid"
  wait "$host_test_window_pid" 2>/dev/null || true
  e2e_note "blocked by a window titled $title"
}
check_blocked_by --dialog
check_blocked_by Butterfly_Main

echo "PASS"
