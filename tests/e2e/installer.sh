#!/usr/bin/env bash
# The x64 Windows Installer package under Wine, in a prefix made afresh:
# a silent install with SETASSAVER=1 puts both programs into the 64-bit
# system folder and registers "Kalendra" with its version in the uninstall
# list and as the user's screensaver; Kalendra.scr /s started from there runs
# a whole run; a package of a higher version replaces it (one entry), leaving
# a screensaver the user chose since alone; an older package is refused; a
# repeated install with SETASSAVER=1 makes it the screensaver again; a silent
# uninstall removes both programs, the entry and the screensaver setting,
# and leaves C:\tolvek_temp.
# Usage: installer.sh WINE_RUN MSI VERSION SCR DLL PREFIX
source "$(dirname "$0")/lib.sh"
wine_run=$1
msi=$2
version=$3
built_scr=$4
built_dll=$5
prefix=$6
e2e_ensure_display

rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
e2e_keep_wine "$prefix"
system32=$prefix/drive_c/windows/system32
saver='C:\windows\system32\Kalendra.scr'
other_saver='C:\windows\system32\Other.scr'
set -- "$prefix/drive_c/tolvek_temp" "$wine_run" "$prefix" "$system32/Kalendra.scr" -
source "$(dirname "$0")/host_lib.sh"

# A package of the next patch version, from the same programs.
IFS=. read -r major minor patch <<<"$version"
newer_version=$major.$minor.$((patch + 1))
scratch=$prefix/drive_c/packages
mkdir -p "$scratch"
cp "$msi" "$scratch/Kalendra-$version-win64.msi"
# In a folder of its own: pack-msi removes packages of other versions beside it.
bash "$(dirname "$0")/../../scripts/pack-msi" "$scratch/newer/Kalendra-$newer_version-win64.msi" \
  "$newer_version" win64 "$built_scr" "$built_dll"

wine() { "$wine_run" "$prefix" "$@"; }

# msiexec with the arguments that follow; sets msi_status (the low byte of
# Windows Installer's result: 1603, a refusal, is 67).
msi_status=
msiexec() {
  msi_status=0
  wine msiexec "$@" >>"$host_output" 2>&1 || msi_status=$?
}

# "NAME VERSION" of every entry of the uninstall list named Kalendra.
uninstall_entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | awk '
      /^HKEY_/ { if (name == "Kalendra") print name, version; name = ""; version = "" }
      $1 == "DisplayName" { name = $3 }
      $1 == "DisplayVersion" { version = $3 }
      END { if (name == "Kalendra") print name, version }'
}

# The user's SCRNSAVE.EXE, empty when there is none.
current_saver() {
  wine reg query 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r' |
    awk '$1 == "SCRNSAVE.EXE" { sub(/^ *SCRNSAVE\.EXE +REG_SZ +/, ""); print }'
}

expect_installed() {
  local what=$1
  cmp -s "$system32/Kalendra.scr" "$built_scr" || host_fail "Kalendra.scr in system32 is not the built one ($what)"
  cmp -s "$system32/Kalendra.dll" "$built_dll" || host_fail "Kalendra.dll in system32 is not the built one ($what)"
}

# --- Install, as the screensaver.
msiexec /i "C:\\packages\\Kalendra-$version-win64.msi" /qn SETASSAVER=1
[ "$msi_status" -eq 0 ] || host_fail "msiexec /i ended with status $msi_status"
expect_installed install
[ "$(uninstall_entries)" = "Kalendra $version" ] || host_fail "uninstall entries: '$(uninstall_entries)'"
[ "$(current_saver)" = "$saver" ] || host_fail "SCRNSAVE.EXE is '$(current_saver)' after SETASSAVER=1"
product_code=$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ProductCode" { print $2 }')
cmp -s "$prefix/drive_c/windows/Installer/$product_code/kalendra.ico" \
  "$(dirname "$0")/../../assets/dialog/icon.ico" || host_fail "the product's icon was not published"
e2e_note "installed $version: both programs in system32, entry, icon, SCRNSAVE.EXE"

# --- A whole run of the installed saver.
host_start /s
e2e_wait_window Butterfly_VC 40 >/dev/null || host_fail "no Butterfly_VC window from the installed saver"
sleep 1
host_press_escape
e2e_wait_exit "$host_pid" 10 || host_fail "the installed saver still runs 10 s after Escape"
[ "$e2e_status" -eq 0 ] || host_fail "the installed saver ended with status $e2e_status"
[ -f "$host_workdir/Butterfly01.alo" ] || host_fail "the run wrote no texture files"
e2e_note "Kalendra.scr /s from system32: a whole run"

# --- The user picks another saver; a newer version replaces this one.
wine reg add 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE /t REG_SZ /d "$other_saver" /f >/dev/null 2>&1
msiexec /i "C:\\packages\\newer\\Kalendra-$newer_version-win64.msi" /qn
[ "$msi_status" -eq 0 ] || host_fail "the upgrade ended with status $msi_status"
[ "$(uninstall_entries)" = "Kalendra $newer_version" ] || host_fail "entries after the upgrade: '$(uninstall_entries)'"
expect_installed upgrade
[ "$(current_saver)" = "$other_saver" ] || host_fail "the upgrade changed the user's saver to '$(current_saver)'"
msiexec /i "C:\\packages\\Kalendra-$version-win64.msi" /qn
[ "$msi_status" -ne 0 ] || host_fail "the older package installed over the newer one"
[ "$(uninstall_entries)" = "Kalendra $newer_version" ] || host_fail "entries after the refused downgrade: '$(uninstall_entries)'"
e2e_note "upgrade to $newer_version: one entry, the user's saver kept; $version over it refused (status $msi_status)"

# --- The screensaver again, then uninstall.
msiexec /i "C:\\packages\\newer\\Kalendra-$newer_version-win64.msi" /qn SETASSAVER=1
[ "$msi_status" -eq 0 ] && [ "$(current_saver)" = "$saver" ] ||
  host_fail "SETASSAVER=1 on the installed version: status $msi_status, SCRNSAVE.EXE '$(current_saver)'"
msiexec /x "C:\\packages\\newer\\Kalendra-$newer_version-win64.msi" /qn
[ "$msi_status" -eq 0 ] || host_fail "msiexec /x ended with status $msi_status"
[ ! -e "$system32/Kalendra.scr" ] && [ ! -e "$system32/Kalendra.dll" ] || host_fail "uninstall left a program"
[ -z "$(uninstall_entries)" ] || host_fail "uninstall left the entry '$(uninstall_entries)'"
[ -z "$(current_saver)" ] || host_fail "uninstall left SCRNSAVE.EXE '$(current_saver)'"
[ -f "$host_workdir/Butterfly01.alo" ] || host_fail "uninstall removed C:\\tolvek_temp"
e2e_note "uninstalled: programs, entry and SCRNSAVE.EXE gone, C:\\tolvek_temp kept"
echo "PASS"
