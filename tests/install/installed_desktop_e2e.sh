#!/usr/bin/env bash
# Lumivox installed and started as the applications menu starts it, on a
# virtual display (with_xvfb.sh): installed into a temporary root, its
# desktop entry's command run in an empty home. The first start seeds the
# player's folder with the sample Data and counts a Space press made while
# another window has the focus; a later start leaves the player's files alone.
# Usage: installed_desktop_e2e.sh <build folder> <sample Data folder>
set -euo pipefail
build=$1 data=$2
work=$(mktemp -d)
lumivox_pid= game_pid=
stop_lumivox() {
  [ -z "$lumivox_pid" ] || { kill "$lumivox_pid" 2>/dev/null; wait "$lumivox_pid" 2>/dev/null || true; }
  lumivox_pid=
}
trap 'stop_lumivox; [ -z "$game_pid" ] || kill "$game_pid"; rm -rf "$work"' EXIT
fail() {
  echo "installed_desktop_e2e: $*" >&2
  exit 1
}
source "$(dirname "$0")/../support/wait_for.sh"
# Sets $found to the first window whose name is $1.
window_named() { found=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$found" ]; }

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
command=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
[ -n "$command" ] || fail "no Exec line in the desktop entry"

home=$work/home folder=$work/home/.local/share/lumivox
mkdir -m 700 "$home" "$work/runtime"
# As a menu starts it: in the home folder, the command found through PATH.
# A runtime folder of its own keeps other running copies from counting.
start_from_menu() {
  (cd "$home" && exec env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    PATH="$root/usr/bin:$PATH" sh -c "exec $command") &
  lumivox_pid=$!
  wait_for 30 window_named Lumivox || fail "the Lumivox window did not appear"
  lumivox=$found
}

start_from_menu
diff -r "$data" "$folder/Data" || fail "$folder/Data is not a copy of the sample"
[ "$(ls -A "$folder")" = Data ] || fail "$folder holds more than Data: $(ls -A "$folder")"

xmessage -geometry +400+300 -title game "the game has the focus" &
game_pid=$!
wait_for 10 window_named game || fail "the game window did not appear"
xdotool windowfocus --sync "$found" key space
sleep 0.5
# The save command is enabled by the first advance and writes the line shown.
xdotool windowfocus --sync "$lumivox" key ctrl+s
saved_line_0() { [ "$(cat "$folder/Data/Save.sav" 2>/dev/null)" = $'0\r' ]; }
wait_for 10 saved_line_0 || fail "the Space press was not counted: no line 0 in Data/Save.sav"
stop_lumivox

echo "a player's line" >>"$folder/Data/Quorra.data"
snapshot() { (cd "$folder" && ls -A Data && cat Data/*); }
snapshot >"$work/before"
start_from_menu
snapshot | cmp -s "$work/before" - || fail "the second start changed the player's Data folder"
stop_lumivox

# Under an XDG_DATA_HOME the player's folder is there; --version goes through.
out=$(HOME="$home" XDG_DATA_HOME="$work/xdg" "$root/usr/bin/${command%% *}" --version)
[[ $out == "lumivox "* ]] || fail "lumivox-desktop --version said: $out"
diff -r "$data" "$work/xdg/lumivox/Data" || fail "no copy of the sample in \$XDG_DATA_HOME/lumivox/Data"
echo "installed_desktop_e2e: seeded, counted, left alone"
