#!/usr/bin/env bash
# The zip for Windows players as CPack makes it from this build: one top
# folder, which the read-me's example names, holding what the read-me's
# folder tree shows.
# Usage: zip_test.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "zip_test: $*" >&2
  exit 1
}

(cd "$work" && cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
zips=("$work"/out/*.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "cpack made no single zip: $(ls "$work/out")"
unzip -Z1 "${zips[0]}" >"$work/entries"
top=$(cut -d/ -f1 "$work/entries" | sort -u)
[ "$(wc -l <<<"$top")" -eq 1 ] || fail "the zip has more than one top folder: $top"
[ "$top.zip" = "$(basename "${zips[0]}")" ] || fail "the top folder $top is not named after the zip"
unzip -p "${zips[0]}" "$top/ReadMe.txt" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' >"$work/readme"

grep -qF "D:\\，就得到文件夹 D:\\$top。" "$work/readme" || fail "the read-me's example does not name D:\\$top"
# The tree: two more blanks a level, folders ending in a backslash, up to "……".
awk -v top="    $top\\" '
  $0 == top { inTree = 1 }
  inTree && /……/ { exit }
  inTree {
    match($0, /^ */)
    depth = (RLENGTH - 4) / 2
    name = substr($0, RLENGTH + 1)
    sub(/\\$/, "/", name)
    path[depth] = name
    whole = ""
    for (i = 0; i <= depth; i++) whole = whole path[i]
    print whole
  }' "$work/readme" >"$work/tree"
[ "$(wc -l <"$work/tree")" -gt 3 ] || fail "no folder tree of $top in the read-me"
while read -r shown; do
  grep -q "^$shown" "$work/entries" || fail "the read-me shows $shown, which the zip lacks"
done <"$work/tree"
echo "zip_test: $(basename "${zips[0]}"): $(paste -sd ' ' "$work/tree")"
