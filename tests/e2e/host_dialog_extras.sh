#!/usr/bin/env bash
# The settings dialog's other ways out and its ornaments: closing by the
# window's close command or "ｷｬﾝｾﾙ" writes nothing, an out-of-range track is
# refused, the open dialog blocks other starts, the banner plays, and a click
# on it opens the help page through the shell.
# Usage: host_dialog_extras.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW URL_RECORDER VERSION
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
url_recorder=$6
version=$7
e2e_ensure_display

mark_cd=(46 70) mark_none=(46 90) track_box=(116 70) set_button=(192 208) cancel_button=(302 208)
arrow_right=(413 68)
left_banner='123x52+12+192'
right_banner='123x52+360+192'

shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot $shot.*.png"

# A settings file the dialog must leave alone, byte for byte.
prepare_settings() {
  host_clean_workdir
  mkdir -p "$host_workdir"
  printf '[Settings]\r\nNum= 3\r\nNum100= 300\r\n' >"$host_workdir/Kalendra.ini"
}
settings_sum() { md5sum <"$host_workdir/Kalendra.ini"; }

# Pixels of the banner box $1 (a crop geometry) of the last shot that are not black.
banner_lit() {
  convert "$shot" -crop "$1" +repage -threshold 10% -format '%[fx:round(w*h*mean)]' info:
}

# --- The window's close command and "ｷｬﾝｾﾙ" write nothing, whatever was changed.
prepare_settings
host_dialog_open
# LoadSettings rewrites Num100 at every start; that is the baseline.
before=$(settings_sum)
host_dialog_click "${arrow_right[@]}"
host_dialog_click "${mark_cd[@]}"
# Alt+F4 goes through the window manager, which asks the dialog to close.
e2e_keys "$host_dialog_id" alt+F4
host_dialog_wait_closed
[ "$(settings_sum)" = "$before" ] || e2e_fail "closing by the close command wrote the settings file"
e2e_note "close command (Alt+F4): nothing written"
host_dialog_open
before=$(settings_sum)
host_dialog_click "${arrow_right[@]}"
host_dialog_click "${mark_cd[@]}"
host_dialog_click "${cancel_button[@]}"
host_dialog_wait_closed
[ "$(settings_sum)" = "$before" ] || e2e_fail "ｷｬﾝｾﾙ wrote the settings file"
e2e_note "ｷｬﾝｾﾙ: nothing written"

# --- A track beyond 16 bits is refused with a message; nothing is written
# and the dialog stays open. The focus then lands on the track box, enabled
# for the correction although "なし" was chosen after typing.
host_dialog_open
before=$(settings_sum)
host_dialog_click "${mark_cd[@]}"
host_dialog_type_at "${track_box[@]}" 40000
host_dialog_click "${mark_none[@]}"
host_dialog_click "${set_button[@]}"
message=$(e2e_wait_window Kalendra 20) || e2e_fail "no message refused the track 40000"
[ "$(settings_sum)" = "$before" ] || e2e_fail "the refused confirmation wrote the settings file"
kill -0 "$host_pid" 2>/dev/null || e2e_fail "the dialog closed after the refusal"
e2e_keys "$message" Return
host_dialog_await_alone 10 || e2e_fail "the message did not close"
# Corrected by keys alone, the confirmation goes through.
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 40 12
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw 'BGM\xd8\xcb\xdf\xb0\xc4' 12 "track corrected after the refusal"
host_expect_raw 'BGM\x8b\xe6\x95\xaa' 0 "the source chosen before the refusal"
e2e_note "track 40000: refused with a message, nothing written; corrected in the box the focus went to, 12 stored"

# --- Choosing the source that is chosen already leaves the focus where it
# was: typing goes on into the track box.
prepare_settings
host_dialog_open
host_dialog_click "${mark_cd[@]}"
host_dialog_type_at "${track_box[@]}" 3
host_dialog_click "${mark_cd[@]}"
xdotool type --delay 40 4
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw 'BGM\xd8\xcb\xdf\xb0\xc4' 34 "typed before and after choosing the chosen source"
e2e_note "choosing the chosen source: the focus stayed in the track box"

