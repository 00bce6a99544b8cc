#!/usr/bin/env bash
# The settings dialog driven with real mouse and keyboard input, checked by
# the bytes it leaves in the settings file: the first start, the scroll
# bar's ends, the music sources and the track conversions.
# Usage: host_dialog.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

key_kind='BGM\x8b\xe6\x95\xaa'        # BGM区分
key_repeat='BGM\xd8\xcb\xdf\xb0\xc4'  # BGMﾘﾋﾟｰﾄ
key_file='BGM\xcc\xa7\xb2\xd9'        # BGMﾌｧｲﾙ

# Client pixels of the controls used here.
mark_cd=(46 70) mark_none=(46 90) mark_file=(46 110)
label_cd=(70 70) label_none=(64 90) label_file=(72 110)
track_box=(116 70) file_button=(58 136) set_button=(192 208)
arrow_left=(320 68) arrow_right=(413 68)

shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot"

# The colour at the middle of option mark $1 (the x of its centre is 46).
mark_colour() {
  e2e_pixel "$shot" 46 "$1"
}
is_selected_mark() { [ "$(mark_colour "$1")" != "255,255,255" ]; }

# The butterfly count label of the last shot, as black text on white, and
# the width of that text.
count_label() {
  convert "$shot" -crop 108x13+312+80 +repage -threshold 50% "$1"
}
count_text_width() {
  convert "$1" -negate -trim -format '%w' info: 2>/dev/null
}
e2e_on_exit "rm -f $shot.500.png $shot.count.png"

# Whether the inside of the path label in the last shot shows no text.
path_label_empty() {
  convert "$shot" -crop 369x29+86+126 +repage "$shot.path.png"
  [ -z "$(e2e_bbox_not "$shot.path.png" 224,224,224 2>/dev/null)" ]
}
e2e_on_exit "rm -f $shot.path.png"

