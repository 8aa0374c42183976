#!/usr/bin/env bash
# Lumivox.exe on a screen of 144 dots an inch, under Wine on a virtual display
# of its own (run through with_xvfb.sh, in a Chinese locale), in a prefix of
# its own: the main window's last row reads on one line, and the show window's
# picture fills its place, grown with the window.
# Usage: win32_dpi_e2e.sh <folder of Lumivox.exe> <folder of the test programs> <sample Data folder> <prefix folder>
set -euo pipefail
program_dir=$1 helper_dir=$2 data=$3
export WINEPREFIX=$4
e2e_name=win32_dpi_e2e
source "$(dirname "$0")/wine_desktop.sh"
dpi=144
make_prefix $dpi

start_work

mkdir "$work/run"
cp -r "$data" "$work/run/Data"
(cd "$work/run" && exec wine "$program_dir/Lumivox.exe" >/dev/null 2>&1) &
wait_for 60 has_x_window '^Lumivox$' || fail "the Lumivox window did not appear"

echo "== at $dpi dots an inch the main window's last row reads on one line"
expect_last_row_on_one_line
shot main-window-${dpi}dpi

echo "== the show window's picture fills its place: no magenta beside it"
focus_window Lumivox
xdotool key alt+h h  # 帮助(&H), 展示窗体(&H)...
wait_for 10 has_x_window '^展示窗体$' || fail "the show window did not open"
is_centred LumivoxShowFrm '*' || fail "the show window is not centred on the screen: $(probe LumivoxShowFrm '*' @)"
sleep 2.5  # its fade
shot show-window-${dpi}dpi
# The picture's place, 4800 × 3600 twips at the window's corner; the window's
# background is magenta.
read -r _ _ left top <<<"$(probe LumivoxShowFrm '*' @)"
import -window root -crop "$((4800 * dpi / 1440))x$((3600 * dpi / 1440))+$left+$top" "$work/picture.png"
magenta=$(convert "$work/picture.png" -format %c histogram:info:- | grep -i '#FF00FF ' || true)
[ -z "$magenta" ] || fail "magenta in the picture's place: $magenta"

echo "win32_dpi_e2e: all passed"
