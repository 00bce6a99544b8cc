#!/usr/bin/env bash
# Hostile files between runs. The settings file and the texture files are
# replaced with garbage, cut short, made enormous (200 MB, sparse), made
# unreadable or replaced by a folder; every run still goes: the host rewrites
# the textures it can, falls back to the default settings, ends with status
# 0 after Escape, and no crash dialog or message box appears. The renderer
# started alone with hostile texture and settings files in C:\tolvek_temp
# flies (untextured where a file is bad) and ends on Escape with status 0.
# Usage: host_hostile.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
source "$(dirname "$0")/host_stress_lib.sh"
e2e_ensure_display
renderer_program=$(dirname "$host_program")/Kalendra.dll
windows_before=$(stress_window_names)
ini=$host_workdir/Kalendra.ini

# $2 bytes of fixed pseudo-random garbage (NULs, line ends and brackets
# included) into file $1.
garbage() {
  local file=$1 count=$2 escapes= octal i
  RANDOM=7
  for ((i = 0; i < count; i++)); do
    printf -v octal '%03o' $((RANDOM % 256))
    escapes+="\\$octal"
  done
  printf "$escapes" >"$file"
}

# Bytes given as numbers 0..255, written as they are.
bytes() {
  local escapes= byte
  for byte; do printf -v escapes '%s\\x%02x' "$escapes" "$byte"; done
  printf "$escapes"
}

# Little-endian fields of a bitmap header.
le16() { bytes $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() {
  local v=$(($1 & 0xFFFFFFFF))
  bytes $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255))
}

