#!/usr/bin/env python3
"""Mutation run: how many small faults planted in Korvel's core libraries do the tests catch?

Each mutant changes one site of the source (flips a comparison, shifts a bound by one, drops a
call, swaps && and ||), rebuilds only the test programs of the library it lives in, runs them
under a timeout and records whether any of them failed ("killed") or all passed ("survived").
The source file is restored after every mutant, also when the run is interrupted.

Sites are chosen deterministically: every candidate site of a library is listed in a sorted
order and a fixed number of them is drawn with a fixed seed, so two runs on the same source
mutate the same sites whatever the tests look like.

    tools/mutate/mutate.py --source TREE [--source TREE2 ...] [--list] [--out results.tsv]

TREE is a copy of the repository (e.g. `git archive` of a commit) that the run may edit, built in
TREE/build (configured with Ninja on first use). Given several copies of one source with different
tests (before and after a change of the tests), a mutant the first copy's tests kill is judged by
the other copies too: whether they still catch it. Its object files are then built once and come
from the compiler cache for the other copies.
"""

import argparse
import glob
import os
import random
import re
import signal
import subprocess
import sys
import time

# Where mutants are planted, how many per library, which test programs judge
# them (the first to fail kills the mutant) and which programs those tests
# start. Each library's own tests: a mutant is built and judged in a minute.
AREAS = [
    {
        "name": "checker core",
        "files": "src/checker/core/*.cpp",
        "count": 32,
        "tests": ["test_checker", "test_checkeridents", "test_checkerheaders", "test_checkerkinds"],
        "helpers": [],
    },
    {
        "name": "key handler",
        "files": "src/editor/EditorKeys.cpp",
        "count": 16,
        "tests": ["tst_editor"],
        "helpers": [],
    },
    {
        "name": "formats",
        "files": "src/formats/*.cpp",
        "count": 16,
        "tests": ["test_formats", "test_korvelcheck", "test_checkerkinds"],
        "helpers": ["korvel-check"],
    },
    {
        "name": "dialog table",
        "files": "src/dialogtable/*.cpp",
        "count": 16,
        "tests": ["tst_dialogtable"],
        "helpers": [],
    },
]

RELATIONAL_FLIP = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
RELATIONAL_BOUND = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
LOGICAL_SWAP = {"&&": "||", "||": "&&"}

# A binary operator as clang-format writes it: spaced on both sides (which keeps template
# brackets, shifts and arrows out).
SPACED_OPERATOR = re.compile(r"(?<= )(==|!=|<=|>=|<|>|&&|\|\|)(?= )")
CALL_STATEMENT = re.compile(r"^(\s*)((?:[A-Za-z_]\w*(?:::|\.|->))*[A-Za-z_]\w*)\((.*)\);\s*$")
NOT_A_CALL = {"return", "if", "while", "for", "switch", "case", "delete", "throw", "sizeof",
              "static_assert", "Q_ASSERT", "Q_UNUSED", "Q_EMIT", "emit", "do", "else"}
# Calls that change only speed or memory: dropping them cannot be caught.
NO_EFFECT = {"reserve", "squeeze", "shrink_to_fit"}
STATEMENT_ENDS = (";", "{", "}", ")", ":", "else")


