#!/usr/bin/env bash
# Makes <folder>/Data broken in several ways, with iconv: the folder whose
# report reads as broken_folder.expected, in the console program and in the
# program's report window alike.
# Usage: make_broken_folder.sh <folder>
set -euo pipefail
mkdir -p "$1/Data"
cd "$1/Data"
gbk() { iconv -f UTF-8 -t GBK; }

printf '[Quorra]\r\n0=第一句\r\n1=第二句\r\n1=重复的一句\r\n3=第四句\r\n[TextNumber]\r\nTextNumber=3\r\nTextNumberDoor=2\r\n[T]\r\nT=60\r\n' |
  gbk >Quorra.data
{ printf '[Door]\r\n0=门' | gbk; printf '\xff'; printf '一\r\n1=门二\r\n' | gbk; } >Door.data
printf 'A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n\r\n' >HotKeys.opi
printf '[ThanksForYou]\r\n1=甲\r\n3=丙\r\n' | gbk >SpecialThanks.ED63rd
