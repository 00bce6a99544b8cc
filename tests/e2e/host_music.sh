#!/usr/bin/env bash
# Background music through whole screensaver runs (Kalendra.scr /s, ended
# with Escape in the renderer). A private PulseAudio daemon with a null sink
# gives Wine a real wave device; sox and lame make a real WAV and MP3 file.
# What the host does is read from Wine's traces of the host process (every
# MCI command string, every PlaySound call) and from the streams on the sink:
# - a file ending in lower-case wav loops through PlaySound and stops at the end;
# - a file ending in lower-case mp3 (in a folder with a blank) plays through
#   MCI, restarts after its end from the once-a-second watch, and is stopped
#   and closed at the end;
# - a CD without a disc: the 200 ms watch finds the error once and stops;
# - endings mpeg and wave, and a file gone since it was chosen, play nothing;
# - broken files and a missing wave device neither end nor stall the run,
#   and no message window appears.
# Usage: host_music.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
  e2e_fail "PulseAudio is missing (packages pulseaudio pulseaudio-utils)"
command -v sox >/dev/null && command -v lame >/dev/null || e2e_fail "sox or lame is missing"
gst=/usr/lib/x86_64-linux-gnu/gstreamer-1.0
[ -f "$gst/libgstaudioparsers.so" ] && [ -f "$gst/libgstmpg123.so" ] ||
  e2e_fail "no GStreamer MP3 decoder for Wine (package gstreamer1.0-plugins-good)"

scratch=$(mktemp -d /tmp/kalendra-music-e2e.XXXXXX)
e2e_on_exit "rm -rf $scratch"
# Later runs must not find these music settings; a failed check leaves no
# renderer behind.
e2e_on_exit host_clean_workdir
# shellcheck disable=SC2016 # expanded when the cleanup runs
e2e_on_exit 'kill -9 $(host_renderer_pids)'

# A private sound server whose only sink is a null sink.
mkdir -m 700 "$scratch/pulse"
HOME="$scratch/pulse" XDG_RUNTIME_DIR="$scratch/pulse" pulseaudio -n --daemonize=no \
  --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  --load=module-null-sink \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$scratch/pulse/native" \
  >"$scratch/pulse.log" 2>&1 &
e2e_on_exit "kill $!"
export PULSE_SERVER="unix:$scratch/pulse/native"
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null 2>&1 || e2e_fail "PulseAudio did not start: $(cat "$scratch/pulse.log")"

streams_on_sink() {
  pactl list short sink-inputs 2>/dev/null | wc -l
}

# One-second tones, made once and copied into the working folder per run.
sox -n -r 44100 -b 16 -c 2 "$scratch/tone.wav" synth 1 sine 440
lame --quiet "$scratch/tone.wav" "$scratch/tone.mp3"
printf 'not a sound file\r\n' >"$scratch/broken"

music_folder="$host_workdir/my music"
music_folder_windows='C:\tolvek_temp\my music'

# Writes the settings file: source $1 and, when given, file $2 (a Windows
# path). The music key names are their code-page-932 bytes.
write_settings() {
  mkdir -p "$host_workdir"
  {
    printf '[Settings]\r\nNum= 1\r\n'
    printf 'BGM\x8b\xe6\x95\xaa= %s\r\n' "$1"
    printf 'BGM\xd8\xcb\xdf\xb0\xc4= 3\r\n'
    if [ -n "${2:-}" ]; then printf 'BGM\xcc\xa7\xb2\xd9=%s\r\n' "$2"; fi
  } >"$host_workdir/Kalendra.ini"
}

# Copies $1 (tone.wav, tone.mp3 or broken) into the music folder as $2.
place_music() {
  mkdir -p "$music_folder"
  cp "$scratch/$1" "$music_folder/$2"
}

# Visible windows with a title other than the renderer's: a message box
# would be one. Prints their titles.
stray_windows() {
  local id name
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    [ -z "$name" ] || [ "$name" = Butterfly_VC ] || echo "$name"
  done
}

# Check of the check: a window with a title is seen.
host_open_test_window "Kalendra" 0 0 200 100 3000
deadline=$((SECONDS + 20))
until stray_windows | grep -qx Kalendra; do
  [ $SECONDS -lt $deadline ] || e2e_fail "a titled test window is not seen as a stray window"
  sleep 0.1
