#!/usr/bin/env bash
# Runs the checker (the rest of the command line: the program, under Wine for
# the Windows build) on the Data folder of make_broken_folder.sh and compares
# its report and exit status with the expected ones.
# Usage: broken_folder.sh <expected report> <program ...>
set -euo pipefail
expected=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$(dirname "$0")/make_broken_folder.sh" "$work"

status=0
(cd "$work" && "$@" Data) >"$work/report" 2>"$work/errors" || status=$?
if ! diff <(tr -d '\r' <"$work/report") "$expected"; then
  echo "broken_folder: the report differs from $expected (above)" >&2
  exit 1
fi
[ "$status" -eq 1 ] || { echo "broken_folder: exit status $status, not 1" >&2; cat "$work/errors" >&2; exit 1; }
