#!/usr/bin/env bash
# Runs every fuzz target for a while (default 600 seconds each, two at a
# time) on its corpus, and prints executions, coverage and crashes per
# target. Usage: fuzz/run.sh [seconds] [target-name...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

seconds="${1:-600}"
shift || true
dir="$build/fuzz"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DQV_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
fi
cmake --build "$dir" >/dev/null || exit 1
mkdir -p "$dir/logs" "$dir/crashes"

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$root"/fuzz/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi

run_one() {  # name
  local name="$1" seeds=()
  mkdir -p "$dir/corpus/$name"
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$dir/bin/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$dir/crashes/$name-" "$dir/corpus/$name" "${seeds[@]}" >"$dir/logs/$name.log" 2>&1
  echo $? >"$dir/logs/$name.rc"
}
export -f run_one
export dir root seconds
printf '%s\n' "${names[@]}" | xargs -P 2 -I{} bash -c 'run_one {}'

printf '%-28s %12s %8s %8s %s\n' target executions cov ft result
for name in "${names[@]}"; do
  log="$dir/logs/$name.log"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  last="$(grep -E '^#[0-9]+' "$log" | grep -o 'cov: [0-9]* ft: [0-9]*' | tail -1)"
  cov="$(echo "$last" | awk '{print $2}')"; ft="$(echo "$last" | awk '{print $4}')"
  if [ "$(cat "$dir/logs/$name.rc")" = 0 ]; then result=ok; else result="CRASH (see $log)"; fi
  printf '%-28s %12s %8s %8s %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
