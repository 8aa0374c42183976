#!/usr/bin/env bash
# Prints how much of one core an idle Lumivox uses: the program runs on a
# virtual display of its own with the sample Data folder, nobody presses a
# key, and its CPU time is read from /proc over the measured seconds.
# Usage: bench/idle_cpu.sh [path/to/lumivox] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/app/lumivox}")
seconds=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data" "$work/Data"

measure() {
  cd "$work"
  "$program" >/dev/null 2>&1 &
  local pid=$!
  sleep 3  # start-up and the one-shot line count read are not idling
  local ticks=$(getconf CLK_TCK) before after
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"
  awk -v used="$((after - before))" -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "idle Lumivox: %.2f %% of one core over %d s (target: under 1 %%)\n", 100 * used / hz / s, s }'
}
export -f measure
export program seconds work
"$root/tests/e2e/with_xvfb.sh" bash -c measure
