#!/usr/bin/env bash
# Builds everything: the native unit tests (sanitizers on), the 32-bit
# deliverables with their size check, and the Windows test tier for the
# architecture that Wine runs here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

configure() {  # dir, extra cmake arguments...
  local dir="$1"; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(jobs)"
}

arch="$(wine_arch)"
configure "$build/native"
configure "$build/fuzz" -DQV_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
configure "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
# wintest names the build that the Wine tier runs: the deliverables
# themselves, or the same sources built as 64-bit programs in win64, so that
# a tree can switch between the two without building either again.
tier=win32
if [ "$arch" != i686 ]; then
  tier=win64
  configure "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
fi
# An older tree kept the 64-bit build in wintest itself.
[ -d "$build/wintest" ] && [ ! -L "$build/wintest" ] && rm -rf "$build/wintest"
ln -sfn "$tier" "$build/wintest"
echo "Built: $build/win32/bin (32-bit deliverables); Wine test tier: $arch"