# --- While the dialog is open every other start ends at once.
host_dialog_open
for argument in /s /c; do
  other_pid=
  "$host_wine_run" "$host_prefix" "$host_program" "$argument" >/dev/null 2>&1 &
  other_pid=$!
  e2e_on_exit "kill -9 $other_pid"
  e2e_wait_exit "$other_pid" 20 || e2e_fail "Kalendra.scr $argument ran while the dialog was open"
  [ -z "$(host_renderer_pids)" ] || e2e_fail "a renderer started while the dialog was open"
  [ "$(xdotool search --onlyvisible --name "^$host_dialog_title\$" | wc -l)" -eq 1 ] ||
    e2e_fail "a second dialog opened"
done
e2e_note "open dialog: /s and /c end at once"

# --- The banner: the right box stays black for the first pass, the frames
# advance in the left box, then in the right one.
host_dialog_shot "$shot"
early_ms=$(($(host_now_ms) - host_dialog_opened_ms))
if [ "$early_ms" -lt 1500 ]; then
  [ "$(banner_lit "$right_banner")" -eq 0 ] || e2e_fail "the right banner box shows a frame before the 25th tick"
fi
declare -A seen_left=() seen_right=()
for i in $(seq 30); do
  host_dialog_shot "$shot"
  seen_left[$(convert "$shot" -crop "$left_banner" +repage -format '%#' info:)]=1
  seen_right[$(convert "$shot" -crop "$right_banner" +repage -format '%#' info:)]=1
  sleep 0.15
done
[ "${#seen_left[@]}" -ge 5 ] || e2e_fail "the left banner box showed only ${#seen_left[@]} pictures"
[ "${#seen_right[@]}" -ge 5 ] || e2e_fail "the right banner box showed only ${#seen_right[@]} pictures"
e2e_note "banner: ${#seen_left[@]} pictures left, ${#seen_right[@]} right in about 6 s"

# --- A click on a banner box writes the help page into the working folder
# and opens it through the shell: the prefix's handler of .html files is
# pointed at a recorder for the test.
record="$host_workdir/opened_address.txt"
rm -f "$record" "$host_workdir/Kalendra.html"
to_windows() { printf 'Z:%s' "$(readlink -f "$1")" | sed 's|/|\\|g'; }
wine_reg() { WINEPREFIX=$host_prefix /usr/lib/wine/wine64 reg "$@"; }
handler_key='HKLM\Software\Classes\htmlfile\shell\open\command'
old_handler=$(wine_reg query "$handler_key" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
[ -n "$old_handler" ] || old_handler='"C:\windows\system32\winebrowser.exe" "%1"'
e2e_on_exit "WINEPREFIX=$host_prefix /usr/lib/wine/wine64 reg add '$handler_key' /ve /d '${old_handler//\'/}' /f"
# Windows always knows .html; a fresh Wine prefix may not.
wine_reg add 'HKLM\Software\Classes\.html' /ve /d htmlfile /f >/dev/null 2>&1 ||
  e2e_fail "the .html type could not be registered"
wine_reg add "$handler_key" /ve \
  /d "\"$(to_windows "$url_recorder")\" \"$(to_windows "$host_workdir")\\opened_address.txt\" \"%1\"" /f \
  >/dev/null 2>&1 || e2e_fail "the test handler could not be registered"
host_dialog_click 70 215
for i in $(seq 100); do [ -s "$record" ] && break; sleep 0.1; done
[ -s "$record" ] || e2e_fail "the banner click opened nothing"
opened=$(tr '[:upper:]' '[:lower:]' <"$record")
[ "$opened" = 'c:\tolvek_temp\kalendra.html' ] || e2e_fail "the banner opened '$(cat "$record")'"
page="$host_workdir/Kalendra.html"
for text in '<h1>Kalendra</h1>' "Version $version." 'Installing and removing' 'Settings' \
  'C:\tolvek_temp\Kalendra.ini' 'Known limits' '設定'; do
  grep -qF "$text" "$page" || e2e_fail "the help page lacks '$text'"
done
kill -0 "$host_pid" 2>/dev/null || e2e_fail "the dialog closed after the banner click"
host_dialog_click "${cancel_button[@]}"
host_dialog_wait_closed
e2e_note "banner click: the shell opened the help page $(cat "$record") ($(wc -c <"$page") bytes)"
