#!/usr/bin/env python3
"""Measures what the tests catch: plants one fault at a time (the mutants of
tests/mutants/*.mut), rebuilds, runs the tests and says for each whether a
test failed (killed), none did (survived) or its original text is gone
(stale). Works on a copy of the tree in a folder of its own, so the tree it
is run from is never changed; that copy keeps its build between runs.

Usage: python3 tests/mutants/run.py [FILE.mut ...] [--only ID[,ID...]]
           [--out FILE] [--work DIR] [--list] [--matrix]
Run by hand, not in CI: one pass takes long (see the README of the folder).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TEST_DIRS = ("native", "fuzz", "win32", "wintest")
# The fuzz targets' runs and the 32-bit build's checks serve only the mutants
# whose `tests:` names them, so that a pass over the others takes no longer.
ON_REQUEST = ("fuzz", "win32")


class Mutant:
    def __init__(self, ident, what, source):
        self.ident, self.what, self.source = ident, what, source
        self.path, self.tests = "", None
        self.original, self.replacement = [], []


def parse(path):
    """Reads one .mut file into its mutants (see common format)."""
    mutants, current, part = [], None, None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for line in lines:
        if line.startswith("==="):
            head = line[3:].strip()
            ident, _, what = head.partition(":")
            current = Mutant(ident.strip(), what.strip(), os.path.basename(path))
            mutants.append(current)
            part = "head"
        elif current is None or (part == "head" and line.startswith("#")):
            continue
        elif part == "head" and line.startswith("tests:"):
            current.tests = line[len("tests:"):].strip()
        elif part == "head" and line.startswith("--- "):
            current.path = line[4:].strip()
            part = "original"
        elif part == "original" and line == "+++":
            part = "replacement"
        elif part == "original":
            current.original.append(line)
        elif part == "replacement":
            current.replacement.append(line)
    for m in mutants:
        # Blank lines and comment lines ("# " as in this file's headings) that
        # close a block belong to the file, not to the replacement.
        while m.replacement and (m.replacement[-1].strip() == "" or m.replacement[-1].startswith("# ")):
            m.replacement.pop()
        m.original = "\n".join(m.original)
        m.replacement = "\n".join(m.replacement)
    return mutants


def run(command, cwd, log, timeout=None):
    with open(log, "a") as out:
        out.write("\n$ " + " ".join(command) + "\n")
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write("(timed out)\n")
            return -1


def copy_tree(work):
    """Brings the scratch copy up to the tree as it is now, working changes
    included; unchanged files are left alone, so the build stays warm."""
    src = os.path.join(work, "src")
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                            check=True, stdout=subprocess.PIPE).stdout.decode().split("\0")
    wanted = set(n for n in listed if n and os.path.isfile(os.path.join(ROOT, n)))
    for name in wanted:
        source, target = os.path.join(ROOT, name), os.path.join(src, name)
        with open(source, "rb") as f:
            content = f.read()
        if os.path.exists(target):
            with open(target, "rb") as f:
                if f.read() == content:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(source, target)
        shutil.copymode(source, target)
    for folder, dirs, files in os.walk(src):
        if folder == src and "build" in dirs:
            dirs.remove("build")
        for n in files:
            if os.path.relpath(os.path.join(folder, n), src) not in wanted:
                os.remove(os.path.join(folder, n))
    return src


def test_names(src):
    """The ctest entries of each test folder there is."""
    names = {}
    link = os.path.join(src, "build", "wintest")
    wintest_is_win32 = os.path.islink(link) and os.readlink(link) == "win32"
    for d in TEST_DIRS:
        folder = os.path.join(src, "build", d)
        if not os.path.isdir(folder) or (d == "win32" and wintest_is_win32):
            continue
        out = subprocess.run(["ctest", "-N"], cwd=folder, stdout=subprocess.PIPE).stdout.decode()
        names[d] = re.findall(r"Test +#\d+: (\S+)", out)
        # As in scripts/run-tests.sh: where Wine runs no 32-bit programs, the
        # 32-bit build only has its size and release checks to run.
        if d == "win32":
            names[d] = [n for n in names[d] if re.match(r"(size|release)[.]", n)]
    return names


def chosen_tests(mutant, d, names, every=False):
    """The tests of folder d to run for the mutant: those its regex names, or
    with none given all of them, except in a folder run on request only; with
    every, all of them besides those named."""
    if every and d not in ON_REQUEST:
        return names[d]
    if mutant.tests:
        return [n for n in names[d] if re.search(mutant.tests, n)]
    return [] if d in ON_REQUEST else names[d]


def exactly(names):
    """A ctest -R regex that matches just these names."""
    literal = lambda n: "".join(c if c.isalnum() or c == "_" else "[" + c + "]" for c in n)
    return "^(" + "|".join(literal(n) for n in names) + ")$"


def build_and_test(src, mutant, names, log):
    """Builds and tests one folder after the other, skipping a folder that has
    none of the mutant's tests; the first failure ends it."""
    for d in names:
        tests = chosen_tests(mutant, d, names)
        if not tests:
            continue
        if run(["cmake", "--build", os.path.join(src, "build", d)], src, log, 900) != 0:
            return "killed (build)"
        command = ["ctest", "--stop-on-failure", "--timeout", "300", "-R", exactly(tests)]
        if run(command, os.path.join(src, "build", d), log) != 0:
            return "killed"
    return "survived"


