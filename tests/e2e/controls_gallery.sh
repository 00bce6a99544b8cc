#!/usr/bin/env bash
# The custom controls' gallery under Wine: starts it, takes a screenshot and
# checks the frame's shadow rings and the buttons' outline and faces in each
# look at their places, then closes it with Escape (its cancel button).
# Usage: controls_gallery.sh WINE_RUN PREFIX GALLERY SCREENSHOT
source "$(dirname "$0")/lib.sh"
wine_run=$1
prefix=$2
gallery=$3
screenshot=$4
e2e_ensure_display

title="Kalendra controls gallery"
e2e_await_no_window "$title"
out=$(mktemp)
e2e_on_exit "rm -f $out"
"$wine_run" "$prefix" "$gallery" >"$out" 2>/dev/null &
gallery_pid=$!
e2e_on_exit "kill -9 $gallery_pid"

e2e_wait_window "$title" 30 >/dev/null || e2e_fail "the gallery did not open"
for _ in $(seq 100); do
  grep -q '^client ' "$out" && break
  sleep 0.1
done
read -r _ cx cy < <(tr -d '\r' <"$out" | grep '^client ')
[ -n "${cy:-}" ] || e2e_fail "the gallery did not report its place"
# The pointer far from every control, so that no look changes under it.
xdotool mousemove 1270 1010
sleep 1
e2e_screenshot "$screenshot"

# Pixel ($1, $2) of the client area must be "R,G,B" $3.
expect_pixel() {
  local got
  got=$(e2e_pixel "$screenshot" $((cx + $1)) $((cy + $2)))
  [ "$got" = "$3" ] || e2e_fail "$4: pixel ($1, $2) is $got, expected $3"
}

# Square frame with shadow depth 7 at (12, 12), 140 x 100 pixels, on RGB
# 224 grey: the face's outline, then rings 1..7 (117 .. 219) to its right;
# the band begins 7 pixels below the frame's top.
expect_pixel 144 62 0,0,0 "face outline"
ring=1
for x in 145 146 147 148 149 150 151; do
  value=$((100 + 17 * ring))
  expect_pixel "$x" 62 "$value,$value,$value" "shadow ring $ring"
  ring=$((ring + 1))
done
expect_pixel 151 18 224,224,224 "above the shadow band"
expect_pixel 151 19 219,219,219 "top of the shadow band"
expect_pixel 62 111 219,219,219 "bottom ring"
# The rounded frame's corner is cut: background shows.
expect_pixel 168 12 224,224,224 "rounded corner"
e2e_note "frames: outline and seven shadow rings in place"

# Buttons 105 x 33 pixels with tops at 160: the outline, and the line at
# y = 1 (gradient looks) or the flat face (disabled, pressed).
expect_pixel 15 160 201,199,186 "disabled outline"
expect_pixel 62 161 245,244,234 "disabled face"
expect_pixel 139 160 0,60,116 "normal outline"
expect_pixel 186 161 255,255,255 "normal top line"
expect_pixel 136 175 0,60,116 "normal left outline"
expect_pixel 310 161 206,231,255 "focused top line"
expect_pixel 434 161 255,243,206 "hot top line"
expect_pixel 558 161 231,227,222 "pressed face"
e2e_note "buttons: five looks in place"

id=$(e2e_wait_window "$title" 5)
e2e_keys "$id" Escape
e2e_wait_exit "$gallery_pid" 20 || e2e_fail "Escape did not close the gallery"
[ "$e2e_status" -eq 0 ] || e2e_fail "the gallery ended with status $e2e_status"
e2e_note "Escape closed the gallery"
echo "PASS"
