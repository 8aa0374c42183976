#!/usr/bin/env bash
# 帮助 › 检查词库 in Lumivox.exe under Wine, on a virtual display of its own
# (run through with_xvfb.sh, in a Chinese locale): the report window opens
# from the menu and lists, row by row, what the console program prints for
# the checker's broken folder; asked again, the one window checks afresh;
# Esc closes it. The window's texts are read back with WindowProbe.exe.
# Usage: win32_check_report_e2e.sh <folder of Lumivox.exe> <folder of the test programs> <sample Data folder>
#        <prefix folder> <make_broken_folder.sh> <its expected report>
set -euo pipefail
program_dir=$1 helper_dir=$2 data=$3 make_broken=$5 expected=$6
export WINEPREFIX=$4
e2e_name=win32_check_report_e2e
source "$(dirname "$0")/wine_desktop.sh"
make_prefix 96

start_work

"$make_broken" "$work/run"
(cd "$work/run" && exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
wait_for 60 has_x_window '^Lumivox$' || fail "the Lumivox window did not appear"

summary() { probe LumivoxCheckReport '*' 100; }
rows() { probe LumivoxCheckReport '*' 101; }
checked() { s=$(summary) && [ -n "$s" ] && [ "$s" != 正在检查… ]; }
# 帮助(&H), 检查词库(&C)..., and the check's end.
check_from_the_menu() {
  focus_window Lumivox
  xdotool key alt+h c
  wait_for 10 has_x_window '^检查词库$' || fail "$1: the report window did not open"
  wait_for 20 checked || fail "$1: the report window still reads \"$(summary)\""
}
report_windows() { xdotool search --onlyvisible --name '^检查词库$' 2>/dev/null | wc -l; }
# The report window, frame and all, for a person to look at.
shoot_report() {
  [ -n "${LUMIVOX_E2E_SHOTS:-}" ] || return 0
  local width height left top
  read -r width height left top <<<"$(probe LumivoxCheckReport '*' @)"
  mkdir -p "$LUMIVOX_E2E_SHOTS"
  import -window root -crop "${width}x${height}+$left+$top" "$LUMIVOX_E2E_SHOTS/$1.png"
}

echo "== the broken folder: the console program's rows and summary"
check_from_the_menu "the broken folder"
[ "$(summary)" = "$(tail -n 1 "$expected")" ] || fail "the summary reads \"$(summary)\""
diff <(rows) <(head -n -1 "$expected") >&2 || fail "the rows differ from $expected (above)"
is_centred LumivoxCheckReport '*' || fail "the report window is not centred: $(probe LumivoxCheckReport '*' @)"
shoot_report check-report-broken-win32

echo "== a double click on a row opens nothing"
read -r left top _ _ _ <<<"$(probe LumivoxCheckReport '*' '#101')"
xdotool mousemove $((left + 60)) $((top + 6)) click --repeat 2 --delay 80 1
sleep 1
[ "$(report_windows)" = 1 ] || fail "a double click changed the windows: $(report_windows) report windows"
no_x_window '^(出错了|恭喜)$' || fail "a double click opened a box"
diff <(rows) <(head -n -1 "$expected") >&2 || fail "a double click changed the rows (above)"

echo "== asked again after a fix, the one window checks afresh"
printf 'A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n' >"$work/run/Data/HotKeys.opi"
check_from_the_menu "asked again"
[ "$(report_windows)" = 1 ] || fail "asked again, $(report_windows) report windows"
! rows | grep -q HotKeys.opi || fail "the fixed HotKeys.opi is still reported"
[ "$(rows | wc -l)" = "$(($(wc -l <"$expected") - 2))" ] || fail "after the fix the rows are: $(rows)"

echo "== Esc closes it; the sample Data has no error and no warning"
focus_window 检查词库
xdotool key Escape
wait_for 10 no_x_window '^检查词库$' || fail "Esc did not close the report window"
rm -rf "$work/run/Data"
cp -r "$data" "$work/run/Data"
check_from_the_menu "the sample Data"
[[ "$(summary)" == *"0 个错误，0 个警告"* ]] || fail "on the sample Data the summary reads \"$(summary)\""
! rows | grep -E ': (error|warning): ' || fail "the sample Data has errors or warnings"
shoot_report check-report-sample-win32

echo "$e2e_name: all passed"
