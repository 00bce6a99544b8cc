#!/usr/bin/env bash
# The flock on screen and the right-button menu: trails, colour schemes and
# cameras each change the next frame. It runs on a bare display: under a
# window manager Wine opens the menu of the full-screen window behind it,
# where no screenshot sees it.
# Usage: renderer_scene.sh WORKDIR COMMAND...
source "$(dirname "$0")/lib.sh"
workdir=$1
shift
fade=0,0,242
clear=0,0,255
menu_x=300
menu_y=300

e2e_ensure_display --bare
mkdir -p "$workdir"
# The real textures, whatever an earlier or a concurrent test left there:
# the colour checks below expect the natural wings.
cp "$(dirname "$0")"/../../assets/textures/Butterfly0*.bmp "$workdir/"
shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"


launch() {
  printf '[Settings]\r\nNum100= %s\r\n' "$1" >"$workdir/Kalendra.ini"
  shift
  e2e_await_no_window Butterfly_VC
  "$@" >/dev/null 2>&1 &
  pid=$!
  e2e_on_exit "kill -9 $pid"
  id=$(e2e_wait_window Butterfly_VC 30) || e2e_fail "no Butterfly_VC window appeared"
  sleep 1
}

# Without a window manager nothing gives the window the keyboard, and Wine's
# menus answer clicks only when their owner is the foreground window.
take_focus() {
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

finish() {
  take_focus
  e2e_keys "$id" Escape
  e2e_wait_exit "$pid" 3 || e2e_fail "the renderer did not end on Escape"
  [ "$e2e_status" -eq 0 ] || e2e_fail "exit status $e2e_status"
}

# Retries "$@" (a test of a fresh screenshot) until it holds, for up to ten
# seconds: Wine may take a moment under load to act on a menu choice.
eventually() {
  local deadline=$((SECONDS + 10))
  while true; do
    e2e_screenshot "$shot"
    "$@" && return 0
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.3
  done
}
all_background() { [ "$(e2e_count_not "$shot" "$1")" -eq 0 ]; }

# Menu geometry, measured on an empty sky: the main menu's box and, for each
# of its three entries, the box of the submenu it opens.
declare -A sub_box
main_box=
# Each move settles before the click, so the click lands where it is meant.
open_menu() {
  take_focus
  xdotool mousemove "$menu_x" "$menu_y" sleep 0.3 click 3
  sleep 0.8
}
entry_centre() { # box "W H X Y", entry index, entry count -> "X Y"
  local w h x y
  read -r w h x y <<<"$1"
  echo "$((x + w / 2)) $((y + h * (2 * $2 + 1) / (2 * $3)))"
}
hover_main_entry() {
  local cx cy
  read -r cx cy <<<"$(entry_centre "$main_box" "$1" 3)"
  xdotool mousemove "$cx" "$cy"
  sleep 0.6
}
# With the submenu of main entry $1 open, clicks its entry $2 of $3.
click_sub_entry() {
  local cx cy tx ty
  read -r cx cy <<<"$(entry_centre "$main_box" "$1" 3)"
  read -r tx ty <<<"$(entry_centre "${sub_box[$1]}" "$2" "$3")"
  # Along the entry's row into the submenu, then down to the choice.
  xdotool mousemove "$tx" "$cy"
  sleep 0.3
  xdotool mousemove "$tx" "$ty"
  sleep 0.3
  xdotool click 1
  sleep 0.3
  xdotool mousemove 5 5
  sleep 0.5
}
choose() { # main entry index, submenu entry index, submenu entry count
  open_menu
  hover_main_entry "$1"
  click_sub_entry "$@"
}

# --- An empty sky: calibrate the menu, then the trail modes' backgrounds.
launch 0 "$@"
# The first frames may still have the size the window had before it went
# full screen.
eventually all_background "$fade" || e2e_fail "Fade background is not $fade"
open_menu
e2e_screenshot "$shot"
main_box=$(e2e_bbox_not "$shot" "$fade")
[ -n "$main_box" ] || e2e_fail "no menu appeared on the right button"
e2e_note "menu box $main_box"
entry_counts=(2 3 4)
for entry in 0 1 2; do
  if [ "$entry" -gt 0 ]; then
    open_menu
  fi
  hover_main_entry "$entry"
  read -r mw mh mx my <<<"$main_box"
  # The submenu lies right of the main menu; wait until it stands still.
  previous=none
  submenu_settled() {
    convert "$shot" -fill "rgb($fade)" -draw "rectangle $mx,$my $((mx + mw - 1)),$((my + mh - 1))" "$shot"
    local box
    box=$(e2e_bbox_not "$shot" "$fade")
    [ -n "$box" ] && [ "$box" = "$previous" ] && return 0
    previous=$box
    return 1
  }
  eventually submenu_settled || e2e_fail "entry $entry opened no submenu"
  sub_box[$entry]=$previous
  e2e_note "submenu $entry box ${sub_box[$entry]}"
  [ -z "${E2E_KEEP:-}" ] || cp "$shot" "$E2E_KEEP/calib$entry.png"
  # Close the menu through its last entry: harmless on an empty sky, and
  # Trails' last entry is the Fade already chosen.
  count=${entry_counts[$entry]}
  click_sub_entry "$entry" $((count - 1)) "$count"
  eventually all_background "$fade" || e2e_fail "the menu did not close on a choice"
done

choose 1 0 3 # Trails / None
eventually all_background "$clear" || e2e_fail "None: background is not $clear"
choose 1 2 3 # Trails / Fade
eventually all_background "$fade" || e2e_fail "Fade again: background is not $fade"
choose 1 1 3 # Trails / Solid
eventually all_background "$clear" || e2e_fail "Solid: background is not $clear"
finish
e2e_note "trail modes: Fade $fade, None and Solid $clear"

# --- The default flock.
launch 500 "$@"
e2e_screenshot "$shot"
first=$(e2e_count_not "$shot" "$fade")
[ "$first" -gt 5000 ] || e2e_fail "only $first pixels of butterflies"
cp "$shot" "$shot.a.png"
e2e_on_exit "rm -f $shot.a.png"
sleep 0.5
e2e_screenshot "$shot"
moved=$(compare -metric AE "$shot.a.png" "$shot" null: 2>&1 | e2e_round || true)
[ "$moved" -gt 1000 ] || e2e_fail "the flock did not move ($moved pixels changed)"
e2e_note "butterflies cover $first pixels; $moved pixels changed in half a second"

# The renderer frozen (as by a sleep of the computer) and resumed: the flock
# is back on screen at once, not flown far out of the box by the pause.
e2e_on_exit "kill -CONT $pid"
kill -STOP "$pid"
sleep 15
kill -CONT "$pid"
sleep 1
e2e_screenshot "$shot"
resumed=$(e2e_count_not "$shot" "$fade")
[ $((resumed * 2)) -gt "$first" ] ||
  e2e_fail "one second after a 15 s freeze butterflies cover $resumed pixels, before $first"
e2e_note "one second after a 15 s freeze butterflies cover $resumed pixels"

# Natural colours never have more green than red; random ones do.
[ "$(e2e_count_green_over_red "$shot" 40)" -lt 50 ] || e2e_fail "natural colours show green"
green_pixels() {
  count=$(e2e_count_green_over_red "$shot" 40)
  [ "$count" "$1" "$2" ]
}
choose 0 1 2 # Color Scheme / Random
eventually green_pixels -gt 1000 || e2e_fail "Random colours: only $count green pixels"
green=$count
choose 0 0 2 # Color Scheme / Natural
eventually green_pixels -lt 50 || e2e_fail "Natural again: $count green pixels"
back=$count
e2e_note "colour schemes: random $green green-dominant pixels, natural $back"

# Cameras: without trails, what covers the sky is the butterflies
# themselves. Top-Down Near looks from 65 units where Oblique Far looks from
# 97, so each butterfly's picture grows by about (97/65)^2 = 2.2 in area.
# Overlaps hide part of that growth; the depth -ln(uncovered share) does not
# saturate, and must grow by at least 1.4 (room for the flock's own drift).
size=$(e2e_screen_size)
total=$((${size%x*} * ${size#*x}))
sky_pixels() { # pixels of the clear sky colour in the screenshot
  echo $((total - $(e2e_count_not "$shot" "$clear")))
}
# Fade's darker sky has no pixel of the clear colour; None's has many.
sky_cleared() {
  [ "$(sky_pixels)" -gt 10000 ]
}
choose 1 0 3 # Trails / None
eventually sky_cleared || e2e_fail "None did not clear the sky"
sleep 0.5
e2e_screenshot "$shot"
far=$(sky_pixels)
closer() {
  near=$(sky_pixels)
  awk -v far="$far" -v near="$near" -v total="$total" \
    'BEGIN { exit !(near > 0 && -log(near / total) > 1.4 * -log(far / total)) }'
}
choose 2 3 4 # Camera / Top-Down Near
eventually closer || e2e_fail "Top-Down Near does not bring the flock closer (sky ${far} to ${near} of ${total} pixels)"
e2e_note "sky left uncovered: Oblique Far ${far} pixels, Top-Down Near ${near} of ${total}"
finish
echo PASS
