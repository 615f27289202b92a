#!/usr/bin/env bash
# Takes a picture of the bar for people to look at: starts it under Wine on
# the sample configuration on a private display, captures the screen into
# build/bar-screenshot.png (or the file given) and ends it again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/build.sh" >/dev/null
arch="$(wine_arch)"
if [ "$arch" = i686 ]; then bin="$build/win32/bin"; else bin="$build/wintest/bin"; fi
out="$(realpath -m "${1:-$build/bar-screenshot.png}")"

shot() {
  local dest="$WINEPREFIX/drive_c/Quenvolet"
  mkdir -p "$dest"
  cp "$bin/Quenvolt.exe" "$root/samples/Quenvolt.INI" "$root/samples/ReadMe.txt" "$dest/"
  (cd "$dest" && "$loader" 'C:\Quenvolet\Quenvolt.exe' >/dev/null 2>&1 &)
  for _ in $(seq 120); do
    xdotool search --classname 'quenvolt.exe' >/dev/null 2>&1 && break
    sleep 0.5
  done
  sleep 2  # the faces and icons are painted after the window appears
  import -window root "$out"
  wineserver -k
}
export -f shot
export bin out root loader="$(wine_loader "$arch")"
"$root/scripts/with-wine.sh" bash -c shot
echo "Screenshot: $out"
