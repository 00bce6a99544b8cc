#!/usr/bin/env bash
# Wings textured from the ten texture files, transparent where the alpha
# picture says and facing the right way. One butterfly (kind 1, white: the
# picture shows unchanged) with made-up pictures whose halves tell the wing's
# parts apart: the tip half (left, s = 0) yellow and fully transparent, the
# body half opaque, green at the front (top rows, t = 0) and magenta at the
# rear.
# Usage: renderer_textures.sh WORKDIR COMMAND...
source "$(dirname "$0")/lib.sh"
workdir=$1
shift
fade=0,0,242
shots=8

e2e_ensure_display
mkdir -p "$workdir"
work=$(mktemp -d)
e2e_on_exit "rm -rf $work"
# The files of other tests are put back afterwards.
mkdir "$work/kept"
e2e_on_exit "rm -f $workdir/Butterfly0*; mv $work/kept/* $workdir/ 2>/dev/null"
mv "$workdir"/Butterfly0* "$work/kept/" 2>/dev/null || true

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) \
  $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
# bmp FILE BITS ROWS...: a 64 x 64 bitmap from its rows, bottom row first
# (printf escapes); an 8-bit one gets the grey palette, index = value.
bmp() {
  local file=$1 bits=$2 palette=0 offset size row
  shift 2
  [ "$bits" -eq 8 ] && palette=1024
  offset=$((54 + palette))
  size=$((offset + 64 * 64 * bits / 8))
  {
    printf "BM$(le32 $size)$(le32 0)$(le32 $offset)$(le32 40)$(le32 64)$(le32 64)"
    printf "\\x01\\x00\\x$(printf %02x "$bits")\\x00$(le32 0)$(le32 $((size - offset)))"
    printf "$(le32 2835)$(le32 2835)$(le32 $((palette / 4)))$(le32 0)"
    if [ "$palette" -gt 0 ]; then
      for i in $(seq 0 255); do printf "\\x$(printf %02x "$i")%.0s" 1 2 3; printf '\x00'; done
    fi
    for row in "$@"; do printf "$row"; done
  } >"$file"
}
repeat() { local i; for ((i = 0; i < $2; i++)); do printf '%s' "$1"; done; }
tip=$(repeat '\x00\xff\xff' 32)              # yellow, stored blue-green-red
front_row=$tip$(repeat '\x00\xff\x00' 32)    # green body half
rear_row=$tip$(repeat '\xff\x00\xff' 32)     # magenta body half
alpha_row=$(repeat '\x00' 32)$(repeat '\xff' 32)
rows=()
for i in $(seq 32); do rows+=("$rear_row"); done
for i in $(seq 32); do rows+=("$front_row"); done
alpha_rows=()
for i in $(seq 64); do alpha_rows+=("$alpha_row"); done
for kind in 1 2 3 4 5; do
  bmp "$workdir/Butterfly0$kind.alo" 24 "${rows[@]}"
  bmp "$workdir/Butterfly0${kind}a.alo" 8 "${alpha_rows[@]}"
done

