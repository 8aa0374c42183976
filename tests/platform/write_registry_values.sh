#!/bin/sh
# Writes the values that windows_registry_tests reads into the test Wine
# prefix $WINEPREFIX with Wine's own reg tool, then waits until Wine has saved
# them to the prefix's user.reg (it writes that file lazily).
set -eu
if [ -z "${WINEPREFIX:-}" ]; then
  echo "write_registry_values: WINEPREFIX is not set" >&2
  exit 1
fi
export WINEDEBUG=-all
# A new prefix is made on first use; without Mono and Gecko it is quicker.
export WINEDLLOVERRIDES="mscoree=;mshtml="
key='HKCU\Software\LumivoxRegistryCheck'
wine reg delete "$key" /f >/dev/null 2>&1 || true
add() { wine reg add "$key" "$@" /f >/dev/null; }
add /v Folder /t REG_SZ /d 'D:\游戏 目录\空之轨迹'
add /v Empty /t REG_SZ /d ''
add /v One /t REG_DWORD /d 1
add /v Minus /t REG_DWORD /d 4294967295
add /v Expand /t REG_EXPAND_SZ /d '%ProgramFiles%\Falcom'
add /v ShortExpand /t REG_EXPAND_SZ /d 'ab'
add /v Binary /t REG_BINARY /d 0102
add /v LongBinary /t REG_BINARY /d 0102030405060708
wineserver -w

# Values reg add cannot write: strings without their terminator, with one
# inside, cut in half a character; malformed data; odd escapes; raw UTF-8.
# Wine reads them from the file when it next starts.
cat >>"$WINEPREFIX/user.reg" <<'VALUES'

[Software\\LumivoxRegistryCheck\\Odd] 1796681558
"NoNul"=hex(1):43,00,3a,00
"EmbeddedNul"=hex(1):43,00,00,00,3a,00,00,00
"OddLength"=hex(1):43,00,00,00,3a
"Continued"=hex(1):43,00,3a,00,\
  5c,00,00,00
"Malformed"="unterminated
"Escapes"="a\"b\zc\x\101\x41g"
"Raw"="D:\\游戏"
VALUES