done
kill -9 "$host_test_window_pid"
wait "$host_test_window_pid" 2>/dev/null || true
e2e_await_no_window Kalendra

trace=$scratch/trace
commands=$scratch/commands

# One screensaver run with the settings already written: the host runs with
# the MCI and multimedia traces on for $1 seconds after the renderer's window
# appears, the sink is sampled meanwhile, then Escape ends the run. $2 names
# the case in messages. Afterwards:
#   $commands          the MCI command strings, one a line: TIME<TAB>COMMAND
#   $trace             the whole trace
#   run_first_stream   ms into the watch when a stream was first seen
#                      (empty: never)
#   run_last_sample    ms into the watch of the last sample before Escape
#   run_last_streams   streams on the sink at that sample
#   run_streams_after  streams on the sink once the host has ended
run_first_stream=
run_last_sample=0
run_last_streams=0
run_streams_after=0
music_run() {
  local seconds=$1 what=$2 overrides=${3:-}
  e2e_await_no_window Butterfly_VC
  (
    export WINEDEBUG=+timestamp,+mci,+winmm
    if [ -n "$overrides" ]; then export WINEDLLOVERRIDES=$overrides; fi
    exec "$host_wine_run" "$host_prefix" "$host_program" /s >/dev/null 2>"$trace"
  ) &
  host_pid=$!
  e2e_on_exit "kill -9 $host_pid"
  e2e_wait_window Butterfly_VC 40 >/dev/null ||
    e2e_fail "no Butterfly_VC window ($what); host $(kill -0 "$host_pid" 2>/dev/null && echo running || echo ended), renderers: $(host_renderer_pids | tr '\n' ' ')"

  run_first_stream=
  local start count now
  start=$(host_now_ms)
  while :; do
    count=$(streams_on_sink)
    now=$(($(host_now_ms) - start))
    if [ "$count" -gt 0 ] && [ -z "$run_first_stream" ]; then
      run_first_stream=$now
    fi
    run_last_sample=$now
    run_last_streams=$count
    [ "$now" -lt $((seconds * 1000)) ] || break
    sleep 0.2
  done

  kill -0 "$host_pid" 2>/dev/null || e2e_fail "the host ended while the renderer ran ($what)"
  e2e_window_gone Butterfly_VC && e2e_fail "the renderer's window has gone ($what)"
  local stray
  stray=$(stray_windows)
  [ -z "$stray" ] || e2e_fail "a window appeared: '$stray' ($what)"

  host_press_escape
  local pressed
  pressed=$(host_now_ms)
  e2e_wait_exit "$host_pid" 3 || e2e_fail "the host still runs 3 s after Escape ($what)"
  local elapsed=$(($(host_now_ms) - pressed))
  [ "$e2e_status" -eq 0 ] || e2e_fail "the host ended with status $e2e_status ($what)"
  [ "$elapsed" -le 1500 ] || e2e_fail "the host ended $elapsed ms after Escape ($what)"

  local i
  for i in $(seq 20); do
    run_streams_after=$(streams_on_sink)
    [ "$run_streams_after" -eq 0 ] && break
    sleep 0.1
  done

  # Wine writes a command as L"...", with \\ for \ and \" for ".
  sed -n 's/^\([0-9.]*\):[0-9a-f]*:trace:mci:mciSendStringW (L"\(.*\)", [0-9A-F]*, [0-9]*, [0-9A-F]*)$/\1\t\2/p' \
    "$trace" | sed 's/\\\\/\x01/g; s/\\"/"/g; s/\x01/\\/g' >"$commands"
  e2e_note "$what: host ended $elapsed ms after Escape"
}

# The command strings of the last run, in order, without times.
sent() { cut -f2 "$commands"; }

# Fails unless the last run sent command $1 ($2 names the case).
expect_sent() {
  sent | grep -qxF -- "$1" || e2e_fail "'$1' was not sent ($2); sent: $(sent | sort -u | tr '\n' '|')"
}

# How many times the last run called PlaySound with flags $1 (8 hex digits).
play_sound_calls() {
  grep -c "trace:winmm:MULTIMEDIA_PlaySound .* fdwSound=$1\$" "$trace" || true
}

