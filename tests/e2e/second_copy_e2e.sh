#!/usr/bin/env bash
# Two copies of Lumivox in one folder, on a virtual display (with_xvfb.sh).
# The first counts Space pressed in a stand-in game. The second, started
# beside it, asks "我想对你说" and must leave the folder alone while the box
# waits, past the moment of its first auto-save 30 s on, with the player
# pressing on in the game meanwhile; OK then ends it. The first copy's
# AutoSave.sav holds the first copy's line all along.
# Usage: second_copy_e2e.sh <lumivox> <sample Data folder>
set -euo pipefail
lumivox=$(realpath "$1") data=$2
support="$(cd "$(dirname "$0")/../support" && pwd)"
source "$support/wait_for.sh"
source "$support/run_folder.sh"
make_run_folder "$data"

start_copy() {
  (cd "$work/run" && XDG_RUNTIME_DIR="$work/runtime" exec "$lumivox" >/dev/null 2>&1) &
  pids+=($!)
}
window=
find_window() { window=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [ -n "$window" ]; }
folder() { (cd "$work/run" && find . -type f -exec md5sum {} + | sort); }

xmessage -geometry +600+400 -title game "the game has the focus" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 find_window '^game$' || fail "the stand-in game did not appear"
game=$window
start_copy
first=$!
wait_for 30 find_window '^Lumivox$' || fail "the first copy's window did not appear"
xdotool windowfocus --sync "$game"
sleep 0.2
xdotool key --delay 150 space space space  # the first copy's line 2

start_copy
second=$!
wait_for 30 find_window '^我想对你说$' || fail "the second copy did not ask whether to stay"
asked=$SECONDS
xdotool windowfocus --sync "$game"
sleep 0.2
xdotool key --delay 150 space space  # the first copy's line 4
wait_for 40 test -s "$work/run/Data/AutoSave.sav" || fail "the first copy did not auto-save"
before=$(folder)
while [ $((SECONDS - asked)) -lt 33 ]; do sleep 1; done  # past the second copy's first auto-save
[ "$(cat "$work/run/Data/AutoSave.sav")" = $'4\r' ] ||
  fail "AutoSave.sav holds \"$(cat "$work/run/Data/AutoSave.sav")\", not the first copy's line 4"
[ "$(folder)" = "$before" ] || fail "the folder changed while the second copy asked"

xdotool windowfocus --sync "$(xdotool search --name '^我想对你说$' | head -n1)"
xdotool key Return
wait_for 10 bash -c "! kill -0 $second 2>/dev/null" || fail "OK did not end the second copy"
wait "$second" || fail "the second copy ended with status $?"
[ "$(folder)" = "$before" ] || fail "the folder changed as the second copy ended"
kill -0 "$first" || fail "the first copy is gone"
echo "second_copy_e2e: the second copy wrote nothing while it asked and ended on OK; AutoSave.sav kept line 4"
