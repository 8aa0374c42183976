#!/usr/bin/env bash
# Makes <folder>/Data broken in several ways, with iconv: the folder whose
# report reads as broken_folder.expected, in the console program and in the
# program's report window alike, on Linux and (through Wine) on Windows. Its
# door library holds what the two systems' GBK once read differently: 0x80
# before a lead byte, GBK's user-defined area.
# Usage: make_broken_folder.sh <folder>
set -euo pipefail
mkdir -p "$1/Data"
cd "$1/Data"
gbk() { iconv -f UTF-8 -t GBK; }

printf '[Quorra]\r\n0=第一句\r\n1=第二句\r\n1=重复的一句\r\n3=第四句\r\n[TextNumber]\r\nTextNumber=3\r\nTextNumberDoor=2\r\n[T]\r\nT=60\r\n' |
  gbk >Quorra.data
{
  printf '[Door]\r\n0=门' | gbk; printf '\xff'; printf '一\r\n1=门二\r\n2=' | gbk
  printf '\x80'; printf '门三' | gbk; printf '\xaa\xa1\r\n'
  printf '3=你好\r\n'  # saved as UTF-8
  printf '4=门五\r5=门六\r\n6=" "\r\n' | gbk
} >Door.data
printf 'A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n\r\n' >HotKeys.opi
printf '2\r\n' >Save.sav
printf '[ThanksForYou]\r\n1=甲\r\n3=丙\r\n4=小谢\r\n' | gbk >SpecialThanks.ED63rd
