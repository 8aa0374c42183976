#!/usr/bin/env bash
# The 窗口 menu (under 程序) of the real program under openbox, on a virtual display
# (with_xvfb.sh): 总在最前 puts the window manager's above state on the main
# window, which stays shown and in its place; 透明度 sets the window's
# opacity; both are kept in settings.ini under XDG_CONFIG_HOME and are there
# again after a restart. With LUMIVOX_E2E_SHOTS set to a folder, a screenshot
# of the open menu is kept there.
# Usage: window_look_e2e.sh <lumivox> <sample Data folder>
set -euo pipefail
lumivox=$(realpath "$1") data=$2
support="$(cd "$(dirname "$0")/../support" && pwd)"
source "$support/wait_for.sh"
source "$support/run_folder.sh"
make_run_folder "$data"
shot() {
  [ -n "${LUMIVOX_E2E_SHOTS:-}" ] || return 0
  mkdir -p "$LUMIVOX_E2E_SHOTS"
  import -window root "$LUMIVOX_E2E_SHOTS/$1.png"
}

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for 20 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

mkdir "$work/config"
settings="$work/config/lumivox/settings.ini"
lumivox_pid=
start_lumivox() {
  (cd "$work/run" && XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" exec "$lumivox" >/dev/null 2>&1) &
  lumivox_pid=$!
  pids+=("$lumivox_pid")
  wait_for 30 find_window || fail "the Lumivox window did not appear"
}
window=
find_window() { window=$(xdotool search --onlyvisible --name '^Lumivox$' 2>/dev/null | head -n1) && [ -n "$window" ]; }
above() { find_window && xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { find_window && ! xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# The opacity as X holds it: 0xffffffff is opaque, and no value at all too.
opacity() { xprop -id "$window" _NET_WM_WINDOW_OPACITY | sed -n 's/.*= //p'; }
opacity_is() { find_window && [ "$(opacity)" = "$1" ]; }
place() { xdotool getwindowgeometry "$window" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
holds() { tr -d '\r' <"$settings" 2>/dev/null | grep -qx "$1"; }
menu() {  # the keys after 程序(&O), 窗口(&W), in Lumivox
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.3
  xdotool key alt+o
  sleep 0.3
  # shellcheck disable=SC2086  # several keys
  xdotool key --delay 200 w $1
}

start_lumivox
not_above || fail "the window starts above the others without a setting"
[ -z "$(opacity)" ] || fail "the window starts with the opacity $(opacity)"
before=$(place)

echo "== 总在最前 puts the window above the others; it stays shown and in its place"
menu t
wait_for 10 above || fail "总在最前 did not set _NET_WM_STATE_ABOVE: $(xprop -id "$window" _NET_WM_STATE)"
[ "$(place)" = "$before" ] || fail "the window moved from $before to $(place)"
wait_for 5 holds StayOnTop=true || fail "settings.ini holds \"$(cat "$settings" 2>&1)\""

echo "== 透明度 70 % makes it see-through"
menu "o Down Down Return"
wait_for 10 opacity_is 3014898611 || fail "70 % set the opacity \"$(opacity)\""  # 179 / 255 of 0xffffffff
wait_for 5 holds Opacity=70 || fail "settings.ini holds \"$(cat "$settings")\""
above || fail "the opacity took the window from above the others"
menu o
sleep 0.5
shot qt-window-menu
xdotool key Escape Escape

echo "== after a restart both are back"
kill "$lumivox_pid"
wait_for 10 bash -c "! kill -0 $lumivox_pid 2>/dev/null" || fail "Lumivox did not end"
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^Lumivox$" >/dev/null' || fail "the window stayed"
start_lumivox
wait_for 10 above || fail "after a restart the window is not above the others"
wait_for 10 opacity_is 3014898611 || fail "after a restart the opacity is \"$(opacity)\""

echo "== 总在最前 again takes it back among the others"
menu t
wait_for 10 not_above || fail "总在最前 a second time left _NET_WM_STATE_ABOVE"
wait_for 5 holds StayOnTop=false || fail "settings.ini holds \"$(cat "$settings")\""
echo "window_look_e2e: 总在最前 and 透明度 took effect and came back after a restart"