e2e_start_renderer "$workdir" 1 "$@"
# Shots once the window covers the screen and the butterfly is in it.
size=$(e2e_screen_size)
right=$((${size%x*} - 1))
bottom=$((${size#*x} - 1))
covered() { # the sky colour in two opposite corners of the screen
  [ "$(e2e_pixel "$1" 0 0)" = "$fade" ] && [ "$(e2e_pixel "$1" "$right" "$bottom")" = "$fade" ]
}
deadline=$((SECONDS + 20))
until e2e_screenshot "$work/first.png" && covered "$work/first.png" &&
  [ "$(e2e_count_not "$work/first.png" "$fade")" -gt 50 ]; do
  [ $SECONDS -lt $deadline ] || e2e_fail "no full-screen window with a butterfly"
  sleep 0.2
done
for i in $(seq "$shots"); do
  e2e_screenshot "$work/$i.png"
  sleep 0.1
done
# Ending by Escape has its own test (renderer_window.sh).
kill "$pid"
e2e_wait_exit "$pid" 5 || { kill -9 "$pid"; e2e_note "the renderer needed SIGKILL"; }

# Pixels near colour $2 (within 20 %) of picture $1 as a white-on-black mask.
mask() {
  convert "$1" -alpha off -fuzz 20% -fill black +opaque "rgb($2)" -fuzz 0 -fill white \
    +opaque black "$3"
}
# "count x y": pixels of mask $1 in pieces of 20 or more, and their centre.
pieces() {
  convert "$1" -define connected-components:verbose=true \
    -define connected-components:area-threshold=20 -connected-components 8 null: |
    awk '/gray\(255\)|srgb\(255,255,255\)/ { split($3, c, ","); n++; a += $4;
      x += c[1] * $4; y += c[2] * $4 } END { if (a > 0) printf "%d %.1f %.1f %d\n", n, x / a, y / a, a;
      else print "0 0 0 0" }'
}

# Every shot cut to the butterfly and what lies around it; then, on the cut:
# everything that is not sky is butterfly, in one piece when the opaque body
# halves of the two wings meet along the body, in two when the tips are
# opaque instead (the picture turned round).
visible=0
declare -a cx cy gx gy px py
for i in $(seq "$shots"); do
  box=$(e2e_bbox_not "$work/$i.png" "$fade")
  [ -n "$box" ] || continue
  read -r w h x y <<<"$box"
  x=$((x > 8 ? x - 8 : 0))
  y=$((y > 8 ? y - 8 : 0))
  shot=$work/c.png
  convert "$work/$i.png" -crop "$((w + 16))x$((h + 16))+$x+$y" +repage "$shot"
  convert "$shot" -alpha off -fuzz 10% -fill black -opaque "rgb($fade)" -fill white +opaque black \
    "$work/m.png"
  read -r parts ux uy area < <(pieces "$work/m.png")
  mask "$shot" 0,255,0 "$work/g.png"
  mask "$shot" 255,0,255 "$work/p.png"
  read -r _ gx[i] gy[i] green < <(pieces "$work/g.png")
  read -r _ px[i] py[i] magenta < <(pieces "$work/p.png")
  mask "$shot" 255,255,0 "$work/y.png"
  yellow=$(convert "$work/y.png" -format '%[fx:w*h*mean]' info: | e2e_round)
  white=$(convert "$shot" -alpha off -fuzz 10% -fill black +opaque white -fill white \
    +opaque black -format '%[fx:w*h*mean]' info: | e2e_round)
  e2e_note "shot $i: $parts piece(s) of $area pixels, green $green, magenta $magenta, yellow $yellow, white $white"
  [ -z "${E2E_KEEP:-}" ] || cp "$work/$i.png" "$E2E_KEEP/textures$i.png"
  [ "$white" -lt 20 ] || e2e_fail "shot $i: $white white pixels: wings without their picture"
  [ "$yellow" -lt 20 ] || e2e_fail "shot $i: $yellow yellow pixels: the transparent half shows"
  [ "$area" -ge 100 ] || continue
  visible=$((visible + 1))
  [ "$parts" -eq 1 ] || e2e_fail "shot $i: the butterfly falls into $parts pieces: tips opaque"
  # Seen nearly edge-on, with its wings raised, or half out of the screen,
  # a small butterfly can show one half of its wings only.
  [ "$area" -ge 300 ] || continue
  [ "$green" -gt 0 ] && [ "$magenta" -gt 0 ] || e2e_fail "shot $i: green $green, magenta $magenta"
  cx[i]=$(awk -v a="$ux" -v o="$x" 'BEGIN { print a + o }')
  cy[i]=$(awk -v a="$uy" -v o="$y" 'BEGIN { print a + o }')
done
[ "$visible" -ge $((shots * 3 / 4)) ] || e2e_fail "the butterfly was visible in only $visible of $shots shots"

# Front (green) ahead of rear (magenta) along the way it flies: in each shot
# in which it is seen, towards where it is in the next such shot (from the
# one before, for the last). Its path curves, so the way between the first
# and the last shot can be far from its heading in any one of them.
seen=("${!cx[@]}")
[ "${#seen[@]}" -ge 2 ] || e2e_fail "the butterfly showed both halves in only ${#seen[@]} shots"
dx=$(awk -v a="${cx[${seen[0]}]}" -v b="${cx[${seen[-1]}]}" 'BEGIN { print b - a }')
dy=$(awk -v a="${cy[${seen[0]}]}" -v b="${cy[${seen[-1]}]}" 'BEGIN { print b - a }')
e2e_note "the butterfly moved by ($dx, $dy) pixels over the shots"
awk -v x="$dx" -v y="$dy" 'BEGIN { exit !(x * x + y * y > 100) }' ||
  e2e_fail "the butterfly did not move on screen"
leading=0
judged=0
for ((k = 0; k < ${#seen[@]}; k++)); do
  i=${seen[k]}
  if ((k + 1 < ${#seen[@]})); then
    from=$i to=${seen[k + 1]}
  else
    from=${seen[k - 1]} to=$i
  fi
  # -1: moved too little to tell a way; 1: front ahead; 0: rear ahead.
  verdict=$(awk -v fx="${cx[from]}" -v fy="${cy[from]}" -v tx="${cx[to]}" -v ty="${cy[to]}" \
    -v gx="${gx[i]}" -v gy="${gy[i]}" -v px="${px[i]}" -v py="${py[i]}" 'BEGIN {
      dx = tx - fx; dy = ty - fy
      if (dx * dx + dy * dy < 9) print -1; else print ((gx - px) * dx + (gy - py) * dy > 0) }')
  [ "$verdict" -ge 0 ] || continue
  judged=$((judged + 1))
  leading=$((leading + verdict))
done
[ "$judged" -ge 2 ] || e2e_fail "the butterfly's way could be told in only $judged shots"
[ $((leading * 2)) -gt "$judged" ] ||
  e2e_fail "the front half led in only $leading of $judged shots: front and rear swapped"
e2e_note "textured, transparent tips, front ahead in $leading of $judged shots"
echo PASS
