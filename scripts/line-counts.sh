#!/usr/bin/env bash
# Counts the non-blank lines of C and C++ sources and headers: the programs'
# code (launcher, editor, common, core) against the tests (tests/), and the
# share of the two. fuzz/ and bench/ count as neither.
#   scripts/line-counts.sh [commit]     the work tree, or a commit's tree
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
commit="${1:-}"

count() {  # folders...
  if [ -n "$commit" ]; then
    git ls-tree -r --name-only "$commit" -- "$@" | grep -E '\.(cpp|h|c)$' |
      while read -r f; do git show "$commit:$f"; done | grep -c '[^[:space:]]' || true
  else
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 2>/dev/null |
      xargs -0 cat | grep -c '[^[:space:]]' || true
  fi
}

code=0
for folder in launcher editor common core; do
  n=$(count "$folder"); code=$((code + n)); printf '  %-16s %6d\n' "$folder" "$n"
done
tests=0
for folder in tests/unit tests/win tests/helpers; do
  n=$(count "$folder"); tests=$((tests + n)); printf '  %-16s %6d\n' "$folder" "$n"
done
printf 'code %d, tests %d, share %s\n' "$code" "$tests" "$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
