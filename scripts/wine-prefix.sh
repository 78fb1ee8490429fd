#!/usr/bin/env bash
# Wine for the Windows build of Lumivor: a Wine prefix of its own, made once,
# and the Windows settings that the program's drawing depends on.
#
#   wine-prefix.sh [--prefix DIR] [--arch win64|win32] [--windows-version win7|win8|win10]
#                  [--dpi N] [--themes on|off] [COMMAND...]
#
# DIR defaults to $WINEPREFIX. Makes the prefix unless it exists, as a 64-bit Windows
# (win64, which runs 32-bit programs too) or a 32-bit one (win32), by default $WINEARCH or
# else win64; a prefix keeps the architecture it was made with. Then sets the
# Windows version that Wine reports to programs, the display's dots per inch
# (96 is 100 %, 144 is 150 %) and whether visual themes are on (the program
# draws with Direct2D under a theme, with GDI+ without), each only if given.
# With a COMMAND (such as `wine build-windows/lumivor.exe`), runs it with the
# prefix's environment, keeping one Wine server up for the whole of it so that
# every start of a Windows program finds Wine's own services running, and ends
# all of Wine's processes afterwards; exits with the command's exit code.
set -euo pipefail

prefix=${WINEPREFIX:-}
arch=${WINEARCH:-win64}
version=
dpi=
themes=
while [ $# -gt 0 ]; do
  case $1 in
    --prefix) prefix=$2; shift 2 ;;
    --arch) arch=$2; shift 2 ;;
    --windows-version) version=$2; shift 2 ;;
    --dpi) dpi=$2; shift 2 ;;
    --themes) themes=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "wine-prefix.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [ -z "$prefix" ]; then
  echo "wine-prefix.sh: give --prefix DIR or set WINEPREFIX" >&2
  exit 2
fi
case $arch in
  win64 | win32) ;;
  *) echo "wine-prefix.sh: --arch takes win64 or win32, not $arch" >&2; exit 2 ;;
esac
case $version in
  '' | win7 | win8 | win10) ;;
  *) echo "wine-prefix.sh: unknown Windows version $version" >&2; exit 2 ;;
esac
case $themes in
  '' | on | off) ;;
  *) echo "wine-prefix.sh: --themes takes on or off, not $themes" >&2; exit 2 ;;
esac

mkdir -p "$prefix"
export WINEPREFIX
WINEPREFIX=$(cd "$prefix" && pwd)
export WINEARCH=$arch
export WINEDEBUG=-all
# No Mono or Gecko installers asking to be run, and no menu entries on the
# host for the shortcuts that an installer creates.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return
  echo "wine-prefix.sh: making the Wine prefix $WINEPREFIX" >&2
  # Without a display Wine makes the prefix without showing anything.
  DISPLAY= wineboot -i >/dev/null 2>&1
  wineserver -w
}

# All settings in one .reg file: each run of a Windows program (here
# reg.exe) costs a second or two.
apply_settings() {
  [ -n "$version$dpi$themes" ] || return 0
  local settings
  settings=$(mktemp --suffix=.reg)
  {
    printf 'REGEDIT4\n\n'
    [ -z "$version" ] || printf '[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n\n' "$version"
    [ -z "$dpi" ] || printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n\n' "$dpi"
    [ -z "$themes" ] || printf '[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]\n"ThemeActive"="%s"\n\n' \
      "$([ "$themes" = on ] && echo 1 || echo 0)"
  } >"$settings"
  local status=0
  wine reg import "$settings" >/dev/null 2>&1 || status=$?
  rm -f "$settings"
  if [ "$status" -ne 0 ]; then
    echo "wine-prefix.sh: Wine did not take the settings (exit code $status)" >&2
    return 1
  fi
}

# One caller at a time makes the prefix.
exec 9>"$WINEPREFIX.lock"
flock 9
make_prefix
flock -u 9

if [ $# -eq 0 ]; then
  apply_settings
  exit 0
fi

wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
trap 'wineserver -k 2>/dev/null; wineserver -w' EXIT
apply_settings
set +e
"$@"
