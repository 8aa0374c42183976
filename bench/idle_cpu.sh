#!/usr/bin/env bash
# How much processor time an idle Lumivox uses next to a bare Qt program with
# one 20 ms timer (bench/IdleBaseline.cpp), both running at the same time on
# one virtual display of their own, with the sample Data folder and nobody
# pressing a key. Processor time comes from /proc/<pid>/schedstat (ns). The
# figures are small and other programs on the machine disturb them, so the
# measurement is made in rounds and the median ratio counts.
# Target: Lumivox at most 1.2 times the bare program.
# Usage: bench/idle_cpu.sh [build folder] [seconds a round] [rounds]
#        (defaults: build/, 20 s, 5 rounds)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
seconds=${2:-20}
rounds=${3:-5}
for program in "$build/qt/lumivox" "$build/bench/lumivox_idle_baseline"; do
  [ -x "$program" ] || { echo "idle_cpu: $program is missing; build it first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data" "$work/Data"

measure() {
  cd "$work"
  XDG_RUNTIME_DIR=$(mktemp -d) "$build/qt/lumivox" >/dev/null 2>&1 &
  local lumivox=$!
  "$build/bench/lumivox_idle_baseline" >/dev/null 2>&1 &
  local baseline=$!
  sleep 3  # start-up and the one-shot line count read are not idling
  cpu() { awk '{print $1}' "/proc/$1/schedstat"; }
  local round l0 b0 l1 b1
  for round in $(seq "$rounds"); do
    l0=$(cpu "$lumivox") b0=$(cpu "$baseline")
    sleep "$seconds"
    l1=$(cpu "$lumivox") b1=$(cpu "$baseline")
    echo "$((l1 - l0)) $((b1 - b0))"
  done
  kill "$lumivox" "$baseline"
}
export -f measure
export build seconds rounds work
"$root/tests/e2e/with_xvfb.sh" bash -c measure | awk -v s="$seconds" '
  { l[NR] = $1; b[NR] = $2; r[NR] = $1 / $2
    printf "round %d: idle Lumivox %.3f %% of one core, bare Qt with a 20 ms timer %.3f %%, ratio %.2f\n",
           NR, 100 * $1 / 1e9 / s, 100 * $2 / 1e9 / s, $1 / $2 }
  END {
    n = NR
    for (i = 2; i <= n; i++) for (j = i; j > 1 && r[j - 1] > r[j]; j--) { t = r[j]; r[j] = r[j - 1]; r[j - 1] = t }
    median = n % 2 ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
    printf "median ratio: %.2f (target: at most 1.20) %s\n", median, median <= 1.2 ? "met" : "MISSED" }'
