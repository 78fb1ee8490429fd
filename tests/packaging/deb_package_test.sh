#!/usr/bin/env bash
# Packs a built tree with cpack and checks the Debian package: lintian, desktop-file-validate
# and appstreamcli must find no error and nothing to warn about, and beside them its files,
# its desktop entry and AppStream data, its control fields, its licence and its changelog
# must agree with one another. Prints every failed check.
# Usage: deb_package_test.sh CPackConfig.cmake LICENSE
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
licence=$2

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
version=$(dpkg-deb -f "$deb" Version)

failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }

# Installed files, each with what `file` must say about it. Compressed files must be packed
# at the highest level with no name or time stamp, as Debian wants them.
gzipped="gzip compressed data, max compression, from Unix, original size"
doc=/usr/share/doc/lumivor
files=(
  "/usr/bin/lumivor|ELF 64-bit LSB .*executable.*, stripped$"
  "$doc/copyright|ASCII text"
  "$doc/changelog.gz|$gzipped"
  "/usr/share/man/man1/lumivor.1.gz|$gzipped"
  "/usr/share/man/ru/man1/lumivor.1.gz|$gzipped"
)
for size in 16 24 32 48 256; do
  files+=("/usr/share/icons/hicolor/${size}x${size}/apps/lumivor.png|PNG image data, $size x $size,")
done
for entry in "${files[@]}"; do
  path=${entry%%|*} kind=${entry#*|}
  if [ ! -f "$work/root$path" ]; then
    fail "$path is not in the package"
  elif ! kind_found=$(file -b "$work/root$path") || ! grep -Eq "$kind" <<<"$kind_found"; then
    fail "$path: expected '$kind', got '$kind_found'"
  fi
done
[ -x "$work/root/usr/bin/lumivor" ] || fail "/usr/bin/lumivor is not executable"
if stray=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -Ev '^\./(usr(/.*)?)?$'); then
  fail "files outside /usr: $stray"
fi

# Lintian's errors and warnings fail the package; its informational, pedantic and experimental
# notes are printed for whoever reads the log.
if ! lintian --display-info --pedantic --display-experimental --fail-on error,warning "$deb" \
  >"$work/lintian.log" 2>&1 || grep -Eq '^[EW]: ' "$work/lintian.log"; then
  fail "lintian finds errors or warnings:"
  cat "$work/lintian.log" >&2
elif grep -E '^[IPX]: ' "$work/lintian.log"; then
  echo "(lintian's notes, which do not fail the package)"
fi

# The AppStream data, named by its id, and the desktop entry that it launches.
metainfos=("$work"/root/usr/share/metainfo/*.metainfo.xml)
declare -A meta=()
if [ ${#metainfos[@]} -ne 1 ] || [ ! -f "${metainfos[0]}" ]; then
  fail "the package has not exactly one /usr/share/metainfo/*.metainfo.xml"
else
  metainfo=${metainfos[0]}
  appstreamcli validate --no-net --pedantic "$metainfo" ||
    fail "appstreamcli finds errors or warnings in $(basename "$metainfo")"
  while IFS=$'\t' read -r key value; do meta[$key]=$value; done \
    < <(python3 "$here/metainfo_fields.py" "$metainfo")
  [ "$(basename "$metainfo")" = "${meta[id]:-}.metainfo.xml" ] ||
    fail "$(basename "$metainfo") is not named by its id '${meta[id]:-}'"
  [ "${meta[launchable]:-}" = "${meta[id]:-}.desktop" ] ||
    fail "the AppStream data launches '${meta[launchable]:-}', not ${meta[id]:-}.desktop"
  # What a software centre lists a program by, beside what the validator asks for.
  for field in categories content-rating description 'description[ru]'; do
    [ -n "${meta[$field]:-}" ] || fail "the AppStream data has no $field"
  done
fi

desktop=/usr/share/applications/${meta[launchable]:-}
if [ ! -f "$work/root$desktop" ]; then
  fail "the desktop entry $desktop is not in the package"
else
  desktop=$work/root$desktop
  if ! validation=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$validation" ]; then
    fail "desktop-file-validate: $validation"
  fi
  # Lines the desktop entry must have, as Perl regular expressions. The program's windows
  # carry the class "lumivor", by which the desktop finds the entry of a window.
  for line in \
    '^Type=Application$' '^Exec=lumivor$' '^Icon=lumivor$' '^Terminal=false$' '^StartupWMClass=lumivor$' \
    '^Categories=(.*;)?Education;' '^Name=.+' \
    '^Name\[ru\]=.*\p{Cyrillic}' '^Comment\[ru\]=.*\p{Cyrillic}'; do
    grep -Pq "$line" "$desktop" || fail "$(basename "$desktop") has no line matching $line"
  done
  # A software centre shows the AppStream data, a menu the desktop entry: the same names,
  # summaries and categories.
  for pair in "Name|name" "Name[ru]|name[ru]" "Comment|summary" "Comment[ru]|summary[ru]" \
    "Categories|categories"; do
    key=${pair%%|*} field=${pair#*|}
    value=$(awk -v key="$key=" 'index($0, key) == 1 { print substr($0, length(key) + 1); exit }' "$desktop")
    value=${value%;}
    [ "$value" = "${meta[$field]:-}" ] ||
      fail "the desktop entry's $key '$value' is not the AppStream $field '${meta[$field]:-}'"
  done
fi

# The changelog's newest entry and the AppStream data's newest release are this version's.
logged_version='' logged_date=''
if zcat "$work/root$doc/changelog.gz" >"$work/changelog" 2>/dev/null &&
  logged_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version) &&
  logged_date=$(dpkg-parsechangelog -l "$work/changelog" -S Date) && [ -n "$logged_date" ]; then
  logged_date=$(date -u -d "$logged_date" +%F) || logged_date=''
fi
[ "$logged_version" = "$version" ] || fail "the changelog's newest entry is '$logged_version', the package $version"
[ "${meta[release]:-}" = "$version" ] || fail "the AppStream data's newest release is '${meta[release]:-}', the package $version"
[ "${meta[release-date]:-}" = "$logged_date" ] ||
  fail "the AppStream release is dated '${meta[release-date]:-}', the changelog entry '$logged_date'"

# The copyright file carries LICENSE: its notice and its terms, word for word.
copyright=$work/root$doc/copyright
if [ -f "$copyright" ]; then
  notice=$(sed -n 's/^Copyright (c) //p' "$licence")
  grep -qxF "Copyright: $notice" "$copyright" || fail "the copyright file does not name '$notice'"
  terms=$(sed -n '/^Copyright (c) /,$p' "$licence" | tail -n +3)
  carried=$(sed -n '/^License: /,$p' "$copyright" | tail -n +2 | sed 's/^ //; s/^\.$//')
  [ "$carried" = "$terms" ] || fail "the copyright file's terms differ from LICENSE's:
$(diff <(echo "$terms") <(echo "$carried") || true)"
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
  grep -Eq "$pattern" <<<"${value%%$'\n'*}" || fail "$name: '$value' does not match $pattern"
done

if [ "$failed" -ne 0 ]; then
  dpkg-deb -I "$deb" >&2
  dpkg-deb -c "$deb" >&2
  exit 1
fi
echo "$(basename "$deb"): lintian, appstreamcli and desktop-file-validate clean;" \
  "${#files[@]} files, desktop entry, AppStream data, changelog, licence and ${#fields[@]} control checks pass"