def mask_literals(line):
    """The line with string and character literals blanked and a // comment cut off."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("xx")
                i += 2
                continue
            out.append(c if c == quote else "x")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def balanced(text):
    depth = 0
    for c in text:
        depth += c == "("
        depth -= c == ")"
        if depth < 0:
            return False
    return depth == 0


def candidate_sites(root, relpath):
    """Every site of one file: (file, line number, column, kind, original, replacement)."""
    with open(os.path.join(root, relpath), encoding="utf-8") as f:
        lines = f.read().split("\n")
    sites = []
    in_block_comment = False
    previous = ""
    for number, line in enumerate(lines, 1):
        text = mask_literals(line)
        if in_block_comment:
            if "*/" not in text:
                continue
            in_block_comment = False
            text = " " * (text.index("*/") + 2) + text[text.index("*/") + 2:]
        if "/*" in text:
            in_block_comment = "*/" not in text[text.index("/*"):]
            text = text[:text.index("/*")]
        stripped = text.strip()
        if not stripped or stripped.startswith("#"):
            continue
        for match in SPACED_OPERATOR.finditer(text):
            op = match.group(1)
            col = match.start()
            if op in LOGICAL_SWAP:
                sites.append((relpath, number, col, "swap-logic", op, LOGICAL_SWAP[op]))
                continue
            sites.append((relpath, number, col, "flip-comparison", op, RELATIONAL_FLIP[op]))
            if op in RELATIONAL_BOUND:
                sites.append((relpath, number, col, "shift-bound", op, RELATIONAL_BOUND[op]))
        call = CALL_STATEMENT.match(text)
        if (call and balanced(call.group(3)) and call.group(2).split("::")[0] not in NOT_A_CALL
                and re.split(r"::|\.|->", call.group(2))[-1] not in NO_EFFECT
                and previous.endswith(STATEMENT_ENDS)):
            sites.append((relpath, number, len(call.group(1)), "drop-call", line.strip(), ";"))
        previous = stripped
    return sites


def chosen_sites(root, seed):
    """The sites of every library, taken in turns, so that a run cut short has judged each."""
    per_area = []
    for area in AREAS:
        files = sorted(os.path.relpath(p, root) for p in glob.glob(os.path.join(root, area["files"])))
        sites = sorted(s for f in files for s in candidate_sites(root, f))
        picked = random.Random(seed).sample(sites, min(area["count"], len(sites)))
        per_area.append([(area, site) for site in sorted(picked)])
    chosen = []
    for turn in range(max(len(sites) for sites in per_area)):
        chosen.extend(sites[turn] for sites in per_area if turn < len(sites))
    return chosen


def apply_site(original, site):
    _, number, col, kind, before, after = site
    lines = original.split("\n")
    line = lines[number - 1]
    if kind == "drop-call":
        lines[number - 1] = line[:col] + after
    else:
        assert line[col:col + len(before)] == before, (site, line)
        lines[number - 1] = line[:col] + after + line[col + len(before):]
    return "\n".join(lines)


def run(command, timeout=None, **kwargs):
    try:
        return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout, **kwargs).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def build(build_dir, targets, jobs):
    return run(["cmake", "--build", build_dir, "-j", str(jobs), "--target", *targets]) == 0


def failing_tests(build_dir, tests, timeout, env):
    """The first test program of `tests` that fails (or hangs), or None when all pass."""
    for test in tests:
        result = run(["ctest", "--test-dir", build_dir, "-R", "^%s$" % test, "--timeout",
                      str(timeout)], timeout=timeout + 30, env=env)
        if result != 0:
            return test
    return None


def prepare(root, build_dir, jobs, timeout, env):
    """Configures and builds the tree's test programs; exits when they do not pass unchanged."""
    if not os.path.exists(os.path.join(build_dir, "build.ninja")):
        if run(["cmake", "-S", root, "-B", build_dir, "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]) != 0:
            sys.exit("mutate: cannot configure %s" % build_dir)
    if not build(build_dir, every_target(), jobs):
        sys.exit("mutate: the unchanged source of %s does not build" % root)
    every_test = sorted({t for area in AREAS for t in area["tests"]})
    broken = [t for t in every_test if failing_tests(build_dir, [t], timeout, env)]
    if broken:
        sys.exit("mutate: these tests fail on the unchanged source of %s: %s" % (root, " ".join(broken)))


def every_target():
    return sorted({t for area in AREAS for t in area["tests"] + area["helpers"]})


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", required=True, action="append",
                        help="repository copy the run may edit; given again, the same mutants are judged by "
                             "each copy's tests in turn (copies of one source, e.g. before and after a "
                             "change of the tests)")
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=120, help="seconds per test program")
    parser.add_argument("--list", action="store_true", help="print the chosen sites and stop")
    parser.add_argument("--out", help="write one tab-separated line per mutant and copy here")
    args = parser.parse_args()

    roots = [os.path.abspath(source) for source in args.source]
    sites = chosen_sites(roots[0], args.seed)
    if any(chosen_sites(root, args.seed) != sites for root in roots[1:]):
        sys.exit("mutate: the copies differ in their sources: their mutants would differ")
    if args.list:
        for area, site in sites:
            print("%s\t%s:%d:%d\t%s\t%s -> %s" % (area["name"], *site[:3], *site[3:]))
        return 0

    # The corpus tests only read real scripts through unchanged code paths;
    # leaving them out keeps a mutant's run short.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("KORVEL_CORPUS", None)
    for root in roots:
        prepare(root, os.path.join(root, "build"), args.jobs, args.timeout, env)

    out = open(args.out, "w") if args.out else None
    tally = {root: {} for root in roots}
    current = {}

    def restore(*_):
        for path, text in current.items():
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        current.clear()

    signal.signal(signal.SIGTERM, lambda *_: (restore(), sys.exit(1)))
    try:
        for index, (area, site) in enumerate(sites, 1):
            for root in roots:
                # A later copy judges only what the first one killed: a mutant the first copy's
                # tests let through says nothing about whether the later copy lost a catch.
                if root != roots[0] and outcome != "killed":
                    continue
                build_dir = os.path.join(root, "build")
                path = os.path.join(root, site[0])
                with open(path, encoding="utf-8") as f:
                    original = f.read()
                current[path] = original
                with open(path, "w", encoding="utf-8") as f:
                    f.write(apply_site(original, site))
                started = time.time()
                if not build(build_dir, area["tests"] + area["helpers"], args.jobs):
                    outcome, by = "not-compiled", "-"
                else:
                    by = failing_tests(build_dir, area["tests"], args.timeout, env)
                    outcome = "killed" if by else "survived"
                restore()
                counts = tally[root].setdefault(area["name"], {})
                counts[outcome] = counts.get(outcome, 0) + 1
                line = "%s\t%s\t%s:%d:%d\t%s\t%s -> %s\t%s\t%s\t%.0fs" % (
                    root, area["name"], *site[:3], site[3], site[4], site[5], outcome, by or "-",
                    time.time() - started)
                print("[%d/%d] %s" % (index, len(sites), line), flush=True)
                if out:
                    out.write(line + "\n")
                    out.flush()
    finally:
        restore()
        for root in roots:
            build(os.path.join(root, "build"), every_target(), args.jobs)

    for root in roots:
        print(root)
        total = {}
        for name, counts in tally[root].items():
            print("  %-13s %s" % (name, "  ".join("%s %d" % kv for kv in sorted(counts.items()))))
            for k, v in counts.items():
                total[k] = total.get(k, 0) + v
        print("  %-13s %s" % ("all", "  ".join("%s %d" % kv for kv in sorted(total.items()))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
