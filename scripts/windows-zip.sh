#!/usr/bin/env bash
# Makes the download for Windows players, build-win/Lumivox-<version>-win64.zip:
# Lumivox.exe and lumivox-check.exe built with mingw-w64, the sample Data
# folder and a read-me in Chinese. Builds those two alone, not the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-packages.sh wine

cmake --preset windows -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build --preset windows --target Lumivox lumivox-check
(cd build-win && cpack -G ZIP)
