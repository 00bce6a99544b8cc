# Helpers of the soak and hostile-file tests: what a run leaves behind and
# what it costs. Source it after lib.sh and host_lib.sh.

# Peak resident memory (VmHWM) of process $1 in KiB; empty when it is gone.
stress_peak_rss_kb() {
  awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true
}

# Current resident memory (VmRSS) of process $1 in KiB; empty when it is gone.
stress_rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true
}

# The Wine server of this test's prefix (empty when none runs): the one
# whose environment names the prefix.
stress_wineserver_pid() {
  { pgrep -x 'wineserver|wineserver64' || true; } | host_in_prefix
}

# Number of files the process $1 holds open.
stress_open_fds() {
  find "/proc/$1/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l
}

# Process ids of every Kalendra.scr or Kalendra.dll started from the host's
# folder, however Wine shows the path (Unix or Windows form).
stress_kalendra_pids() {
  local folder windows_folder
  folder=$(cd "$(dirname "$host_program")" && pwd)
  windows_folder=$(printf '%s' "$folder" | sed 's|/|\\|g')
  ps -eo pid=,args= | grep -F -e "$folder/Kalendra." -e "$windows_folder\\Kalendra." |
    grep -v -e grep -e host_stress -e host_soak -e host_hostile | awk '{ print $1 }' |
    host_in_prefix || true
}

# Waits up to $1 seconds until no Kalendra process is left; fails otherwise.
stress_expect_no_kalendra() {
  local deadline=$((SECONDS + $1))
  while [ -n "$(stress_kalendra_pids)" ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "Kalendra processes left: $(stress_kalendra_pids | tr '\n' ' ') ($2)"
    sleep 0.1
  done
}

# Names of the visible windows on the display, one a line, sorted.
stress_window_names() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
    xdotool getwindowname "$id" 2>/dev/null || true
  done | sort
}

# Fails when a visible window appeared that is neither in the list $1 (from
# stress_window_names) nor the renderer's: a crash dialog or a message box.
stress_expect_no_new_windows() {
  local extra
  extra=$(comm -13 <(printf '%s\n' "$1") <(stress_window_names) | grep -vx 'Butterfly_VC' || true)
  [ -z "$extra" ] || e2e_fail "unexpected windows: $(echo "$extra" | tr '\n' '|') ($2)"
}

# "size md5" of file $1, or "missing" / "folder".
stress_file_state() {
  if [ -d "$1" ]; then
    echo folder
  elif [ -f "$1" ]; then
    echo "$(stat -c %s "$1") $(md5sum <"$1" | cut -c1-32)"
  else
    echo missing
  fi
}

# Fails unless the ten texture files are exactly the pictures the host
# carries.
stress_expect_textures() {
  local kind suffix file
  for kind in 1 2 3 4 5; do
    for suffix in "" a; do
      file="$host_workdir/Butterfly0$kind$suffix.alo"
      [ -f "$file" ] || e2e_fail "$file is $(stress_file_state "$file") ($1)"
      cmp -s "$file" "$host_assets/textures/Butterfly0$kind$suffix.bmp" ||
        e2e_fail "$file is $(stat -c %s "$file") bytes, not the texture the host carries ($1)"
    done
  done
}

# The ten texture file paths.
stress_texture_files() {
  local kind
  for kind in 1 2 3 4 5; do
    echo "$host_workdir/Butterfly0$kind.alo"
    echo "$host_workdir/Butterfly0${kind}a.alo"
  done
}

# Fails with message $1 and what is running and showing at that moment.
stress_fail_with_state() {
  local host_state=running status=0
  if ! kill -0 "$host_pid" 2>/dev/null; then
    wait "$host_pid" || status=$?
    host_state="ended with status $status"
  fi
  host_fail "$1; host $host_state, Kalendra processes: $(stress_kalendra_pids | tr '\n' ' ')windows: $(stress_window_names | tr '\n' '|')"
}

# One screensaver run: starts the host with /s, waits for the renderer's
# window, lets it fly $1 seconds, records the peak memory of both programs
# in stress_host_kb and stress_renderer_kb, presses Escape and waits for the
# host's end (status 0) and for no Kalendra process to be left. $2 names the
# run in messages.
stress_host_kb=
stress_renderer_kb=
stress_run() {
  local seconds=$1 what=$2 renderer
  host_start /s
  e2e_wait_window Butterfly_VC 40 >/dev/null || stress_fail_with_state "no Butterfly_VC window ($what)"
  sleep "$seconds"
  kill -0 "$host_pid" 2>/dev/null || e2e_fail "the host ended while the renderer ran ($what)"
  renderer=$(host_renderer_pids | head -1)
  [ -n "$renderer" ] || e2e_fail "no renderer process ($what)"
  stress_host_kb=$(stress_peak_rss_kb "$host_pid")
  stress_renderer_kb=$(stress_peak_rss_kb "$renderer")
  host_press_escape
  e2e_wait_exit "$host_pid" 5 || e2e_fail "the host still runs 5 s after Escape ($what)"
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status ($what)"
  stress_expect_no_kalendra 5 "$what"
}
