# Shared by the scripts: where things are, and how Wine runs here.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QV_BUILD_DIR:-$root/build}"

# The Windows architecture that Wine can run on this machine. The
# deliverables are 32-bit; where the kernel cannot run 32-bit code at all
# (no 32-bit Wine), the same sources are tested as a 64-bit build.
wine_arch() {
  if [ -n "${QV_WINE_ARCH:-}" ]; then
    echo "$QV_WINE_ARCH"
  elif timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1 &&
       ! grep -qs 'qemu-i386' /proc/sys/fs/binfmt_misc/* 2>/dev/null; then
    echo i686
  else
    echo x86_64
  fi
}

wine_loader() {
  if [ "$1" = i686 ]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi
}

wine_env() {
  export WINEARCH
  if [ "$1" = i686 ]; then WINEARCH=win32; else WINEARCH=win64; fi
  export WINEDEBUG=-all
  # No Mono or Gecko install, no menu entries; WinHelp is not started in tests.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d${QV_EXTRA_OVERRIDES:-}"
}

jobs() { nproc 2>/dev/null || echo 2; }

# The build folder that the Wine tier runs (scripts/build.sh links it).
wine_tier_build() { if [ "$1" = i686 ]; then echo "$build/win32"; else echo "$build/win64"; fi; }

# This Wine looks for its own fonts (Marlett for the caption boxes and
# scroll arrows, Tahoma for dialogs) only in the prefix's Fonts folder, where
# wineboot does not put them: without them a close box is drawn as the letter "r".
wine_add_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -u /usr/share/wine/fonts/*.ttf "$fonts/"
}
