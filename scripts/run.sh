#!/usr/bin/env bash
# Installs what is missing and builds the program alone (not its tests), then
# starts it in run/, a working folder with its own copy of the sample Data
# folder, so the repository's files never change. Progress saved there is
# kept between runs; delete run/ to start over.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh base
cmake --preset linux >/dev/null
# The program alone: the tests and benchmarks are for ./scripts/test.sh.
cmake --build --preset linux --target lumivox

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "lumivox: no display (DISPLAY is not set); run this from a desktop session, or start a virtual one first: Xvfb :99 & export DISPLAY=:99" >&2
  exit 1
fi

mkdir -p run
[ -d run/Data ] || cp -r data run/Data
cd run
exec ../build/qt/lumivox
