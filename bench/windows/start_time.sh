#!/usr/bin/env bash
# Times, under Wine, how long each of the given Windows programs takes from its
# start until its window is on the screen, a bare Win32 window beside
# lumivor.exe, alternating between them so that both meet the same machine.
#   start_time.sh RUNS PROGRAM.exe...
# Runs in an Xvfb with openbox and the Wine prefix of scripts/wine-prefix.sh in
# WINEPREFIX (made if missing); prints each program's median and range in ms.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ -z "${LUMIVOR_IN_WINE_SESSION:-}" ]; then
  export LUMIVOR_IN_WINE_SESSION=1
  exec bash "$root/tests/e2e/run-in-x.sh" \
    bash "$root/scripts/wine-prefix.sh" --prefix "${WINEPREFIX:-$root/build-windows/bench-prefix}" \
    "$0" "$@"
fi

runs=$1
shift
declare -A times
for _ in $(seq "$runs"); do
  for program in "$@"; do
    start=$(date +%s%N)
    # Wine's 64-bit loader runs a 64-bit program itself; `wine`, the 32-bit loader once
    # wine32 is installed, would hand it on to another process, whose window has another
    # process id. Debian keeps the 64-bit one off the path.
    /usr/lib/wine/wine64 "$program" &
    pid=$!
    # Polled every 10 ms: xdotool's own --sync looks only twice a second.
    until xdotool search --onlyvisible --pid "$pid" >/dev/null; do sleep 0.01; done
    shown=$(date +%s%N)
    times[$program]+="$(((shown - start) / 1000000)) "
    kill "$pid"
    wait "$pid" || true
  done
done

for program in "$@"; do
  read -r -a values <<<"$(tr ' ' '\n' <<<"${times[$program]}" | sort -n | tr '\n' ' ')"
  count=${#values[@]}
  printf '%-40s median %5d ms  (%d..%d ms over %d starts)\n' "$(basename "$program")" \
    "${values[$((count / 2))]}" "${values[0]}" "${values[$((count - 1))]}" "$count"
done
