#!/usr/bin/env bash
# Runs the checker (the rest of the command line: the program, under Wine for
# the Windows build) on a Data folder broken in several ways, made here with
# iconv, and compares its report and exit status with the expected ones.
# Usage: broken_folder.sh <expected report> <program ...>
set -euo pipefail
expected=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/Data"
gbk() { iconv -f UTF-8 -t GBK; }

printf '[Quorra]\r\n0=第一句\r\n1=第二句\r\n1=重复的一句\r\n3=第四句\r\n[TextNumber]\r\nTextNumber=3\r\nTextNumberDoor=2\r\n[T]\r\nT=60\r\n' |
  gbk >"$work/Data/Quorra.data"
{ printf '[Door]\r\n0=门' | gbk; printf '\xff'; printf '一\r\n1=门二\r\n' | gbk; } >"$work/Data/Door.data"
printf 'A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n\r\n' >"$work/Data/HotKeys.opi"
printf '[ThanksForYou]\r\n1=甲\r\n3=丙\r\n' | gbk >"$work/Data/SpecialThanks.ED63rd"

status=0
(cd "$work" && "$@" Data) >"$work/report" 2>"$work/errors" || status=$?
if ! diff <(tr -d '\r' <"$work/report") "$expected"; then
  echo "broken_folder: the report differs from $expected (above)" >&2
  exit 1
fi
[ "$status" -eq 1 ] || { echo "broken_folder: exit status $status, not 1" >&2; cat "$work/errors" >&2; exit 1; }
