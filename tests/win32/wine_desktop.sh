# Sourced by the end-to-end scripts of Lumivox.exe: a Wine prefix of their own
# on a virtual display, and what they ask of its windows. The sourcing script
# sets e2e_name, helper_dir (the folder of the test programs) and WINEPREFIX.
# With LUMIVOX_E2E_SHOTS set to a folder, screenshots of the desktop are kept
# there (ImageMagick's import is needed).

source "$(dirname "${BASH_SOURCE[0]}")/../support/wait_for.sh"
export WINEDEBUG=-all

shot() {
  [ -n "${LUMIVOX_E2E_SHOTS:-}" ] || return 0
  mkdir -p "$LUMIVOX_E2E_SHOTS"
  import -window root "$LUMIVOX_E2E_SHOTS/$1.png"
}
fail() {
  shot "$e2e_name-failure"
  echo "$e2e_name: $*" >&2
  exit 1
}

# Makes the prefix unless a former run left it: making one takes a while.
# Without Mono and Gecko it is made quicker and never asks to download them.
# Wine draws the windows' frames itself (there is no window manager), and the
# dialog fonts are a CJK font: Wine has none of its own that draws Chinese.
# $1: the screen's dots per inch.
make_prefix() {
  [ -f "$WINEPREFIX/.lumivox-e2e" ] && return 0
  WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
  reg_add() { wine reg add "$1" /v "$2" ${4:+/t "$4"} /d "$3" /f >/dev/null 2>&1 || fail "wine reg add $1 $2 failed"; }
  reg_add 'HKCU\Software\Wine\Drivers' Graphics x11
  reg_add 'HKCU\Software\Wine\X11 Driver' Managed N
  for font in "MS Shell Dlg" "MS Shell Dlg 2" Tahoma SimSun 宋体; do
    reg_add 'HKCU\Software\Wine\Fonts\Replacements' "$font" "WenQuanYi Micro Hei"
  done
  reg_add 'HKCU\Control Panel\Desktop' LogPixels "$1" REG_DWORD
  wineserver -w
  touch "$WINEPREFIX/.lumivox-e2e"
}

# Prints the text of a window (class, title or "*") or of its controls by
# identifier, one a line; WindowProbe.cpp tells the rest.
probe() { wine "$helper_dir/WindowProbe.exe" "$@" 2>/dev/null | tr -d '\r'; }
x_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_x_window() { [ -n "$(x_window "$1")" ]; }
no_x_window() { [ -z "$(x_window "$1")" ]; }
focused_title() { xdotool getwindowfocus getwindowname 2>/dev/null; }

# Wine sends the keys to its foreground window, whichever of the prefix's X
# windows holds the X focus; without a window manager the X focus now and
# then stays with the window behind.
is_focused() { [ "$(probe --foreground)" = "$1" ]; }
# A click on the title bar: Wine activates its windows on a click, not when
# the X focus is moved. A click on a window Wine holds active already changes
# nothing. Clicked again while a window of a program just started may take
# the focus. No --sync on moves relative to a window: xdotool then waits 15 s
# for a move when the pointer is on that spot already.
focus_window() {
  is_focused "$1" && return 0
  for _ in $(seq 5); do
    xdotool mousemove --window "$(x_window "^$1\$")" 100 8 click 1
    wait_for 2 is_focused "$1" && return 0
  done
  fail "$1 does not get the focus: Wine's foreground is $(probe --foreground), the X focus is on $(focused_title)"
}
# A box or window Lumivox opens takes the focus itself.
focus_box() { wait_for 5 is_focused "$1" || focus_window "$1"; }

# The main window's last row reads on one line: each label's text fits its
# width, and the labels and the counter page between them stand side by side
# from one top.
last_row_is_one_line() {
  local l1 t1 r1 w1 l2 t2 r2 l3 t3 r3 w3
  read -r l1 t1 r1 _ w1 l2 t2 r2 _ _ l3 t3 r3 _ w3 \
    <<<"$(probe LumivoxIndex '*' '#Label10' '#UserNumberBrowser' '#Label11' | paste -sd ' ')"
  [ -n "${w3:-}" ] && [ "$w1" -le $((r1 - l1)) ] && [ "$w3" -le $((r3 - l3)) ] &&
    [ "$r1" -le "$l2" ] && [ "$r2" -le "$l3" ] && [ "$t1" = "$t2" ] && [ "$t2" = "$t3" ]
}
expect_last_row_on_one_line() {
  last_row_is_one_line ||
    fail "the last row is not one line: $(probe LumivoxIndex '*' '#Label10' '#UserNumberBrowser' '#Label11' | paste -sd '|')"
}

# A top-level window (class, title) stands in the middle of the screen, to a
# pixel: there is no task bar.
is_centred() {
  local width height left top screen_width screen_height
  read -r width height left top <<<"$(probe "$1" "$2" @)"
  read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
  [ -n "${top:-}" ] && (((left - (screen_width - width) / 2) ** 2 <= 1)) &&
    (((top - (screen_height - height) / 2) ** 2 <= 1))
}

# The run's scratch folder in $work, removed at the end with the prefix's programs.
start_work() {
  work=$(mktemp -d)
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
}
