#!/usr/bin/env bash
# Checks the installer of the Windows builds under Wine: it asks for no
# administrator rights; run with /S it installs the program for the current
# user alone, with its licence, a Start-menu shortcut and an entry among the
# installed programs; the installed program and licence are those of ZIP, the
# zip of the program that fits the Wine prefix's Windows, and the program starts
# and closes with exit code 0; the uninstaller, run with /S, removes all of it.
# Runs in a Wine session (scripts/wine-prefix.sh) in an X server with a window
# manager. Prints every failed check.
# Usage: windows_installer_test.sh SETUP.exe ZIP VERSION E2E_TESTS
set -uo pipefail
export LC_ALL=C.UTF-8

setup=$1 zip=$2 version=$3 e2e_tests=$4
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumivor'
shortcut_name='Огни судов (Lumivor).lnk'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }

for package in "$setup" "$zip"; do
  if [ ! -f "$package" ]; then
    echo "FAIL: $package does not exist: \`make windows\` builds it" >&2
    exit 1
  fi
done

unix_path() { winepath -u "$1" 2>/dev/null; }
windows_folder() { wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r'; }

# The values of the uninstall entry, one "name"="value" to a line with the
# escapes of a .reg file undone; empty if there is no entry.
uninstall_entry() {
  rm -f "$work/entry.reg"
  wine reg export "$uninstall_key" "$work/entry.reg" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' | sed -e 's/\\"/"/g' -e 's/\\\\/\\/g'
}

install_dir_windows="$(windows_folder LOCALAPPDATA)\\Programs\\Lumivor"
install_dir=$(unix_path "$install_dir_windows")
start_menu=$(unix_path "$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
if [ -z "$install_dir" ] || [ -z "$start_menu" ]; then
  echo "FAIL: Wine does not tell where the user's folders are" >&2
  exit 1
fi
# A leftover of an earlier run that stopped half way would hide what this one installs.
rm -rf "$install_dir" "$start_menu/$shortcut_name"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1

if ! wrestool -x --raw --type=24 "$setup" | grep -q 'level="asInvoker"'; then
  fail "the installer's manifest does not ask to run as the invoking user"
fi

wine "$setup" /S
status=$?
[ "$status" -eq 0 ] || fail "the silent install ended with exit code $status"

program=$install_dir/lumivor.exe
for file in lumivor.exe LICENSE.txt uninstall.exe; do
  [ -f "$install_dir/$file" ] || fail "$file is not in $install_dir"
done
unzip -q "$zip" lumivor.exe LICENSE.txt -d "$work/zip"
for file in lumivor.exe LICENSE.txt; do
  cmp -s "$install_dir/$file" "$work/zip/$file" || fail "the installed $file differs from that in $(basename "$zip")"
done

shortcut=$start_menu/$shortcut_name
if [ ! -f "$shortcut" ]; then
  fail "no Start-menu shortcut \"$shortcut_name\""
elif ! strings -a -el "$shortcut" | grep -q 'Programs\\Lumivor\\lumivor.exe'; then
  fail "the Start-menu shortcut does not point at the installed lumivor.exe"
fi

entry=$(uninstall_entry)
for line in \
  "\"DisplayName\"=\"Огни судов (Lumivor)\"" \
  "\"DisplayVersion\"=\"$version\"" \
  "\"Publisher\"=\"Lumivor developers\"" \
  "\"DisplayIcon\"=\"$install_dir_windows\\lumivor.exe,0\"" \
  "\"InstallLocation\"=\"$install_dir_windows\"" \
  "\"UninstallString\"=\"\"$install_dir_windows\\uninstall.exe\"\"" \
  "\"QuietUninstallString\"=\"\"$install_dir_windows\\uninstall.exe\" /S\""; do
  grep -Fxq "$line" <<<"$entry" || fail "the uninstall entry has no line $line; it is:
$entry"
done

# The installed program starts, shows its window and ends with exit code 0
# when it is closed.
LUMIVOR_PROGRAM=$program "$e2e_tests" --gtest_brief=1 '--gtest_filter=*/MainWindowClosing.*' ||
  fail "the installed program did not start and close with exit code 0"

wine "$install_dir/uninstall.exe" /S
# The uninstaller runs on from a copy of itself, so that it can remove its own file.
for _ in $(seq 150); do
  [ -e "$install_dir" ] || break
  sleep 0.2
done
[ -e "$install_dir" ] && fail "the uninstaller left $install_dir: $(ls -A "$install_dir")"
[ -e "$shortcut" ] && fail "the uninstaller left the Start-menu shortcut"
[ -n "$(uninstall_entry)" ] && fail "the uninstaller left the uninstall entry $uninstall_key"

if [ "$failed" -ne 0 ]; then
  echo "$failed checks failed" >&2
  exit 1
fi
echo "the installer installs, and its uninstaller removes, Lumivor for the current user"
