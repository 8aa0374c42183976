#!/usr/bin/env bash
# The console program's promises on Linux: its exit statuses, the sample Data
# without errors or warnings, and hostile files (a pipe, a folder) reported
# at once, never waited on.
# Usage: cli_test.sh <lumivox-check> <sample Data folder>
set -euo pipefail
program=$1 sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "cli_test: $*" >&2
  failures=$((failures + 1))
}
run() {  # run <expected status> <arguments...>: the output in $work/out
  local want=$1 status=0
  shift
  timeout 20 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq "$want" ] || fail "$* exited with $status, not $want: $(cat "$work/err")"
}

run 0 "$sample"
grep -E ': (error|warning): ' "$work/out" && fail "the sample Data has errors or warnings"
tail -n 1 "$work/out" | grep -q '0 个错误，0 个警告' || fail "the summary line is missing: $(tail -n 1 "$work/out")"
run 0 --lang en --json "$sample"
[ "$(tr -d ' \n' <"$work/out")" = "[]" ] || fail "--json on the sample is not an empty array: $(cat "$work/out")"
run 0 --help
grep -q 'L030' "$work/out" || fail "--help does not explain the codes"

run 2 "$work/nowhere"
grep -q '\[L001\]' "$work/out" || fail "a missing folder is not reported"
run 2 --no-such-option "$sample"

# A pipe and a folder in the files' places: reported, never opened to wait.
mkdir "$work/Data"
cp "$sample"/* "$work/Data/"
rm "$work/Data/HotKeys.opi" "$work/Data/Quorra.data"
mkfifo "$work/Data/HotKeys.opi"
mkdir "$work/Data/Quorra.data"
run 1 --lang en "$work/Data"
grep -q "^$work/Data/HotKeys.opi: error: .*pipe or a device.*\[L004\]$" "$work/out" || fail "the pipe is not reported: $(cat "$work/out")"
grep -q "^$work/Data/Quorra.data: error: .*folder.*\[L004\]$" "$work/out" || fail "the folder is not reported: $(cat "$work/out")"
tail -n 1 "$work/out" | grep -q '^main story - lines, doors ' || fail "the summary does not say the main story is missing"

[ "$failures" -eq 0 ]
