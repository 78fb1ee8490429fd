#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine; CMake's emulator for the Windows build.
#   wine-run.sh STATE_DIR PROGRAM.exe [ARGS...]
# STATE_DIR holds the build tree's Wine prefix, made once on first use. The program runs in
# the X server of the Wine session that cmake/wine-session.sh keeps in STATE_DIR, when one is
# running (the tests start one), or else in an Xvfb of its own, with Wine's server waited for
# before that X server goes away. Exits with the program's exit code.
set -uo pipefail

state=$1
shift
mkdir -p "$state"
export WINEPREFIX="$state/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# Without Mono and Gecko: no installer prompts while the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

in_session=false
if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
  export DISPLAY
  DISPLAY=$(cat "$state/display")
  in_session=true
elif [ -z "${LUMIVOR_WINE_IN_X:-}" ]; then
  export LUMIVOR_WINE_IN_X=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$state" "$@"
fi

# Made by the first program under a lock; Wine's background processes started meanwhile must
# not inherit the lock, or they would hold it for as long as they run (9>&-).
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 9>&-
    # Xvfb runs no window manager: Wine's windows are left unmanaged, or else hiding each one
    # waits two seconds for a window manager that never answers.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
    "$in_session" || wineserver -w 9>&-
  fi
) 9>"$state/prefix.lock"

# Wine starts its own background processes (the desktop, services) from the first program
# that needs them, and they inherit its output: through a file, never the caller's pipes,
# which would otherwise stay open after the program has ended.
output=$(mktemp)
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
"$in_session" || wineserver -w
exit $status
