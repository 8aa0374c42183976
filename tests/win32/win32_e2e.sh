#!/usr/bin/env bash
# Lumivox.exe from end to end under Wine, on a virtual display of its own
# (run through with_xvfb.sh, in a Chinese locale): a stand-in game holds the
# keyboard focus in the same Wine prefix, xdotool presses its keys, and the
# windows' own texts are read back with WindowProbe.exe.
# Wine's X11 graphics driver is needed: Wine programs only see key presses
# made in another Wine window of the same prefix, and xdotool needs X windows.
# Usage: win32_e2e.sh <folder of Lumivox.exe> <folder of the test programs> <sample Data folder> <prefix folder>
#        <stand-in for the game>
set -euo pipefail
program_dir=$1 helper_dir=$2 data=$3 stand_in_game=$5
export WINEPREFIX=$4
e2e_name=win32_e2e
source "$(dirname "$0")/wine_desktop.sh"
make_prefix 96
# The prefix is kept between runs: the settings a run left, failed midway, are not this run's.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Lumivox

start_work
windows_work="Z:${work//\//\\}"

# The game's folder as its set-up records it, read at Lumivox's start: a
# stand-in for the game in a folder with blanks and Chinese characters.
game_folder="$work/游戏 目录"
mkdir "$game_folder"
cp "$stand_in_game" "$game_folder/ED6_WIN2.exe"
windows_game_folder="Z:${game_folder//\//\\}"
wine reg add 'HKCU\Software\Falcom\Fsetup' /v ED_SORA2 /d "$windows_game_folder" /f >/dev/null 2>&1 ||
  fail "wine reg add of the game's folder failed"
file_is() { [ "$(cat "$1" 2>/dev/null)" = "$2" ]; }

# The stand-in game first, so that Wine's own start is not Lumivox's.
wine "$helper_dir/FocusGame.exe" >/dev/null 2>&1 &
wait_for 60 has_x_window '^FocusGame$' || fail "the stand-in game's window did not appear"

