#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Lumivor.
#   install-deps.sh            the Linux build
#   install-deps.sh windows    also the Windows builds: mingw-w64 for 64 and 32 bits, Wine for
#                              both (wine32 from Debian's i386 architecture, where the kernel
#                              runs 32-bit programs), NSIS, zip
#   install-deps.sh web        also the web build: Emscripten, Node for its tests
#   install-deps.sh browsers   also the browsers that test the web build (Chromium, Firefox ESR,
#                              WebKitGTK's WebDriver), Node and the browser driver's npm packages
# Several builds may be named at once (install-deps.sh windows web).
# Quick when everything is present; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev xvfb xauth xdotool openbox x11-utils x11-xserver-utils imagemagick
  zlib1g-dev fonts-open-sans
  dpkg-dev file desktop-file-utils lintian appstream python3
  # A screen reader's view of the program: Orca, run on a private session bus, and pyatspi.
  orca python3-pyatspi at-spi2-core dbus
)
browser_driver=no
for build in "$@"; do
  case "$build" in
    windows)
      packages+=(
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
        g++-mingw-w64-i686-posix binutils-mingw-w64-i686
        wine wine64 nsis zip unzip icoutils
      )
      # The 32-bit Wine, from Debian's i386 architecture, for the 32-bit program's tests; with
      # Mesa's OpenGL, through which its Direct2D draws as the 64-bit one's does (without it
      # the 32-bit program falls back to GDI+). Only where the kernel runs 32-bit programs:
      # elsewhere it could start nothing, and `wine` would no longer start 64-bit ones either.
      if "$(dirname "$0")/runs-x86-programs.sh"; then
        packages+=(wine32:i386 libgl1:i386 libglx-mesa0:i386)
      fi
      ;;
    web)
      packages+=(emscripten googletest nodejs)
      ;;
    browsers)
      packages+=(chromium firefox-esr webkit2gtk-driver nodejs)
      # Debian's npm, unless the Node installed brought its own.
      command -v npm >/dev/null || packages+=(npm)
      browser_driver=yes
      ;;
    *)
      echo "install-deps.sh: no build called '$build' (windows, web, browsers)" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  # Packages of another architecture (name:arch) need it enabled before the update.
  for p in "${missing[@]}"; do
    if [[ $p == *:* ]] && ! dpkg --print-foreign-architectures | grep -qx "${p#*:}"; then
      "${sudo[@]}" dpkg --add-architecture "${p#*:}"
    fi
  done
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser driver's npm packages, as its lock file pins them; again only when the lock changed.
if [ "$browser_driver" = yes ]; then
  driver="$(cd "$(dirname "$0")/.." && pwd)/tests/web/driver"
  if ! cmp -s "$driver/package-lock.json" "$driver/node_modules/.installed-lock.json"; then
    (cd "$driver" && npm ci --no-audit --no-fund)
    cp "$driver/package-lock.json" "$driver/node_modules/.installed-lock.json"
  fi
fi
