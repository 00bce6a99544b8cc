#!/usr/bin/env bash
# Screensaver runs on a display with two monitors: the renderer fills the
# primary monitor, the other one is black from the start of the run to its
# end, hiding the windows on it (also when it goes and comes during the run), and
# shows them again afterwards. Escape ends the run without a click, also
# after moves and clicks over the black monitor; nothing is left behind.
# Usage: host_two_monitors.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
# PREFIX is a Wine prefix of its own: a Wine session takes its monitors from
# the display it started on, so it is not shared with the one-monitor tests.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
source "$(dirname "$0")/two_monitor_display.sh"
e2e_two_monitor_display
e2e_on_exit "WINEPREFIX=$host_prefix /usr/lib/wine/wineserver -k"

shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"
# The number of pixels of monitor 1 that are not black.
monitor1_not_black() {
  e2e_screenshot "$shot"
  convert "$shot" -crop "$e2e_monitor1_geometry" +repage "$shot"
  e2e_count_not "$shot" 0,0,0
}

# Places of the host's visible windows ("X Y W H", one a line).
host_windows() {
  local window
  for window in $(xdotool search --onlyvisible --class 'kalendra\.scr' 2>/dev/null); do
    e2e_window_geometry "$window"
  done
}

# A private window on monitor 1: grey, 600 x 400.
host_open_test_window Private 1400 100 600 400 600000
e2e_wait_window Private 60 >/dev/null || e2e_fail "the private window did not show"
sleep 0.5
visible=$(monitor1_not_black)
[ "$visible" -ge 240000 ] || e2e_fail "the private window shows only $visible pixels before a run"

# One run, ended with Escape; $1 is "clicks" to click over monitor 1 before,
# "monitor off and on" to switch it off and on before, "renderer killed" or
# "session end" to end it so instead.
check_run() {
  host_clean_workdir
  mkdir -p "$host_workdir"
  printf '[Settings]\r\nNum= 1\r\n' >"$host_workdir/Kalendra.ini"
  host_start /s
  local id
  id=$(e2e_wait_window Butterfly_VC 60) || e2e_fail "no Butterfly_VC window ($1)"
  # Black from before the renderer's window showed.
  local shown
  shown=$(monitor1_not_black)
  [ "$shown" -eq 0 ] || e2e_fail "$shown pixels of monitor 1 are not black as the renderer starts ($1)"
  sleep 1.5
  # Looked up again each time: Wine may replace the X window when it goes
  # full screen.
  local place= deadline=$((SECONDS + 15))
  while [ "$place" != "0 0 1280 1024" ] && [ $SECONDS -lt $deadline ]; do
    sleep 0.2
    id=$(e2e_wait_window Butterfly_VC 1) && place=$(e2e_window_geometry "$id" 2>/dev/null) || place=
  done
  [ "$place" = "0 0 1280 1024" ] ||
    e2e_fail "the renderer's window is at '$place', not on the primary monitor; renderer: $(host_renderer_pids) ($1)"
  shown=$(monitor1_not_black)
  [ "$shown" -eq 0 ] || e2e_fail "$shown pixels of monitor 1 are not black during the run ($1)"
  # The renderer's monitor is not covered: its blue sky fills most of it.
  e2e_screenshot "$shot"
  convert "$shot" -crop 1280x1024+0+0 +repage "$shot"
  local lit
  lit=$(e2e_count_not "$shot" 0,0,0)
  [ "$lit" -gt 655360 ] || e2e_fail "only $lit pixels of the primary monitor are not black ($1)"
  xdotool mousemove 1500 300 sleep 0.2 mousemove 2200 700 sleep 0.2 mousemove 1300 20
  if [ "$1" = "monitor off and on" ]; then
    # Monitors that go and come during the run (a sleeping display may
    # disconnect): the covers follow them, the renderer stays uncovered.
    xrandr --output DUMMY1 --off
    sleep 1.5
    local covers
    covers=$(host_windows)
    [ -z "$covers" ] || e2e_fail "with monitor 1 off the host's windows are at '$covers'"
    xrandr --output DUMMY1 --auto --pos 1280x0
    sleep 1.5
    covers=$(host_windows)
    [ "$covers" = "1280 0 1024 768" ] || e2e_fail "with monitor 1 back the host's windows are at '$covers'"
  fi
  if [ "$1" = clicks ]; then
    xdotool mousemove 1600 400 click 1 sleep 0.3 click 1 sleep 0.3 mousemove 2000 600 click 1
    sleep 0.5
    shown=$(monitor1_not_black)
    [ "$shown" -eq 0 ] || e2e_fail "$shown pixels of monitor 1 are not black after clicks on it"
  fi
  sleep 0.3
  kill -0 "$host_pid" 2>/dev/null || e2e_fail "the run ended before its end ($1)"
  local start
  start=$(host_now_ms)
  case $1 in
  "renderer killed") kill -9 $(host_renderer_pids) ;;
  "session end")
    "$host_wine_run" "$host_prefix" "$host_test_window" --post Tesmar_Main endsession >/dev/null 2>&1
    ;;
  *) xdotool key Escape ;;
  esac
  e2e_wait_exit "$host_pid" 5 || e2e_fail "the host still runs 5 s after the end ($1)"
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status ($1)"
  local elapsed=$(($(host_now_ms) - start))
  if [ "$1" = "session end" ]; then
    kill -9 $(host_renderer_pids) # the end of the session is the renderer's own to handle
  else
    [ -z "$(host_renderer_pids)" ] || e2e_fail "the renderer still runs ($1)"
  fi
  e2e_await_no_window Butterfly_VC
  [ -z "$(xdotool search --class 'kalendra\.(scr|dll)' 2>/dev/null)" ] ||
    e2e_fail "windows of the programs are left ($1)"
  sleep 0.5
  shown=$(monitor1_not_black)
  # Wine moves the private window off a monitor that goes.
  [ "$shown" -eq "$visible" ] || [ "$1" = "monitor off and on" ] ||
    e2e_fail "after the run monitor 1 shows $shown pixels that are not black, before it $visible ($1)"
  e2e_note "$1: monitor 1 black during the run; host ended $elapsed ms after the end, the private window back"
}
check_run "no clicks"
check_run clicks
check_run "renderer killed"
check_run "session end"
check_run "monitor off and on"
echo "PASS"
