"""Turns the driver's measurements into the benchmark table (printed) and
build/bench/results.csv. Arguments: folder, Wine architecture, runs,
instruction count, sizes of Quenvolt.exe, QVconfig.exe and the limit program."""
import csv
import statistics
import sys

folder, arch, runs, instructions, bar_size, editor_size, limit_size = sys.argv[1:8]

starts = {}
memory = {}
with open(f"{folder}/starts.csv") as f:
    for row in csv.DictReader(f):
        starts.setdefault(row["case"], []).append(float(row["start_ms"]))
        # Wine leaves PrivateUsage of another process at 0; its commit charge is the pagefile usage.
        private = int(row["private_bytes"]) or int(row["pagefile_usage"])
        memory.setdefault(row["case"], []).append((int(row["peak_working_set"]), private))
clicks = []
try:
    with open(f"{folder}/clicks.csv") as f:
        clicks = [float(r["click_ms"]) for r in csv.DictReader(f)]
except FileNotFoundError:
    pass

median = {k: statistics.median(v) for k, v in starts.items()}
rows = []


def add(measure, value, reference="", ratio="", target=""):
    rows.append((measure, value, reference, ratio, target))


build = ("x86_64 tier: 64-bit build under wine64" if arch == "x86_64" else "i686 tier: 32-bit deliverables under 32-bit Wine")
for n in ("24", "0"):
    b, fl, li = median[f"bar{n}"], median[f"floor{n}"], median[f"limit{n}"]
    add(f"start to painted, {n} buttons, bar (median ms)", f"{b:.1f}", f"floor {fl:.1f}", f"{b / fl:.2f}", "<= 1.10")
    add(f"start to painted, {n} buttons, bar / limit", f"{b:.1f}", f"limit {li:.1f}", f"{b / li:.2f}", "")
    add(f"start to painted, {n} buttons, floor / limit", f"{fl:.1f}", f"limit {li:.1f}", f"{fl / li:.2f}", "")
peak = lambda case, i: max(m[i] for m in memory[case])
for label, i in (("peak working set (KiB)", 0), ("private bytes or pagefile usage (KiB)", 1)):
    b, fl, li = peak("bar24", i), peak("floor24", i), peak("limit24", i)
    add(f"{label}, 24 buttons, bar / limit", str(b // 1024), f"limit {li // 1024}", f"{b / li:.2f}", "<= 1.2")
    add(f"{label}, 24 buttons, bar / floor", str(b // 1024), f"floor {fl // 1024}", f"{b / fl:.2f}", "")
if clicks:
    add("click to child start (median ms)", f"{statistics.median(clicks):.1f}", f"{len(clicks)} clicks", "", "")
add("Quenvolt.exe stripped, 32-bit (bytes)", bar_size, f"limit program {limit_size}", "", "<= 131072")
add("QVconfig.exe stripped, 32-bit (bytes)", editor_size or "not built", "", "", "<= 524288")
add("native core, 24 buttons loaded and command lines built (instructions)", instructions, "callgrind", "", "")
if "editor24" in median:
    e, d = median["editor24"], median["dialog"]
    add("start to painted, editor with 24 buttons (median ms)", f"{e:.1f}", f"minimal dialog {d:.1f}", f"{e / d:.2f}", "")
try:
    with open(f"{folder}/icons.csv") as f:
        icons = list(csv.DictReader(f))
    paint = statistics.median(float(r["first_paint_ms"]) for r in icons)
    every = statistics.median(float(r["extract_all_ms"]) for r in icons)
    add("change icon dialog, 256 icons: first paint (median ms)", f"{paint:.1f}", f"extract all {every:.1f}",
        f"{paint / every:.2f}", "")
    add("change icon dialog, 256 icons: icons extracted by the first paint", icons[0]["images"], "of 256", "", "")
except FileNotFoundError:
    pass

print(f"Quenvolet benchmark: {build}; {runs} runs per case, interleaved")
widths = [max(len(str(r[i])) for r in rows + [("measure", "value", "against", "ratio", "target")]) for i in range(5)]
for r in [("measure", "value", "against", "ratio", "target")] + rows:
    print("  ".join(str(c).ljust(w) for c, w in zip(r, widths)))
with open(f"{folder}/results.csv", "w", newline="") as f:
    w = csv.writer(f)
    w.writerow(["build", build])
    w.writerow(["measure", "value", "against", "ratio", "target"])
    w.writerows(rows)
print(f"CSV: {folder}/results.csv")
