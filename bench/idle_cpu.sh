#!/usr/bin/env bash
# How much processor time an idle Lumivox uses next to a bare Qt program with
# one 20 ms timer (bench/IdleBaseline.cpp), both running at the same time on
# one virtual display of their own, with the sample Data folder and nobody
# pressing a key. Processor time comes from /proc/<pid>/schedstat (ns).
# Target: Lumivox at most 1.2 times the bare program.
# Usage: bench/idle_cpu.sh [build folder] [seconds]   (default build/, 30 s)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
seconds=${2:-30}
for program in "$build/app/lumivox" "$build/bench/lumivox_idle_baseline"; do
  [ -x "$program" ] || { echo "idle_cpu: $program is missing; build it first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data" "$work/Data"

measure() {
  cd "$work"
  XDG_RUNTIME_DIR=$(mktemp -d) "$build/app/lumivox" >/dev/null 2>&1 &
  local lumivox=$!
  "$build/bench/lumivox_idle_baseline" >/dev/null 2>&1 &
  local baseline=$!
  sleep 3  # start-up and the one-shot line count read are not idling
  cpu() { awk '{print $1}' "/proc/$1/schedstat"; }
  local l0 b0 l1 b1
  l0=$(cpu "$lumivox") b0=$(cpu "$baseline")
  sleep "$seconds"
  l1=$(cpu "$lumivox") b1=$(cpu "$baseline")
  kill "$lumivox" "$baseline"
  awk -v l="$((l1 - l0))" -v b="$((b1 - b0))" -v s="$seconds" 'BEGIN {
    printf "idle Lumivox:        %6.3f %% of one core (%.1f ms over %d s)\n", 100 * l / 1e9 / s, l / 1e6, s
    printf "bare Qt, 20 ms timer: %6.3f %% of one core (%.1f ms over %d s)\n", 100 * b / 1e9 / s, b / 1e6, s
    printf "ratio: %.2f (target: at most 1.20) %s\n", l / b, (l / b <= 1.2 ? "met" : "MISSED")
  }'
}
export -f measure
export build seconds work
"$root/tests/e2e/with_xvfb.sh" bash -c measure
