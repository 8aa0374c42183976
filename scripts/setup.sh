#!/usr/bin/env bash
# Installs the Debian packages Lumivox needs to build, run and test, if any
# are missing, then configures and builds it in build/ (the linux preset).
#   --wine  also what the tests that run Windows programs under Wine need
set -euo pipefail
cd "$(dirname "$0")/.."

groups=(base)
[ "${1:-}" = "--wine" ] && groups+=(wine)
./scripts/install-packages.sh "${groups[@]}"

cmake --preset linux >/dev/null
cmake --build --preset linux
