#!/usr/bin/env bash
# Fails when a Windows program imports a function or library that Windows 7 lacks, one the
# backend must load at run time so that the program starts without it, or a compiler runtime
# DLL that a clean Windows does not have.
#   check-imports.sh PROGRAM.exe
set -euo pipefail

imports=$(x86_64-w64-mingw32-objdump -p "$1")
forbidden_libraries='d2d1\.dll|dwrite\.dll|uxtheme\.dll|shcore\.dll|api-ms-win-'
forbidden_functions='SetProcessDpiAwarenessContext|GetDpiForWindow|AdjustWindowRectExForDpi|GetPointerType|GetPointerInfo|D2D1CreateFactory|DWriteCreateFactory|IsThemeActive|RtlGetVersion'

status=0
if grep -Ei "DLL Name: ($forbidden_libraries)" <<<"$imports"; then
  echo "check-imports.sh: $1 links a library it must load at run time" >&2
  status=1
fi
if grep -Ew "$forbidden_functions" <<<"$imports"; then
  echo "check-imports.sh: $1 links a function it must look up at run time" >&2
  status=1
fi
# Linked statically: only the system's own libraries, no compiler runtime.
if grep -Ei "DLL Name: (libstdc\+\+|libgcc|libwinpthread)" <<<"$imports"; then
  echo "check-imports.sh: $1 needs a compiler runtime DLL beside it" >&2
  status=1
fi
if ! grep -q "DLL Name: USER32.dll\|DLL Name: user32.dll" <<<"$imports"; then
  echo "check-imports.sh: no import table read from $1" >&2
  status=1
fi
exit $status