# A bitmap file $1 of width $2, height $3, $4 bits per pixel, with a grey
# table for 8 bits and every pixel byte $5 (octal escape, default \200).
# $6, when given, is the file's size instead: the header is cut there, or
# followed by zeros (sparse) up to it, so headers may claim any size.
bitmap() {
  local file=$1 width=$2 height=$3 bits=$4 fill=${5:-\\200} size=${6:-}
  local table=0 rows=${3#-}
  [ "$bits" -ne 8 ] || table=1024
  local stride=$(((width * bits / 8 + 3) / 4 * 4))
  local offset=$((54 + table))
  {
    printf 'BM'
    le32 $((offset + stride * rows))
    le32 0
    le32 "$offset"
    le32 40
    le32 "$width"
    le32 "$height"
    le16 1
    le16 "$bits"
    le32 0
    le32 $((stride * rows))
    le32 2835
    le32 2835
    le32 0
    le32 0
    if [ "$table" -ne 0 ]; then
      local i
      for ((i = 0; i < 256; i++)); do bytes $i $i $i 0; done
    fi
  } >"$file"
  if [ -n "$size" ]; then
    truncate -s "$size" "$file"
    return
  fi
  # Real pixel data only for sane sizes: this writes every byte.
  [ $((stride * rows)) -ge 0 ] && [ $((stride * rows)) -le 16777216 ] ||
    e2e_fail "bitmap $width x $height needs a size"
  head -c $((stride * rows)) /dev/zero | tr '\0' "$fill" >>"$file"
}

# Replaces every texture file with what command $1 makes of it (the
# command gets the file's path and the kind's real picture).
hostile_textures() {
  local file kind suffix
  for kind in 1 2 3 4 5; do
    for suffix in "" a; do
      file="$host_workdir/Butterfly0$kind$suffix.alo"
      rm -rf "$file"
      "$1" "$file" "$host_assets/textures/Butterfly0$kind$suffix.bmp"
    done
  done
}
texture_garbage() { garbage "$1" 3000; }
texture_cut() { head -c 1500 "$2" >"$1"; }
texture_header_only() { head -c 40 "$2" >"$1"; }
texture_enormous() { cp "$2" "$1" && truncate -s 200M "$1"; }
texture_empty() { : >"$1"; }
texture_folder() { mkdir -p "$1/inside"; }
texture_locked() { cp "$2" "$1" && chmod 000 "$1"; }

# The textures after a host run: every file that can be written holds the
# host's picture again; a folder in the way is left alone.
expect_textures_rewritten() {
  local kind suffix file
  for kind in 1 2 3 4 5; do
    for suffix in "" a; do
      file="$host_workdir/Butterfly0$kind$suffix.alo"
      if [ -d "$file" ]; then
        [ -d "$file/inside" ] || e2e_fail "the folder $file was changed ($1)"
        continue
      fi
      cmp -s "$file" "$host_assets/textures/Butterfly0$kind$suffix.bmp" ||
        e2e_fail "$file is $(stress_file_state "$file"), not the host's picture ($1)"
    done
  done
}

# One host run over hostile files: $1 names the case, $2 makes the settings
# file, $3 the texture files; $4 is the Num100 expected afterwards ("" when
# the settings file cannot hold one, "same" when it must stay as it is).
host_case() {
  local what=$1 expected=$4 before
  host_clean_workdir
  mkdir -p "$host_workdir"
  "$2"
  hostile_textures "$3"
  before=$(stress_file_state "$ini")
  stress_run 1 "$what"
  stress_expect_no_new_windows "$windows_before" "$what"
  expect_textures_rewritten "$what"
  case $expected in
    "") ;;
    same)
      [ "$(stress_file_state "$ini")" = "$before" ] ||
        e2e_fail "the settings file changed from '$before' to '$(stress_file_state "$ini")' ($what)" ;;
    *) host_expect_number Num100 "$expected" "$what" ;;
  esac
  e2e_note "host: $what"
  chmod -R u+rwx "$host_workdir" 2>/dev/null || true
}
settings_garbage() { garbage "$ini" 4096; }
settings_cut() { printf '[Settings]\r\nNum= 3' >"$ini"; }
settings_cut_key() { printf '[Settings]\r\nNum= 4\r\nNu' >"$ini"; }
settings_enormous() { printf '[Settings]\r\nNum= 2\r\n' >"$ini" && truncate -s 200M "$ini"; }
settings_folder() { mkdir -p "$ini/inside"; }
settings_locked() { printf '[Settings]\r\nNum= 6\r\n' >"$ini" && chmod 000 "$ini"; }
settings_huge_numbers() {
  printf '[Settings]\r\nNum= 99999999999999999999\r\nNum100= 2147483647\r\n' >"$ini"
  printf 'BGM\x8b\xe6\x95\xaa= 2\r\nBGM\xd8\xcb\xdf\xb0\xc4= -1e308\r\n' >>"$ini"
  printf 'BGM\xcc\xa7\xb2\xd9=%0300d.mp3\r\n' 0 >>"$ini"
}
settings_missing() { :; }

host_case "garbage settings, garbage textures" settings_garbage texture_garbage 500
host_case "settings cut in a value, textures cut" settings_cut texture_cut 300
host_case "settings cut in a key, texture headers cut" settings_cut_key texture_header_only 400
host_case "enormous settings and textures" settings_enormous texture_enormous 200
host_case "settings folder, texture folders" settings_folder texture_folder same
host_case "unreadable settings and textures" settings_locked texture_locked ""
host_case "numbers beyond every range, empty textures" settings_huge_numbers texture_empty 0
host_case "no settings, textures unreadable" settings_missing texture_locked 500

