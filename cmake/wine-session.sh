#!/usr/bin/env bash
# A Wine session for running many Windows programs one after another: an Xvfb and a
# persistent Wine server that cmake/wine-run.sh uses while they run, so that each program
# starts in a second rather than in several.
#   wine-session.sh start STATE_DIR   starts the session (stopping a stale one first)
#   wine-session.sh stop STATE_DIR    stops it
set -uo pipefail

command=$1
state=$2
mkdir -p "$state"
export WINEPREFIX="$state/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

stop() {
  if [ -f "$state/xvfb.pid" ]; then
    DISPLAY=$(cat "$state/display" 2>/dev/null) wineserver -k 2>/dev/null
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null
  fi
  rm -f "$state/xvfb.pid" "$state/display" "$state/display.number"
}

case $command in
  start)
    stop
    rm -f "$state/display.number"
    # Detached, with no handle on the caller's output: CTest waits for those to close.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
      3>"$state/display.number" </dev/null >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
      [ -s "$state/display.number" ] && break
      sleep 0.1
    done
    if [ ! -s "$state/display.number" ]; then
      echo "wine-session.sh: Xvfb did not start" >&2
      stop
      exit 1
    fi
    echo ":$(cat "$state/display.number")" >"$state/display"
    # The server needs its prefix's folder; cmake/wine-run.sh fills it on first use.
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: wine-session.sh start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
