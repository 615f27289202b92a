#!/usr/bin/env bash
# Lists, for each source and header of the launcher, the launcher headers it
# includes, then the graph of its units (a unit is a .cpp with its .h of the
# same stem) and fails when the units include each other in a circle.
set -euo pipefail
launcher="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/launcher"
cd "$launcher"

files=$(ls *.h *.cpp core/*.h core/*.cpp | sort)
echo "Includes (launcher headers only):"
for f in $files; do
  dir=$(dirname "$f")
  includes=$(sed -n 's/^#include "\(.*\)"$/\1/p' "$f" | while read -r inc; do
    if [ -f "$dir/$inc" ]; then realpath --relative-to=. "$dir/$inc"; elif [ -f "$inc" ]; then echo "$inc"; fi
  done | tr '\n' ' ')
  printf '  %-20s %s\n' "$f" "$includes"
done

# Unit edges: a unit uses another when its .cpp or .h includes the other's header.
edges=$(for f in $files; do
  dir=$(dirname "$f")
  from="${f%.*}"
  sed -n 's/^#include "\(.*\)"$/\1/p' "$f" | while read -r inc; do
    if [ -f "$dir/$inc" ]; then to=$(realpath --relative-to=. "$dir/$inc"); elif [ -f "$inc" ]; then to="$inc"; else continue; fi
    to="${to%.*}"
    [ "$to" != "$from" ] && echo "$from $to"
  done
done | sort -u)

echo "Units, each above the units it uses:"
# tsort prints each unit before the units it uses, and fails on a circle.
if ! order=$(echo "$edges" | tsort 2>/tmp/include-graph.$$); then
  cat /tmp/include-graph.$$ >&2
  rm -f /tmp/include-graph.$$
  echo "The launcher's units include each other in a circle." >&2
  exit 1
fi
if [ -s /tmp/include-graph.$$ ]; then
  cat /tmp/include-graph.$$ >&2
  rm -f /tmp/include-graph.$$
  echo "The launcher's units include each other in a circle." >&2
  exit 1
fi
rm -f /tmp/include-graph.$$
for unit in $order; do
  uses=$(echo "$edges" | awk -v u="$unit" '$1 == u { print $2 }' | tr '\n' ' ')
  printf '  %-20s -> %s\n' "$unit" "$uses"
done
echo "No circle."
