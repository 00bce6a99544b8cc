#!/usr/bin/env bash
# Runs the music binding's tests under Wine with real files: sox and lame make
# a WAV and an MP3 file in a folder with blanks in its name.
#
# With "sound", a private PulseAudio daemon whose only sink is a null sink
# gives Wine wave devices; while the tests run, the number of streams playing
# on the sink is written every 0.2 s to a file the tests read
# (KALENDRA_TEST_STREAMS). Without PulseAudio the run falls back to "silent".
# With "silent", Wine's audio drivers are turned off for the run, so there is
# no wave device whatever the machine has.
#
# Usage: run_with_sound.sh sound|silent WINE_RUN PREFIX TEST_PROGRAM
set -euo pipefail
mode=$1
wine_run=$2
prefix=$3
program=$4

work=$(mktemp -d /tmp/kalendra-music.XXXXXX)
pulse_pid=
watch_pid=
cleanup() {
  if [ -n "$watch_pid" ]; then kill "$watch_pid" 2>/dev/null || true; fi
  if [ -n "$pulse_pid" ]; then
    kill "$pulse_pid" 2>/dev/null || true
    wait "$pulse_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

music="$work/my music"
mkdir -p "$music"
sox -n -r 44100 -c 2 "$music/tone one.wav" synth 2 sine 440
lame --quiet "$music/tone one.wav" "$music/tone one.mp3"
export KALENDRA_TEST_WAV KALENDRA_TEST_MP3
KALENDRA_TEST_WAV=$(windows_path "$music/tone one.wav")
KALENDRA_TEST_MP3=$(windows_path "$music/tone one.mp3")

# Wine's MPEG player decodes through the system's 64-bit GStreamer plugins.
gst=/usr/lib/x86_64-linux-gnu/gstreamer-1.0
export KALENDRA_TEST_MP3_DECODER=0
if [ -f "$gst/libgstaudioparsers.so" ] && [ -f "$gst/libgstmpg123.so" ]; then
  KALENDRA_TEST_MP3_DECODER=1
else
  echo "note: no GStreamer MP3 parser/decoder (gstreamer1.0-plugins-good)"
fi

export KALENDRA_TEST_WAVE_DEVICE=0
if [ "$mode" = sound ]; then
  if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    mkdir -m 700 "$work/pulse"
    socket="$work/pulse/native"
    HOME="$work/pulse" XDG_RUNTIME_DIR="$work/pulse" pulseaudio -n --daemonize=no \
      --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
      --load=module-null-sink \
      --load="module-native-protocol-unix auth-anonymous=1 socket=$socket" \
      >"$work/pulse.log" 2>&1 &
    pulse_pid=$!
    export PULSE_SERVER="unix:$socket"
    for _ in $(seq 100); do
      pactl info >/dev/null 2>&1 && break
      sleep 0.1
    done
    if pactl info >/dev/null 2>&1; then
      KALENDRA_TEST_WAVE_DEVICE=1
      streams="$work/streams"
      echo -1 >"$streams"
      (while :; do
        pactl list short sink-inputs 2>/dev/null | wc -l >"$streams.new" && mv "$streams.new" "$streams"
        sleep 0.2
      done) &
      watch_pid=$!
      export KALENDRA_TEST_STREAMS
      KALENDRA_TEST_STREAMS=$(windows_path "$streams")
    else
      echo "note: PulseAudio did not start; running silent"
      cat "$work/pulse.log"
    fi
  else
    echo "note: no PulseAudio; running silent"
  fi
fi
if [ "$KALENDRA_TEST_WAVE_DEVICE" = 0 ]; then
  # No audio driver loads, so Wine has no wave device even on a machine with
  # a sound card or a user's sound server.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winepulse.drv,winealsa.drv,wineoss.drv="
fi
echo "wave device: $KALENDRA_TEST_WAVE_DEVICE, MP3 decoder: $KALENDRA_TEST_MP3_DECODER"

"$wine_run" "$prefix" "$program"
