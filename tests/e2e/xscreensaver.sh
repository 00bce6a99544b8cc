#!/usr/bin/env bash
# The renderer as an xscreensaver display mode.
# 1. In a preview-sized window given with --window-id: the flock inside it and
#    nothing drawn outside; it follows the window's size; SIGTERM and SIGINT
#    end it within a second with status 0; every option its settings page
#    can give is accepted; --fps shows the frame rate.
# 2. Under the real xscreensaver, run by an unprivileged account (xscreensaver
#    runs no mode as root) with only Kalendra configured: activation shows
#    the flock full screen, deactivation ends it within 2 s.
# Usage: xscreensaver.sh PROGRAM TEST_WINDOW SETTINGS_XML
source "$(dirname "$0")/lib.sh"
program=$1
test_window=$2
xml=$3
account=kalendra-saver
fade=0,0,242
black=0,0,0

e2e_ensure_display --bare
id -u "$account" >/dev/null 2>&1 || e2e_fail "no account $account: scripts/setup creates it"
# The account runs a copy, under the name it is installed with.
work=$(mktemp -d)
e2e_on_exit "rm -rf $work"
chmod 755 "$work"
cp "$program" "$work/kalendra"
shot=$work/shot.png

# Ends process $1 with signal $2 and requires status 0 within a second.
stop_within_second() {
  local start elapsed
  start=$(date +%s%N)
  kill "-$2" "$1"
  e2e_wait_exit "$1" 1 || e2e_fail "still running 1 s after SIG$2"
  elapsed=$((($(date +%s%N) - start) / 1000000))
  [ "$e2e_status" -eq 0 ] || e2e_fail "exit status $e2e_status after SIG$2"
  e2e_note "SIG$2: ended with status 0 after $elapsed ms"
}

# Pixels of colour $2 in the region "W H X Y" $3 of picture $1.
count_in() {
  local w h x y
  read -r w h x y <<<"$3"
  convert "$1" -crop "${w}x$h+$x+$y" +repage "$work/region.png"
  echo $((w * h - $(e2e_count_not "$work/region.png" "$2")))
}

# --- 1. A 320 x 240 window at (100, 100).
"$test_window" 320x240+100+100 >"$work/window_id" &
window_pid=$!
e2e_on_exit "kill $window_pid"
e2e_eventually 10 test -s "$work/window_id" || e2e_fail "the test window did not appear"
window=$(cat "$work/window_id")
sleep 0.3
e2e_screenshot "$work/before.png"

area="320 240 100 100"
"$work/kalendra" --window-id "$window" &
pid=$!
e2e_on_exit "kill -9 $pid"
flock_in_window() {
  e2e_screenshot "$shot"
  sky=$(count_in "$shot" "$fade" "$area")
  [ "$sky" -gt 10000 ] && [ $((320 * 240 - sky)) -gt 3000 ]
}
e2e_eventually 20 flock_in_window ||
  e2e_fail "no flock in the window: $sky of $((320 * 240)) pixels are sky"
# Outside the window the screen is as it was.
for picture in "$work/before.png" "$shot"; do
  convert "$picture" -fill black -draw "rectangle 100,100 419,339" "$picture.masked.png"
done
outside=$(compare -metric AE "$work/before.png.masked.png" "$shot.masked.png" null: 2>&1 | e2e_round || true)
[ "$outside" -eq 0 ] || e2e_fail "$outside pixels changed outside the window"
e2e_note "in the window: $((320 * 240 - sky)) pixels of butterflies, $sky of sky; none outside"

# A larger window: the picture fills it (the strip it gained shows sky).
xdotool windowsize "$window" 400 300
grown() {
  e2e_screenshot "$shot"
  gained=$(($(count_in "$shot" "$fade" "80 300 420 100") + $(count_in "$shot" "$fade" "320 60 100 340")))
  [ "$gained" -gt $(((80 * 300 + 320 * 60) / 2)) ]
}
e2e_eventually 10 grown || e2e_fail "after growing to 400 x 300 only $gained new pixels are sky"
stop_within_second "$pid" TERM
kill -0 "$window_pid" 2>/dev/null || e2e_fail "the test window went with the renderer"
xdotool windowsize "$window" 320 240

# The settings page: well-formed XML, and every choice it offers accepted.
xmllint --noout "$xml" || e2e_fail "$xml is not well-formed XML"
xml_values() { xmllint --xpath "$1" "$xml" | sed -n 's/^ *[a-z-]*="\(.*\)"$/\1/p'; }
mapfile -t cameras < <(xml_values '//select[@id="camera"]/option/@arg-set')
mapfile -t trails < <(xml_values '//select[@id="trails"]/option/@arg-set')
mapfile -t colours < <(xml_values '//select[@id="colours"]/option/@arg-set')
count_arg=$(xml_values '//number[@id="count"]/@arg')
counts=($(xml_values '//number[@id="count"]/@low') $(xml_values '//number[@id="count"]/@high'))
fps_arg=$(xml_values '//boolean[@id="showfps"]/@arg-set')
command_arg=$(xml_values '//command/@arg')
[ "${#cameras[@]}" -eq 3 ] && [ "${#trails[@]}" -eq 2 ] && [ "${#colours[@]}" -eq 1 ] &&
  [ "${#counts[@]}" -eq 2 ] && [ -n "$fps_arg" ] && [ "$command_arg" = --root ] ||
  e2e_fail "the settings page lacks options: cameras ${cameras[*]}, trails ${trails[*]}, colours ${colours[*]}, counts ${counts[*]}, fps $fps_arg, command $command_arg"
