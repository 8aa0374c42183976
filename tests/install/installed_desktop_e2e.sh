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
  return 0
}
cleanup() {
  stop_lumivox
  [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "installed_desktop_e2e: $*" >&2
  exit 1
}

# Waits up to $1 seconds for a command to succeed.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
entries=("$root"/usr/share/applications/*.desktop)
command=$(sed -n 's/^Exec=//p' "${entries[0]}")
[ -n "$command" ] || fail "no Exec line in ${entries[0]}"

home=$work/home
mkdir -m 700 "$home" "$work/runtime"
folder=$home/.local/share/lumivox
# As a menu starts it: in the home folder, the command found through PATH.
# A runtime folder of its own keeps other running copies from counting.
start_from_menu() {
  (cd "$home" && exec env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    PATH="$root/usr/bin:$PATH" sh -c "exec $command") &
  lumivox_pid=$!
}
window=
find_window() {
  window=$(xdotool search --name '^Lumivox$' 2>/dev/null | head -n1) && [ -n "$window" ]
}

start_from_menu
wait_for 30 find_window || fail "the Lumivox window did not appear"
diff -r "$data" "$folder/Data" || fail "$folder/Data is not a copy of the sample"
[ "$(ls -A "$folder")" = Data ] || fail "$folder holds more than Data: $(ls -A "$folder")"

xmessage -geometry +400+300 -title game "the game has the focus" &
game_pid=$!
game=
find_game() { game=$(xdotool search --name '^game$' 2>/dev/null | head -n1) && [ -n "$game" ]; }
wait_for 10 find_game || fail "the game window did not appear"
xdotool windowfocus --sync "$game"
xdotool key space
sleep 0.5
# The save command is enabled by the first advance; it writes the line shown.
xdotool windowfocus --sync "$window"
xdotool key ctrl+s
saved_first_line() { [ "$(cat "$folder/Data/Save.sav" 2>/dev/null)" = $'0\r' ]; }
wait_for 10 saved_first_line || fail "the Space press was not counted: no line 0 in Data/Save.sav"
stop_lumivox

printf '[Quorra]\r\n0=the player'"'"'s own line\r\n' >>"$folder/Data/Quorra.data"
(cd "$folder" && ls -A Data && cat Data/*) >"$work/before"
start_from_menu
wait_for 30 find_window || fail "the Lumivox window did not appear on the second start"
(cd "$folder" && ls -A Data && cat Data/*) >"$work/after"
cmp -s "$work/before" "$work/after" || fail "the second start changed the player's Data folder"
stop_lumivox

# Under an XDG_DATA_HOME the player's folder is there; --version goes through.
out=$(HOME="$home" XDG_DATA_HOME="$work/xdg" "$root/usr/bin/${command%% *}" --version)
[[ $out == "lumivox "* ]] || fail "lumivox-desktop --version said: $out"
diff -r "$data" "$work/xdg/lumivox/Data" || fail "no copy of the sample in \$XDG_DATA_HOME/lumivox/Data"
echo "installed_desktop_e2e: seeded, counted, left alone"
