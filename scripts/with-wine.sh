#!/usr/bin/env bash
# Runs a command with a fresh Xvfb display and a fresh Wine prefix in a
# temporary folder, and removes both afterwards, also on failure.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

arch="$(wine_arch)"
# Tests watch the WinHelp calls themselves; no help viewer is started.
QV_EXTRA_OVERRIDES="${QV_EXTRA_OVERRIDES-;winhlp32.exe=d}"
wine_env "$arch"
tmp="$(mktemp -d /tmp/quenvolet.XXXXXX)"
export WINEPREFIX="$tmp/prefix"
xvfb_pid=

cleanup() {
  WINEPREFIX="$tmp/prefix" timeout 20 wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  wait >/dev/null 2>&1
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

exec 3>"$tmp/display"
# A desk of two 1280 x 1024 monitors side by side, the left one primary: one
# wide screen split into two heads that the server's Xinerama reports.
# -noreset keeps the heads when the last client leaves.
Xvfb -displayfd 3 -screen 0 2560x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
if [ ! -s "$tmp/display" ]; then echo "Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$(head -n1 "$tmp/display")"
if ! /usr/bin/python3 "$root/scripts/split-display.py"; then
  echo "The display could not be split into two monitors" >&2
fi

echo "Creating a Wine prefix ($WINEARCH) on display $DISPLAY ..."
if ! timeout 600 "$(wine_loader "$arch")" wineboot -i >/dev/null 2>&1; then
  echo "The Wine prefix could not be created" >&2; exit 1
fi
wine_add_fonts
# There is no window manager on this display: windows are left unmanaged,
# or Wine waits two seconds for one on every window it destroys.
timeout 60 "$(wine_loader "$arch")" reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
# Wine counts monitors by RandR outputs (one here) unless told to ask Xinerama.
timeout 60 "$(wine_loader "$arch")" reg add 'HKCU\Software\Wine\X11 Driver' \
  /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1 || true
# QV_DPI=120 (144, 192...) runs the command at that display scale: the
# server is restarted so that every program starts with the new LogPixels.
if [ -n "${QV_DPI:-}" ]; then
  echo "Display scale: $QV_DPI DPI"
  timeout 60 "$(wine_loader "$arch")" reg add 'HKCU\Control Panel\Desktop' \
    /v LogPixels /t REG_DWORD /d "$QV_DPI" /f >/dev/null 2>&1 || { echo "LogPixels could not be set" >&2; exit 1; }
  timeout 60 wineserver -k >/dev/null 2>&1 || true
fi
timeout 60 wineserver -w >/dev/null 2>&1 || true

"$@"
