#!/usr/bin/env bash
# Packs a built tree with cpack and checks the Debian package: its files, its
# desktop entry and its control fields. Prints every failed check.
# Usage: deb_package_test.sh CPackConfig.cmake
set -euo pipefail
export LC_ALL=C.UTF-8

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$1" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
debs=("$work"/out/lumivor_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: cpack did not make exactly one lumivor_*.deb" >&2
  exit 1
fi
deb=${debs[0]}
dpkg-deb -x "$deb" "$work/root"

failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }

# Installed files, each with what `file` must say about it.
files=(
  "/usr/bin/lumivor|ELF 64-bit LSB .*executable"
  "/usr/share/applications/lumivor.desktop|UTF-8 text"
)
for size in 16 24 32 48 256; do
  files+=("/usr/share/icons/hicolor/${size}x${size}/apps/lumivor.png|PNG image data, $size x $size,")
done
for entry in "${files[@]}"; do
  path=${entry%%|*} kind=${entry#*|}
  if [ ! -f "$work/root$path" ]; then
    fail "$path is not in the package"
  elif ! file -b "$work/root$path" | grep -Eq "$kind"; then
    fail "$path: expected '$kind', got '$(file -b "$work/root$path")'"
  fi
done
[ -x "$work/root/usr/bin/lumivor" ] || fail "/usr/bin/lumivor is not executable"
if stray=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -Ev '^\./(usr(/.*)?)?$'); then
  fail "files outside /usr: $stray"
fi

desktop=$work/root/usr/share/applications/lumivor.desktop
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects lumivor.desktop"
  # Lines the desktop entry must have, as Perl regular expressions.
  for line in \
    '^Type=Application$' '^Exec=lumivor$' '^Icon=lumivor$' '^Terminal=false$' \
    '^Categories=(.*;)?Education;' '^Name=.+' \
    '^Name\[ru\]=.*\p{Cyrillic}' '^Comment\[ru\]=.*\p{Cyrillic}'; do
    grep -Pq "$line" "$desktop" || fail "lumivor.desktop has no line matching $line"
  done
fi

# Control fields, each with what it must match.
fields=(
  "Package|^lumivor$"
  "Section|^education$"
  "Architecture|^$(dpkg --print-architecture)$"
  "Maintainer|.+ <.+@.+>"
  "Description|.+"
)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6; do
  fields+=("Depends|(^|, )$lib( \(|,|$)")
done
for entry in "${fields[@]}"; do
  name=${entry%%|*} pattern=${entry#*|}
  value=$(dpkg-deb -f "$deb" "$name")
  echo "$value" | head -n 1 | grep -Eq "$pattern" || fail "$name: '$value' does not match $pattern"
done

if [ "$failed" -ne 0 ]; then
  dpkg-deb -I "$deb" >&2
  dpkg-deb -c "$deb" >&2
  exit 1
fi
echo "$(basename "$deb"): ${#files[@]} files, desktop entry and ${#fields[@]} control checks pass"
