#!/usr/bin/env bash
# Makes the Debian package build-release/lumivox_<version>_amd64.deb: installs
# the packages needed to build it when missing, then makes the optimised
# build without tests (the release preset) and packs it with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh base
cmake --preset release >/dev/null
cmake --build --preset release --target package
