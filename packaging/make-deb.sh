#!/usr/bin/env bash
# Makes the Debian package build-deb/lumivox_<version>_amd64.deb: installs the
# packages needed to build it when missing, then builds the program alone
# (no tests, no benchmarks) and packs it with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh base
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DLUMIVOX_BUILD_TESTS=OFF -DLUMIVOX_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb -j"$(nproc)" --target package
