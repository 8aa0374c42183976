#!/usr/bin/env bash
# The 窗口 menu (under 程序) of the real program under openbox, on a virtual display
# (with_xvfb.sh): 总在最前 puts the window manager's above state on the main
# window, which stays shown and in its place; 透明度 sets the window's
# opacity; both are kept in settings.ini under XDG_CONFIG_HOME and are there
# again after a restart. With 总在最前 on, every box and About stand above the
# main window in the window manager's stacking order: a box of a failed
# save, 新建对话进度's question, About, and the box at start-up about the
# settings file. With LUMIVOX_E2E_SHOTS set to a folder, screenshots of the
# open menu and of a box over the main window are kept there.
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
# A window of Lumivox's by its whole title (the UTF-8 one: in the C locale
# Qt writes the plain one in Latin-1).
titled() {
  local w
  for w in $(xdotool search --onlyvisible --class lumivox 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w" && return 0
  done
  return 1
}
# Where a window stands in the window manager's stacking order, bottom first.
stacked_at() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/[ ]//g' | tr ',' '\n' | grep -nx "$(printf '0x%x' "$1")" |
    cut -d: -f1
}
stands_above_main() {
  local other main_at other_at
  other=$(titled "$1") && find_window || return 1
  main_at=$(stacked_at "$window") other_at=$(stacked_at "$other")
  [ -n "$main_at" ] && [ -n "$other_at" ] && [ "$other_at" -gt "$main_at" ]
}
expect_above_main() {
  wait_for 10 stands_above_main "$1" ||
    fail "$2: \"$1\" does not stand above the main window: $(xprop -root _NET_CLIENT_LIST_STACKING), main $window"
}
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

echo "== with 总在最前 on, a box of a failed save stands above the main window"
chmod 444 "$settings"  # refused even to root: the save fails
menu t
wait_for 10 above || fail "总在最前 did not set _NET_WM_STATE_ABOVE"
expect_above_main 发生错误 "a settings file that cannot be written"
shot qt-box-over-main-window
xdotool key Return
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^发生错误$" >/dev/null' || fail "Enter did not close the box"
chmod 644 "$settings"

echo "== 新建对话进度's question and About stand above it too"
menu_keys() {  # a menu of the main window and the keys in it
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.3
  xdotool key "$1"
  sleep 0.3
  xdotool key "$2"
}
menu_keys alt+t n  # 对话(&T), 新建对话进度(&N)
expect_above_main 新建确认 "新建对话进度"
xdotool key n
menu_keys alt+h a  # 帮助(&H), 关于...(&A)
expect_above_main 关于『Lumivox』 "About"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
stands_above_main 关于『Lumivox』 || fail "About went below the main window as that was activated"
xdotool windowactivate --sync "$(titled 关于『Lumivox』)" 2>/dev/null || true
xdotool key Escape

echo "== at start-up, the box about the settings file stands above it"
kill "$lumivox_pid"
wait_for 10 bash -c "! kill -0 $lumivox_pid 2>/dev/null" || fail "Lumivox did not end"
printf '[Window]\r\nStayOnTop=true\r\nOpacity=33\r\n' >"$settings"
start_lumivox
expect_above_main 个人设置有误 "a settings file with a value Lumivox does not know"
above || fail "总在最前 from the settings file did not set _NET_WM_STATE_ABOVE"
echo "window_look_e2e: 总在最前 and 透明度 took effect and came back after a restart; boxes and About stood above"
