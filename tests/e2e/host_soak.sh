#!/usr/bin/env bash
# Many screensaver runs in a row, each ended with Escape. After every run no
# Kalendra process is left, the texture and settings files are as the first
# run left them, and neither the Wine server's open files nor the peak memory
# of the host and the renderer grow from run to run. Then both programs are
# killed from outside: a killed renderer ends the host within about a second,
# and a renderer whose host was killed still ends on Escape.
# Usage: host_soak.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW [RUNS]
# RUNS defaults to 50; KALENDRA_SOAK_RUNS overrides both.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
source "$(dirname "$0")/host_stress_lib.sh"
runs=${KALENDRA_SOAK_RUNS:-${6:-50}}
e2e_ensure_display

host_clean_workdir
mkdir -p "$host_workdir"
printf '[Settings]\r\nNum= 1\r\n' >"$host_workdir/Kalendra.ini"
# Keep one Wine server through all runs so its open files can be compared.
# The test run keeps it up throughout already; run by hand, the server that
# made the prefix ready is let go and a new one stays 30 s after its last
# program.
if [ "${E2E_WINE_KEPT:-}" != "$host_prefix" ]; then
  "$host_wine_run" "$host_prefix" cmd /c exit >/dev/null 2>&1 || true
  if timeout 10 env WINEPREFIX="$host_prefix" /usr/lib/wine/wineserver -w; then
    WINEPREFIX=$host_prefix /usr/lib/wine/wineserver -p30 || true
  fi
fi
windows_before=$(stress_window_names)

settings_state=
server=
server_fds=()
host_kb=()
renderer_kb=()
started=$SECONDS
for ((run = 1; run <= runs; run++)); do
  what="run $run of $runs"
  stress_run 1 "$what"
  stress_expect_no_new_windows "$windows_before" "$what"
  stress_expect_textures "$what"
  host_expect_number Num100 100 "$what"
  if [ -z "$settings_state" ]; then
    settings_state=$(stress_file_state "$host_workdir/Kalendra.ini")
  fi
  [ "$(stress_file_state "$host_workdir/Kalendra.ini")" = "$settings_state" ] ||
    e2e_fail "the settings file changed: $(stress_file_state "$host_workdir/Kalendra.ini"), was $settings_state ($what)"
  current=$(stress_wineserver_pid)
  [ -n "$current" ] || e2e_fail "no Wine server for the prefix ($what)"
  if [ -n "$server" ] && [ "$current" != "$server" ]; then
    e2e_fail "the Wine server was restarted between runs ($what)"
  fi
  server=$current
  server_fds+=("$(stress_open_fds "$server")")
  host_kb+=("$stress_host_kb")
  renderer_kb+=("$stress_renderer_kb")
done
elapsed=$((SECONDS - started))
e2e_note "$runs runs in $elapsed s"
e2e_note "Wine server open files after each run: ${server_fds[*]}"
e2e_note "host peak RSS (KiB): ${host_kb[*]}"
e2e_note "renderer peak RSS (KiB): ${renderer_kb[*]}"

# Growth is judged between the first and the last fifth of the runs (at
# least one run each): the largest late value may not exceed the largest
# early one by more than the allowance.
max_of() { printf '%s\n' "$@" | sort -n | tail -1; }
expect_flat() {
  local name=$1 allowance=$2
  shift 2
  local values=("$@") count=$#
  local window=$((count / 5 > 0 ? count / 5 : 1))
  local early late
  early=$(max_of "${values[@]:0:window}")
  late=$(max_of "${values[@]:count-window}")
  [ "$late" -le $((early + allowance)) ] ||
    e2e_fail "$name grew from $early to $late over $count runs"
}
expect_flat "the Wine server's open files" 4 "${server_fds[@]}"
# A few MiB of noise: Wine maps fonts and caches lazily.
expect_flat "the host's peak memory (KiB)" 8192 "${host_kb[@]}"
expect_flat "the renderer's peak memory (KiB)" 8192 "${renderer_kb[@]}"

# The renderer killed from outside: its host ends within about a second (the
# watch looks every 500 ms).
host_start /s
e2e_wait_window Butterfly_VC 40 >/dev/null || e2e_fail "no Butterfly_VC window (renderer killed)"
sleep 1
renderer=$(host_renderer_pids | head -1)
host_kill_and_expect_end "$renderer" "its renderer" 1200
stress_expect_no_kalendra 5 "renderer killed"
stress_expect_no_new_windows "$windows_before" "renderer killed"
e2e_note "renderer killed: the host ended $host_waited_ms ms later"

# The host killed from outside: the renderer flies on and still ends on
# Escape.
host_start /s
e2e_wait_window Butterfly_VC 40 >/dev/null || e2e_fail "no Butterfly_VC window (host killed)"
sleep 1
renderer=$(host_renderer_pids | head -1)
kill -9 "$host_pid"
e2e_wait_exit "$host_pid" 5 || e2e_fail "the host survived kill -9"
sleep 2
kill -0 "$renderer" 2>/dev/null || e2e_fail "the renderer ended with its host"
e2e_wait_window Butterfly_VC 5 >/dev/null || e2e_fail "the renderer's window went with its host"
host_press_escape
deadline=$((SECONDS + 5))
while kill -0 "$renderer" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || e2e_fail "the renderer still runs 5 s after Escape (host killed)"
  sleep 0.05
done
e2e_window_gone Butterfly_VC || e2e_fail "the renderer's window is left (host killed)"
stress_expect_no_kalendra 5 "host killed"
stress_expect_no_new_windows "$windows_before" "host killed"
stress_expect_textures "after the kills"
echo "PASS"
