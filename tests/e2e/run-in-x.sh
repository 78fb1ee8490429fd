#!/usr/bin/env bash
# Runs a command in the current X server (DISPLAY) with openbox managing its
# windows: starts openbox, waits until it has taken over the screen, runs the
# command and stops openbox again. Exits with the command's exit code.
set -uo pipefail

openbox --sm-disable &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null' EXIT

for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    "$@"
    exit $?
  fi
  if ! kill -0 "$wm" 2>/dev/null; then
    echo "run-in-x.sh: openbox did not start" >&2
    exit 1
  fi
  sleep 0.1
done
echo "run-in-x.sh: openbox did not take over the screen within 10 s" >&2
exit 1
