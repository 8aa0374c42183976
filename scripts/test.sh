#!/usr/bin/env bash
# Sets up and builds Lumivox, then runs the whole test suite. Tests that need
# a display start a virtual one of their own; widget tests run offscreen; the
# game launcher's end-to-end test runs a stand-in game under Wine.
# Then the plain C++ logic is built for Windows and its tests run under Wine,
# and built again with the sanitizers (and fuzzed for a short while).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --wine
ctest --test-dir build --output-on-failure --timeout 300
./scripts/windows-check.sh
./scripts/sanitize-and-fuzz.sh
