#!/usr/bin/env bash
# The lines window of Lumivox.exe under Wine, on a virtual display of its own
# (run through with_xvfb.sh, in a Chinese locale): opened from the 对话 menu,
# a line chosen with the keyboard and one with a click, each resyncing the
# main window, and the next press in the stand-in game showing the line after;
# opened by the lines key in the game, which keeps the focus, then given the
# focus by the key again, and Esc handing the focus back to the game.
# Usage: win32_lines_e2e.sh <folder of Lumivox.exe> <folder of the test programs> <sample Data folder> <prefix folder>
set -euo pipefail
program_dir=$1 helper_dir=$2 data=$3
export WINEPREFIX=$4
e2e_name=win32_lines_e2e
source "$(dirname "$0")/wine_desktop.sh"
make_prefix 96

start_work

wine "$helper_dir/FocusGame.exe" >/dev/null 2>&1 &
wait_for 60 has_x_window '^FocusGame$' || fail "the stand-in game's window did not appear"
mkdir "$work/run"
cp -r "$data" "$work/run/Data"
(cd "$work/run" && exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
wait_for 30 has_x_window '^Lumivox$' || fail "the Lumivox window did not appear"

library_line() {
  iconv -f GBK -t UTF-8 "$data/Quorra.data" | tr -d '\r' | sed -n "/^\[Quorra\]/,/^\[/s/^$1=//p" | head -n1
}
lumivox_texts() { probe LumivoxIndex '*' 状态提示 对话内容 | paste -sd '|'; }
lumivox_shows() { [ "$(lumivox_texts)" = "$1|$(library_line "$2")" ]; }
expect_lumivox() {
  wait_for 10 lumivox_shows "$1" "$2" || fail "$3: Lumivox shows \"$(lumivox_texts)\""
}
press_space() {
  xdotool keydown space
  sleep 0.06
  xdotool keyup space
  sleep 0.1
}
chosen=已跳至对话列表中选定的对话，按您设置的键继续。对话数：

echo "== three presses in the game, then 对话列表 from the 对话 menu"
focus_window FocusGame
press_space; press_space; press_space
expect_lumivox 确认用户跳过对话。对话数：2 2 "after three presses"
focus_window Lumivox
xdotool key alt+t l  # 对话(&T), 对话列表...(&L)
wait_for 10 has_x_window '^对话列表$' || fail "the lines window did not open"
[ "$(probe LumivoxLines '*')" = 对话列表 ] || fail "no window of the class LumivoxLines"
focus_box 对话列表
shot lines-window

echo "== Home, four times Down and Enter in the list make line 4 the one shown"
xdotool key --delay 100 Home Down Down Down Down Return
expect_lumivox "${chosen}4" 4 "after Enter on line 4"

echo "== a click on a listed line makes it the one shown"
# The list's identifier, LinesWindow::kListId.
read -r x y <<<"$(probe LumivoxLines '*' @103)"
xdotool mousemove --sync "$x" "$y" click 1
clicked() { status=$(probe LumivoxIndex '*' 状态提示) && [[ $status == "$chosen"* ]] && [ "${status#"$chosen"}" != 4 ]; }
wait_for 10 clicked || fail "the click chose no other line: Lumivox shows \"$(lumivox_texts)\""
line=${status#"$chosen"}
expect_lumivox "$status" "$line" "after the click"
shot lines-window-clicked

echo "== text no line holds is said so below the list"
read -r x y <<<"$(probe LumivoxLines '*' @101)"  # the search field, LinesWindow::kFindTextId
xdotool mousemove --sync "$x" "$y" click 1
xdotool type --delay 100 zzz
result_is() { [ "$(probe LumivoxLines '*' 104)" = "$1" ]; }
wait_for 10 result_is 没有找到含有「zzz」的对话。 || fail "the search says \"$(probe LumivoxLines '*' 104)\""
shot lines-window-none-found

echo "== Esc closes the window; the next press in the game shows the line after the one chosen"
xdotool key Escape
wait_for 10 no_x_window '^对话列表$' || fail "Esc did not close the lines window"
focus_window FocusGame
press_space
expect_lumivox "确认用户跳过对话。对话数：$((line + 1))" $((line + 1)) "after a press following the click"

press_lines_key() {
  xdotool keydown ctrl+alt
  sleep 0.1
  xdotool key Home
  sleep 0.1
  xdotool keyup ctrl+alt
}
echo "== the lines key in the game opens the window; the game keeps the focus and its next press counts"
press_lines_key
wait_for 10 has_x_window '^对话列表$' || fail "the lines key did not open the lines window"
sleep 0.5
is_focused FocusGame || fail "the lines window took the focus: $(probe --foreground) has it"
press_space
expect_lumivox "确认用户跳过对话。对话数：$((line + 2))" $((line + 2)) "after a press with the lines window open"
shot lines-window-beside-game

echo "== the key again gives the window the focus, in 查找; Esc gives it back to the game"
press_lines_key
wait_for 10 is_focused 对话列表 || fail "the key again left the focus with $(probe --foreground)"
xdotool type --delay 100 zzz
wait_for 10 result_is 没有找到含有「zzz」的对话。 || fail "typing went elsewhere than 查找: \"$(probe LumivoxLines '*' 104)\""
xdotool key Escape
wait_for 10 no_x_window '^对话列表$' || fail "Esc did not close the lines window"
wait_for 10 is_focused FocusGame || fail "Esc left the focus with $(probe --foreground)"
sleep 0.2
press_space
expect_lumivox "确认用户跳过对话。对话数：$((line + 3))" $((line + 3)) "after a press following Esc"
echo "win32_lines_e2e: passed"