echo "== Lumivox.exe starts and its main window reads \"Lumivox\""
mkdir "$work/run"
cp -r "$data" "$work/run/Data"
started=$(date +%s%N)
(cd "$work/run" && exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
wait_for 30 has_x_window '^Lumivox$' || fail "the Lumivox window did not appear"
echo "win32_e2e: the window appeared $((($(date +%s%N) - started) / 1000000)) ms after the start"
title=$(probe LumivoxIndex '*') || fail "no window of the class LumivoxIndex"
[ "$title" = "Lumivox" ] || fail "the main window's title reads \"$title\""
expect_last_row_on_one_line

echo "== presses in the stand-in game count once each: a tap, a held key, ten quick taps"
# Under Wine bit 0 of the key state (pressed since the last query) is one
# for the whole prefix: whichever program asks first clears it, and a held
# key's auto-repeat sets it again. The tap (shorter than a tick, seen by bit
# 0 alone) is made while Lumivox alone asks; the held key is held past the
# start of auto-repeat; the quick taps are made while a second program over
# the same key watch, as a game might, asks about the same key.
rival="$work/rival.txt"
start_counter() {  # $1: the count's file; $2: the key, Space unless given
  wine "$helper_dir/KeyCounter.exe" "$windows_work\\$(basename "$1")" ${2:-} >/dev/null 2>&1 &
  wait_for 30 file_is "$1" 0 || fail "the key counter did not start"
}
# A value of the main library (section, key), decoded as the program decodes it.
library_value() {
  iconv -f GBK -t UTF-8 "$data/Quorra.data" | tr -d '\r' | sed -n "/^\[$1\]/,/^\[/s/^$2=//p" | head -n1
}
library_line() { library_value Quorra "$1"; }
lumivox_texts() { probe LumivoxIndex '*' 状态提示 对话内容 | paste -sd '|'; }
lumivox_shows() { [ "$(lumivox_texts)" = "$1|$(library_line "$2")" ]; }
# Waits until the main window shows the status text $1 and the line $2.
expect_lumivox() {
  wait_for 10 lumivox_shows "$1" "$2" || fail "$3: Lumivox shows \"$(lumivox_texts)\""
}
focus_window FocusGame
xdotool key space
expect_lumivox 确认用户跳过对话。对话数：0 0 "after a tap shorter than a tick"
shot main-window
xdotool keydown space
sleep 1.5
xdotool keyup space
sleep 0.3  # a release and a press in the same millisecond would be auto-repeat to Wine
expect_lumivox 确认用户跳过对话。对话数：1 1 "after a key held for 1.5 seconds"
start_counter "$rival"
for _ in $(seq 10); do
  xdotool keydown space
  sleep 0.06
  xdotool keyup space
  sleep 0.06
done
sleep 0.3
file_is "$rival" 10 || fail "ten quick taps counted $(cat "$rival") times by the second program"
expect_lumivox 确认用户跳过对话。对话数：11 11 "after ten quick taps"
is_focused FocusGame || fail "the stand-in game lost the focus: $(probe --foreground)"

echo "== player keys pressed in the stand-in game: Ctrl+Alt+PgUp steps back, Pause pauses and resumes, combinations sent at once step"
tap() { xdotool keydown "$1"; sleep 0.06; xdotool keyup "$1"; sleep 0.1; }
xdotool keydown ctrl+alt
sleep 0.1
tap Prior
xdotool keyup ctrl+alt
expect_lumivox 已成功将对话往前一个屏幕。对话数：12 12 "after Ctrl+Alt+PgUp"
tap Pause
expect_lumivox "已暂停计数：游戏中的按键不再翻页。按 Pause 继续。" 12 "after Pause"
tap space
sleep 0.3
expect_lumivox "已暂停计数：游戏中的按键不再翻页。按 Pause 继续。" 12 "after Space while paused"
tap Pause
tap space
expect_lumivox 确认用户跳过对话。对话数：11 11 "after Pause again and Space"
# A controller's button or a macro key sends a combination at once, over
# between two ticks: each steps once (forward, back twice and Space leave
# the count where it was).
xdotool key --delay 0 ctrl+alt+Next
expect_lumivox 已成功将对话后移一个屏幕。对话数：12 12 "after Ctrl+Alt+PgDown sent at once"
sleep 0.1
xdotool key --delay 0 ctrl+alt+Prior
sleep 0.1
xdotool key --delay 0 ctrl+alt+Prior
expect_lumivox 已成功将对话往前一个屏幕。对话数：12 12 "after Ctrl+Alt+PgUp sent at once twice"
tap space
expect_lumivox 确认用户跳过对话。对话数：11 11 "after Space following the steps"
is_focused FocusGame || fail "the stand-in game lost the focus to a player key: $(probe --foreground)"

echo "== Ctrl as the dialogue key: 5 ms taps of either Ctrl key count"
# Wine gives the generic Ctrl key no bit 0: a tap between two ticks shows in
# the left or right key's state alone.
# Lumivox asks about Ctrl, Alt and Shift at every tick for its player keys
# and would take bit 0 from the counter: its own window holds the focus
# meanwhile, and its poll asks nothing then.
ctrl_count="$work/ctrl.txt"
start_counter "$ctrl_count" 0x11
focus_window Lumivox
for key in Control_L Control_R; do
  for _ in $(seq 5); do
    xdotool keydown $key
    sleep 0.005
    xdotool keyup $key
    sleep 0.1
  done
done
wait_for 5 file_is "$ctrl_count" 10 || fail "ten 5 ms taps of Ctrl counted $(cat "$ctrl_count") times"

# The second program still asks: a press is held longer than a tick.
press_space() {
  xdotool keydown space
  sleep 0.06
  xdotool keyup space
}
echo "== Ctrl+S saves the line's key, Ctrl+L loads it back; keys in Lumivox do not count"
save="$work/run/Data/Save.sav"
saved_bytes_are() { cmp -s "$save" <(printf '%s\r\n' "$1"); }
focus_window Lumivox
xdotool key ctrl+s
wait_for 10 has_x_window '^恭喜$' || fail "Ctrl+S showed no box \"恭喜\""
saved_bytes_are 11 || fail "Save.sav holds \"$(od -c "$save" 2>&1 | head -n2)\""
shot save-box
focus_box 恭喜
xdotool key Return
wait_for 10 no_x_window '^恭喜$' || fail "Enter did not close the box \"恭喜\""
wait_for 10 is_focused Lumivox || fail "the focus did not go back to Lumivox: $(probe --foreground)"
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：12 12 "after a press back in the game"
focus_window Lumivox
xdotool key ctrl+l
expect_lumivox 读取成功，请按您设置的键进入待命状态。[默认空格] 11 "after Ctrl+L"
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：11 11 "after a press following the load"

echo "== the show window opens from the menu, closes on a click, and the poll is back on"
focus_window Lumivox
xdotool key alt+h h  # 帮助(&H), 展示窗体(&H)...
wait_for 10 has_x_window '^展示窗体$' || fail "the show window did not open"
[ "$(probe LumivoxShowFrm '*')" = 展示窗体 ] || fail "no window of the class LumivoxShowFrm"
sleep 1  # its fade
shot show-window
xdotool mousemove --window "$(x_window '^展示窗体$')" 100 100 click 1
wait_for 10 no_x_window '^展示窗体$' || fail "a click did not close the show window"
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：12 12 "after a press once the show window closed"

echo "== About opens from the menu with the library's values and closes with Esc"
focus_window Lumivox
xdotool key alt+h a  # 帮助(&H), 关于...(&A)
wait_for 10 has_x_window '^关于『Lumivox』$' || fail "About did not open"
expected="$(library_value Build Build)|$(library_value TextNumber TextNumber)|$(library_value TextNumber TextNumberDoor)"
about_values() { probe LumivoxAbout '*' Label4 Label6 Doortextnumber | paste -sd '|'; }
about_shows() { [ "$(about_values)" = "$expected" ]; }
wait_for 10 about_shows || fail "About shows \"$(about_values)\", not \"$expected\""
is_centred LumivoxAbout '*' || fail "About is not centred on the screen: $(probe LumivoxAbout '*' @)"
# The sample library's contact, its addresses broken where the frame is narrow.
contact=$(probe LumivoxAbout '*' Label11 | tr -d '\n')
for entry in "E-Mail:$(library_value Contact Mail)" "网址:$(library_value Contact Web)"; do
  [[ "$contact" == *"$entry"* ]] || fail "About's contact \"$contact\" lacks \"$entry\""
done
[[ "$contact" != *QQ:* ]] || fail "About's contact \"$contact\" names a QQ number the library does not give"
shot about
focus_window 关于『Lumivox』
xdotool key Escape
wait_for 10 no_x_window '^关于『Lumivox』$' || fail "Esc did not close About"

echo "== after About closes with Enter, the next press in the game counts; a press outside Wine is heard by no Windows program"
# The player's way: Ctrl+S and Enter on its box, Alt+H A and Enter on About,
# a click into the game, Space. The game is the stand-in of the prefix, then
# an X window outside Wine: Lumivox learns that the focus went there and
# leaves it there, but Wine hands its programs only the keys pressed in
# windows of its own prefix; the next press in the stand-in game counts.
xmessage -geometry 300x120+700+600 -title OutsideGame "X window outside Wine" >/dev/null 2>&1 &
outside_pid=$!
save_and_close_about() {
  focus_window Lumivox
  xdotool key ctrl+s
  wait_for 10 has_x_window '^恭喜$' || fail "Ctrl+S showed no box \"恭喜\""
  focus_box 恭喜
  xdotool key Return
  wait_for 10 no_x_window '^恭喜$' || fail "Enter did not close the box \"恭喜\""
  focus_window Lumivox
  xdotool key alt+h a
  wait_for 10 has_x_window '^关于『Lumivox』$' || fail "About did not open"
  focus_box 关于『Lumivox』
  xdotool key Return
  wait_for 10 no_x_window '^关于『Lumivox』$' || fail "Enter did not close About"
}
# The line alone: by now the minute's auto-save may have written its own status.
shown_line() { [ "$(probe LumivoxIndex '*' 对话内容)" = "$(library_line "$1")" ]; }
save_and_close_about
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：13 13 "after About closed with Enter and a press in the stand-in game"
save_and_close_about
wait_for 10 has_x_window '^OutsideGame$' || fail "the X window outside Wine did not appear"
outside=$(x_window '^OutsideGame$')
xdotool mousemove --window "$outside" 100 60 click 1
xdotool windowfocus --sync "$outside"  # as a window manager gives it to a clicked window
not_lumivox_foreground() { [ "$(probe --foreground)" != Lumivox ]; }
wait_for 10 not_lumivox_foreground || fail "Lumivox stayed the foreground after a click outside Wine"
press_space
sleep 0.5
[ "$(xdotool getwindowfocus)" = "$outside" ] || fail "the focus went back from the window outside Wine to $(focused_title)"
shown_line 13 || fail "a press outside Wine moved Lumivox to \"$(lumivox_texts)\""
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：14 14 "after a click outside Wine and a press in the stand-in game"
kill "$outside_pid"

echo "== the track choice: Label9 collapses it, the menu brings it back"
outer_size() { probe LumivoxIndex '*' @; }
click_label() {  # $1: the control, $2: the mouse button
  # shellcheck disable=SC2046  # x and y
  xdotool mousemove --sync $(probe LumivoxIndex '*' "@$1") click "$2"
}
# Outer heights of 5235 and 7100 twips at 96 dots an inch (the test prefix's scale).
collapsed_height=$((5235 * 96 / 1440)) expanded_height=$((7100 * 96 / 1440))
click_label Label9 1
height_is() { [ "$(outer_size | cut -d' ' -f2)" = "$1" ]; }
wait_for 10 height_is "$collapsed_height" || fail "a click on Label9 left the window at \"$(outer_size)\""
shot collapsed
focus_window Lumivox
xdotool key alt+o Down Return  # 程序(&O), past 启动游戏 to 显示『主、支线对话选择』
wait_for 10 height_is "$expanded_height" || fail "the menu item left the window at \"$(outer_size)\""

echo "== a door from the 记忆之门 popup starts the door track at line 0"
door_line() { iconv -f GBK -t UTF-8 "$data/Door.data" | tr -d '\r' | sed -n "/^\[Door\]/,/^\[/s/^$1=//p" | head -n1; }
shows_texts() { [ "$(lumivox_texts)" = "$1" ]; }
menu_is_open() { probe '#32768' '*' >/dev/null; }
click_label Label8 3
wait_for 10 menu_is_open || fail "a right click on Label8 popped up no menu"
shot gate-menu
xdotool key Down Right Down Down Return  # 星之扉, its third door 星之扉3
focus_window FocusGame
press_space
expected="确认用户跳过对话。对话数：0|$(door_line 0)"
wait_for 10 shows_texts "$expected" || fail "after 星之扉3 and a press Lumivox shows \"$(lumivox_texts)\""

echo "== Label7 asks before going back to the main story"
click_label Label7 1
wait_for 10 has_x_window '^数据丢失提醒$' || fail "a click on Label7 asked nothing"
question=$(probe '#32770' 数据丢失提醒 65535)
[ "$question" = "切换对话类型可能会丢失现类型的对话数据，请确认已经保存。单击确定切换对话类型" ] ||
  fail "the track question reads \"$question\""
focus_box 数据丢失提醒
xdotool key Return
wait_for 10 has_x_window '^成功操作$' || fail "确定 to the track question showed no box \"成功操作\""
focus_box 成功操作
xdotool key Return
wait_for 10 no_x_window '^成功操作$' || fail "Enter did not close the box \"成功操作\""

echo "== the jump window sets the next main line"
focus_window Lumivox
xdotool key alt+o t  # 程序(&O), 对话进程设置...(&T)
wait_for 10 has_x_window '^对话进度设置$' || fail "the jump window did not open"
focus_box 对话进度设置
shot jump-window
xdotool key End BackSpace
xdotool type 7
xdotool key Tab space  # 确认修改
wait_for 10 has_x_window '^恭喜$' || fail "the jump showed no box \"恭喜\""
focus_box 恭喜
xdotool key Return
wait_for 10 no_x_window '^对话进度设置$' || fail "the jump window stayed open"
focus_window FocusGame
press_space
expect_lumivox 确认用户跳过对话。对话数：7 7 "after a jump to 7 and a press"

# Ends Lumivox with Del, answered 是(&Y), and starts it again in the same
# folder, in the locale $1 when given.
restart_lumivox() {
  focus_window Lumivox
  # Wine's foreground may be Lumivox while the X focus stayed where a window
  # that went had it: the key would be lost.
  xdotool windowfocus --sync "$(x_window '^Lumivox$')"
  xdotool key Delete
  wait_for 10 has_x_window '^退出确认$' || fail "Del showed no box \"退出确认\""
  focus_box 退出确认
  xdotool key y
  wait_for 10 no_x_window '^Lumivox$' || fail "Lumivox did not end"
  (cd "$work/run" && LC_ALL=${1:-$LC_ALL} exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
  wait_for 30 has_x_window '^Lumivox$' || fail "the Lumivox window did not appear again"
}

echo "== the hotkey window sets Enter as the advance key; it counts after a restart"
focus_window Lumivox
xdotool key alt+o h  # 程序(&O), 切换按键设置...(&H)
wait_for 10 has_x_window '^热键设置$' || fail "the hotkey window did not open"
focus_box 热键设置
shot hotkey-window
# The second choice, 回车; past the four player keys and their 无 to 应用新设置.
xdotool key Down Tab Tab Tab Tab Tab Tab Tab Tab Tab space
wait_for 10 has_x_window '^恭喜$' || fail "applying the hotkey showed no box \"恭喜\""
hotkey_is() { cmp -s "$work/run/Data/HotKeys.opi" <(printf 'B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n'); }
hotkey_is || fail "HotKeys.opi holds \"$(od -c "$work/run/Data/HotKeys.opi" | head -n2)\""
focus_box 恭喜
xdotool key Return
wait_for 10 no_x_window '^热键设置$' || fail "the hotkey window stayed open"
restart_lumivox
focus_window FocusGame
press_space
sleep 0.5  # some ticks: Space is no longer the advance key
status=$(probe LumivoxIndex '*' 状态提示)
[[ "$status" != 确认用户跳过对话* ]] || fail "Space still advances after the restart: \"$status\""
xdotool keydown Return
sleep 0.06
xdotool keyup Return
expect_lumivox 确认用户跳过对话。对话数：0 0 "after Enter, the new advance key"

echo "== Ctrl+O starts the game minimized, without the focus, in its own folder"
marker="$game_folder/ED6_WIN2.started"
focus_window Lumivox
xdotool key ctrl+o
wait_for 30 test -s "$marker" || fail "Ctrl+O did not start the game: no $marker"
started=$(tr -d '\r' <"$marker")
[ "$started" = "$(printf 'show=7\ndir=%s' "$windows_game_folder")" ] || fail "the game started with \"$started\""
no_x_window '^出错了$' || fail "an error box came with the started game"

echo "== a missing game and a file that is no program show the box"
launch_fails() {  # $1: what is wrong, $2: the screenshot's name
  focus_window Lumivox
  xdotool key ctrl+o
  wait_for 10 has_x_window '^出错了$' || fail "$1: Ctrl+O showed no box \"出错了\""
  shot "$2"
  local text
  text=$(probe '#32770' 出错了 65535)
  [ "$text" = "咳咳。。MS无法找到3rd的路径的说。。所以请自行打开了。" ] || fail "$1: the box reads \"$text\""
  focus_box 出错了
  xdotool key Return
  wait_for 10 no_x_window '^出错了$' || fail "$1: Enter did not close the box \"出错了\""
}
mv "$game_folder" "$game_folder.gone"
launch_fails "a missing game" launch-missing-game
mv "$game_folder.gone" "$game_folder"
printf 'no program\r\n' >"$game_folder/ED6_WIN2.exe"
launch_fails "a file that is no program" launch-no-program

echo "== a second copy asks whether to stay and ends on 确定; the first goes on counting"
(cd "$work/run" && exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
second=$!
wait_for 30 has_x_window '^我想对你说$' || fail "a second copy did not ask whether to stay"
shot second-copy
focus_box 我想对你说
# Space on the focused 确定, not Enter: Enter is the first copy's advance key
# here, and a press that reaches the other copy's box is not the first copy's own.
xdotool key space
wait_for 20 bash -c "! kill -0 $second 2>/dev/null" || fail "确定 did not end the second copy"
[ "$(xdotool search --name '^Lumivox$' | wc -l)" = 1 ] || fail "the second copy left a main window"
focus_window FocusGame
xdotool keydown Return
sleep 0.06
xdotool keyup Return
wait_for 10 shown_line 1 || fail "after Enter once the second copy ended: Lumivox shows \"$(lumivox_texts)\""

echo "== 总在最前 makes the main window topmost, 透明度 70 % layers it; both come back after a restart"
look_is() { [ "$(probe LumivoxIndex '*' %)" = "$1" ]; }
settings_hold() {
  local file
  file=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/Lumivox/settings.ini' 2>/dev/null | head -n1)
  [ -n "$file" ] && [ "$(tr -d '\r' <"$file" | grep -E '^(StayOnTop|Opacity)=' | paste -sd ' ')" = "$1" ]
}
look_is "normal 255" || fail "without settings the main window stands \"$(probe LumivoxIndex '*' %)\""
focus_window Lumivox
xdotool key alt+o w t  # 程序(&O), 窗口(&W), 总在最前(&T)
wait_for 10 look_is "topmost 255" || fail "总在最前 left the main window \"$(probe LumivoxIndex '*' %)\""
focus_window Lumivox
xdotool key alt+o w o Down Down  # 程序(&O), 窗口(&W), 透明度(&O), past 100 % and 85 %
sleep 0.5
shot window-menu
xdotool key Return
wait_for 10 look_is "topmost 179" || fail "70 % left the main window \"$(probe LumivoxIndex '*' %)\""
wait_for 5 settings_hold "StayOnTop=true Opacity=70" || fail "settings.ini holds no StayOnTop=true and Opacity=70"
restart_lumivox
wait_for 10 look_is "topmost 179" || fail "after a restart the main window stands \"$(probe LumivoxIndex '*' %)\""

echo "== on top, its box and About are its own and stand above it, About after a click on it too"
# Whether the window titled $1 stands above the one titled $2 in the system's order.
stands_above() {
  probe --stacking | awk -v a="$1" -v b="$2" '$0 == a && !at_a { at_a = NR } $0 == b && !at_b { at_b = NR }
                                             END { exit !(at_a && at_b && at_a < at_b) }'
}
expect_owned_above_main() {  # $1: the class, $2: the title, $3: what opened it
  stands_above "$2" Lumivox || fail "$3: \"$2\" stands below the main window: $(probe --stacking | paste -sd '|')"
  [ "$(probe "$1" "$2" ^)" = Lumivox ] || fail "$3: \"$2\" is owned by \"$(probe "$1" "$2" ^)\""
}
focus_window Lumivox
xdotool key alt+t n  # 对话(&T), 新建对话进度(&N)
wait_for 10 has_x_window '^新建确认$' || fail "新建对话进度 asked nothing"
expect_owned_above_main '#32770' 新建确认 新建对话进度
focus_box 新建确认
xdotool key n
wait_for 10 no_x_window '^新建确认$' || fail "否(&N) did not close the box \"新建确认\""
focus_window Lumivox
xdotool key alt+h a  # 帮助(&H), 关于...(&A)
wait_for 10 has_x_window '^关于『Lumivox』$' || fail "About did not open"
expect_owned_above_main LumivoxAbout '关于『Lumivox』' About
focus_window Lumivox
expect_owned_above_main LumivoxAbout '关于『Lumivox』' "About, the main window clicked"
focus_window 关于『Lumivox』
xdotool key Escape
wait_for 10 no_x_window '^关于『Lumivox』$' || fail "Esc did not close About"
focus_window Lumivox
xdotool key alt+o w t
focus_window Lumivox
xdotool key alt+o w o Return  # 100 %
wait_for 10 look_is "normal 255" || fail "back to the defaults the main window stands \"$(probe LumivoxIndex '*' %)\""
wait_for 5 settings_hold "StayOnTop=false Opacity=100" || fail "settings.ini holds no StayOnTop=false and Opacity=100"

echo "== boxes speak Chinese whatever the system's language; the answers come back"
answer="$work/answer.txt"
# Shows a box of the prompter ($1: ask or input) under the locale $2 and
# waits for its window, titled $3; $4: over-topmost, or nothing.
open_box() {
  rm -f "$answer"
  LC_ALL=$2 wine "$helper_dir/PrompterBoxes.exe" "$windows_work\\answer.txt" "$1" ${4:-} >/dev/null 2>&1 &
  wait_for 30 has_x_window "^$3\$" || fail "the box \"$3\" did not appear"
  xdotool windowfocus --sync "$(x_window "^$3\$")"
}
for locale in zh_CN.UTF-8 C.UTF-8; do
  open_box ask "$locale" 退出确认
  buttons=$(probe '#32770' 退出确认 6 7 | paste -sd ' ')
  [ "$buttons" = "是(&Y) 否(&N)" ] || fail "in $locale the question's buttons read \"$buttons\""
  [ "$locale" = zh_CN.UTF-8 ] && shot question-box
  xdotool key n
  wait_for 10 file_is "$answer" no || fail "否(&N) in $locale answered \"$(cat "$answer" 2>/dev/null)\""
done

echo "== a box while none of the program's windows is active stands above its topmost main window"
open_box ask zh_CN.UTF-8 退出确认 over-topmost
stands_above 退出确认 置顶主窗口 || fail "the box stands below the topmost main window: $(probe --stacking | paste -sd '|')"
[ "$(probe '#32770' 退出确认 ^)" = 置顶主窗口 ] || fail "the box is owned by \"$(probe '#32770' 退出确认 ^)\""
shot box-over-topmost
xdotool key n
wait_for 10 file_is "$answer" no || fail "否(&N) over the topmost window answered \"$(cat "$answer" 2>/dev/null)\""

open_box input zh_CN.UTF-8 跳转
texts=$(probe '#32770' 跳转 100 101 1 2 | paste -sd '|')
[ "$texts" = "请输入对话数 & <b>不是标记</b>|12|确定|取消" ] || fail "the input box reads \"$texts\""
shot input-box
xdotool type --delay 50 345
xdotool key Return
wait_for 10 file_is "$answer" text:345 || fail "typed 345 and 确定: \"$(cat "$answer" 2>/dev/null)\""
open_box input zh_CN.UTF-8 跳转
xdotool key Escape
wait_for 10 file_is "$answer" none || fail "Esc in the input box: \"$(cat "$answer" 2>/dev/null)\""

echo "== the game in C:\\games\\空之 sky starts, also when Lumivox.exe's ANSI code page is not GBK"
# As the game's set-up records it: in the system's ANSI code page, GBK in
# this locale (Wine keeps it as the same UTF-16 that reg add writes).
sky="$WINEPREFIX/drive_c/games/空之 sky"
rm -rf "$WINEPREFIX/drive_c/games"
mkdir -p "$sky"
cp "$stand_in_game" "$sky/ED6_WIN2.exe"
wine reg add 'HKCU\Software\Falcom\Fsetup' /v ED_SORA2 /d 'C:\games\空之 sky' /f >/dev/null 2>&1 ||
  fail "wine reg add of C:\\games\\空之 sky failed"
for locale in zh_CN.UTF-8 C.UTF-8; do  # ANSI code pages 936 and 1252
  rm -f "$sky/ED6_WIN2.started"
  restart_lumivox "$locale"
  focus_window Lumivox
  xdotool key ctrl+o
  wait_for 30 test -s "$sky/ED6_WIN2.started" || fail "in $locale, Ctrl+O did not start the game in C:\\games\\空之 sky"
  started=$(tr -d '\r' <"$sky/ED6_WIN2.started")
  [ "$started" = "$(printf 'show=7\ndir=C:\\games\\空之 sky')" ] || fail "in $locale, the game started with \"$started\""
  no_x_window '^出错了$' || fail "in $locale, an error box came with the started game"
done
rm -rf "$WINEPREFIX/drive_c/games"

echo "win32_e2e: all passed"
