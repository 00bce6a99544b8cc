#!/usr/bin/env bash
# The start of a screensaver run under Wine, phase by phase, against the
# floor: a minimal freeglut program (bench/minimal_glut.cpp, a full-screen
# window cleared blue) that this script builds like the renderer (same
# compiler, static freeglut, same flags) and starts in the same run, the two
# taking turns. Both programs write time stamps to KALENDRA_STARTUP_LOG; the
# phases are printed in milliseconds from the moment the script starts the
# program, then the medians and the median ratio of the time to the first
# frame. Also the host's resident memory while the renderer runs.
# Usage: host_startup.sh BUILD_TREE [RUNS]   (a win64 tree with dist/Kalendra.scr; RUNS 5)
source "$(dirname "$0")/../tests/e2e/lib.sh"
tree=$(cd "$1" && pwd)
runs=${2:-5}
top=$(cd "$(dirname "$0")/.." && pwd)
prefix=$tree/wineprefix
host=$tree/dist/Kalendra.scr
[ -x "$host" ] || e2e_fail "no $host: build the tree first (scripts/build-trees)"

# The floor program, built as the renderer is built.
work=$(mktemp -d)
e2e_on_exit "rm -rf $work"
minimal=$work/minimal_glut.exe
x86_64-w64-mingw32-g++-posix -std=c++17 -O3 -DNDEBUG -DFREEGLUT_STATIC \
  -I"$top/profile" -isystem "$tree/freeglut/install/include" \
  "$top/bench/minimal_glut.cpp" "$top/profile/startup_profile.cpp" -o "$minimal" \
  -static -static-libgcc -static-libstdc++ -s -mconsole \
  -L"$tree/freeglut/install/lib" -lfreeglut_static -lglu32 -lopengl32 -lgdi32 -lwinmm ||
  e2e_fail "could not build the minimal GLUT program"

e2e_ensure_display
log=$work/startup.log
export KALENDRA_STARTUP_LOG="Z:${log//\//\\}"
# Wine's server stays up between runs, as it would between screensaver starts.
"$top/scripts/wine-run" "$prefix" cmd /c exit >/dev/null 2>&1 || true

now_us() { date +%s%6N; }

# Starts "$@" under Wine with an empty log and waits for its first frame.
# Sets start_pid, and phases to "phase=ms ..." counted from the start. $1
# names the program in messages.
timed_start() {
  local title=$1
  shift
  : >"$log"
  local start
  start=$(now_us)
  "$top/scripts/wine-run" "$prefix" "$@" >/dev/null 2>&1 &
  start_pid=$!
  e2e_on_exit "kill -9 $start_pid"
  local deadline=$((SECONDS + 60))
  until grep -q 'first frame swapped' "$log"; do
    [ $SECONDS -lt $deadline ] || { cat "$log" >&2; e2e_fail "no first frame of $title within 60 s"; }
    sleep 0.02
  done
  phases=$(tr -d '\r' <"$log" | awk -v start="$start" '{ t = $1; $1 = ""; sub(/^ /, ""); gsub(/ /, "_");
    printf "%s=%d ", $0, (t - start) / 1000 }')
}

end_run() { # window title, pid
  local id
  id=$(e2e_wait_window "$1" 10) || e2e_fail "no $1 window"
  e2e_keys "$id" Escape
  e2e_wait_exit "$2" 10 || e2e_fail "$1 did not end on Escape"
}

ours=()
floor=()
echo "times in ms from the start of the program; screen $(e2e_screen_size)"
for run in $(seq "$runs"); do
  rm -rf "$prefix/drive_c/tolvek_temp"
  timed_start Butterfly_VC "$host" /s
  sleep 2
  rss_kb=$(ps -o rss= -p "$start_pid" | tr -d ' ')
  end_run Butterfly_VC "$start_pid"
  echo "run $run Kalendra.scr /s: $phases host_memory=${rss_kb}KB"
  ours+=("$phases")

  timed_start Minimal_GLUT "$minimal"
  end_run Minimal_GLUT "$start_pid"
  echo "run $run minimal GLUT: $phases"
  floor+=("$phases")
done

# Medians of every phase, and of the ratio of the first frames run by run.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
phase_of() { tr ' ' '\n' | awk -F= -v k="$1" '$1 == k { print $2 }'; }
print_medians() { # label, then the phase lines of the runs
  local label=$1 key line
  shift
  line="median $label:"
  for key in $(tr ' ' '\n' <<<"$1" | grep = | cut -d= -f1); do
    line+=" $key=$(printf '%s\n' "$@" | phase_of "$key" | median)"
  done
  echo "$line"
}
print_medians "Kalendra.scr /s" "${ours[@]}"
print_medians "minimal GLUT" "${floor[@]}"
ratios=
for i in "${!ours[@]}"; do
  ratios+="$(awk -v a="${ours[$i]}" -v b="${floor[$i]}" '
    function frame(s,  n, p, j, kv) { n = split(s, p, " ")
      for (j = 1; j <= n; j++) { split(p[j], kv, "="); if (kv[1] == "first_frame_swapped") return kv[2] } }
    BEGIN { printf "%.2f", frame(a) / frame(b) }') "
done
echo "ratio of the first frames, run by run: $ratios; median $(tr ' ' '\n' <<<"$ratios" | grep . | median)"
