#!/usr/bin/env bash
# Start-up time and memory of a screensaver run under Wine: the time from
# starting "Kalendra.scr /s" to the first renderer frame on screen (the
# Butterfly_VC window showing non-black pixels), and the host's resident
# memory while the renderer runs.
# Usage: host_startup.sh BUILD_TREE [RUNS]   (a win64 tree with dist/Kalendra.scr)
source "$(dirname "$0")/../tests/e2e/lib.sh"
tree=$(cd "$1" && pwd)
runs=${2:-3}
top=$(cd "$(dirname "$0")/.." && pwd)
prefix=$tree/wineprefix
host=$tree/dist/Kalendra.scr
e2e_ensure_display
shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"
# Wine's server stays up between runs, as it would between screensaver starts.
"$top/scripts/wine-run" "$prefix" cmd /c exit >/dev/null 2>&1 || true

for run in $(seq "$runs"); do
  rm -rf "$prefix/drive_c/tolvek_temp"
  start=$(date +%s%N)
  "$top/scripts/wine-run" "$prefix" "$host" /s >/dev/null 2>&1 &
  pid=$!
  e2e_on_exit "kill -9 $pid"
  window_ms= frame_ms=
  while [ -z "$frame_ms" ]; do
    [ $(($(date +%s%N) - start)) -lt 60000000000 ] || e2e_fail "no frame within 60 s"
    if [ -z "$window_ms" ]; then
      xdotool search --onlyvisible --name '^Butterfly_VC$' >/dev/null 2>&1 || continue
      window_ms=$((($(date +%s%N) - start) / 1000000))
    fi
    e2e_screenshot "$shot"
    if [ "$(convert "$shot" -format '%[fx:maxima>0?1:0]' info:)" = 1 ]; then
      frame_ms=$((($(date +%s%N) - start) / 1000000))
    fi
  done
  sleep 2
  rss_kb=$(ps -o rss= -p "$pid" | tr -d ' ')
  echo "run $run: window after $window_ms ms, first frame after $frame_ms ms, host resident memory ${rss_kb} KB"
  xdotool mousemove 640 512 click 1
  sleep 0.3
  xdotool key Escape
  e2e_wait_exit "$pid" 5 || e2e_fail "the run did not end on Escape"
done
