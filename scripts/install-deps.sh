#!/usr/bin/env bash
# Installs what building, running and testing Quenvolet need on Debian 12,
# and only what is missing: a second run does nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3 doctest-dev clang-14 libclang-rt-14-dev valgrind
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 fonts-wine
  xvfb xdotool imagemagick x11-utils python3-xlib
)
# 32-bit Wine and the 32-bit X libraries it loads, which --no-install-recommends
# skips: without Xinerama and RandR it sees one monitor, without Xrender,
# Xcursor, XInput and the rest it draws and reads input otherwise than 64-bit
# Wine does. Always asked for, also where the kernel cannot run them.
packages32=(
  wine32:i386
  libxinerama1:i386 libxrandr2:i386 libxrender1:i386 libxcursor1:i386
  libxi6:i386 libxfixes3:i386 libxcomposite1:i386 libxxf86vm1:i386
  libfreetype6:i386 libfontconfig1:i386
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=() missing32=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${packages32[@]}"; do installed "$p" || missing32+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing32[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]} ${missing32[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and then: try again, and go on
# with the lists there are, since the packages may well be found in them.
for attempt in 1 2 3; do
  $sudo apt-get update -q && break
  [ "$attempt" -lt 3 ] && sleep 20
done
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@" </dev/null; }
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
# The 32-bit set has a step of its own, so that an archive that cannot serve
# it today (an i386 index missing mid-sync) fails loudly here, while the build
# and the 64-bit Wine tier still run.
if [ ${#missing32[@]} -ne 0 ] && ! install "${missing32[@]}"; then
  echo "WARNING: 32-bit Wine could not be installed; the Wine tier runs the 64-bit build under wine64" >&2
fi
