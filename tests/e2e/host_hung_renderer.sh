#!/usr/bin/env bash
# A renderer that stops answering never traps the user: its window not
# answering for 10 s of the host's running time ends the renderer and the
# run (music, covers and pointer as at every end), between 10 and 16 s after
# it stopped; a stall of 4 s changes nothing. Played by a stand-in renderer
# (stand_in_renderer.exe under the renderer's file name), then by the real
# renderer frozen with SIGSTOP, which Wine ends as well.
# Usage: host_hung_renderer.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW STAND_IN
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
stand_in=$6
e2e_ensure_display

real_host=$host_program
folder=$(mktemp -d /tmp/kalendra-hung-e2e.XXXXXX)
e2e_on_exit "rm -rf $folder"
cp "$host_program" "$folder/Kalendra.scr"
cp "$stand_in" "$folder/Kalendra.dll"
e2e_on_exit host_clean_workdir
# shellcheck disable=SC2016 # expanded when the cleanup runs
e2e_on_exit 'kill -CONT $(host_renderer_pids); kill -9 $(host_renderer_pids)'

# Waits up to $2 seconds for file $1; prints the time it was found (ms).
await_file() {
  local deadline=$((SECONDS + $2))
  until [ -e "$1" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
  host_now_ms
}

# Starts a run of the stand-in in mode $1; sets stopped to the time (ms) it
# stopped answering.
start_stand_in() {
  host_program=$folder/Kalendra.scr
  host_clean_workdir
  mkdir -p "$host_workdir"
  e2e_await_no_window Butterfly_VC
  export KALENDRA_STAND_IN=$1
  host_start /s
  unset KALENDRA_STAND_IN
  stopped=$(await_file "$host_workdir/stand_in_stopped" 40) || host_fail "the stand-in did not stop ($1)"
}

renderer_gone() { [ -z "$(host_renderer_pids)" ]; }

# Waits for the host to end with status 0 and its renderer to be gone, at
# most 20 s after $1 (ms); checks that took between 10 and 16 s from $1.
expect_end_after_hang() {
  local since=$1 what=$2
  e2e_wait_exit "$host_pid" 20 || host_fail "the host still runs 20 s after $what stopped answering"
  [ "$e2e_status" -eq 0 ] || host_fail "the host ended with status $e2e_status ($what)"
  host_ended=$(($(host_now_ms) - since))
  e2e_eventually 3 renderer_gone || true
  gone=$(($(host_now_ms) - since))
  [ "$host_ended" -ge 10000 ] && [ "$host_ended" -le 16000 ] ||
    e2e_fail "the host ended $host_ended ms after $what stopped answering"
}

# A stand-in that stops reading its messages for good.
start_stand_in hang
expect_end_after_hang "$stopped" "the stand-in"
[ -z "$(host_renderer_pids)" ] || e2e_fail "the hung stand-in still runs after the host ended"
[ "$gone" -le 16000 ] || e2e_fail "the hung stand-in was gone only $gone ms after it stopped"
e2e_note "stand-in hung: host ended after $host_ended ms, stand-in gone after $gone ms"

# A stand-in that stalls for 4 s and then goes on: the run goes on.
start_stand_in stall
await_file "$host_workdir/stand_in_resumed" 10 >/dev/null || e2e_fail "the stand-in did not go on"
left=$((12000 - ($(host_now_ms) - stopped)))
[ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
kill -0 "$host_pid" 2>/dev/null || host_fail "the run ended after a stall of 4 s"
[ -n "$(host_renderer_pids)" ] || e2e_fail "the stand-in was ended after a stall of 4 s"
answer=$("$host_wine_run" "$host_prefix" "$host_test_window" --post Butterfly_VC close 2>/dev/null | tr -d '\r')
[ "$answer" = sent ] || e2e_fail "no stand-in window to close: $answer"
e2e_wait_exit "$host_pid" 5 || host_fail "the host still runs after the stand-in closed its window"
[ "$e2e_status" -eq 0 ] || host_fail "the host ended with status $e2e_status after the stall"
e2e_note "stand-in stalled 4 s: the run went on for $((($(host_now_ms) - stopped) / 1000)) s until closed"

# The real renderer, frozen with SIGSTOP: Wine ends such a process too.
host_program=$real_host
host_clean_workdir
mkdir -p "$host_workdir"
printf '[Settings]\r\nNum100= 10\r\n' >"$host_workdir/Kalendra.ini"
e2e_await_no_window Butterfly_VC
host_start /s
e2e_wait_window Butterfly_VC 40 >/dev/null || host_fail "no renderer window"
sleep 1
renderer=$(host_renderer_pids)
[ -n "$renderer" ] || e2e_fail "no renderer process to stop"
kill -STOP $renderer
expect_end_after_hang "$(host_now_ms)" "the stopped renderer"
# Ended, though perhaps not yet reaped by the process that inherits it.
state=$(ps -o stat= -p "$renderer" || true)
[ -z "$state" ] || [[ $state == Z* ]] ||
  e2e_fail "the stopped renderer still runs after the host ended (state $state)"
e2e_note "renderer stopped with SIGSTOP: host ended after $host_ended ms, renderer gone after $gone ms"
echo "PASS"
