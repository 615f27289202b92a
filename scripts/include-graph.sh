#!/usr/bin/env bash
# Lists, for each source and header of a program folder (launcher by default,
# or editor) and of core/, the headers of the tree it includes, then the graph
# of its units (a unit is a .cpp with its .h of the same stem) and fails when
# the units include each other in a circle.
#   scripts/include-graph.sh [launcher|editor]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
program="${1:-launcher}"

# An include is found beside the including file, else from the program's
# folder, else from the top of the tree, as the compiler's paths find it.
resolve() {  # including file, included name
  local dir; dir=$(dirname "$1")
  for base in "$dir" "$program" .; do
    if [ -f "$base/$2" ]; then realpath --relative-to=. "$base/$2"; return; fi
  done
}

files=$(find "$program" core -name '*.h' -o -name '*.cpp' | sort)
echo "Includes (headers of the tree only):"
for f in $files; do
  includes=$(sed -n 's/^#include "\(.*\)"$/\1/p' "$f" | while read -r inc; do resolve "$f" "$inc"; done | tr '\n' ' ')
  printf '  %-28s %s\n' "$f" "$includes"
done

# Unit edges: a unit uses another when its .cpp or .h includes the other's header.
edges=$(for f in $files; do
  from="${f%.*}"
  sed -n 's/^#include "\(.*\)"$/\1/p' "$f" | while read -r inc; do
    to=$(resolve "$f" "$inc")
    [ -n "$to" ] || continue
    to="${to%.*}"
    [ "$to" != "$from" ] && echo "$from $to"
  done
done | sort -u)

echo "Units, each above the units it uses:"
# tsort prints each unit before the units it uses, and fails on a circle.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
if ! order=$(echo "$edges" | tsort 2>"$errors") || [ -s "$errors" ]; then
  cat "$errors" >&2
  echo "The units of $program include each other in a circle." >&2
  exit 1
fi
for unit in $order; do
  uses=$(echo "$edges" | awk -v u="$unit" '$1 == u { print $2 }' | tr '\n' ' ')
  printf '  %-28s -> %s\n' "$unit" "$uses"
done
echo "No circle."
