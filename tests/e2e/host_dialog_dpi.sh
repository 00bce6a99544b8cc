#!/usr/bin/env bash
# The settings dialog at 96, 144 and 192 dots per inch: the layout grows with
# the display's scale and so do the pictures, each drawn for its scale; the
# option marks and the banner frames fill their places as at 96. Runs in a
# Wine prefix of its own (PREFIX-dpi), whose LogPixels it changes.
# Usage: host_dialog_dpi.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
host_prefix="$3-dpi"
host_workdir="$host_prefix/drive_c/tolvek_temp"
e2e_ensure_display
shots_folder=$(dirname "$3")

dpi_reg() { WINEPREFIX=$host_prefix /usr/lib/wine/wine64 reg "$@" >/dev/null 2>&1; }
"$host_wine_run" "$host_prefix" cmd /c exit 0 >/dev/null 2>&1 || e2e_fail "no Wine prefix at $host_prefix"
e2e_on_exit "WINEPREFIX=$host_prefix /usr/lib/wine/wineserver -k"

shot=$(mktemp --suffix=.png)
e2e_on_exit "rm -f $shot $shot.crop.png"

# Pixels from twips at the current dots per inch (halves up, as the layout).
px() { echo $((($1 * dpi + 720) / 1440)); }

# The bounding box "W H X Y" within crop geometry $1 of the last shot of the
# pixels that are not colour $2.
bbox_not() {
  convert "$shot" -crop "$1" +repage "$shot.crop.png"
  e2e_bbox_not "$shot.crop.png" "$2"
}
# The same for the pixels that are colour $2.
bbox_of() {
  convert "$shot" -crop "$1" +repage -fill white -opaque "rgb($2)" -fill black +opaque white \
    "$shot.crop.png"
  e2e_bbox_not "$shot.crop.png" 0,0,0
}

# Controls' places in twips (client area; the frame's inside starts at 180, 180).
frame=180
for dpi in 96 144 192; do
  percent=$((dpi * 100 / 96))
  scaled() { echo $(($1 * percent / 100)); }
  line=$((percent >= 200 ? 2 : 1))
  dpi_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f ||
    e2e_fail "LogPixels could not be set"
  WINEPREFIX=$host_prefix /usr/lib/wine/wineserver -w
  host_clean_workdir
  host_start /c
  id=$(e2e_wait_window "$host_dialog_title" 60) || e2e_fail "the dialog did not open at $dpi dpi"
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  [ "$w $h" = "$(px 7455) $(px 3990)" ] ||
    e2e_fail "at $dpi dpi the client area is ${w}x$h, not $(px 7455)x$(px 3990)"
  # After 3 s the left box holds frame 24 and the right one is playing.
  sleep 3
  e2e_screenshot "$shot"
  convert "$shot" -crop "${w}x$h+$x+$y" +repage "$shots_folder/dialog-$dpi-dpi.png"
  convert "$shots_folder/dialog-$dpi-dpi.png" "$shot"

  # The marks: "なし" selected (blue inside a lighter edge), "音楽CD" not
  # (a grey outline), each at its scaled size at the top left of its place.
  side=$(scaled 12)
  place="$(px 195)x$(px 195)"
  none_mark="$place+$(px $((frame + 420)))+$(px $((frame + 1080)))"
  cd_mark="$place+$(px $((frame + 420)))+$(px $((frame + 780)))"
  inner=$((side - 2 * line))
  [ "$(bbox_of "$none_mark" 24,72,216)" = "$inner $inner $line $line" ] ||
    e2e_fail "at $dpi dpi the selected mark's blue is $(bbox_of "$none_mark" 24,72,216), not ${inner}x$inner+$line+$line"
  [ "$(bbox_of "$none_mark" 120,170,255)" = "$side $side 0 0" ] ||
    e2e_fail "at $dpi dpi the selected mark's edge is $(bbox_of "$none_mark" 120,170,255)"
  [ "$(bbox_of "$cd_mark" 128,128,128)" = "$side $side 0 0" ] ||
    e2e_fail "at $dpi dpi the unselected mark's outline is $(bbox_of "$cd_mark" 128,128,128)"

  # The banner frames: their light-grey border at the top left of each box,
  # with the box's black beyond it (a margin of two pixels is looked at).
  box="$(($(scaled 120) + 2))x$(($(scaled 50) + 2))"
  for left in 180 5400; do
    found=$(bbox_not "$box+$(px $left)+$(px 2880)" 0,0,0)
    [ "$found" = "$(scaled 120) $(scaled 50) 0 0" ] ||
      e2e_fail "at $dpi dpi the banner box at $left shows $found, not a $(scaled 120)x$(scaled 50) frame"
  done
  kill "$host_pid" 2>/dev/null || true
  wait "$host_pid" 2>/dev/null || true
  WINEPREFIX=$host_prefix /usr/lib/wine/wineserver -k
  e2e_note "$dpi dpi: client ${w}x$h, marks ${side}x$side, banner frames $(scaled 120)x$(scaled 50); $shots_folder/dialog-$dpi-dpi.png"
done