def catchers(src, mutant, names, log):
    """Every test case that fails with the mutant planted, each test run to its
    end: "ctest name: case" for each, and "ctest name: @file:line" for each
    failing check, so that a case or check that alone catches a fault shows."""
    found = set()
    for d in names:
        tests = chosen_tests(mutant, d, names, every=True)
        if not tests:
            continue
        if run(["cmake", "--build", os.path.join(src, "build", d)], src, log, 900) != 0:
            return {"(build)"}
        output = subprocess.run(["ctest", "--output-on-failure", "--timeout", "300", "-R", exactly(tests)],
                                cwd=os.path.join(src, "build", d), stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT).stdout.decode(errors="replace").replace("\r", "")
        with open(log, "a") as out:
            out.write(output)
        test = "?"
        for line in output.split("\n"):
            started = re.search(r"Test +#\d+: (\S+)", line)
            case = re.search(r"TEST CASE:\s+(.*\S)", line)
            check = re.search(r"(\w+\.(?:cpp|c|h))[:(](\d+)\)?:? (?:FATAL )?ERROR", line)
            test = started.group(1) if started else test
            if case or check:
                found.add(test + ": " + (case.group(1) if case else "@%s:%s" % check.groups()))
        # A test that failed without naming a case (a crash, a time-out) counts as one whole.
        for failed in re.findall(r"\d+ - (\S+) \(", output):
            if not any(f.startswith(failed + ": ") for f in found):
                found.add(failed)
    return found


def matrix(src, mutants, names, log, out):
    """Plants each mutant and tells every case and check that catches it, then
    for each case how many mutants it alone catches."""
    caught = {}
    for m in mutants:
        found = try_mutant(src, m, names, log, catchers)
        caught[m.ident] = None if found == "stale" else found
        print("%-28s %s" % (m.ident, "stale" if found == "stale" else " || ".join(sorted(found))), flush=True)
    build(src, names, log)
    cases = {}
    for ident, found in caught.items():
        named = [c for c in found or () if ": @" not in c]
        for c in named:
            cases.setdefault(c, [0, []])[0] += 1
            if len(named) == 1:
                cases[c][1].append(ident)
    lines = ["| mutant | caught by |", "| --- | --- |"]
    lines += ["| %s | %s |" % (i, "stale" if f is None else "<br>".join(sorted(f)) or "nothing") for i, f in caught.items()]
    lines += ["", "| case | catches | alone |", "| --- | --- | --- |"]
    lines += ["| %s | %d | %s |" % (c, n, ", ".join(alone) or "none") for c, (n, alone) in sorted(cases.items())]
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")
    print("Written to " + out)
    return 0


def build(src, names, log):
    return all(run(["cmake", "--build", os.path.join(src, "build", d)], src, log, 900) == 0 for d in names)


