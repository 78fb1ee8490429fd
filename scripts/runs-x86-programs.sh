#!/usr/bin/env bash
# Exits 0 when this system runs 32-bit x86 Linux programs, as the 32-bit Wine loader is, and 1
# when not: a 64-bit kernel built or started without its 32-bit support refuses them with
# "Exec format error". Tried on the smallest such program, which only exits: nothing of the
# 32-bit system need be installed for it.
set -uo pipefail

program=$(mktemp)
trap 'rm -f "$program"' EXIT
# An ELF header, one loadable segment at 0x08048000, and the code at file offset 0x54:
# mov eax, 1 (exit); xor ebx, ebx (status 0); int 0x80.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$program"
printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$program"
printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' >>"$program"
printf '\x00\x00\x00\x00' >>"$program"
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$program"
printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$program"
printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >>"$program"
chmod +x "$program"
"$program" 2>/dev/null || exit 1
