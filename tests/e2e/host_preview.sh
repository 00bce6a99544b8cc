#!/usr/bin/env bash
# The preview: a child of the given window, sized to it, black with the
# preview picture at its top-left corner; it ends when that window goes, and
# at once when the handle is missing or not a window. It never touches the
# working directory.
# Usage: host_preview.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display
# Wine gives a child window of another process's window no drawing surface
# of its own, so the picture cannot be seen on the screen here: the test
# window reports its children, and host_preview_tests checks the painting.

# Preview in a window of $1 x $2 pixels; with a third argument, also checks
# that the preview sends no message to that window (Wine's trace of the
# messages it sends).
check_preview() {
  local width=$1 height=$2 traced=${3:-}
  host_clean_workdir
  host_open_test_window preview_parent 100 100 "$width" "$height" 8000
  local trace_start
  trace_start=$(wc -l <"$host_output")
  WINEDEBUG=${traced:++msg} host_start /p "$host_test_window_handle"
  local expected="child 0 0 $width $height 1 Preview Window" children=
  local deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    children=$(host_test_window_children)
    [ "$children" = "$expected" ] && break
    sleep 0.2
  done
  [ "$children" = "$expected" ] ||
    e2e_fail "children of the ${width}x$height window: '$children', expected '$expected'"
  kill -0 "$host_pid" 2>/dev/null || e2e_fail "the preview ended while its window was there"
  # The window goes after 8 s while its process lives on: the preview ends.
  e2e_wait_exit "$host_pid" 15 || host_fail "the preview still runs after its window went"
  [ "$e2e_status" -eq 0 ] || host_fail "the preview ended with status $e2e_status"
  # A message sent to the window waits for that window's thread, which may
  # stop answering while its window goes (the test window's does): the host
  # would wait with it.
  if [ -n "$traced" ]; then
    local sent
    sent=$(tail -n "+$((trace_start + 1))" "$host_output" |
      grep -F "send_inter_thread_message hwnd $(printf '0x%x' "$host_test_window_handle") " |
      head -1) || true
    [ -z "$sent" ] || e2e_fail "the preview sent a message to the window it is in: $sent"
  fi
  kill -0 "$host_test_window_pid" 2>/dev/null ||
    e2e_fail "the test window's process had ended: not a test of the window going"
  kill -9 "$host_test_window_pid"
  wait "$host_test_window_pid" 2>/dev/null || true
  [ ! -e "$host_workdir" ] || e2e_fail "the preview created the working directory"
  e2e_note "preview in ${width}x$height: a visible child at (0,0) of that size, ended with its window"
}
check_preview 152 112 traced
check_preview 240 180
check_preview 100 80

# The preview area's process is killed while its window is there (under
# Wine the window and our child in it stay): the preview ends within a
# second all the same.
host_clean_workdir
host_open_test_window preview_parent 100 100 152 112 60000
host_start /p "$host_test_window_handle"
for i in $(seq 100); do
  [ -n "$(host_test_window_children)" ] && break
  sleep 0.2
done
[ -n "$(host_test_window_children)" ] || e2e_fail "the preview did not go into the window"
host_kill_and_expect_end "$host_test_window_pid" "its window's process" 1000
e2e_note "the window's process killed: the preview ended $host_waited_ms ms later"

# No number, a number that is no window: ends at once, shows nothing.
for argument in "/p" "/p 12345" "/p -1" "/p abc"; do
  host_clean_workdir
  # shellcheck disable=SC2086
  host_run_to_end 15 $argument
  [ ! -e "$host_workdir" ] || e2e_fail "'$argument' created the working directory"
done
e2e_note "a missing or wrong handle ends the preview at once"
echo "PASS"