# The renderer alone: the case $1, settings text $2, and the texture maker
# $3 (a function of the file path and the kind's real picture).
renderer_case() {
  local what="renderer alone: $1" pid id
  host_clean_workdir
  mkdir -p "$host_workdir"
  printf '%b' "$2" >"$ini"
  hostile_textures "$3"
  echo "== Kalendra.dll ($what)" >>"$host_output"
  "$host_wine_run" "$host_prefix" "$renderer_program" >>"$host_output" 2>&1 &
  pid=$!
  e2e_on_exit "kill -9 $pid"
  if ! id=$(e2e_wait_window Butterfly_VC 40); then
    local state="still runs"
    if ! kill -0 "$pid" 2>/dev/null; then
      e2e_wait_exit "$pid" 1
      state="ended with status $e2e_status"
    fi
    host_fail "no Butterfly_VC window ($what; the renderer $state)"
  fi
  sleep 2
  kill -0 "$pid" 2>/dev/null || e2e_fail "the renderer ended by itself ($what)"
  stress_expect_no_new_windows "$windows_before" "$what"
  host_press_escape
  e2e_wait_exit "$pid" 20 || e2e_fail "the renderer still runs 20 s after Escape ($what)"
  [ "$e2e_status" -eq 0 ] || e2e_fail "the renderer ended with status $e2e_status ($what)"
  e2e_await_no_window Butterfly_VC 5
  stress_expect_no_kalendra 5 "$what"
  e2e_note "$what"
  chmod -R u+rwx "$host_workdir" 2>/dev/null || true
}
# Well-formed files the renderer must cope with: odd sizes and depths, and
# colour and alpha pictures that do not match.
texture_odd_sizes() {
  case $1 in
    *01.alo) bitmap "$1" 3 2 24 ;;      # rows of 9 bytes: not a multiple of 4
    *01a.alo) bitmap "$1" 3 2 8 ;;
    *02.alo) bitmap "$1" 64 64 8 ;;
    *02a.alo) bitmap "$1" 65 64 8 ;;    # alpha of another size
    *03.alo) bitmap "$1" 1 -1 32 ;;     # top-down, one pixel
    *03a.alo) bitmap "$1" 2 2 16 ;;     # unsupported depth
    *04.alo) bitmap "$1" 5 3 8 ;;       # rows of 5 bytes
    *04a.alo) bitmap "$1" 5 3 24 ;;     # alpha of another depth
    *05.alo) bitmap "$1" 4096 1 24 ;;   # one long row
    *05a.alo) bitmap "$1" 4096 1 8 ;;
  esac
}
# Headers that claim more than the file holds or than a texture may be.
texture_claims() {
  case $1 in
    *01.alo) bitmap "$1" 16384 16384 32 '\200' 209715200 ;; # 1 GiB claimed, 200 MB sparse
    *01a.alo) bitmap "$1" 65535 65535 8 '\200' 9000 ;;      # beyond the side limit
    *02.alo) bitmap "$1" 64 64 8 '\200' 3000 ;;             # pixel data cut
    *02a.alo) bitmap "$1" -64 64 8 '\200' 5174 ;;          # negative width
    *03.alo) bitmap "$1" 64 -2147483648 8 '\200' 5174 ;;   # INT_MIN height
    *03a.alo) bitmap "$1" 0 64 8 '\200' 5174 ;;            # zero width
    *04.alo) bitmap "$1" 2147483647 1 32 '\200' 4096 ;;    # stride beyond 32 bits
    *04a.alo) garbage "$1" 100 ;;
    *05.alo) bitmap "$1" 16384 2 32 ;;                      # the largest side, read whole
    *05a.alo) texture_folder "$1" ;;
  esac
}
renderer_case "garbage textures" '[Settings]\r\nNum100= 100\r\n' texture_garbage
renderer_case "textures cut" '[Settings]\r\nNum100= 100\r\n' texture_cut
renderer_case "texture folders, settings cut" '[Settings]\r\nNum100= 1' texture_folder
renderer_case "odd sizes and depths" '[Settings]\r\nNum100= 100\r\n' texture_odd_sizes
renderer_case "headers that claim too much" '[Settings]\r\nNum100= 100\r\n' texture_claims
renderer_case "enormous textures, negative flock" '[Settings]\r\nNum100=-5\r\n' texture_enormous
renderer_case "empty textures, garbage flock size" '[Settings]\r\nNum100=\x01\xff[\r\n' texture_empty
renderer_case "unreadable textures" '[Settings]\r\nNum100= 100\r\n' texture_locked
echo "PASS"