# Fails when the last run played or opened anything.
expect_silence() {
  [ ! -s "$commands" ] || e2e_fail "MCI commands were sent ($1): $(sent | tr '\n' '|')"
  ! grep -q "trace:winmm:MULTIMEDIA_PlaySound" "$trace" || e2e_fail "PlaySound was called ($1)"
  [ -z "$run_first_stream" ] || e2e_fail "sound reached the sink ($1)"
}

# --- A WAV file, lower-case ending: PlaySound loops it until the run ends.
host_clean_workdir
place_music tone.wav tone.wav
write_settings 2 "$music_folder_windows\\tone.wav"
music_run 4 "wav"
[ "$(play_sound_calls 00000009)" -eq 1 ] || e2e_fail "the WAV file was not played with SND_ASYNC|SND_LOOP"
grep -qF 'proc_PlaySound SoundName=L"C:\\tolvek_temp\\my music\\tone.wav"' "$trace" ||
  e2e_fail "PlaySound did not get the WAV file's path"
[ -n "$run_first_stream" ] || e2e_fail "the WAV file did not reach the sink"
# The tone lasts 1 s: a stream still there 2 s after it began is the loop.
[ "$run_last_streams" -gt 0 ] && [ $((run_last_sample - run_first_stream)) -ge 2000 ] ||
  e2e_fail "the WAV file did not loop (stream from $run_first_stream ms, $run_last_streams at $run_last_sample ms)"
[ "$(play_sound_calls 00000000)" -eq 1 ] || e2e_fail "the WAV file was not stopped with PlaySound(NULL)"
grep -qF 'proc_PlaySound Done playing=L"C:\\tolvek_temp\\my music\\tone.wav"' "$trace" ||
  e2e_fail "the WAV playback did not finish before the host ended"
[ ! -s "$commands" ] || e2e_fail "MCI commands were sent for a WAV file: $(sent | tr '\n' '|')"
[ "$run_streams_after" -eq 0 ] || e2e_fail "sound still reaches the sink after the WAV run"

# --- An MP3 file, lower-case ending, in a folder with a blank: opened and
# played through MCI, restarted by the watch, stopped and closed at the end.
host_clean_workdir
place_music tone.mp3 tone.mp3
write_settings 2 "$music_folder_windows\\tone.mp3"
music_run 4 "mp3"
[ "$(sent | head -2 | tr '\n' '|')" = "open \"$music_folder_windows\\tone.mp3\" type MPEGVideo Alias MP3Play|play MP3Play|" ] ||
  e2e_fail "the MP3 file was not opened and played first: $(sent | head -2 | tr '\n' '|')"
[ -n "$run_first_stream" ] || e2e_fail "the MP3 file did not reach the sink"
sent | grep -qxF "play MP3Play from 0" || e2e_fail "the MP3 file was not restarted after its end"
[ "$(sent | tail -2 | tr '\n' '|')" = "stop MP3Play|close MP3Play|" ] ||
  e2e_fail "the MP3 file was not stopped and closed at the end: $(sent | tail -2 | tr '\n' '|')"
[ "$run_streams_after" -eq 0 ] || e2e_fail "sound still reaches the sink after the MP3 run"
! grep -q "trace:winmm:MULTIMEDIA_PlaySound" "$trace" || e2e_fail "PlaySound was called for an MP3 file"
# The MP3 watch asks for the mode once a tick: 1000 ms apart on average (a
# busy machine may delay one tick, the next one then comes early).
gaps=$(awk -F'\t' '$2 == "status MP3Play mode" { if (n++) print int(($1 - last) * 1000); last = $1 }' "$commands")
gaps_text=$(tr '\n' ' ' <<<"$gaps")
[ "$(echo "$gaps" | grep -c .)" -ge 3 ] || e2e_fail "the MP3 watch ran fewer than four times: $gaps_text"
mean_gap=$(echo "$gaps" | awk '{ sum += $1 } END { print int(sum / NR) }')
[ "$mean_gap" -ge 900 ] && [ "$mean_gap" -le 1150 ] ||
  e2e_fail "MP3 watch ticks $mean_gap ms apart on average: $gaps_text"
for gap in $gaps; do
  [ "$gap" -ge 400 ] && [ "$gap" -le 2000 ] || e2e_fail "MP3 watch ticks $gaps_text ms apart"
done
e2e_note "mp3: watch ticks $gaps_text ms apart"