def try_mutant(src, m, names, log, test=build_and_test):
    """Plants the mutant, runs test(src, m, names, log) and takes the mutant
    out again; "stale" when its original text is not there exactly once."""
    target = os.path.join(src, m.path)
    try:
        with open(target, encoding="utf-8", newline="") as f:
            text = f.read()
    except OSError:
        return "stale"
    if text.count(m.original) != 1:
        return "stale"
    with open(log, "a") as out:
        out.write("\n==== %s (%s)\n" % (m.ident, m.what))
    try:
        with open(target, "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(m.original, m.replacement))
        return test(src, m, names, log)
    finally:
        # Written anew, so that the next build compiles the file again.
        with open(target, "w", encoding="utf-8", newline="") as f:
            f.write(text)


def inner(args, mutants):
    src, log = args.src, args.log
    if args.matrix:
        return matrix(src, mutants, test_names(src), log, args.out)
    results = []
    start_all = time.time()
    names = test_names(src)
    for m in mutants:
        start = time.time()
        verdict = try_mutant(src, m, names, log)
        seconds = time.time() - start
        results.append((m, verdict, seconds))
        print("%-28s %-15s %6.0f s" % (m.ident, verdict, seconds), flush=True)
    build(src, names, log)  # leaves the copy built from the unchanged tree
    lines = ["| mutant | result | seconds | what a user would notice |", "| --- | --- | --- | --- |"]
    for m, verdict, seconds in results:
        lines.append("| %s | %s | %.0f | %s |" % (m.ident, verdict, seconds, m.what))
    counts = {}
    for _, verdict, _ in results:
        key = verdict.split(" ")[0]
        counts[key] = counts.get(key, 0) + 1
    lines.append("")
    lines.append("%d mutants: %d killed, %d survived, %d stale; %.0f s in all" % (
        len(results), counts.get("killed", 0), counts.get("survived", 0), counts.get("stale", 0),
        time.time() - start_all))
    table = "\n".join(lines)
    print("\n" + table)
    with open(args.out, "w") as f:
        f.write(table + "\n")
    print("Written to %s; the build and test output is in %s" % (args.out, log))
    return 0


def main():
    parser = argparse.ArgumentParser(description="Plants each mutant in a copy of the tree and runs the tests.")
    parser.add_argument("files", nargs="*", help=".mut files (default: tests/mutants/*.mut)")
    parser.add_argument("--only", help="comma-separated mutant ids to run")
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "mutants.md"), help="where the table goes")
    parser.add_argument("--work", default=os.path.join(os.environ.get("TMPDIR", "/tmp"),
                                                      "quenvolet-mutants-" + os.path.basename(ROOT)),
                        help="the scratch copy and its build (kept between runs)")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--matrix", action="store_true",
                        help="run every test to its end and tell each case and check that catches each mutant")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--src", help=argparse.SUPPRESS)
    parser.add_argument("--log", help=argparse.SUPPRESS)
    args = parser.parse_args()

    files = args.files or sorted(os.path.join(ROOT, "tests", "mutants", n)
                                 for n in os.listdir(os.path.join(ROOT, "tests", "mutants")) if n.endswith(".mut"))
    mutants = [m for f in files for m in parse(f)]
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in mutants if m.ident in wanted]
    if args.list or not mutants:
        for m in mutants:
            try:
                found = open(os.path.join(ROOT, m.path), encoding="utf-8", newline="").read().count(m.original)
            except OSError:
                found = 0
            print("%-28s %-24s %s%s" % (m.ident, m.path, "" if found == 1 else "[NOT FOUND ONCE] ", m.what))
        return 0 if mutants else 1
    if args.inner:
        return inner(args, mutants)

    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    src = copy_tree(args.work)
    log = os.path.join(args.work, "log.txt")
    open(log, "w").close()
    print("Copy of the tree: %s; building it once ..." % src, flush=True)
    if subprocess.run(["bash", "scripts/build.sh"], cwd=src, stdout=open(log, "a"), stderr=subprocess.STDOUT).returncode:
        print("The unchanged tree does not build; see " + log)
        return 1
    # One Xvfb display and one Wine prefix for the whole pass.
    command = ["bash", os.path.join(src, "scripts", "with-wine.sh"), sys.executable, os.path.abspath(__file__),
               "--inner", "--src", src, "--log", log, "--out", os.path.abspath(args.out)] + \
              [os.path.abspath(f) for f in files] + (["--only", args.only] if args.only else []) + \
              (["--matrix"] if args.matrix else [])
    return subprocess.run(command).returncode


if __name__ == "__main__":
    sys.exit(main())
