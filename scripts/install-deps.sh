#!/usr/bin/env bash
# Installs what building, running and testing Quenvolet need on Debian 12,
# and only what is missing: a second run does nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3 doctest-dev clang-14 libclang-rt-14-dev valgrind
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  # 32-bit Wine loads its own 32-bit X libraries, which --no-install-recommends
  # skips: without Xinerama and RandR it sees one monitor, without Xrender,
  # Xcursor, XInput and the rest it draws and reads input otherwise than 64-bit
  # Wine does.
  libxinerama1:i386 libxrandr2:i386 libxrender1:i386 libxcursor1:i386
  libxi6:i386 libxfixes3:i386 libxcomposite1:i386 libxxf86vm1:i386
  libfreetype6:i386 libfontconfig1:i386
  xvfb xdotool imagemagick x11-utils python3-xlib
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
