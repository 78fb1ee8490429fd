#!/usr/bin/env bash
# Runs a test program under Wine with Wine set to report the given Windows version (win7,
# win10, …) to that program alone, then takes the setting back.
#   run-as-windows-version.sh WINE_VERSION EMULATOR... PROGRAM.exe [ARGS...]
# EMULATOR is the build's emulator command (cmake/wine-run.sh STATE_DIR).
set -uo pipefail

version=$1
emulator=("$2" "$3")
program=$4
shift 4
key="HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")"

"${emulator[@]}" reg add "$key" /v Version /d "$version" /f >/dev/null || exit 1
"${emulator[@]}" "$program" "$@"
status=$?
"${emulator[@]}" reg delete "$key" /f >/dev/null
exit $status
