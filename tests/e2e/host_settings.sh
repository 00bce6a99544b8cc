#!/usr/bin/env bash
# Starts of the host that end without a window: /a rewrites Num100 from Num
# and ends, other letters end, and hostile settings files give the defaults.
# Usage: host_settings.sh WORKDIR WINE_RUN PREFIX HOST TEST_WINDOW
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/host_lib.sh"
e2e_ensure_display

# /a with settings file $1 (printf text, or - for none): Num100 must become $2.
check_admin() {
  local content=$1 expected=$2 what=$3
  host_clean_workdir
  if [ "$content" != - ]; then
    mkdir -p "$host_workdir"
    printf "$content" >"$host_workdir/Kalendra.ini"
  fi
  host_run_to_end 20 /a
  [ -d "$host_workdir" ] || e2e_fail "/a did not create the working directory ($what)"
  host_expect_number Num100 "$expected" "$what"
  [ -z "$(host_ini_value Width)" ] || e2e_fail "/a wrote Width ($what)"
  ! ls "$host_workdir"/*.alo >/dev/null 2>&1 || e2e_fail "/a wrote texture files ($what)"
  e2e_note "/a, $what: Num100 $expected"
}

check_admin - 500 "no settings file"
check_admin '[Settings]\r\nNum= 7.9\r\n' 700 "Num 7.9"
check_admin '[Settings]\r\nNum=-2.5\r\n' -300 "Num -2.5"
check_admin '[Settings]\r\nNum=lots\r\nNum100= 800\r\n' 0 "Num in letters"
check_admin '[Settings]\r\nNum=\r\n' 500 "Num empty"
# 400 hundred butterflies overflow the product: Num100 keeps its value.
check_admin '[Settings]\r\nNum= 400\r\nNum100= 123\r\n' 123 "Num 400"

# Hostile files: whatever they hold, the defaults and no crash.
check_admin '' 500 "empty file"
check_admin 'Num= 9\r\nNum100= 900\r\n' 500 "keys without a section"
host_clean_workdir
mkdir -p "$host_workdir"
head -c 20000 /dev/urandom | tr -d '\000[' >"$host_workdir/Kalendra.ini"
host_run_to_end 20 /a
host_expect_number Num100 500 "garbage file"
e2e_note "/a, garbage file: Num100 500"
# Lines of 300 KB around the section: no crash, the defaults.
host_clean_workdir
mkdir -p "$host_workdir"
{
  head -c 300000 /dev/zero | tr '\0' x
  printf '\r\n[Settings]\r\nJunk='
  head -c 300000 /dev/zero | tr '\0' y
  printf '\r\n'
} >"$host_workdir/Kalendra.ini"
host_run_to_end 20 /a
host_expect_number Num100 500 "300 KB lines"
e2e_note "/a, 300 KB lines: Num100 500"
# A Num of 300,000 digits is read as its first 255, a number far beyond 16
# bits: it is not taken, so the hundreds stay 0 as for any unreadable Num.
host_clean_workdir
mkdir -p "$host_workdir"
{
  printf '[Settings]\r\nNum='
  head -c 300000 /dev/zero | tr '\0' 7
  printf '\r\n'
} >"$host_workdir/Kalendra.ini"
host_run_to_end 20 /a
host_expect_number Num100 0 "Num of 300,000 digits"
e2e_note "/a, Num of 300,000 digits: Num100 0"

# Other arguments end after loading the settings.
host_clean_workdir
host_run_to_end 20 /x
host_expect_number Num100 500 "/x"
echo "PASS"
