#!/usr/bin/env bash
# Frame rate of the real renderer on a private Xvfb, the share of frame time
# spent updating the flock (the rest is drawing: mostly the GL driver), and
# the renderer's resident memory at the start and end of each run.
#   bench/renderer_fps.sh [--native] [SECONDS] [FLOCK SIZES...]
# Defaults: the x64 Windows build under Wine, 10 seconds, 100 500 1000.
# Frames are paced to the display where the driver offers a swap interval
# (with Mesa, vblank_mode=0 in the environment switches that off), and
# capped at the display's refresh rate by the renderer itself; the output
# says which. KALENDRA_NATIVE_TREE or KALENDRA_WIN64_TREE name another tree
# (a folder with dist/ and, for Wine, wineprefix/) to measure, for example an
# older build to compare with.
# Needs the trees built (scripts/build-trees).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh"

mode=wine
if [ "${1:-}" = --native ]; then
  mode=native
  shift
fi
seconds=${1:-10}
shift || true
sizes=("${@:-}")
[ -n "${sizes[0]}" ] || sizes=(100 500 1000)

source "$top/bench/renderer_lib.sh"
if [ "$mode" = native ]; then
  renderer_setup native "${KALENDRA_NATIVE_TREE:-$top/build/native}"
else
  renderer_setup wine "${KALENDRA_WIN64_TREE:-$top/build/win64}"
fi
workdir=$renderer_workdir
cmd=("${renderer_cmd[@]}")

e2e_ensure_display
echo "renderer: $mode, screen $(e2e_screen_size), $seconds s per size"
for size in "${sizes[@]}"; do
  printf '[Settings]\r\nNum100= %s\r\n' "$size" >"$workdir/Kalendra.ini"
  out=$(mktemp)
  KALENDRA_FRAME_PROBE=1 "${cmd[@]}" 2>"$out" >/dev/null &
  pid=$!
  id=$(e2e_wait_window Butterfly_VC 60) || e2e_fail "no renderer window"
  sleep 2
  rss_start=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
  sleep "$seconds"
  rss_end=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
  e2e_keys "$id" Escape
  e2e_wait_exit "$pid" 30 || { kill -9 "$pid"; e2e_fail "the renderer did not end"; }
  echo "$size butterflies: $(grep -a 'frames [0-9]' "$out" | tr -d '\r' | tail -1)"
  echo "  $(grep -a 'swap interval' "$out" | tr -d '\r' | tail -1)"
  cap=$(grep -a 'capped' "$out" | tr -d '\r' | tail -1 || true)
  echo "  ${cap:-frames not capped}"
  echo "  resident memory: ${rss_start} kB after 2 s, ${rss_end} kB after $((seconds + 2)) s"
  rm -f "$out"
done
