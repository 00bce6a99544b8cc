# Helpers of the host's end-to-end tests (Kalendra.scr under Wine). Source it
# after lib.sh. Every script takes the same arguments:
#   WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
# WORKDIR is the folder the programs know as C:\tolvek_temp, HOST the path
# of Kalendra.scr (Kalendra.dll next to it), TEST_WINDOW the path of
# host_test_window.exe.
host_workdir=$1
host_wine_run=$2
host_prefix=$3
host_program=$4
host_test_window=$5
host_assets=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets" && pwd)

# What the host's runs printed (Wine's own messages among them), shown by
# host_fail.
host_output=$(mktemp)
e2e_on_exit "rm -f $host_output"

# Starts the host with the given arguments in the background; sets host_pid.
host_pid=
host_start() {
  echo "== Kalendra.scr $*" >>"$host_output"
  "$host_wine_run" "$host_prefix" "$host_program" "$@" >>"$host_output" 2>&1 &
  host_pid=$!
  e2e_on_exit "kill -9 $host_pid"
}

# Fails with message $1, after the last lines the host's runs printed.
host_fail() {
  echo "-- the host's runs printed, at the end:" >&2
  tail -n 20 "$host_output" >&2
  e2e_fail "$1"
}

# Runs the host to its end; fails when it takes more than $1 seconds.
host_run_to_end() {
  local seconds=$1
  shift
  host_start "$@"
  e2e_wait_exit "$host_pid" "$seconds" || host_fail "Kalendra.scr $* still runs after $seconds s"
  [ "$e2e_status" -eq 0 ] || host_fail "Kalendra.scr $* ended with status $e2e_status"
}

host_clean_workdir() {
  rm -rf "$host_workdir"
}