for i in 0 1 2; do
  # shellcheck disable=SC2086 # each argument is an option and its value
  args=(${count_arg/\%/${counts[$((i % 2))]}} ${cameras[$i]} ${trails[$((i % 2))]} ${colours[0]})
  "$work/kalendra" --window-id "$window" "${args[@]}" 2>"$work/errors" &
  pid=$!
  drawn() {
    e2e_screenshot "$shot"
    [ "$(count_in "$shot" "$black" "$area")" -lt 1000 ]
  }
  e2e_eventually 20 drawn || e2e_fail "nothing drawn with ${args[*]}: $(cat "$work/errors")"
  stop_within_second "$pid" INT
done
e2e_note "accepted: --root, ${cameras[*]}, ${trails[*]}, ${colours[*]}, counts ${counts[*]}"

# The frame rate over an empty sky: white text in the lower left corner only.
"$work/kalendra" --window-id "$window" --count 0 "$fps_arg" &
pid=$!
text_shown() {
  e2e_screenshot "$shot"
  white=$(count_in "$shot" 255,255,255 "120 30 100 310")
  sky=$(count_in "$shot" "$fade" "$area")
  [ "$white" -gt 30 ] && [ $((320 * 240 - sky)) -lt 1000 ]
}
e2e_eventually 10 text_shown || e2e_fail "no frame rate: $white white pixels at the lower left, $((320 * 240 - sky)) not sky"
stop_within_second "$pid" TERM
kill "$window_pid"

# --- 2. xscreensaver with only Kalendra, started by the unprivileged account.
home=$work/home
mkdir "$home"
cat >"$home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 1:00:00
cycle: 0:00:00
lock: False
fade: False
unfade: False
splash: False
programs: GL: $work/kalendra --root \\n
CONFIG
chown -R "$account:" "$home"
as_account=(setpriv --reuid="$account" --regid="$account" --init-groups
  env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin)
# setpriv and env hand over the process: $! is xscreensaver itself.
(cd "$work" && exec "${as_account[@]}" xscreensaver --no-splash >"$work/xscreensaver.log" 2>&1) &
saver_pid=$!
e2e_on_exit "kill $saver_pid"
e2e_eventually 20 "${as_account[@]}" xscreensaver-command -time >/dev/null 2>&1 ||
  e2e_fail "xscreensaver did not start: $(tail -5 "$work/xscreensaver.log")"
mode_pid() { pgrep -u "$account" -x kalendra; }

"${as_account[@]}" xscreensaver-command -activate >/dev/null
size=$(e2e_screen_size)
width=${size%x*}
height=${size#*x}
full_screen_flock() {
  e2e_screenshot "$shot"
  butterflies=$(e2e_count_not "$shot" "$fade")
  local quarter=$((width / 2)) half=$((height / 2)) x y
  # The sky in all four quarters of the screen, butterflies on a clear share.
  for x in 0 "$quarter"; do
    for y in 0 "$half"; do
      [ "$(count_in "$shot" "$fade" "$quarter $half $x $y")" -gt 1000 ] || return 1
    done
  done
  [ "$butterflies" -gt $((width * height / 20)) ]
}
e2e_eventually 30 full_screen_flock ||
  e2e_fail "no flock full screen after -activate ($butterflies pixels of butterflies; mode $(mode_pid || echo 'not running'); $(tail -3 "$work/xscreensaver.log"))"
pid=$(mode_pid) || e2e_fail "the flock shows but no process runs the mode"
e2e_on_exit "kill -9 $pid"
e2e_note "activated: butterflies cover $butterflies of $((width * height)) pixels"
cp "$shot" "$work/activated.png"
[ -z "${E2E_KEEP:-}" ] || cp "$shot" "$E2E_KEEP/xscreensaver.png"

start=$(date +%s%N)
"${as_account[@]}" xscreensaver-command -deactivate >/dev/null
# Ended means gone or a zombie that only waits for the system to collect it.
ended() {
  [ ! -e "/proc/$pid" ] || grep -q '^State:[[:space:]]*Z' "/proc/$pid/status" 2>/dev/null
}
until ended; do
  elapsed=$((($(date +%s%N) - start) / 1000000))
  [ "$elapsed" -lt 2000 ] || e2e_fail "the mode still runs 2 s after -deactivate"
  sleep 0.02
done
elapsed=$((($(date +%s%N) - start) / 1000000))
running=$(ps -u "$account" -o stat=,comm= | awk '$2 == "kalendra" && $1 !~ /^Z/' | wc -l)
[ "$running" -eq 0 ] || e2e_fail "$running processes of the mode left after -deactivate"
kill -0 "$saver_pid" 2>/dev/null || e2e_fail "xscreensaver ended on -deactivate"
e2e_note "deactivated: the mode ended after $elapsed ms, nothing left running"
echo PASS
