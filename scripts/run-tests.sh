#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit
# tests, a short run of each fuzz target and, under Wine on a private Xvfb
# display, the Windows tier.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

run_all() {
  local status=0 dir only tier dirs=(native fuzz win32)
  tier="$(readlink "$build/wintest")"
  if [ "$tier" = win32 ]; then
    echo "=== Wine tier: the 32-bit deliverables under 32-bit Wine"
  else
    echo "=== Wine tier: the same sources built as 64-bit programs, under wine64"
    dirs+=("$tier")
  fi
  for dir in "${dirs[@]}"; do
    only=()
    # Where Wine cannot run 32-bit programs, the 32-bit build is only
    # checked for size and release; its Wine cases run in the 64-bit build.
    if [ "$dir" = win32 ] && [ "$tier" != win32 ]; then
      only=(-R '^(size|release)[.]')
    fi
    echo "=== tests in $dir"
    (cd "$build/$dir" && ctest --output-on-failure --timeout 600 "${only[@]}") || status=1
  done
  return $status
}
export -f run_all
export build
status=0
"$root/scripts/with-wine.sh" bash -c run_all || status=1
# The scale cases again at each other scale, each on a display and in a
# prefix of its own (the pass above ran them at 96 DPI).
tier="$(readlink "$build/wintest")"
for dpi in 120 144 192; do
  echo "=== the scale cases at $dpi DPI"
  QV_DPI="$dpi" "$root/scripts/with-wine.sh" bash -c "cd '$build/$tier' &&
    ctest --output-on-failure --timeout 600 -R '^wine[.](editor[.])?dpi\$'" || status=1
done
exit $status