# --- A CD without a disc: opened at once; the watch, 200 ms later, finds the
# error and stops for good, and the end of the run then leaves the device.
host_clean_workdir
write_settings 1
music_run 2 "cd"
[ "$(sent | head -2 | tr '\n' '|')" = "open cdaudio|set cdaudio time format tmsf|" ] ||
  e2e_fail "the CD was not opened first: $(sent | head -2 | tr '\n' '|')"
[ "$(sent | grep -cxF 'status cdaudio current track')" -eq 1 ] ||
  e2e_fail "the CD watch did not stop after its first error: $(sent | tr '\n' '|')"
first_watch=$(awk -F'\t' '$2 == "set cdaudio time format tmsf" { t = $1 }
  $2 == "status cdaudio current track" { print int(($1 - t) * 1000); exit }' "$commands")
[ "$first_watch" -ge 150 ] && [ "$first_watch" -le 1000 ] ||
  e2e_fail "the first CD watch came $first_watch ms after the open"
! sent | grep -q 'stop cdaudio\|close cdaudio' || e2e_fail "a CD whose watch stopped was closed"
e2e_note "cd: first watch $first_watch ms after the open"

# --- Endings that are neither WAV nor MP3 play nothing, real files though.
for ending in mpeg wave; do
  host_clean_workdir
  if [ $ending = mpeg ]; then place_music tone.mp3 tone.$ending; else place_music tone.wav tone.$ending; fi
  write_settings 2 "$music_folder_windows\\tone.$ending"
  music_run 2 "$ending"
  expect_silence "$ending"
done

# --- A file gone since it was chosen: music off, no message, the run goes on.
host_clean_workdir
write_settings 2 "$music_folder_windows\\gone.mp3"
music_run 3 "gone"
expect_silence "gone"
[ "$(host_ini_value "$(printf 'BGM\xcc\xa7\xb2\xd9')")" = "$music_folder_windows\\gone.mp3" ] ||
  e2e_fail "the settings file lost the music file's name"

# --- Broken files: the MP3 open fails and the watch retries without effect;
# the WAV file plays nothing. Neither ends nor stalls the run.
host_clean_workdir
place_music broken broken.mp3
write_settings 2 "$music_folder_windows\\broken.mp3"
music_run 3 "broken mp3"
[ "$(sent | head -1)" = "open \"$music_folder_windows\\broken.mp3\" type MPEGVideo Alias MP3Play" ] ||
  e2e_fail "the broken MP3 file was not tried: $(sent | head -1)"
! sent | grep -qxF "play MP3Play" || e2e_fail "a broken MP3 file was played after its open"
[ "$(sent | grep -cxF 'play MP3Play from 0')" -ge 2 ] || e2e_fail "the MP3 watch did not keep retrying"
[ -z "$run_first_stream" ] || e2e_fail "a broken MP3 file reached the sink"

host_clean_workdir
place_music broken broken.wav
write_settings 2 "$music_folder_windows\\broken.wav"
music_run 2 "broken wav"
[ "$(play_sound_calls 00000009)" -eq 1 ] || e2e_fail "the broken WAV file was not tried"
[ -z "$run_first_stream" ] || e2e_fail "a broken WAV file reached the sink"

# --- No wave device (Wine's audio drivers off): a WAV file is not played at
# all; an MP3 file cannot sound. The runs go on as usual.
no_audio="mscoree,mshtml=;winepulse.drv,winealsa.drv,wineoss.drv="
host_clean_workdir
place_music tone.wav tone.wav
write_settings 2 "$music_folder_windows\\tone.wav"
music_run 2 "wav, no device" "$no_audio"
[ "$(play_sound_calls 00000009)" -eq 0 ] || e2e_fail "a WAV file was played without a wave device"
[ ! -s "$commands" ] && [ -z "$run_first_stream" ] || e2e_fail "music ran without a wave device"

host_clean_workdir
place_music tone.mp3 tone.mp3
write_settings 2 "$music_folder_windows\\tone.mp3"
music_run 3 "mp3, no device" "$no_audio"
expect_sent "open \"$music_folder_windows\\tone.mp3\" type MPEGVideo Alias MP3Play" "mp3, no device"
[ -z "$run_first_stream" ] || e2e_fail "sound reached the sink without a wave device"

echo "PASS"
