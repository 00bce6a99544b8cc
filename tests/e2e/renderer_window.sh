#!/usr/bin/env bash
# The renderer's window as a user meets it: full screen, the background
# colour, deaf to every key and click but Escape, which ends it with status 0.
# Usage: renderer_window.sh WORKDIR COMMAND...
# WORKDIR is the folder the renderer knows as C:\tolvek_temp.
source "$(dirname "$0")/lib.sh"
workdir=$1
shift
expected_background=${EXPECT_BACKGROUND:-0,0,242}

e2e_ensure_display
mkdir -p "$workdir"
# An empty sky, so that every pixel is background.
e2e_start_renderer "$workdir" 0 "$@"
e2e_note "window $id"
screen=$(e2e_screen_size)
shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"
# The first frames may still have the size the window had before it went
# full screen: wait until it covers the screen in the background colour.
full_screen_background() {
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  [ "$x $y ${w}x$h" = "0 0 $screen" ] || return 1
  e2e_screenshot "$shot"
  stray=$(e2e_count_not "$shot" "$expected_background")
  [ "$stray" -eq 0 ]
}
if ! e2e_eventually 10 full_screen_background; then
  [ "$x $y ${w}x$h" = "0 0 $screen" ] || e2e_fail "window at $x,$y size ${w}x$h, screen $screen"
  e2e_fail "$stray pixels are not the background $expected_background (centre: $(e2e_pixel "$shot" 640 512))"
fi

# Keys, clicks and motion other than Escape and the menu button change
# nothing. The keys come first: the window has the keyboard without a click.
e2e_keys "$id" a space Return Tab F1 Up Left BackSpace
xdotool mousemove 100 100 click 1 mousemove 600 400 click 2 mousemove 900 700
xdotool mousedown 1 mousemove 300 300 mouseup 1
sleep 1
kill -0 "$pid" 2>/dev/null || e2e_fail "the renderer ended on a key or click other than Escape"
e2e_screenshot "$shot"
stray=$(e2e_count_not "$shot" "$expected_background")
[ "$stray" -eq 0 ] || e2e_fail "after input, $stray pixels are not the background"

e2e_keys "$id" Escape
start=$(date +%s%N)
e2e_wait_exit "$pid" 1 || e2e_fail "the renderer did not end within a second of Escape"
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$e2e_status" -eq 0 ] || e2e_fail "exit status $e2e_status after Escape"
e2e_note "ended with status 0, ${elapsed} ms after Escape"
echo "PASS"