# Clicks "..." and reports whether a file chooser opened (closing it again).
chooser_opens() {
  host_dialog_click "${file_button[@]}"
  local i
  for i in $(seq 15); do
    if [ -n "$(host_dialog_other_windows)" ]; then
      sleep 0.5
      xdotool key Escape
      host_dialog_await_alone 10 || e2e_fail "Escape did not close the file chooser"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# --- First start without a settings file: 5, 500, no music.
host_clean_workdir
host_dialog_open
host_dialog_shot "$shot"
is_selected_mark 90 || e2e_fail "なし is not selected at the first start"
! is_selected_mark 70 || e2e_fail "音楽CD is selected at the first start"
! is_selected_mark 110 || e2e_fail "MP3、WAV is selected at the first start"
path_label_empty || e2e_fail "the path label is not empty at the first start"
# Engraved caption boxes: each white outline one pixel right of and below its
# black one (the right white outline came from elsewhere in the layout).
for x in 60 300; do
  [ "$(e2e_pixel "$shot" $x 28)" = "0,0,0" ] || e2e_fail "no black outline at $x,28"
  [ "$(e2e_pixel "$shot" $x 29)" = "255,255,255" ] || e2e_fail "no white outline at $x,29"
  [ "$(e2e_pixel "$shot" $x 30)" = "224,224,224" ] || e2e_fail "the outlines are not one pixel apart at $x"
done
[ "$(e2e_pixel "$shot" 300 20)" = "224,224,224" ] || e2e_fail "an outline stayed at its place before load"
# Centred across the screen, a third of the free height down (the title bar
# counts towards the dialog's height).
read -r screen_w screen_h <<<"$(e2e_screen_size | tr x ' ')"
centre_offset=$((2 * host_dialog_x + 497 - screen_w))
[ "${centre_offset#-}" -le 8 ] || e2e_fail "the dialog is not centred (client left $host_dialog_x)"
third=$(((screen_h - 266) / 3))
[ "$host_dialog_y" -ge $((third - 10)) ] && [ "$host_dialog_y" -le $((third + 40)) ] ||
  e2e_fail "the dialog is not a third of the way down (client top $host_dialog_y)"
count_label "$shot.500.png"
width_500=$(count_text_width "$shot.500.png")
[ "$width_500" -gt 10 ] || e2e_fail "the count label shows no text"
# The track box is disabled: typing into it changes nothing.
host_dialog_type_at "${track_box[@]}" 7
! chooser_opens || e2e_fail "the disabled ... button opened the file chooser"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw Num 5 "first start"
host_expect_raw Num100 500 "first start"
host_expect_raw "$key_kind" 0 "first start"
host_expect_raw "$key_repeat" 0 "first start, disabled track box"
host_expect_raw "$key_file" "" "first start"
e2e_note "first start: 5, 500, no music, track box and ... disabled; CP932 keys written"

# --- Scroll bar ends: 1 shows 100, 10 shows 1000.
host_dialog_open
for i in $(seq 6); do host_dialog_click "${arrow_left[@]}"; done
host_dialog_shot "$shot"
count_label "$shot.count.png"
# Three digits again, but not those of 500.
width_100=$(count_text_width "$shot.count.png")
[ "$width_100" -gt 10 ] && [ "$width_100" -le "$width_500" ] ||
  e2e_fail "the count label does not show three digits at 1"
[ "$(compare -metric AE "$shot.500.png" "$shot.count.png" null: 2>&1)" != 0 ] ||
  e2e_fail "the count label did not follow the scroll bar to 1"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw Num 1 "scroll bar at its left end"
host_expect_raw Num100 100 "scroll bar at its left end"
host_dialog_open
for i in $(seq 12); do host_dialog_click "${arrow_right[@]}"; done
host_dialog_shot "$shot"
count_label "$shot.count.png"
[ "$(count_text_width "$shot.count.png")" -gt "$width_500" ] ||
  e2e_fail "the count label does not show four digits at 10"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw Num 10 "scroll bar at its right end"
host_expect_raw Num100 1000 "scroll bar at its right end"
e2e_note "scroll bar: 1 stores 1/100, 10 stores 10/1000, the label follows"

# --- 音楽CD by its label enables only the track box; 3.5 stores 4.
host_dialog_open
host_dialog_click "${label_cd[@]}"
host_dialog_shot "$shot"
is_selected_mark 70 || e2e_fail "a press on 音楽CD did not select it"
! is_selected_mark 90 || e2e_fail "なし stays selected after 音楽CD"
! chooser_opens || e2e_fail "... is enabled with 音楽CD"
host_dialog_type_at "${track_box[@]}" 3.5
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw "$key_kind" 1 "音楽CD"
host_expect_raw "$key_repeat" 4 "track 3.5"
e2e_note "音楽CD: track box only; 3.5 stores 4"

# --- Track texts: 2.5 -> 2 (typed, then left behind by なし), letters -> 0, -3 -> -3.
check_track() {
  local text=$1 expected=$2 leave_behind=${3:-}
  host_dialog_open
  host_dialog_click "${mark_cd[@]}"
  # Whatever the box shows from the last run goes first.
  host_dialog_click "${track_box[@]}"
  xdotool key End BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 40 -- "$text"
  if [ -n "$leave_behind" ]; then
    host_dialog_click "${label_none[@]}"
  fi
  host_dialog_click "${set_button[@]}"
  host_dialog_wait_closed
  host_expect_raw "$key_repeat" "$expected" "track text $text"
  e2e_note "track text '$text' stores $expected"
}
check_track 2.5 2 leave-behind
host_expect_raw "$key_kind" 0 "なし chosen after typing a track"
check_track abc 0
check_track -3 -3

# --- MP3、WAV by a right-button press enables only "...": the chooser's
# cancel changes nothing, a typed name of a missing file is taken.
host_dialog_open
host_dialog_click "${mark_file[@]}" 3
host_dialog_shot "$shot"
is_selected_mark 110 || e2e_fail "a right-button press on MP3、WAV did not select it"
# The track box is disabled again: typing does not reach it.
host_dialog_type_at "${track_box[@]}" 9
chooser_opens || e2e_fail "... did not open the file chooser with MP3、WAV"
host_dialog_shot "$shot"
path_label_empty || e2e_fail "a cancelled chooser set a path"
host_dialog_click "${file_button[@]}"
for i in $(seq 20); do [ -n "$(host_dialog_other_windows)" ] && break; sleep 0.2; done
[ -n "$(host_dialog_other_windows)" ] || e2e_fail "the file chooser did not open a second time"
sleep 0.5
xdotool type --delay 40 'C:\tolvek_temp\missing.mp3'
xdotool key Return
host_dialog_await_alone 10 || e2e_fail "the chooser did not take a missing file's name"
host_dialog_shot "$shot"
! path_label_empty || e2e_fail "the path label stays empty after a choice"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw "$key_kind" 2 "MP3、WAV"
host_expect_raw "$key_repeat" -3 "the track box kept its text while disabled"
host_expect_raw "$key_file" 'C:\\tolvek_temp\\missing.mp3' "typed file name"
e2e_note "MP3、WAV by right button: ... only; cancel keeps the path; a missing file's name is stored"
