#!/usr/bin/env bash
# A renderer left running: samples its resident memory every INTERVAL
# seconds for MINUTES minutes and prints each sample, then ends it with
# Escape. A renderer that leaks grows from sample to sample; a sound one
# stays flat after the first sample.
#   bench/renderer_soak.sh [--native] [TREE] [MINUTES] [INTERVAL]
# Defaults: the x64 Windows build in build/win64 under Wine, 10 minutes,
# 30 s, 500 butterflies (KALENDRA_SOAK_FLOCK changes that). With --native
# TREE is a native tree (build/native) and the renderer runs directly.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh"

mode=wine
if [ "${1:-}" = --native ]; then
  mode=native
  shift
fi
tree=$(cd "${1:-$top/build/$([ $mode = native ] && echo native || echo win64)}" && pwd)
minutes=${2:-10}
interval=${3:-30}
flock=${KALENDRA_SOAK_FLOCK:-500}

source "$top/bench/renderer_lib.sh"
renderer_setup "$mode" "$tree"
workdir=$renderer_workdir
cmd=("${renderer_cmd[@]}")
printf '[Settings]\r\nNum100= %s\r\n' "$flock" >"$workdir/Kalendra.ini"

e2e_ensure_display
"${cmd[@]}" >/dev/null 2>&1 &
pid=$!
e2e_on_exit "kill -9 $pid"
id=$(e2e_wait_window Butterfly_VC 60) || e2e_fail "no renderer window"
echo "renderer: $mode, $flock butterflies, screen $(e2e_screen_size), pid $pid"
echo "seconds  rss_kib  peak_kib  threads"
start=$SECONDS
samples=$((minutes * 60 / interval))
first=
settled=
for ((i = 0; i <= samples; i++)); do
  target=$((start + i * interval))
  while [ $SECONDS -lt $target ]; do sleep 1; done
  kill -0 "$pid" 2>/dev/null || e2e_fail "the renderer ended after $((SECONDS - start)) s"
  read -r rss peak threads < <(awk '/^VmRSS:/ { r = $2 } /^VmHWM:/ { h = $2 }
    /^Threads:/ { t = $2 } END { print r, h, t }' "/proc/$pid/status")
  printf '%7d  %7d  %8d  %7d\n' $((SECONDS - start)) "$rss" "$peak" "$threads"
  [ -n "$first" ] || first=$rss
  # Textures and flock are built in the first seconds; from then on the
  # resident memory should not move.
  [ $((SECONDS - start)) -lt 60 ] || [ -n "${settled:-}" ] || settled=$rss
done
echo "growth from the first to the last sample: $((rss - first)) KiB"
echo "growth after the first minute: $((rss - settled)) KiB"
e2e_keys "$id" Escape
e2e_wait_exit "$pid" 30 || e2e_fail "the renderer did not end on Escape"
echo "ended with status $e2e_status"
