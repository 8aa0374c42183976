#!/usr/bin/env bash
# The layer check must catch what it is there to catch: each bad change below,
# made to a copy of the source, has to fail it, and the tree as it is has to
# pass. Usage: check_layers_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$(realpath "$1")
build_dir=$(realpath "$2")
check="$source_dir/scripts/check-layers.py"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
tar -C "$source_dir" --exclude='./build*' --exclude=./run --exclude=./.git -cf - . | tar -C "$copy" -xf -

failures=0
# bad FILE WHAT-THE-MESSAGE-SAYS DESCRIPTION: the change is made by the caller,
# undone after the check.
expect_caught() {
  local file=$1 says=$2 what=$3 output
  if output=$(python3 "$check" "$build_dir" --source "$copy" --only "$file" 2>&1); then
    echo "NOT CAUGHT: $what" >&2
    failures=$((failures + 1))
  elif ! grep -q -- "$says" <<<"$output"; then
    echo "CAUGHT FOR ANOTHER REASON: $what: $output" >&2
    failures=$((failures + 1))
  else
    echo "caught: $what"
  fi
}

# Puts TEXT after the first line of FILE.
insert_line() {
  python3 -c 'import sys; p, t = sys.argv[1:]; lines = open(p).read().split("\n", 1); open(p, "w").write(lines[0] + "\n" + t + "\n" + lines[1])' "$1" "$2"
}

# Puts LINE after the first line of FILE in the copy, checks, restores.
with_line() {
  local file=$1 line=$2 says=$3 what=$4
  cp "$copy/$file" "$copy/$file.orig"
  insert_line "$copy/$file" "$line"
  expect_caught "$file" "$says" "$what"
  mv "$copy/$file.orig" "$copy/$file"
}

with_line dialogue/KeyPoll.cpp '#include <app/MainController.h>' 'may not include app/' 'an upward include in angle brackets'
with_line dialogue/KeyPoll.cpp '#include "../app/MainController.h"' 'may not include app/' 'an upward include through ../'
with_line dialogue/KeyPoll.cpp '#include "platform/../app/IndexView.h"' 'may not include app/' 'an upward include through platform/../'
with_line dialogue/KeyPoll.cpp '#define UP "app/IndexView.h"
#include UP' 'may not include app/' 'an upward include named by a macro'
with_line progress/Stepping.cpp '#include "info/HelpText.h"' 'may not include info/' 'a sibling layer'
with_line common/Blanks.h '#include <QString>' 'Qt header' 'a Qt header in a project header'
with_line library/LookupLine.cpp '#include <unistd.h>' 'system header' 'a POSIX header in library/'
with_line app/MainController.cpp '#include <X11/Xlib.h>' 'system header' 'an X11 header in app/'
with_line qt/IndexWindow.cpp '#include <windows.h>' 'Windows header' 'a Windows header in qt/'
with_line library/LookupLine.cpp '#if defined WIN32
#endif' "system's #if" '#if defined WIN32'
with_line library/LookupLine.cpp '#ifdef __MINGW32__
#endif' "system's #if" '__MINGW32__'
with_line dialogue/KeyPoll.cpp '#if _MSC_VER > 1900
#endif' "system's #if" '_MSC_VER'
with_line app/WindowLook.cpp '#if defined(__linux) && 1
#endif' "system's #if" '__linux'
with_line common/Paths.cpp '#if __has_include(<windows.h>)
#endif' "system's #if" '__has_include'

# The Qt header above, reached from a file that includes nothing else of Qt.
cp "$copy/common/Blanks.h" "$copy/common/Blanks.h.orig"
insert_line "$copy/common/Blanks.h" '#include <QString>'
cp "$copy/library/LookupLine.cpp" "$copy/library/LookupLine.cpp.orig"
insert_line "$copy/library/LookupLine.cpp" '#include "common/Blanks.h"'
expect_caught library/LookupLine.cpp 'Qt header' 'a Qt header through a project header, from library/'
mv "$copy/common/Blanks.h.orig" "$copy/common/Blanks.h"
mv "$copy/library/LookupLine.cpp.orig" "$copy/library/LookupLine.cpp"

# A file of another suffix is checked as any other.
printf '#include "app/IndexView.h"\n' >"$copy/dialogue/Stray.cxx"
expect_caught dialogue/Stray.cxx 'may not include app/' 'a .cxx file'
rm "$copy/dialogue/Stray.cxx"

# A new top folder has no layer until it is given one.
mkdir "$copy/extra" && printf 'int stray;\n' >"$copy/extra/Stray.cpp"
if output=$(python3 "$check" "$build_dir" --source "$copy" --only common/Paths.h 2>&1) || ! grep -q 'extra/: a top folder without a layer' <<<"$output"; then
  echo "NOT CAUGHT: a new top folder: $output" >&2
  failures=$((failures + 1))
else
  echo "caught: a new top folder"
fi
rm -rf "$copy/extra"

[ "$failures" -eq 0 ] || { echo "check_layers_test: $failures bad change(s) not caught" >&2; exit 1; }
echo "check_layers_test: every bad change caught"
