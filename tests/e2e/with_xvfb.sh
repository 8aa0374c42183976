#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, then stops the display.
set -euo pipefail
fdfile=$(mktemp)
# The player's own settings stay out of the tests: a fresh settings folder each run.
config=$(mktemp -d)
# -noreset: by default the server resets when its last client leaves, and a
# program that connects during that reset is turned away ("could not connect
# to display"); the scripts start and stop programs one after another.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$fdfile" "$config"' EXIT
for _ in $(seq 100); do
  [ -s "$fdfile" ] && break
  sleep 0.1
done
display=$(head -n1 "$fdfile")
if [ -z "$display" ]; then
  echo "with_xvfb: Xvfb did not start" >&2
  exit 1
fi
XDG_CONFIG_HOME="$config" DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
