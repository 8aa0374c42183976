#!/usr/bin/env bash
# How much processor time an idle Lumivox costs next to a bare Qt program with
# one 20 ms timer (bench/IdleBaseline.cpp). Each runs on a virtual display of
# its own, beside a window standing in for the game that holds the focus, so
# that the X server's work for a program is counted with it: a program's cost
# is the time of every one of its threads plus that of its X server, from
# /proc/<pid>/task/*/schedstat (ns). Both run at the same time with the sample
# Data folder and nobody pressing a key; other programs on the machine disturb
# the small figures, so the measurement is made in rounds and the median
# ratio counts.
# Promise: Lumivox, X server included, at most 1.2 times the bare program;
# the script exits with 1 when it is not kept.
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
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$root/data" "$work/Data"

# Starts an X server of its own; sets server (its pid) and display.
start_display() {
  local fdfile="$work/display.$1"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
  server=$!
  pids+=("$server")
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "idle_cpu: Xvfb did not start" >&2; exit 2; }
  display=$(head -n1 "$fdfile")
}

# Nanoseconds run so far by every thread of the given processes.
cpu() {
  local total=0 pid task
  for pid in "$@"; do
    for task in /proc/"$pid"/task/*/schedstat; do
      total=$((total + $(awk '{print $1}' "$task" 2>/dev/null || echo 0)))
    done
  done
  echo "$total"
}

# Context switches so far of every thread of the given processes.
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'
}

# Starts the program on the display beside a stand-in game that then takes
# the focus; sets program (its pid).
launch() {
  DISPLAY=":$display" xmessage -geometry +500+300 -title game "the game has the focus" >/dev/null 2>&1 &
  pids+=($!)
  local game=""
  for _ in $(seq 100); do
    game=$(DISPLAY=":$display" xdotool search --name '^game$' 2>/dev/null | head -n1 || true)
    [ -n "$game" ] && break
    sleep 0.1
  done
  mkdir -p "$work/runtime.$display"
  (cd "$work" && DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime.$display" \
     exec "$1" >/dev/null 2>&1) &
  program=$!
  pids+=("$program")
  sleep 2
  DISPLAY=":$display" xdotool windowfocus --sync "$game"
}

start_display lumivox
xl=$server
launch "$build/qt/lumivox"
lumivox=$program
start_display baseline
xb=$server
launch "$build/bench/lumivox_idle_baseline"
baseline=$program
sleep 2  # start-up and the one-shot line count read are not idling

for round in $(seq "$rounds"); do
  l0=$(cpu "$lumivox") x0=$(cpu "$xl") b0=$(cpu "$baseline") y0=$(cpu "$xb")
  s0=$(switches "$lumivox") t0=$(switches "$baseline")
  sleep "$seconds"
  # A program that ended idles at no cost: that is no measurement.
  for pid in "$lumivox" "$baseline"; do
    kill -0 "$pid" 2>/dev/null || { echo "idle_cpu: a measured program ended (pid $pid)" >&2; exit 1; }
  done
  l1=$(cpu "$lumivox") x1=$(cpu "$xl") b1=$(cpu "$baseline") y1=$(cpu "$xb")
  s1=$(switches "$lumivox") t1=$(switches "$baseline")
  echo "$((l1 - l0)) $((x1 - x0)) $((b1 - b0)) $((y1 - y0)) $((s1 - s0)) $((t1 - t0))"
done | awk -v s="$seconds" '
  function pct(ns) { return 100 * ns / 1e9 / s }
  $3 + $4 == 0 || $1 == 0 { print "round " NR ": no processor time measured, so no ratio"; unmeasured = 1; next }
  { r[++n] = ($1 + $2) / ($3 + $4)
    printf "round %d: Lumivox %.3f %% of one core (its X server %.3f %%), %d switches/s; " \
           "bare Qt program %.3f %% (its X server %.3f %%), %d switches/s; ratio %.2f (without the X servers %.2f)\n",
           NR, pct($1), pct($2), $5 / s, pct($3), pct($4), $6 / s, r[n], $1 / $3 }
  END {
    if (unmeasured || n == 0) { print "some rounds measured nothing: NOT KEPT"; exit 1 }
    for (i = 2; i <= n; i++) for (j = i; j > 1 && r[j - 1] > r[j]; j--) { t = r[j]; r[j] = r[j - 1]; r[j - 1] = t }
    median = n % 2 ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
    kept = median <= 1.2
    printf "median ratio, X servers included: %.2f (promise: at most 1.20) %s\n", median, kept ? "kept" : "NOT KEPT"
    exit kept ? 0 : 1 }'
