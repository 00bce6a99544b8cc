#!/usr/bin/env bash
# Makes the host's preview picture from the real renderer's output: runs the
# renderer full screen with the committed textures and the default flock,
# takes a screenshot after a few seconds of flight, crops it to the preview
# area's proportions and scales it to 152 x 112 (24-bit BMP).
#
# Usage: make_preview.sh OUTPUT.bmp WORKDIR COMMAND...
#   WORKDIR  the folder the renderer knows as C:\tolvek_temp
#   COMMAND  how to start the renderer, e.g.
#            scripts/wine-run build/win64/wineprefix build/win64/dist/Kalendra.dll
# The flight is random and timed by the clock, so each run gives a different
# picture of the same kind; the committed one is assets/preview.bmp.
source "$(dirname "$0")/../tests/e2e/lib.sh"
output=$1
workdir=$2
shift 2
assets=$(cd "$(dirname "$0")/../assets" && pwd)
flight_seconds=${FLIGHT_SECONDS:-4}

e2e_ensure_display
mkdir -p "$workdir"
for kind in 1 2 3 4 5; do
  cp "$assets/textures/Butterfly0$kind.bmp" "$workdir/Butterfly0$kind.alo"
  cp "$assets/textures/Butterfly0${kind}a.bmp" "$workdir/Butterfly0${kind}a.alo"
done
# The default flock, as a first run shows it.
printf '[Settings]\r\nNum100= 500\r\n' >"$workdir/Kalendra.ini"

"$@" >/dev/null 2>&1 &
pid=$!
e2e_on_exit "kill -9 $pid"
id=$(e2e_wait_window Butterfly_VC 60) || e2e_fail "no Butterfly_VC window appeared"
sleep "$flight_seconds"
shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"
e2e_screenshot "$shot"
e2e_keys "$id" Escape
e2e_wait_exit "$pid" 10 || true

read -r width height <<<"$(identify -format '%w %h' "$shot")"
# The largest centred part with the proportions 152:112.
crop_height=$((width * 112 / 152))
crop_width=$width
if [ "$crop_height" -gt "$height" ]; then
  crop_height=$height
  crop_width=$((height * 152 / 112))
fi
convert "$shot" -gravity center -crop "${crop_width}x${crop_height}+0+0" +repage \
  -filter Box -resize '152x112!' -type TrueColor -define bmp:format=bmp3 "BMP3:$output"
identify "$output"
