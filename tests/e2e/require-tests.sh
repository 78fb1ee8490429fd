#!/usr/bin/env bash
# Runs a GoogleTest program and fails when it ran no test, so that a group whose filter
# matches nothing cannot pass unnoticed. Usage: require-tests.sh PROGRAM [ARGS...]
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$@" | tee "$output"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || exit "$status"
if ! grep -Eq '^\[==========\] [1-9][0-9]* tests? from' "$output"; then
  echo "require-tests.sh: no test ran" >&2
  exit 1
fi
