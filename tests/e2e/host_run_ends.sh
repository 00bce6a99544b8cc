#!/usr/bin/env bash
# How a screensaver run ends apart from the renderer's Escape: a close
# request and the end of the Windows session sent to the host's hidden form
# stop the music and end the host; a renderer that never opens its window
# ends the run once the start-up wait is over, and is ended with it. "/s"
# hides the pointer for the run and shows it again at its end; an empty
# argument leaves it alone: read from Wine's trace of the host thread's show
# count (the pointer stays visible over the renderer under Wine whatever the
# count).
# Usage: host_run_ends.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

scratch=$(mktemp -d /tmp/kalendra-ends-e2e.XXXXXX)
e2e_on_exit "rm -rf $scratch"
e2e_on_exit host_clean_workdir
# shellcheck disable=SC2016 # expanded when the cleanup runs
e2e_on_exit 'kill -9 $(host_renderer_pids)'
trace=$scratch/trace

# The host thread's pointer show counts in trace $1, in order ("-1 0"): the
# thread is the one that sends the music commands.
host_pointer_counts() {
  local thread
  thread=$(grep -m1 -F 'mciSendStringW (L"open' "$1" | cut -d: -f1)
  grep -F "$thread:trace:cursor:NtUserShowCursor" "$1" | sed -E 's/.*count=(-?[0-9]+).*/\1/' |
    tr -d '\r' | paste -sd' '
}

# A run with an MP3 file (not a real one: its commands are sent all the
# same), started with argument $2 (none when empty) and ended by message $1
# to the hidden form; $3 the host thread's pointer show counts.
end_by_message() {
  local message=$1 argument=$2 counts=$3
  host_clean_workdir
  mkdir -p "$host_workdir"
  printf 'junk' >"$host_workdir/tune.mp3"
  printf '[Settings]\r\nNum= 1\r\nBGM\x8b\xe6\x95\xaa= 2\r\nBGM\xcc\xa7\xb2\xd9=C:\\tolvek_temp\\tune.mp3\r\n' \
    >"$host_workdir/Kalendra.ini"
  e2e_await_no_window Butterfly_VC
  (
    export WINEDEBUG=+mci,+cursor
    exec "$host_wine_run" "$host_prefix" "$host_program" ${argument:+"$argument"} >/dev/null 2>"$trace"
  ) &
  host_pid=$!
  e2e_on_exit "kill -9 $host_pid"
  e2e_wait_window Butterfly_VC 40 >/dev/null || e2e_fail "no Butterfly_VC window ($message)"
  sleep 1
  local answer
  answer=$("$host_wine_run" "$host_prefix" "$host_test_window" --post Tesmar_Main "$message" 2>/dev/null | tr -d '\r')
  [ "$answer" = sent ] || e2e_fail "the hidden window was not found ($message): $answer"
  e2e_wait_exit "$host_pid" 5 || e2e_fail "the host still runs 5 s after $message"
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status ($message)"
  grep -qF 'mciSendStringW (L"close MP3Play"' "$trace" || e2e_fail "the music was not closed ($message)"
  [ "$(host_pointer_counts "$trace")" = "$counts" ] ||
    e2e_fail "pointer show counts with '$argument': '$(host_pointer_counts "$trace")', not '$counts'"
  # The renderer is not the host's to end here; the next run needs the screen.
  kill -9 $(host_renderer_pids) 2>/dev/null || true
  e2e_note "$message to the hidden window ('$argument'): music closed, host ended, pointer counts '$counts'"
}

end_by_message close /s "-1 0"
end_by_message endsession /s "-1 0"
end_by_message close "" ""

# A renderer that starts but never opens a window: the test window program,
# without arguments, under the renderer's name.
lonely=$(mktemp -d)
e2e_on_exit "rm -rf $lonely"
cp "$host_program" "$lonely/Kalendra.scr"
cp "$host_test_window" "$lonely/Kalendra.dll"
host_program=$lonely/Kalendra.scr
host_clean_workdir
start=$(host_now_ms)
host_start /s
e2e_wait_exit "$host_pid" 20 || e2e_fail "the host still runs 20 s after its start"
elapsed=$(($(host_now_ms) - start))
[ -z "$(host_renderer_pids)" ] || e2e_fail "the stand-in renderer without a window outlived the host"
[ "$elapsed" -ge 9000 ] || e2e_fail "the run ended $elapsed ms after its start, before the start-up wait"
e2e_note "renderer without a window: it and the host ended $elapsed ms after the start"
echo "PASS"
