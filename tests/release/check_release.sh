#!/usr/bin/env bash
# Reads the shipped files back: the release archive's entries, and in each
# program (in the archive and in dist/) the version resource, string 1 and a
# PE header without a link time.
# Usage: check_release.sh ZIP VERSION SCR SCR_DESCRIPTION DLL DLL_DESCRIPTION
set -euo pipefail
zip_file=$1
version=$2
scr=$3
scr_description=$4
dll=$5
dll_description=$6
source "$(dirname "$0")/check_lib.sh"

# The archive: exactly these entries in this order, the programs as built,
# the texts with CRLF line ends only.
entries=$(unzip -Z1 "$zip_file" | tr '\n' ' ')
[ "$entries" = "Kalendra.scr Kalendra.dll ReadMe.txt LICENSE.txt " ] ||
  fail "archive entries: $entries"
unzip -q "$zip_file" -d "$work/zip"
cmp -s "$work/zip/Kalendra.scr" "$scr" || fail "archive's Kalendra.scr is not the one built"
cmp -s "$work/zip/Kalendra.dll" "$dll" || fail "archive's Kalendra.dll is not the one built"
for text in ReadMe.txt LICENSE.txt; do
  lines=$(wc -l <"$work/zip/$text")
  crlf=$(grep -c $'\r$' "$work/zip/$text" || true)
  [ "$lines" -gt 0 ] && [ "$lines" = "$crlf" ] || fail "$text: $crlf of $lines lines end in CRLF"
done
grep -q "^Kalendra $version for " "$work/zip/ReadMe.txt" || fail "ReadMe.txt does not name version $version"

# The value after a key in the version resource's strings.
value_of() {
  awk -v key="$2" 'previous == key { print; exit } { previous = $0 }' "$1"
}
IFS=. read -r major minor patch <<<"$version"
# String block 1: string 0 empty, string 1 "Kalendra", strings 2 to 15 empty.
{
  printf '\0\0\x08\0'
  printf 'Kalendra' | iconv -t UTF-16LE
  head -c 28 /dev/zero
} >"$work/string1.bin"

check_program() {
  local file=$1 name=$2 description=$3 label=$4
  wrestool -x --raw -t16 -n1 "$file" >"$work/version.bin" 2>/dev/null ||
    { fail "$label: no version resource"; return; }
  strings -el -n1 "$work/version.bin" >"$work/version.txt"
  local key expected actual
  for pair in "ProductName=Kalendra" "FileDescription=$description" "FileVersion=$version" \
    "ProductVersion=$version" "OriginalFilename=$name" "InternalName=Kalendra"; do
    key=${pair%%=*}
    expected=${pair#*=}
    actual=$(value_of "$work/version.txt" "$key")
    [ "$actual" = "$expected" ] || fail "$label: $key is '$actual', not '$expected'"
  done
  actual=$(value_of "$work/version.txt" LegalCopyright)
  [[ "$actual" == "Copyright (C) "*" MIT License." ]] || fail "$label: LegalCopyright is '$actual'"
  # The fixed part, read by Explorer: signature, structure version, then the
  # file and product versions as two 32-bit halves each.
  local fixed
  fixed=$(od -An -v -tx4 "$work/version.bin" | tr -s ' \n' '\n' | grep -A5 '^feef04bd$' | tr '\n' ' ')
  local ms ls
  ms=$(printf '%08x' $(((major << 16) | minor)))
  ls=$(printf '%08x' $((patch << 16)))
  [ "$fixed" = "feef04bd 00010000 $ms $ls $ms $ls " ] || fail "$label: fixed version part: $fixed"
  # String 1 is the product's name: block 1 holds strings 0 to 15.
  wrestool -x --raw -t6 -n1 "$file" >"$work/strings.bin" 2>/dev/null || true
  cmp -s "$work/strings.bin" "$work/string1.bin" || fail "$label: string 1 is not \"Kalendra\""
  # No link time: the header's TimeDateStamp is zero.
  local pe_offset stamp
  pe_offset=$(od -An -tu4 -j60 -N4 "$file" | tr -d ' ')
  stamp=$(od -An -tu4 -j$((pe_offset + 8)) -N4 "$file" | tr -d ' ')
  [ "$stamp" = 0 ] || fail "$label: link time $stamp in the PE header"
}

check_program "$work/zip/Kalendra.scr" Kalendra.scr "$scr_description" Kalendra.scr
check_program "$work/zip/Kalendra.dll" Kalendra.dll "$dll_description" Kalendra.dll
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed for $zip_file"
  exit 1
fi
echo "release files of $zip_file: all checks passed"
