#!/usr/bin/env bash
# The Debian package of the display mode, made by cpack from the native
# tree: its name, the program and the settings page where xscreensaver
# looks for them, the dependency on xscreensaver.
# Usage: xscreensaver_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -5 "$out/cpack.log")"
deb=$out/kalendra-xscreensaver_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$out")"

contents=$(dpkg-deb -c "$deb")
grep -Eq '^-rwxr-xr-x .* \./usr/libexec/xscreensaver/kalendra$' <<<"$contents" ||
  fail "no executable usr/libexec/xscreensaver/kalendra in: $contents"
grep -Eq '^-rw-r--r-- .* \./usr/share/xscreensaver/config/kalendra\.xml$' <<<"$contents" ||
  fail "no usr/share/xscreensaver/config/kalendra.xml in: $contents"
files=$(grep -c '^-' <<<"$contents")
[ "$files" -eq 2 ] || fail "$files files in the package, not 2: $contents"

depends=$(dpkg-deb -f "$deb" Depends)
grep -Eq '(^|, )xscreensaver(,|$| )' <<<"$depends" || fail "Depends lacks xscreensaver: $depends"
grep -q 'libglut' <<<"$depends" || fail "Depends lacks freeglut's library: $depends"

# What is installed is what was built and what the tests run.
dpkg-deb -x "$deb" "$out/root"
cmp "$out/root/usr/libexec/xscreensaver/kalendra" "$build/dist/kalendra-renderer" ||
  fail "the packaged program is not the one built"
cmp "$out/root/usr/share/xscreensaver/config/kalendra.xml" \
  "$(dirname "$0")/../../renderer/kalendra.xml" || fail "the packaged settings page differs"
# cmake --install puts the same two files in the same folders.
DESTDIR=$out/installed cmake --install "$build" >/dev/null
installed=$(cd "$out/installed" && find . -type f | sort | tr '\n' ' ')
[ "$installed" = "./usr/libexec/xscreensaver/kalendra ./usr/share/xscreensaver/config/kalendra.xml " ] ||
  fail "cmake --install installed: $installed"
echo "package: $(basename "$deb"); Depends: $depends"
echo PASS
