# Shared helpers of the end-to-end tests. Source it; needs bash.
# Programs run on $DISPLAY; without one a private Xvfb is started and stopped.
set -euo pipefail

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_note() { echo "-- $*"; }

e2e_cleanup_cmds=()
e2e_on_exit() { e2e_cleanup_cmds+=("$1"); }
e2e_run_cleanup() {
  local i
  for ((i = ${#e2e_cleanup_cmds[@]} - 1; i >= 0; i--)); do
    eval "${e2e_cleanup_cmds[$i]}" >/dev/null 2>&1 || true
  done
}
trap e2e_run_cleanup EXIT

# Starts a private Xvfb display with a window manager on it and exports
# DISPLAY; both end when this shell exits. The window manager (openbox) gives
# the keyboard to the window a program activates, as Windows does: on a bare
# X display Wine gives a window the keyboard only after a click. With
# argument --bare no window manager is started.
e2e_private_display() {
  local number xvfb_pid attempt deadline
  # A display number drawn at random from a large range: a number another
  # test has just given up can still be in use by its ending server, whose
  # cleanup would take the socket from under the new one. No reset when the
  # last client goes: a client connecting during one is refused.
  for attempt in 1 2 3 4 5; do
    number=$((200 + RANDOM % 800))
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    # Ours once its lock file names it and it answers.
    deadline=$((SECONDS + 20))
    until [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$number-lock")" = "$xvfb_pid" ] &&
      xdpyinfo -display ":$number" >/dev/null 2>&1; do
      kill -0 "$xvfb_pid" 2>/dev/null && [ $SECONDS -lt $deadline ] || break
      sleep 0.05
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && xdpyinfo -display ":$number" >/dev/null 2>&1; then
      break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  done
  [ -n "$xvfb_pid" ] || e2e_fail "Xvfb did not start"
  e2e_on_exit "kill $xvfb_pid"
  export DISPLAY=":$number"
  [ "${1:-}" != --bare ] || return 0
  deadline=$((SECONDS + 30))
  local wm_log wm_pid wm_starts=0
  wm_log=$(mktemp)
  e2e_on_exit "rm -f $wm_log"
  e2e_start_wm() {
    openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >"$wm_log" 2>&1 &
    wm_pid=$!
    wm_starts=$((wm_starts + 1))
    e2e_on_exit "kill $wm_pid"
  }
  e2e_start_wm
  # Managed once openbox names its check window on the root window. One that
  # ended without (its connection refused) is started again, twice at most.
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    if [ $SECONDS -ge $deadline ]; then
      e2e_fail "the window manager did not start on $DISPLAY ($(kill -0 "$wm_pid" 2>/dev/null && echo running || echo ended), $wm_starts start(s)): $(head -c 600 "$wm_log")"
    fi
    if ! kill -0 "$wm_pid" 2>/dev/null && [ $wm_starts -lt 3 ]; then
      e2e_start_wm
    fi
    sleep 0.05
  done
}

# Uses $DISPLAY when it can be reached, else a private display (bare with
# argument --bare).
e2e_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  e2e_private_display "$@"
}

# Keeps the Wine server of prefix $1 and its system processes up until this
# shell exits, then ends everything that runs in the prefix; exports the
# prefix as E2E_WINE_KEPT. They are started here with their output going
# nowhere: started by a test's first program, they would hold that test's
# output pipe, for which ctest waits. The keeper, "cmd /c pause", reads a
# pipe that is open at both ends and never delivers a key.
e2e_keep_wine() {
  local prefix=$1 fifo keeper_fd
  local wine_run
  wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-run
  e2e_on_exit "WINEPREFIX='$prefix' /usr/lib/wine/wineserver -k"
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  exec {keeper_fd}<>"$fifo"
  rm -f "$fifo"
  "$wine_run" "$prefix" cmd /c pause <&"$keeper_fd" >/dev/null 2>&1 {keeper_fd}>&- &
  e2e_on_exit "kill $!"
  exec {keeper_fd}>&-
  # Made ready (created on first use) before the clock of any test starts.
  "$wine_run" "$prefix" cmd /c exit 0 >/dev/null 2>&1 || true
  export E2E_WINE_KEPT=$prefix
}

# Screen size as "WIDTHxHEIGHT".
e2e_screen_size() {
  xdpyinfo | awk '/dimensions:/ && !s { s = $2 } END { print s }'
}

# Waits up to $2 seconds (default 20) for a window titled exactly $1; prints its id.
e2e_wait_window() {
  local title=$1 seconds=${2:-20} id
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

e2e_window_gone() {
  ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Before a start: waits up to $2 seconds (default 10) until no window titled
# $1 is left from an earlier test, so that the next search finds the new one.
e2e_await_no_window() {
  local deadline=$((SECONDS + ${2:-10}))
  until e2e_window_gone "$1"; do
    [ $SECONDS -lt $deadline ] || e2e_fail "a window titled $1 is left from before"
    sleep 0.1
  done
}

# Runs the command that follows until it succeeds, for up to $1 seconds;
# false when it never does.
e2e_eventually() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# Geometry of window $1 as "X Y W H".
e2e_window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Saves a screenshot of the whole screen to $1.
e2e_screenshot() {
  import -window root "$1"
}

# Saves window $1 with the frame and title bar the window manager gives it
# to picture $2.
e2e_window_shot() {
  local x y w h left right top bottom whole
  read -r x y w h <<<"$(e2e_window_geometry "$1")"
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS |
    sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\)$/\1 \2 \3 \4/p')"
  whole=$(mktemp --suffix=.png)
  e2e_screenshot "$whole"
  convert "$whole" -crop "$((w + ${left:-0} + ${right:-0}))x$((h + ${top:-0} + ${bottom:-0}))+$((x - ${left:-0}))+$((y - ${top:-0}))" +repage "$2"
  rm -f "$whole"
}

# Colour of pixel ($2, $3) of picture $1 as "R,G,B".
e2e_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Number of pixels of picture $1 that differ from colour "R,G,B" $2: they are
# painted white, the others black, and the white ones counted.
e2e_count_not() {
  local r g b
  IFS=, read -r r g b <<<"$2"
  local colour="rgb($r,$g,$b)"
  if [ "$r,$g,$b" = "255,255,255" ]; then
    convert "$1" -alpha off -fuzz 0 -fill black +opaque "$colour" -negate \
      -format '%[fx:w*h*mean]' info: | e2e_round
  else
    convert "$1" -alpha off -fuzz 0 -fill white +opaque "$colour" -fill black -opaque "$colour" \
      -format '%[fx:w*h*mean]' info: | e2e_round
  fi
}

# Reads a number (possibly in exponent form) and prints it as a whole number.
e2e_round() {
  awk '{ printf "%.0f\n", $1 }'
}

# Waits up to $2 seconds (default 10) until window $1 has the keyboard
# focus; false when it does not get it.
e2e_await_focus() {
  local deadline=$((SECONDS + ${2:-10}))
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

# Types the xdotool key names that follow once window $1 has the keyboard.
# Nothing gives it the focus: the program takes it, as on Windows.
e2e_keys() {
  local id=$1
  shift
  e2e_await_focus "$id" ||
    e2e_fail "window $id does not have the keyboard (the focus is on $(xdotool getwindowfocus 2>/dev/null))"
  xdotool key --delay 30 "$@"
}

# Waits up to $2 seconds for process $1, a child of this shell, to end; sets
# e2e_status to its exit status. Call it directly, not in a subshell.
e2e_status=
e2e_wait_exit() {
  local pid=$1 seconds=$2
  local deadline
  deadline=$(($(date +%s%N) + seconds * 1000000000))
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$(date +%s%N)" -gt "$deadline" ]; then
      return 1
    fi
    sleep 0.02
  done
  e2e_status=0
  wait "$pid" || e2e_status=$?
}

# Bounding box "W H X Y" of the pixels of picture $1 that differ from colour
# "R,G,B" $2 (empty when there are none).
e2e_bbox_not() {
  local r g b box
  IFS=, read -r r g b <<<"$2"
  box=$(convert "$1" -alpha off -fill "rgb($r,$g,$b)" -bordercolor "rgb($r,$g,$b)" -border 1 \
    -format '%@' info:)
  # %@ is WxH+X+Y of the border-padded picture.
  if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    [ "$w" -gt 0 ] && [ "$h" -gt 0 ] && [ "$w" -lt 10000 ] || return 0
    echo "$w $h $((x - 1)) $((y - 1))"
  fi
}

# Number of pixels of picture $1 whose green exceeds red by more than $2.
e2e_count_green_over_red() {
  convert "$1" -alpha off \( -clone 0 -channel G -separate +channel \) \
    \( -clone 0 -channel R -separate +channel \) -delete 0 -compose minus_src -composite \
    -threshold "$(($2 * 100 / 255))%" -format '%[fx:w*h*mean]' info: | e2e_round
}

# Starts the renderer "${@:3}" with $2 butterflies in working folder $1 and
# waits for its window: sets pid and id (the window).
e2e_start_renderer() {
  local workdir=$1 size=$2
  shift 2
  printf '[Settings]\r\nNum100= %s\r\n' "$size" >"$workdir/Kalendra.ini"
  e2e_await_no_window Butterfly_VC
  "$@" >/dev/null 2>&1 &
  pid=$!
  e2e_on_exit "kill -9 $pid"
  id=$(e2e_wait_window Butterfly_VC 30) || e2e_fail "no Butterfly_VC window appeared"
}
