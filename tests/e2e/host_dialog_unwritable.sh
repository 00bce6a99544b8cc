#!/usr/bin/env bash
# The settings dialog with a settings file that cannot be written: "設定"
# shows a message and keeps the dialog open with the user's choices, the
# file stays as it was; once the file can be written again, the same
# choices are stored. The start's own write goes unnoticed.
# Usage: host_dialog_unwritable.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

mark_cd=(46 70) set_button=(192 208) arrow_right=(413 68)
settings=$host_workdir/Kalendra.ini

host_clean_workdir
mkdir -p "$host_workdir"
printf '[Settings]\r\nNum= 3\r\nNum100= 300\r\n' >"$settings"
# Immutable: not even root (Wine runs as root here) may write it.
chattr +i "$settings" || e2e_fail "chattr +i does not work on $settings"
e2e_on_exit "chattr -i '$settings'"
before=$(md5sum <"$settings")

host_dialog_open
# The user's choices: 4 hundred butterflies and the CD.
host_dialog_click "${arrow_right[@]}"
host_dialog_click "${mark_cd[@]}"
host_dialog_click "${set_button[@]}"
message=$(e2e_wait_window Kalendra 20) || e2e_fail "no message said that the settings were not saved"
kill -0 "$host_pid" 2>/dev/null || e2e_fail "the dialog closed although nothing was saved"
[ "$(md5sum <"$settings")" = "$before" ] || e2e_fail "the settings file changed"
e2e_keys "$message" Return
host_dialog_await_alone 10 || e2e_fail "the message did not close"
e2e_note "unwritable file: message shown, dialog open, file unchanged"

# The file is freed; "設定" again stores what the dialog kept.
chattr -i "$settings"
host_dialog_click "${set_button[@]}"
host_dialog_wait_closed
host_expect_raw Num 4 "kept after the failed save"
host_expect_raw Num100 400 "kept after the failed save"
host_expect_raw 'BGM\x8b\xe6\x95\xaa' 1 "kept after the failed save"
e2e_note "file freed: the same choices were stored"
echo "PASS"
