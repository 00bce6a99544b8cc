#!/usr/bin/env bash
# Whole screensaver runs: every spelling of the screensaver argument writes
# the ten texture files and the screen size, starts the renderer, and the
# host ends within about a second of the renderer's end. A renderer that is
# missing or killed ends the run too.
# Usage: host_screensaver.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display
screen=$(e2e_screen_size)

check_textures() {
  local kind suffix file
  for kind in 1 2 3 4 5; do
    for suffix in "" a; do
      file="$host_workdir/Butterfly0$kind$suffix.alo"
      [ -f "$file" ] || e2e_fail "$file was not written ($1)"
      [ "$(stat -c %s "$file")" -eq 5176 ] || e2e_fail "$file is $(stat -c %s "$file") bytes ($1)"
      cmp -s "$file" "$host_assets/textures/Butterfly0$kind$suffix.bmp" ||
        e2e_fail "$file differs from the texture the host carries ($1)"
    done
  done
}

# A run with argument $1 (may be empty), ended with Escape.
check_run() {
  local argument=$1 what="argument '$1'"
  host_clean_workdir
  mkdir -p "$host_workdir"
  # Older texture files are replaced on every start.
  printf 'old' >"$host_workdir/Butterfly03.alo"
  printf '[Settings]\r\nNum= 1\r\n' >"$host_workdir/Kalendra.ini"
  if [ -z "$argument" ]; then host_start; else host_start "$argument"; fi
  local id
  id=$(e2e_wait_window Butterfly_VC 40) || e2e_fail "no Butterfly_VC window ($what)"
  check_textures "$what"
  [ "$(host_ini_value Width | tr -d ' ')x$(host_ini_value Height | tr -d ' ')" = "$screen" ] ||
    e2e_fail "Width/Height '$(host_ini_value Width)'/'$(host_ini_value Height)', screen $screen ($what)"
  host_expect_number Num100 100 "$what"
  [ "$(host_renderer_pids | wc -l)" -eq 1 ] || e2e_fail "not one renderer process ($what)"
  sleep 1
  kill -0 "$host_pid" 2>/dev/null || e2e_fail "the host ended while the renderer ran ($what)"
  host_press_escape
  local start
  start=$(host_now_ms)
  e2e_wait_exit "$host_pid" 3 || e2e_fail "the host still runs 3 s after Escape ($what)"
  local elapsed=$(($(host_now_ms) - start))
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status ($what)"
  [ -z "$(host_renderer_pids)" ] || e2e_fail "the renderer still runs ($what)"
  [ "$elapsed" -le 1500 ] || e2e_fail "the host ended $elapsed ms after Escape ($what)"
  e2e_note "$what: renderer and host ended $elapsed ms after Escape"
}

for argument in /s /S -s /scr ""; do
  check_run "$argument"
done

# The renderer killed: the host notices within the watch interval.
host_clean_workdir
host_start /s
e2e_wait_window Butterfly_VC 40 >/dev/null || e2e_fail "no Butterfly_VC window (kill)"
sleep 1
kill -9 $(host_renderer_pids)
start=$(host_now_ms)
e2e_wait_exit "$host_pid" 3 || e2e_fail "the host still runs 3 s after the renderer was killed"
e2e_note "renderer killed: host ended $(($(host_now_ms) - start)) ms later"

# No renderer next to the host: the run ends at once, after the textures.
lonely=$(mktemp -d)
e2e_on_exit "rm -rf $lonely"
cp "$host_program" "$lonely/Kalendra.scr"
host_program=$lonely/Kalendra.scr
host_clean_workdir
start=$(host_now_ms)
host_run_to_end 15 /s
check_textures "no renderer"
e2e_note "no renderer: host ended after $(($(host_now_ms) - start)) ms"
echo "PASS"
