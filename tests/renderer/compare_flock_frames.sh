#!/usr/bin/env bash
# compare_flock_frames.sh REFERENCE COMMAND...
# Runs the reference flock_frames and COMMAND (another build's, perhaps under
# an emulator) and requires the same output, byte for byte.
set -euo pipefail
reference=$1
shift
if [ ! -x "$reference" ]; then
  echo "no reference program at $reference (build the 64-bit tree first)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$reference" >"$work/reference"
"$@" >"$work/this"
if ! cmp -s "$work/reference" "$work/this"; then
  echo "the flock's frames differ from the reference's" >&2
  awk 'NR == FNR { reference[FNR] = $0; next }
       $0 != reference[FNR] { print "reference: " reference[FNR]; print "this:      " $0; exit }' \
    "$work/reference" "$work/this" >&2
  exit 1
fi
echo "$(wc -l <"$work/this") frames identical"
