#!/usr/bin/env bash
# The settings dialog with stored values outside their ranges, the scroll
# bar's thumb dragged, the keyboard alone (first focus, Tab past disabled
# controls, Enter and Space on the buttons) and the folder the file chooser
# opens in, checked by the bytes the dialog leaves in the settings file.
# Usage: host_dialog_input.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW DIALOG_PROBE
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display
dialog_probe=$6

key_kind='BGM\x8b\xe6\x95\xaa'        # BGM区分
key_repeat='BGM\xd8\xcb\xdf\xb0\xc4'  # BGMﾘﾋﾟｰﾄ
key_file='BGM\xcc\xa7\xb2\xd9'        # BGMﾌｧｲﾙ

file_button=(58 136) set_button=(192 208) thumb_y=68
shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot $shot.count.png"
e2e_on_exit host_clean_workdir

# Writes a settings file: Num $1, source $2, track $3, file $4 (printf text).
write_settings() {
  host_clean_workdir
  mkdir -p "$host_workdir"
  printf "[Settings]\r\nNum= $1\r\n$key_kind= $2\r\n$key_repeat= $3\r\n$key_file=$4\r\n" \
    >"$host_workdir/Kalendra.ini"
}

is_selected_mark() { [ "$(e2e_pixel "$shot" 46 "$1")" != "255,255,255" ]; }

# Width of the butterfly count's text in the last shot.
count_text_width() {
  convert "$shot" -crop 108x13+312+80 +repage -threshold 50% -negate -trim -format '%w' info: 2>/dev/null
}

# Opens the file chooser with "...", types $1 into it and presses Enter, or
# Escape when $1 is empty.
choose_file() {
  host_dialog_click "${file_button[@]}"
  local i
  for i in $(seq 25); do [ -n "$(host_dialog_other_windows)" ] && break; sleep 0.2; done
  [ -n "$(host_dialog_other_windows)" ] || e2e_fail "the file chooser did not open"
  sleep 0.5
  if [ -n "$1" ]; then
    xdotool type --delay 40 -- "$1"
    xdotool key Return
  else
    xdotool key Escape
  fi
  host_dialog_await_alone 10 || e2e_fail "the file chooser stayed open ('$1')"
}

# --- Every control a standard control, as a screen reader meets it: class,
# role-giving style and caption, in window order (each caption right before
# the control it names), the chosen source checked.
host_clean_workdir
host_dialog_open
controls=$("$host_wine_run" "$host_prefix" "$dialog_probe" "$host_dialog_title" 2>/dev/null | tr -d '\r')
expected='Button|autoradio+group|音楽CD
Button|autoradio+tabstop|なし|checked
Button|autoradio|MP3、WAV
Static|text+group|曲目をﾘﾋﾟｰﾄ
ComboBox|dropdown+tabstop|
Button|push+tabstop|...
Static|text+noprefix|
Button|defpush+tabstop|設定
Button|push+tabstop|ｷｬﾝｾﾙ
Static|ownerdraw+notify+tabstop|Kalendra: open the help page
Static|ownerdraw+notify+tabstop|Kalendra: open the help page
Static|text|BGM
Static|text|min.
Static|text|max.
Static|text|500
Static|text|蝶の数
ScrollBar|horizontal+tabstop|'
[ "$controls" = "$expected" ] || e2e_fail "the dialog's windows are:
$controls"
e2e_keys "$host_dialog_id" Escape
host_dialog_wait_closed
e2e_note "standard controls: radio group, combo box, push buttons, scroll bar, captions before what they name"

# --- Stored values outside their ranges: the count keeps 5, an unknown source
# selects no mark and enables nothing, a track beyond the list shows as it is.
for num in 0 11; do
  write_settings "$num" 3 45 ''
  host_dialog_open
  host_dialog_shot "$shot"
  for y in 70 90 110; do ! is_selected_mark $y || e2e_fail "a mark at $y is selected for source 3"; done
  e2e_keys "$host_dialog_id" Return
  host_dialog_wait_closed
  host_expect_raw Num 5 "stored Num $num"
  host_expect_raw Num100 500 "stored Num $num"
  host_expect_raw "$key_kind" 3 "stored source 3"
  host_expect_raw "$key_repeat" 45 "stored track 45, track box disabled"
done
e2e_note "Num 0 and 11 keep 5; source 3 selects nothing; track 45 kept"

