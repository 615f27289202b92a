#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit
# tests and, under Wine on a private Xvfb display, the Windows tier.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

run_all() {
  local status=0
  for dir in native win32 wintest; do
    [ "$dir" = wintest ] && [ -L "$build/wintest" ] && continue
    echo "=== tests in $dir"
    (cd "$build/$dir" && ctest --output-on-failure --timeout 600) || status=1
  done
  return $status
}
export -f run_all
export build
"$root/scripts/with-wine.sh" bash -c run_all
