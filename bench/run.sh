#!/usr/bin/env bash
# The benchmark, run by hand (not a test): start-up of the bar against the
# limit and floor programs (24 buttons and 0, interleaved), memory, sizes of
# the stripped executables, click to child start, and the instruction count
# of the native core. Prints a table and writes build/bench/results.csv.
# Usage: bench/run.sh [runs]   (default 21)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

runs="${1:-21}"
out="$build/bench"
mkdir -p "$out/bin"
arch="$(wine_arch)"
if [ "$arch" = i686 ]; then
  echo "Quenvolet benchmark on the i686 tier: the 32-bit deliverables under 32-bit Wine"
else
  echo "Quenvolet benchmark on the x86_64 tier: the same sources built as 64-bit programs, under wine64"
fi
bash "$root/scripts/build.sh" >/dev/null
wbuild="$(wine_tier_build "$arch")"
cmake --build "$wbuild" --target Quenvolt QVconfig recorder bench_limit bench_floor bench_driver bench_dialog bench_icons >/dev/null
for exe in Quenvolt recorder bench_limit bench_floor bench_driver bench_dialog bench_icons; do
  cp "$wbuild/bin/$exe.exe" "$out/bin/"
done
cp "$wbuild/editor/bin/QVconfig.exe" "$wbuild/bin/icons256.dll" "$out/bin/"
cmake --build "$build/win32" --target Quenvolt bench_limit bench_floor >/dev/null

# Instructions of the native core: independent of machine noise.
g++ -std=c++17 -Os -I"$root" "$root/bench/CoreWork.cpp" "$root"/core/*.cpp -o "$out/corework"
valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.out" \
  --toggle-collect=LoadAndBuildButtons "$out/corework" >/dev/null 2>"$out/callgrind.log"
instructions="$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$out/callgrind.log" | tail -1)"

windows_path() { echo "Z:${1//\//\\}"; }
programs=('C:\windows\notepad.exe' 'C:\windows\regedit.exe' 'C:\windows\system32\cmd.exe'
          'C:\windows\system32\taskmgr.exe')
{
  printf '[Window]\r\nTitle=Bench\r\n'
  for n in $(seq 24); do printf '[Button%d]\r\nFileName=%s\r\n' "$n" "${programs[$(((n - 1) % 4))]}"; done
} >"$out/bench24.ini"
printf '[Window]\r\nTitle=Bench\r\n' >"$out/bench0.ini"
printf '[Window]\r\nTitle=Click\r\n[Button1]\r\nFileName=%s\r\n' "$(windows_path "$out/bin/recorder.exe")" >"$out/click.ini"

bin="$(windows_path "$out/bin")"
bar="$bin\\Quenvolt.exe"
list="${programs[*]}"
cat >"$out/inside.sh" <<INSIDE
set -e
cd "$out"
loader="$(wine_loader "$arch")"
"\$loader" '$bin\\bench_driver.exe' start $runs '$(windows_path "$out/starts.csv")' \\
  bar24 QuenvoltWClass '$bar $(windows_path "$out/bench24.ini")' \\
  floor24 QvBenchFloor '$bin\\bench_floor.exe 24 $list' \\
  limit24 QvBenchLimit '$bin\\bench_limit.exe 24' \\
  bar0 QuenvoltWClass '$bar $(windows_path "$out/bench0.ini")' \\
  floor0 QvBenchFloor '$bin\\bench_floor.exe 0' \\
  limit0 QvBenchLimit '$bin\\bench_limit.exe 0' \\
  editor24 '#32770' '$bin\\QVconfig.exe $(windows_path "$out/bench24.ini")' \\
  dialog '#32770' '$bin\\bench_dialog.exe'
"\$loader" '$bin\\bench_driver.exe' click $runs '$(windows_path "$out/clicks.csv")' \\
  '$bar $(windows_path "$out/click.ini")' '$(windows_path "$out/record.txt")'
echo first_paint_ms,extract_all_ms,images >icons.csv
for run in \$(seq $runs); do "\$loader" '$bin\\bench_icons.exe' '$bin\\icons256.dll' >>icons.csv; done
INSIDE
"$root/scripts/with-wine.sh" bash "$out/inside.sh"

size() { stat -c %s "$1" 2>/dev/null || echo; }
python3 "$root/bench/report.py" "$out" "$arch" "$runs" "${instructions:-}" \
  "$(size "$build/win32/bin/Quenvolt.exe")" "$(size "$build/win32/editor/bin/QVconfig.exe")" \
  "$(size "$build/win32/bin/bench_limit.exe")"
