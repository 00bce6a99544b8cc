#!/usr/bin/env bash
# Neither program asks Windows to keep the display or the system awake: no
# SetThreadExecutionState, no power requests, neither imported nor named for
# a lookup at run time. The renderer does listen for the display's power
# state (RegisterPowerSettingNotification).
# Usage: check_power_imports.sh OBJDUMP SCR DLL
set -euo pipefail
objdump=$1
scr=$2
dll=$3
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
forbidden=(SetThreadExecutionState PowerCreateRequest PowerSetRequest PowerClearRequest)

# The functions program $1 imports, one a line.
imports() {
  "$objdump" -p "$1" | awk '/^\tDLL Name:/ { inside = 1; next } inside && NF >= 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }'
}

for program in "$scr" "$dll"; do
  names=$(imports "$program")
  [ "$(wc -l <<<"$names")" -ge 10 ] || fail "$(basename "$program"): no import table read"
  for name in "${forbidden[@]}"; do
    grep -qx "$name" <<<"$names" && fail "$(basename "$program") imports $name"
    grep -qaF "$name" "$program" && fail "$(basename "$program") names $name"
  done
done
grep -qx RegisterPowerSettingNotification <<<"$(imports "$dll")" ||
  fail "Kalendra.dll does not listen for the display's power state"

[ "$failures" -eq 0 ] || exit 1
echo "PASS: neither program keeps Windows awake"
