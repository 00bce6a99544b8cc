#!/usr/bin/env bash
# The music file chooser on two system code pages: its title reads right on
# both, and a chosen file whose name the code page cannot spell is stored as
# its short (8.3) form, which names the same file. Western code page: a
# Japanese name; Japanese code page (the host started with a ja_JP locale):
# a Hangul name. Also: an "&" in a path is stored and shown as it is.
# Usage: host_dialog_codepage.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW LOCALE_DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
locale_dir=$6
e2e_ensure_display

mark_file=(46 110) file_button=(58 136) set_button=(192 208)
chooser_title='ﾌｧｲﾙを開く'

# A Japanese locale for Wine's code page 932, built once into the build folder.
if [ ! -f "$locale_dir/ja_JP.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$locale_dir"
  localedef -i ja_JP -f UTF-8 "$locale_dir/ja_JP.UTF-8" >/dev/null 2>&1 ||
    [ -f "$locale_dir/ja_JP.UTF-8/LC_CTYPE" ] || e2e_fail "the ja_JP locale could not be built"
fi

# The stored BGMﾌｧｲﾙ value, raw bytes.
stored_path() {
  LC_ALL=C awk -v key="$(printf 'BGM\xcc\xa7\xb2\xd9')" '
    { sub(/\r$/, "") } index($0, key "=") == 1 { v = substr($0, length(key) + 2); sub(/^ /, "", v); print v }' \
    "$host_workdir/Kalendra.ini"
}

# Chooses the one file in folder $1 (a Windows path, plain ASCII) with the
# chooser, by keys: the folder is typed (a typed name of other characters
# is not reliable under Xvfb), the file picked in the list, then "Open".
# Saves a picture of the dialog as dialog-codepage-$2.png and confirms.
choose_and_save() {
  host_dialog_open
  host_dialog_click "${mark_file[@]}"
  host_dialog_click "${file_button[@]}"
  local chooser
  chooser=$(e2e_wait_window "$chooser_title" 20) || e2e_fail "no file chooser titled $chooser_title ($2)"
  sleep 0.5
  xdotool type --delay 60 -- "$1\\"
  xdotool key Return
  sleep 1
  xdotool key shift+Tab
  sleep 0.3
  xdotool key Home space
  sleep 0.5
  xdotool key alt+o
  e2e_await_no_window "$chooser_title" 10
  sleep 0.5 # the dialog repaints what the chooser covered
  host_dialog_shot "$shot_folder/dialog-codepage-$2.png"
  # Under Wine the first click after the chooser closed may only bring the
  # dialog forward; "設定" is clicked again while it stays open.
  local attempt
  for attempt in 1 2 3; do
    host_dialog_click "${set_button[@]}"
    e2e_wait_exit "$host_pid" 5 && break
  done
  host_dialog_wait_closed
}

shot_folder=$(dirname "$host_prefix")
music_dir="$host_workdir/music"
check_short_form() { # $1 the file's own name, $2 the case
  local stored unix_path
  stored=$(stored_path)
  LC_ALL=C grep -q '[^ -~]' <<<"$stored" && e2e_fail "$2: the stored path '$stored' is not plain ASCII"
  [[ $stored == *'~'* ]] || e2e_fail "$2: the stored path '$stored' is not a short form"
  unix_path=$(WINEPREFIX=$host_prefix /usr/lib/wine/wine64 winepath -u "$stored" 2>/dev/null | tr -d '\r')
  [ "$(readlink -f "$unix_path")" = "$(readlink -f "$music_dir/$1")" ] ||
    e2e_fail "$2: the stored path '$stored' names '$unix_path', not the chosen file"
  e2e_note "$2: '$1' stored as $stored"
}

# --- Western code page, a Japanese name.
host_clean_workdir
japanese='日本語の曲名ファイル.mp3'
hangul='한국어노래제목파일.mp3'
mkdir -p "$music_dir/ja" "$music_dir/ko" "$music_dir/amp"
touch "$music_dir/ja/$japanese" "$music_dir/ko/$hangul" "$music_dir/amp/R&B.mp3"
choose_and_save 'C:\tolvek_temp\music\ja' western
check_short_form "ja/$japanese" "code page 1252"

# An "&" is a character of the path.
choose_and_save 'C:\tolvek_temp\music\amp' ampersand
[ "$(stored_path)" = 'C:\tolvek_temp\music\amp\R&B.mp3' ] || e2e_fail "R&B.mp3 was stored as '$(stored_path)'"

# --- Japanese code page, a Hangul name.
export LOCPATH=$locale_dir LANG=ja_JP.UTF-8
choose_and_save 'C:\tolvek_temp\music\ko' japanese
check_short_form "ko/$hangul" "code page 932"
# The same code page spells the Japanese name: stored as chosen, in its bytes.
choose_and_save 'C:\tolvek_temp\music\ja' japanese-name
expected=$(printf '%s' "C:\\tolvek_temp\\music\\ja\\$japanese" | iconv -f UTF-8 -t CP932)
[ "$(stored_path)" = "$expected" ] ||
  e2e_fail "code page 932: the Japanese name was stored as '$(stored_path | iconv -f CP932 -t UTF-8)'"
e2e_note "code page 932: '$japanese' stored as chosen, in code page 932 bytes"
