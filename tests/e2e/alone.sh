#!/usr/bin/env bash
# Runs one end-to-end test script on a display of its own and, for the
# Windows programs, in a Wine prefix of its own, so that tests can run side
# by side. The prefix is a copy of the tree's prefix TEMPLATE, made on first
# use; its Wine server and everything it runs end with the test. The display
# has a window manager, unless --bare is given.
# Usage: alone.sh [--bare] PREFIX TEMPLATE SCRIPT ARGS...   (PREFIX "-" natively)
source "$(dirname "$0")/lib.sh"
display_kind=
if [ "$1" = --bare ]; then
  display_kind=--bare
  shift
fi
prefix=$1
template=$2
shift 2

# Makes $prefix a copy of the template, which is made ready first.
copy_template() {
  local wine_run
  wine_run=$(cd "$(dirname "$0")/../.." && pwd)/scripts/wine-run
  "$wine_run" "$template" cmd /c exit 0 >/dev/null 2>&1 || true
  [ -f "$template/.kalendra-ready" ] || e2e_fail "no Wine prefix at $template"
  rm -rf "$prefix" "$prefix.new"
  mkdir -p "$(dirname "$prefix")"
  # Wine only reads its program files (DLLs, executables, code page tables):
  # they are shared as hard links. Every other file, the registry's among
  # them, is the copy's own; the working folder is left out.
  cp -al "$template" "$prefix.new"
  rm -rf "$prefix.new/drive_c/tolvek_temp"
  find "$prefix.new" -type f ! -regex '.*\.\(dll\|exe\|nls\|sys\|drv\|ocx\|cpl\|acm\|tlb\|ax\|ds\)' \
    -exec sh -c 'for f; do cp -p "$f" "$f.own" && mv -f "$f.own" "$f"; done' sh {} +
  mv "$prefix.new" "$prefix"
}

unset DISPLAY
e2e_private_display $display_kind
if [ "$prefix" != - ]; then
  [ -f "$prefix/.kalendra-ready" ] || copy_template
  e2e_keep_wine "$prefix"
fi
status=0
bash "$@" || status=$?
exit "$status"
