# A private X display with two monitors and a window manager, for tests
# that need more than one monitor. Source it after lib.sh; needs Xorg with
# the dummy video driver, xrandr and openbox.
# e2e_two_monitor_display starts it and exports DISPLAY: monitor 0 is
# 1280 x 1024 at 0,0 (primary), monitor 1 is 1024 x 768 at 1280,0.

e2e_monitor1_geometry="1024x768+1280+0"

e2e_two_monitor_display() {
  local folder
  folder=$(mktemp -d)
  e2e_on_exit "rm -rf $folder"
  cat >"$folder/xorg.conf" <<'CONF'
Section "Monitor"
  Identifier "Left"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Option "PreferredMode" "1280x1024"
  Option "Position" "0 0"
  Option "Primary" "true"
EndSection
Section "Monitor"
  Identifier "Right"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Option "PreferredMode" "1024x768"
  Option "Position" "1280 0"
  Option "Enable" "true"
EndSection
Section "Device"
  Identifier "Dummy"
  Driver "dummy"
  VideoRam 65536
  Option "Monitor-DUMMY0" "Left"
  Option "Monitor-DUMMY1" "Right"
EndSection
Section "Screen"
  Identifier "Screen"
  Device "Dummy"
  Monitor "Left"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2304 1024
  EndSubSection
EndSection
CONF
  Xorg -config "$folder/xorg.conf" -displayfd 1 -noreset -nolisten tcp \
    -logfile "$folder/xorg.log" >"$folder/display" 2>/dev/null &
  e2e_on_exit "kill $!"
  local i
  for i in $(seq 200); do
    [ -s "$folder/display" ] && break
    sleep 0.05
  done
  [ -s "$folder/display" ] || e2e_fail "Xorg with the dummy driver did not start"
  export DISPLAY=":$(head -1 "$folder/display")"
  [ "$(xrandr --listmonitors | head -1)" = "Monitors: 2" ] ||
    e2e_fail "the display does not have two monitors: $(xrandr --listmonitors)"

  openbox --sm-disable >/dev/null 2>&1 &
  e2e_on_exit "kill $!"
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  e2e_fail "openbox did not start"
}
