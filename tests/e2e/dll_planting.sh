#!/usr/bin/env bash
# No DLL planting: a portable copy of both programs in a folder that also
# holds DLLs named like the ones they use (WINMM.dll, OPENGL32.dll,
# GLU32.dll, COMCTL32.dll). Wine searches as Windows does: native DLLs first
# for these names (WINEDLLOVERRIDES), the program's folder first. The planted
# DLL leaves a mark and ends the process when it is loaded. First a probe
# loading each name by Windows' ordinary search shows that the planted DLLs
# would be taken; then /a, /c and a whole /s run (with WAV music, so the host
# uses WINMM.dll) load none of them, and Wine's trace shows the real DLLs
# loaded from the system folder.
# Usage: dll_planting.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW PLANTED_DLL DLL_PROBE
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
planted_dll=$6
dll_probe=$7
e2e_ensure_display

names=(WINMM OPENGL32 GLU32 COMCTL32)
folder="$host_prefix/drive_c/Downloads/Kalendra portable"
rm -rf "$folder"
mkdir -p "$folder"
cp "$host_program" "$folder/Kalendra.scr"
cp "$(dirname "$host_program")/Kalendra.dll" "$folder/Kalendra.dll"
cp "$dll_probe" "$folder/dll_probe.exe"
for name in "${names[@]}"; do
  cp "$planted_dll" "$folder/$name.dll"
done
host_program=$folder/Kalendra.scr
export WINEDLLOVERRIDES="mscoree,mshtml=;winmm,opengl32,glu32,comctl32=n,b"

expect_no_mark() {
  local marks
  marks=$(cd "$folder" && ls -- *.loaded 2>/dev/null || true)
  [ -z "$marks" ] || host_fail "planted DLL loaded ($1): $marks"
}

for name in "${names[@]}"; do
  status=0
  "$host_wine_run" "$host_prefix" "$folder/dll_probe.exe" "$name.dll" >/dev/null 2>&1 || status=$?
  [ "$status" -eq 99 ] && [ -f "$folder/$name.dll.loaded" ] ||
    e2e_fail "the probe did not load the planted $name.dll (status $status): the test sees no planting"
  rm -f "$folder/$name.dll.loaded"
done
e2e_note "the probe loads each planted DLL from its own folder"

# From here on Wine traces every DLL load into the host's output.
export WINEDEBUG=+loaddll

host_clean_workdir
host_run_to_end 20 /a
expect_no_mark /a
e2e_note "/a: no planted DLL loaded"

host_dialog_open
e2e_keys "$host_dialog_id" Return
host_dialog_wait_closed
expect_no_mark /c
e2e_note "/c: no planted DLL loaded"

# A whole run with WAV music.
mkdir -p "$host_workdir"
sox -n -r 22050 -b 16 -c 1 "$host_workdir/tone.wav" synth 1 sine 440
{
  printf '[Settings]\r\nNum= 1\r\n'
  printf 'BGM\x8b\xe6\x95\xaa= 2\r\n'
  printf 'BGM\xcc\xa7\xb2\xd9=C:\\tolvek_temp\\tone.wav\r\n'
} >"$host_workdir/Kalendra.ini"
host_start /s
id=$(e2e_wait_window Butterfly_VC 40) || host_fail "no Butterfly_VC window"
sleep 2
host_press_escape
e2e_wait_exit "$host_pid" 10 || host_fail "the host still runs 10 s after Escape"
[ "$e2e_status" -eq 0 ] || host_fail "the host ended with status $e2e_status"
expect_no_mark /s
# Every DLL the programs loaded in the three starts, as a lower-case Windows path.
loaded=$(sed -n 's/.*trace:loaddll:.*Loaded L"\([^"]*\)".*/\1/p' "$host_output" |
  sed 's/\\\\/\\/g' | tr '[:upper:]' '[:lower:]')
for name in "${names[@]}"; do
  name=$(tr '[:upper:]' '[:lower:]' <<<"$name")
  # COMCTL32.dll version 6 comes from the side-by-side store, as the manifest asks.
  grep -qE "^c:\\\\windows\\\\(system32|winsxs\\\\[^\\]+)\\\\$name\\.dll\$" <<<"$loaded" ||
    host_fail "$name.dll was not loaded from the system folder during the run"
done
e2e_note "/s: a whole run; the four DLLs loaded from the system folder"
echo "PASS"