# The value of key $1 in section [Settings] of the settings file.
host_ini_value() {
  tr -d '\r' <"$host_workdir/Kalendra.ini" | awk -v key="$1" '
    /^\[/ { inside = ($0 == "[Settings]") ; next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# Fails unless key $1 holds the number $2, with or without a leading blank.
# The host hands the profile functions every number with its sign blank
# (" 5"); test_settings checks that strictly at the store. Wine's profile
# functions drop leading blanks on writing, so the files here may lack it.
host_expect_number() {
  local value
  value=$(host_ini_value "$1")
  [ "${value# }" = "$2" ] || e2e_fail "$1 is '$value', expected $2 ($3)"
}

# The process ids of renderers started from the host's folder.
host_renderer_pids() {
  local folder
  folder=$(cd "$(dirname "$host_program")" && pwd)
  local windows_path
  windows_path="$(printf '%s' "$folder" | sed 's|/|\\|g')\\Kalendra.dll"
  ps -eo pid=,args= | grep -F -- "$windows_path" | grep -v grep | awk '{ print $1 }' |
    host_in_prefix || true
}

# Of the process ids read one a line, prints those of processes that run in
# the test's Wine prefix: tests side by side run the same programs, each in
# a prefix of its own.
host_in_prefix() {
  local pid
  while read -r pid; do
    # A process that ended since it was listed has no environment left: the
    # redirection's error goes with the command's.
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$host_prefix"; then
      echo "$pid"
    fi
  done
}

# Starts the test window (arguments as host_test_window's); sets
# host_test_window_handle, host_test_window_pid and host_test_window_out (the
# file its reports go to). Call it directly, not in a subshell.
host_test_window_pid=
host_test_window_handle=
host_test_window_out=
host_open_test_window() {
  host_test_window_out=$(mktemp)
  e2e_on_exit "rm -f $host_test_window_out"
  "$host_wine_run" "$host_prefix" "$host_test_window" "$@" >"$host_test_window_out" 2>/dev/null &
  host_test_window_pid=$!
  e2e_on_exit "kill -9 $host_test_window_pid"
  local i
  for i in $(seq 300); do
    if [ -s "$host_test_window_out" ]; then
      host_test_window_handle=$(head -1 "$host_test_window_out" | tr -d '\r')
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "the test window did not start"
}

# The test window's latest report of its child windows ("child ..." lines).
host_test_window_children() {
  tr -d '\r' <"$host_test_window_out" | awk '
    /^child / { block = block $0 "\n"; next }
    /^end$/ { last = block; block = ""; next }
    END { printf "%s", last }'
}

# Presses Escape in the renderer's window, which has the keyboard by itself.
host_press_escape() {
  local id
  id=$(e2e_wait_window Butterfly_VC 5) || e2e_fail "no renderer window to press Escape in"
  e2e_keys "$id" Escape
}

# Milliseconds since the epoch.
host_now_ms() {
  echo $(($(date +%s%N) / 1000000))
}

# Kills process $1 and waits for the host to end with status 0 within $3
# milliseconds (5 s at the most); $2 names what was killed. Sets host_waited_ms.
host_waited_ms=
host_kill_and_expect_end() {
  kill -9 "$1"
  local start
  start=$(host_now_ms)
  e2e_wait_exit "$host_pid" 5 || e2e_fail "the host still runs 5 s after $2 was killed"
  host_waited_ms=$(($(host_now_ms) - start))
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status after $2 was killed"
  [ "$host_waited_ms" -le "$3" ] || e2e_fail "the host ended $host_waited_ms ms after $2 was killed"
}

# --- The settings dialog (/c) ---
# Client-area pixels of its controls at 96 dots per inch (twips / 15; the
# frame's inside starts at 12, 12).
host_dialog_title='■Kalendra■'
host_dialog_id=
host_dialog_x=
host_dialog_y=
host_dialog_opened_ms=

# Starts /c and waits for the dialog; sets host_pid, host_dialog_id, the
# screen position of its client area and the time it was found.
host_dialog_open() {
  e2e_await_no_window "$host_dialog_title"
  host_start /c
  host_dialog_id=$(e2e_wait_window "$host_dialog_title" 60) || e2e_fail "the settings dialog did not open"
  host_dialog_opened_ms=$(host_now_ms)
  local w h
  read -r host_dialog_x host_dialog_y w h <<<"$(e2e_window_geometry "$host_dialog_id")"
  [ "$w $h" = "497 266" ] || e2e_fail "the dialog's client area is ${w}x$h, not 497x266"
  host_dialog_await_painted
}

# Waits up to 10 s until the dialog has painted its three source marks (the
# middle of each white, or the chosen one's blue): the window shows a moment
# before its controls have drawn. Checks of what the marks show follow.
host_dialog_await_painted() {
  local shot y colour deadline=$((SECONDS + 10))
  shot=$(mktemp --suffix=.png)
  while [ $SECONDS -lt $deadline ]; do
    host_dialog_shot "$shot"
    for y in 70 90 110; do
      colour=$(e2e_pixel "$shot" 46 "$y")
      [ "$colour" = 255,255,255 ] || [ "$colour" = 24,72,216 ] || break
    done
    [ "$colour" = 255,255,255 ] || [ "$colour" = 24,72,216 ] && break
    sleep 0.1
  done
  rm -f "$shot"
}

# Presses and releases mouse button $3 (1 left, 3 right; default 1) at
# client pixel ($1, $2) of the dialog.
host_dialog_click() {
  # Without --sync: it would wait for ever when the pointer is there already.
  xdotool mousemove $((host_dialog_x + $1)) $((host_dialog_y + $2))
  sleep 0.1
  xdotool click "${3:-1}"
  sleep 0.3
}

# Clicks at ($1, $2) and types text $3 there.
host_dialog_type_at() {
  host_dialog_click "$1" "$2"
  xdotool type --delay 40 -- "$3"
  sleep 0.2
}

# Waits up to $1 seconds (default 20) for the host to end with status 0.
host_dialog_wait_closed() {
  e2e_wait_exit "$host_pid" "${1:-20}" || e2e_fail "the dialog is still open"
  [ "$e2e_status" -eq 0 ] || e2e_fail "Kalendra.scr /c ended with status $e2e_status"
}

# Saves the dialog's client area to picture $1.
host_dialog_shot() {
  local whole
  whole=$(mktemp --suffix=.png)
  e2e_screenshot "$whole"
  convert "$whole" -crop "497x266+$host_dialog_x+$host_dialog_y" +repage "$1"
  rm -f "$whole"
}

# Visible windows other than the dialog (their ids, one a line).
host_dialog_other_windows() {
  xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$host_dialog_id" || true
}

# Fails unless the settings file holds the line KEY=VALUE, with or without a
# blank before the value. KEY is given as printf text, so the music keys can
# be named by their code page 932 bytes ('BGM\x8b\xe6\x95\xaa').
host_expect_raw() {
  local key value
  key=$(printf "$1")
  value=$2
  LC_ALL=C awk -v line1="$key=$value" -v line2="$key= $value" '
    { sub(/\r$/, "") } $0 == line1 || $0 == line2 { found = 1 } END { exit !found }' \
    "$host_workdir/Kalendra.ini" || e2e_fail "Kalendra.ini lacks $1=$value ($3): $(od -c "$host_workdir/Kalendra.ini" | head -20)"
}

# Waits up to $1 seconds for every window but the dialog to go; false if one stays.
host_dialog_await_alone() {
  local deadline=$((SECONDS + $1))
  while [ -n "$(host_dialog_other_windows)" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
  sleep 0.3 # the dialog repaints what the other window covered
}
