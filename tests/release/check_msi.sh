#!/usr/bin/env bash
# Reads the installer package's tables back with msitools: product, version,
# publisher and upgrade code; both programs, as built, into the system folder
# of the architecture (64-bit components in the x64 package); the refusal of
# an older version over a newer one and, in the 32-bit package, of 64-bit
# Windows, with a message naming the x64 package; the icon for "Apps".
# Usage: check_msi.sh MSI VERSION ARCH SCR DLL ICON
set -euo pipefail
msi=$(realpath "$1")
version=$2
arch=$3
scr=$4
dll=$5
icon=$6
tab=$'\t'
source "$(dirname "$0")/check_lib.sh"

# Rows of table $1 without the three header lines, CR removed.
table() {
  msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4
}
property() {
  table Property | awk -F'\t' -v key="$1" '$1 == key { print $2 }'
}

case $arch in
  win64) folder=System64Folder attributes=256 template="x64;1033" ;;
  win32) folder=SystemFolder attributes=0 template="Intel;1033" ;;
esac

for pair in "ProductName=Kalendra" "ProductVersion=$version" "Manufacturer=The Kalendra developers" \
  "UpgradeCode={78108B65-6B49-4D93-A8E4-7DF8E25F153C}" "ALLUSERS=1" "ARPPRODUCTICON=kalendra.ico"; do
  actual=$(property "${pair%%=*}")
  [ "$actual" = "${pair#*=}" ] || fail "property ${pair%%=*} is '$actual', not '${pair#*=}'"
done
template_line=$(msiinfo suminfo "$msi" | tr -d '\r' | sed -n 's/^Template: //p')
[ "$template_line" = "$template" ] || fail "summary template '$template_line', not '$template'"

# File: key, component, name, size; Component: directory and attributes.
files=$(table File | cut -f1-4 | sort)
expected=$(printf 'KalendraDll\tRenderer\tKalendra.dll\t%s\nKalendraScr\tSaver\tKalendra.scr\t%s\n' \
  "$(stat -c %s "$dll")" "$(stat -c %s "$scr")")
[ "$files" = "$expected" ] || fail "File table: $files"
components=$(table Component | cut -f1,3,4 | sort | tr '\t\n' ' |')
[ "$components" = "Renderer $folder $attributes|Saver $folder $attributes|" ] ||
  fail "Component table: $components"

# The programs in the package's cabinet are the ones built.
(cd "$work" && msiextract "$msi" >/dev/null)
for pair in "Kalendra.scr=$scr" "Kalendra.dll=$dll"; do
  found=$(find "$work" -name "${pair%%=*}" | head -1)
  [ -n "$found" ] && cmp -s "$found" "${pair#*=}" || fail "${pair%%=*} in the package is not the one built"
done

conditions=$(table LaunchCondition)
grep -qxF "NOT WIX_DOWNGRADE_DETECTED${tab}A newer version of Kalendra is already installed. Uninstall it first to install version $version." \
  <<<"$conditions" || fail "no refusal of an older version: $conditions"
if [ "$arch" = win32 ]; then
  grep -qxF "NOT VersionNT64${tab}This Kalendra package is for 32-bit Windows. On 64-bit Windows, install Kalendra-$version-win64.msi instead." \
    <<<"$conditions" || fail "the 32-bit package does not refuse 64-bit Windows: $conditions"
else
  ! grep -q VersionNT64 <<<"$conditions" || fail "the x64 package has a 64-bit condition"
fi
table Upgrade | grep -q "^{78108B65-6B49-4D93-A8E4-7DF8E25F153C}${tab}${tab}$version${tab}" ||
  fail "Upgrade table does not replace older versions: $(table Upgrade)"
msiinfo extract "$msi" Icon.kalendra.ico | cmp -s - "$icon" || fail "the Icon table lacks the program's icon"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed for $msi"
  exit 1
fi
echo "installer package $msi: all checks passed"
