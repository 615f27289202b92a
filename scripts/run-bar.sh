#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher bar under Wine on
# the sample configuration (notepad, a text document, the Windows folder),
# with its help page and the editor beside it. Uses the
# current display, or a private Xvfb display when there is none; the Wine
# prefix is kept in ~/.cache/quenvolet so later starts are quick.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

arch="$(wine_arch)"
QV_EXTRA_OVERRIDES=""
wine_env "$arch"
loader="$(wine_loader "$arch")"
bin="$(wine_tier_build "$arch")/bin"
# The editor is built apart from the bar, which finds an editor beside itself.
editor="$bin/../editor/bin/QVconfig.exe"
export WINEPREFIX="${QV_PREFIX:-$HOME/.cache/quenvolet/prefix-$arch}"
mkdir -p "$(dirname "$WINEPREFIX")"

xvfb_pid=
# The private display lives only as long as the bar.
stop_display() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  wait >/dev/null 2>&1 || true
}
trap stop_display EXIT
trap 'exit 130' INT TERM
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:77
  sleep 1
  echo "No display: the bar runs on the private display :77 (capture it with: DISPLAY=:77 import -window root bar.png)"
fi
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "Creating a Wine prefix in $WINEPREFIX ..."
  "$loader" wineboot -i >/dev/null 2>&1
fi
wine_add_fonts

# The bar keeps its state in the INI file beside the program.
dest="$WINEPREFIX/drive_c/Quenvolet"
mkdir -p "$dest"
cp "$bin/Quenvolt.exe" "$bin/Quenvolt.html" "$dest/"
# The editor lies beside the bar, so that "Configure ..." finds it.
cp "$editor" "$dest/"
[ -f "$dest/Quenvolt.INI" ] || cp "$root/samples/Quenvolt.INI" "$dest/"
cp "$root/samples/ReadMe.txt" "$dest/"
echo "Starting C:\\Quenvolet\\Quenvolt.exe (close the bar from its system menu or with Alt+F4)"
cd "$dest" && "$loader" 'C:\Quenvolet\Quenvolt.exe'
