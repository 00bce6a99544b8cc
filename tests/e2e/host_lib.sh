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

# Starts the host with the given arguments in the background; sets host_pid.
host_pid=
host_start() {
  "$host_wine_run" "$host_prefix" "$host_program" "$@" >/dev/null 2>&1 &
  host_pid=$!
  e2e_on_exit "kill -9 $host_pid"
}

# Runs the host to its end; fails when it takes more than $1 seconds.
host_run_to_end() {
  local seconds=$1
  shift
  host_start "$@"
  e2e_wait_exit "$host_pid" "$seconds" || e2e_fail "Kalendra.scr $* still runs after $seconds s"
  [ "$e2e_status" -eq 0 ] || e2e_fail "Kalendra.scr $* ended with status $e2e_status"
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
  ps -eo pid=,args= | grep -F -- "$windows_path" | grep -v grep | awk '{ print $1 }' || true
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

# Clicks into the renderer's window (Wine activates a window on a click) and
# presses Escape.
host_press_escape() {
  xdotool mousemove 640 512 click 1
  sleep 0.3
  xdotool key Escape
}

# Milliseconds since the epoch.
host_now_ms() {
  echo $(($(date +%s%N) / 1000000))
}
