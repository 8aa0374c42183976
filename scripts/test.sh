#!/usr/bin/env bash
# Builds Lumivox three ways and runs the whole test suite, two tests at a time:
#  - build/ (linux preset): the widget tests offscreen, the end-to-end tests
#    on virtual displays of their own (one starts a stand-in game through
#    Wine), the package; the logic's unit tests are left to build-san/, where
#    they run sanitized, and only the one the sanitizers cannot run is built
#    here;
#  - build-win/ (scripts/windows-check.sh): the logic and Lumivox.exe for
#    Windows, their tests under Wine;
#  - build-san/ (scripts/sanitize-and-fuzz.sh): the logic's unit tests with
#    the address and undefined-behaviour sanitizers, then each fuzz target for
#    a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh base wine

# A test without one of the labels would be missed by a run of some of them.
all_labelled() {
  local unlabelled
  unlabelled=$(ctest --preset "$1" -N -LE '^(unit|gui|e2e|wine)$' | sed -n 's/^ *Test *#[0-9]*: //p')
  [ -z "$unlabelled" ] || { echo "test.sh: tests without a label (unit, gui, e2e or wine): $unlabelled" >&2; exit 1; }
}

cmake --preset linux -DLUMIVOX_BUILD_UNIT_TESTS=OFF >/dev/null
cmake --build --preset linux
./scripts/tidy-changed.sh build
all_labelled linux
ctest --preset linux
./scripts/windows-check.sh
all_labelled windows
./scripts/sanitize-and-fuzz.sh
all_labelled sanitize