# --- The first focus is on "設定" (the track box and "..." are disabled):
# Enter confirms. Tab passes the disabled controls; Space presses a button.
# The order: 設定, ｷｬﾝｾﾙ, the two banner boxes, the scroll bar, the music
# sources (one stop), round to 設定.
write_settings 3 0 0 ''
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Tab Tab Right Tab Tab space
host_dialog_wait_closed
host_expect_raw Num 4 "Right on the scroll bar, Space on 設定"
write_settings 3 0 0 ''
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Tab Tab Right Tab Tab Tab space
host_dialog_wait_closed
host_expect_raw Num 3 "Space on ｷｬﾝｾﾙ"
e2e_note "keyboard: first focus 設定, Tab skips disabled controls, Enter and Space press buttons"

# --- Every setting by keyboard alone: the arrow keys choose a source (音楽CD
# is above なし), Tab reaches the track box it enables, Enter there is 設定.
write_settings 3 0 0 ''
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Tab Tab Right Right Tab Up Tab
xdotool type --delay 40 12
e2e_keys "$host_dialog_id" Return
host_dialog_wait_closed
host_expect_raw Num 5 "Right twice on the scroll bar"
host_expect_raw Num100 500 "Right twice on the scroll bar"
host_expect_raw "$key_kind" 1 "Up from なし"
host_expect_raw "$key_repeat" 12 "track typed after Tab"
host_expect_raw "$key_file" "" "keyboard alone"
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Tab Tab Tab Down Down Return
host_dialog_wait_closed
host_expect_raw "$key_kind" 2 "Down twice from 音楽CD, Enter on a source"
host_expect_raw "$key_repeat" 12 "the track box kept its text"
cp "$host_workdir/Kalendra.ini" "$shot.ini"
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Tab Tab Left Tab Up Up Escape
host_dialog_wait_closed
cmp -s "$host_workdir/Kalendra.ini" "$shot.ini" || e2e_fail "Escape changed the settings file"
rm -f "$shot.ini"
# A banner box with the focus opens the help page on Enter; the dialog stays.
host_dialog_open
e2e_keys "$host_dialog_id" Tab Tab Return
for i in $(seq 50); do [ -s "$host_workdir/Kalendra.html" ] && break; sleep 0.2; done
[ -s "$host_workdir/Kalendra.html" ] || e2e_fail "Enter on a banner box did not write the help page"
kill -0 "$host_pid" 2>/dev/null || e2e_fail "the dialog closed after Enter on a banner box"
kill "$host_pid"
wait "$host_pid" 2>/dev/null || true
e2e_note "keyboard alone: sources by arrows, count, track, Enter saves, Escape writes nothing, Enter on a banner opens help"

# --- Dragging the thumb: the label follows while the button is held.
write_settings 5 0 0 ''
host_dialog_open
host_dialog_shot "$shot"
width_500=$(count_text_width)
xdotool mousemove $((host_dialog_x + 363)) $((host_dialog_y + thumb_y)) mousedown 1
sleep 0.3
xdotool mousemove $((host_dialog_x + 430)) $((host_dialog_y + thumb_y))
sleep 0.5
host_dialog_shot "$shot"
width_dragged=$(count_text_width)
xdotool mouseup 1
sleep 0.3
[ "$width_dragged" -gt $((width_500 + 3)) ] ||
  e2e_fail "the label did not follow the thumb (width $width_dragged, 500: $width_500)"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw Num 10 "thumb dragged to the right end"
e2e_note "thumb drag: the label follows, 10 stored"

# --- Source 2 with an existing file enables "...". The chooser opens in the
# stored file's folder; the folder stays after a cancel and follows a choice.
write_settings 5 2 0 'C:\\tolvek_temp\\first\\a.mp3'
mkdir -p "$host_workdir/first" "$host_workdir/second"
printf 'x' >"$host_workdir/first/a.mp3"
printf 'x' >"$host_workdir/first/b.mp3"
host_dialog_open
choose_file ''
choose_file b.mp3
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw "$key_file" 'C:\\tolvek_temp\\first\\b.mp3' "chooser folder at the start and after a cancel"
host_dialog_open
choose_file 'C:\tolvek_temp\second\c.mp3'
choose_file d.mp3
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw "$key_file" 'C:\\tolvek_temp\\second\\d.mp3' "chooser folder after a choice"
e2e_note "file chooser: opens in the stored folder, kept after cancel, follows a choice"
echo "PASS"
