#!/usr/bin/env bash
# Builds, then starts the real programs under Wine on a private Xvfb display
# on the sample configuration and captures their windows for the README:
# docs/bar.png and docs/editor.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${QV_SCREENSHOT_SESSION:-}" ]; then
  "$root/scripts/install-deps.sh"
  "$root/scripts/build.sh"
  QV_SCREENSHOT_SESSION=1 exec "$root/scripts/with-wine.sh" bash "${BASH_SOURCE[0]}" "$@"
fi

arch="$(wine_arch)"
loader="$(wine_loader "$arch")"
bin="$(wine_tier_build "$arch")/bin"
# The editor is built apart from the bar, which finds an editor beside itself.
editor="$bin/../editor/bin/QVconfig.exe"
dest="$WINEPREFIX/drive_c/Quenvolet"
mkdir -p "$dest"
cp "$bin/Quenvolt.exe" "$bin/Quenvolt.html" "$root/samples/Quenvolt.INI" "$root/samples/ReadMe.txt" "$dest/"
cp "$editor" "$dest/"

pids=()
stop_programs() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap stop_programs EXIT

# Waits (up to two minutes: Wine starts slowly on a busy machine) for a
# window of that title, lets it paint, and saves it as a PNG file.
capture() {  # title, file
  local id
  id="$(timeout 120 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1)"
  sleep 2  # the window is mapped; give it time to paint its buttons
  import -window "$id" -strip "png:$2"
  echo "Captured $1 into $2"
}

(cd "$dest" && "$loader" 'C:\Quenvolet\Quenvolt.exe' >/dev/null 2>&1) &
pids+=($!)
capture "Quenvolet sample" "$root/docs/bar.png"

(cd "$dest" && "$loader" 'C:\Quenvolet\QVconfig.exe' 'C:\Quenvolet\Quenvolt.INI' >/dev/null 2>&1) &
pids+=($!)
capture "Configure Quenvolet" "$root/docs/editor.png"
