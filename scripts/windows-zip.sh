#!/usr/bin/env bash
# Makes the download for Windows players, build-win/Lumivox-<version>-win64.zip:
# Lumivox.exe and lumivox-check.exe built with mingw-w64, the sample Data
# folder and a read-me in Chinese. Builds those two alone, not the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-packages.sh wine

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DLUMIVOX_BUILD_GUI=OFF -DLUMIVOX_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-win -j2 --target Lumivox lumivox-check
(cd build-win && cpack -G ZIP)
