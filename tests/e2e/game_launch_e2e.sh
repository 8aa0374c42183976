#!/usr/bin/env bash
# The game launcher from end to end, on a virtual display (with_xvfb.sh): a
# stand-in for the game, built with mingw-w64, lies in a folder whose name has
# blanks, Chinese characters and shell characters; its set-up value is
# written into a test Wine prefix; Lumivox, started with that prefix, reads
# the folder at start-up, starts the game from its menu through Wine, and the
# stand-in leaves its marker file with the show mode it was given, which must
# be 2 (minimized), and its working directory, which must be the game's
# folder. Then, in a locale whose character set cannot carry the folder's
# name, with the game folder gone and with a prefix that does not exist, the
# launch must start no wine, make no prefix and show the launcher's error box.
# Last, the game in the prefix's own C: drive, in C:\games\空之 sky.
# Usage: game_launch_e2e.sh <lumivox> <stand-in game .exe> <locale folder> <sample Data folder> <prefix folder>
set -euo pipefail
lumivox=$1 game=$2 locales=$3 data=$4
export WINEPREFIX=$5 WINEDEBUG=-all
support="$(cd "$(dirname "$0")/../support" && pwd)"
source "$support/wait_for.sh"
# A Chinese locale: Wine's ANSI code page is then GBK, as on a Chinese Windows.
in_chinese() { "$support/with_chinese_locale.sh" "$locales" "$@"; }

work=$(mktemp -d)
lumivox_pid=
cleanup() {
  [ -n "$lumivox_pid" ] && kill "$lumivox_pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "game_launch_e2e: $*" >&2
  exit 1
}

folder="$work/游戏 目录 \$HOME 'q' ; &"
mkdir -p "$folder"
cp "$game" "$folder/ED6_WIN2.exe"
windows_folder="Z:${folder//\//\\}"

# The prefix is kept between runs: making one takes a while. Without Mono and
# Gecko it is made quicker and never asks to download them.
WINEDLLOVERRIDES="mscoree=;mshtml=" in_chinese \
  wine reg add 'HKCU\Software\Falcom\Fsetup' /v ED_SORA2 /t REG_SZ /d "$windows_folder" /f >/dev/null ||
  fail "wine reg add failed"
wineserver -w  # Wine writes user.reg lazily; Lumivox reads the file

# Lumivox finds this wine first: it notes each run, then runs the real one.
mkdir "$work/bin"
wine_runs="$work/wine.runs"
printf '#!/bin/sh\necho "$*" >> "%s"\nexec "%s" "$@"\n' "$wine_runs" "$(command -v wine)" >"$work/bin/wine"
chmod +x "$work/bin/wine"
: >"$wine_runs"

mkdir "$work/run" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$data" "$work/run/Data"

# Starts Lumivox in the given prefix, in the Chinese locale unless another
# is given, and chooses the launch item from its menu: 程序(&O), then
# 启动游戏程序...(&O).
launch_from_menu() {
  local start=("$support/with_chinese_locale.sh" "$locales" "$lumivox")
  [ $# -gt 1 ] && start=(env LC_ALL="$2" "$lumivox")
  (cd "$work/run" && WINEPREFIX=$1 PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" exec "${start[@]}") &
  lumivox_pid=$!
  local window=
  find_window() { window=$(xdotool search --name '^Lumivox$' 2>/dev/null | head -n1) && [ -n "$window" ]; }
  wait_for 30 find_window || fail "the Lumivox window did not appear"
  xdotool windowfocus --sync "$window"
  xdotool key --delay 200 alt+o o
}

stop_lumivox() {
  kill "$lumivox_pid"
  wait "$lumivox_pid" 2>/dev/null || true
  lumivox_pid=
}

# By the UTF-8 title: in the C locale Qt writes the plain one in Latin-1.
error_box_shown() {
  local window
  for window in $(xdotool search --class lumivox 2>/dev/null); do
    [ "$(xdotool getwindowname "$window" 2>/dev/null)" = 出错了 ] && return 0
  done
  return 1
}

launch_from_menu "$WINEPREFIX"
marker="$folder/ED6_WIN2.started"
wait_for 90 test -s "$marker" || fail "the game was not started: no $marker"
started=$(tr -d '\r' <"$marker")
echo "game_launch_e2e: the game started from \"$windows_folder\": $(echo "$started" | paste -sd ' ')"
[ "$started" = "$(printf 'show=2\ndir=%s' "$windows_folder")" ] ||
  fail "the game was not started minimized (show mode 2) in its folder: $started"
[ "$(wc -l <"$wine_runs")" -eq 1 ] || fail "wine was run other than once: $(cat "$wine_runs")"
error_box_shown && fail "an error box came with the started game"
stop_lumivox

# The Chinese folder in the C locale, whose character set is ASCII: Wine
# would read question marks for its name.
launch_from_menu "$WINEPREFIX" C
wait_for 20 error_box_shown || fail "no error box for a Chinese game folder in the C locale"
stop_lumivox
[ "$(wc -l <"$wine_runs")" -eq 1 ] || fail "wine was run in the C locale: $(cat "$wine_runs")"

# The same value, the game folder gone.
mv "$folder" "$folder.gone"
launch_from_menu "$WINEPREFIX"
wait_for 20 error_box_shown || fail "no error box for a game folder that is not there"
stop_lumivox
[ "$(wc -l <"$wine_runs")" -eq 1 ] || fail "wine was run for a game folder that is not there: $(cat "$wine_runs")"

# A prefix that does not exist: Wine would quietly make one there.
launch_from_menu "$work/no-prefix"
wait_for 20 error_box_shown || fail "no error box for a prefix that is not there"
stop_lumivox
[ "$(wc -l <"$wine_runs")" -eq 1 ] || fail "wine was run for a prefix that is not there: $(cat "$wine_runs")"
[ -e "$work/no-prefix" ] && fail "a prefix was made in $work/no-prefix"
echo "game_launch_e2e: the C locale, a missing game folder and a missing prefix started nothing and showed the error box"

# The game on the prefix's C: drive, in a folder named in Chinese, as its
# set-up records it: in the system's ANSI code page, GBK in this locale (Wine
# keeps that as the same UTF-16 that reg add writes).
sky="$WINEPREFIX/drive_c/games/空之 sky"
rm -rf "$WINEPREFIX/drive_c/games"
trap 'cleanup; rm -rf "$WINEPREFIX/drive_c/games"' EXIT
mkdir -p "$sky"
cp "$game" "$sky/ED6_WIN2.exe"
in_chinese wine reg add 'HKCU\Software\Falcom\Fsetup' /v ED_SORA2 /t REG_SZ /d 'C:\games\空之 sky' /f >/dev/null ||
  fail "wine reg add of C:\\games\\空之 sky failed"
wineserver -w
launch_from_menu "$WINEPREFIX"
wait_for 90 test -s "$sky/ED6_WIN2.started" || fail "the game in C:\\games\\空之 sky was not started"
started=$(tr -d '\r' <"$sky/ED6_WIN2.started")
[ "$started" = "$(printf 'show=2\ndir=C:\\games\\空之 sky')" ] ||
  fail "the game in C:\\games\\空之 sky was not started minimized in its folder: $started"
[ "$(wc -l <"$wine_runs")" -eq 2 ] || fail "wine was run other than once for C:\\games\\空之 sky: $(cat "$wine_runs")"
error_box_shown && fail "an error box came with the game in C:\\games\\空之 sky"
stop_lumivox
echo "game_launch_e2e: the game in C:\\games\\空之 sky started minimized in its folder"
