#!/usr/bin/env bash
# Builds the plain C++ logic, Lumivox.exe and their tests for Windows with
# mingw-w64 and runs them under Wine, two at a time, in build-win/ (the
# windows preset; Lumivox.exe end to end on a virtual display). Installs what
# is missing. The test programs of the logic share one Wine prefix, as
# programs share one Windows; the end-to-end and registry tests have their own.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-packages.sh wine

export WINEDEBUG=-all
own_prefix=""
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$PWD/build-win/wineprefix"
  own_prefix=yes
fi
cmake --preset windows >/dev/null
cmake --build --preset windows
# Mono and Gecko are not needed: the prefix is made quicker without them.
WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1 || true
if [ -n "$own_prefix" ]; then
  # Tests make real windows: Wine's display-less graphics driver lets them,
  # with or without an X display, and nothing shows on the desktop.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w
fi
ctest --preset windows
