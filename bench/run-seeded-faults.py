#!/usr/bin/env python3
"""Seeded faults: does korvel-check find one deliberate mistake, and what does it cost?

Takes the scripts of a folder that korvel-check passes without an error,
puts one fault of each kind into a copy of each, checks the copies, and
prints per kind how often the fault is reported on its own line (for a
removed closing brace: on the header that opened the block) and how many
errors each fault costs. Then the totals of the whole folder.

  bench/run-seeded-faults.py [--korvel-check PATH] [--before PATH] [--check] [FOLDER]

FOLDER is $KORVEL_CORPUS (or ../shared/corpus beside the checkout) unless
given. --before names an older korvel-check whose folder totals are printed
beside this one's. --check makes it a test: the exit status is 1 when any
kind is found less often than --min-found percent (default 97).
"""
import argparse
import json
import os
import random
import re
import subprocess
import sys
import tempfile

ROOT_STATES = {1, 0x75000}
HEADER = re.compile(r"^\s*(alias|on|dialog|menu|ctcp|raw)\s", re.I)
ON_HEADER = re.compile(r"^(\s*on\s+(?:me:)?[^:\s]*:)([a-z]+)(:)", re.I)
IDENTIFIER_CALL = re.compile(r"\$[a-z][a-z0-9.]*\(", re.I)
CONTROL = re.compile(r"^(\s*)(text|button|edit|check|radio|box|scroll|link|list|combo)\s+(.*)$", re.I)
TEXT_CONTROLS = {"text", "button", "edit", "check", "radio", "box", "scroll", "link"}
KINDS = ["misspelt event", "stray } at root", "dropped ) of a call", "dropped dialog ID", "removed closing }"]


def run_check(checker, files, trace=False):
    """korvel-check's JSON report of files: {file: ([errors (line, message)], {line: state})}."""
    results = {f: ([], {}) for f in files}
    for start in range(0, len(files), 200):
        chunk = files[start:start + 200]
        args = [checker, "--format=json"] + (["--trace"] if trace else []) + chunk
        out = subprocess.run(args, capture_output=True, text=True, errors="replace").stdout
        current = None
        for row in out.splitlines():
            if row.startswith("{"):
                d = json.loads(row)
                current = d["file"]
                if d.get("type") == 3:
                    results[current][0].append((d["line"], d["message"]))
            elif trace and current is not None:
                fields = row.split("\t")
                results[current][1][int(fields[0])] = int(fields[1])
    return results


def totals(checker, files):
    res = run_check(checker, files)
    return sum(len(e) for e, _ in res.values()), sum(1 for e, _ in res.values() if e)


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    text = data.decode("utf-8", errors="replace").replace("\r\n", "\n").replace("\r", "\n")
    return text.split("\n")


def state_before(states, line):
    return states.get(line - 1, 1) if line > 1 else 1


# Each seeder returns (new lines, line where the fault must be reported) or None.
def misspell_event(lines, states, rnd):
    sites = [i for i, l in enumerate(lines) if state_before(states, i + 1) in ROOT_STATES and ON_HEADER.match(l)]
    if not sites:
        return None
    i = rnd.choice(sites)
    m = ON_HEADER.match(lines[i])
    name = m.group(2)
    wrong = name[0] + name[2] + name[1] + name[3:] if len(name) > 2 and name[1] != name[2] else name + "x"
    out = list(lines)
    out[i] = lines[i][:m.start(2)] + wrong + lines[i][m.end(2):]
    return out, i + 1


def stray_brace(lines, states, rnd):
    sites = [i for i in range(len(lines) - 1)
             if states.get(i + 1) in ROOT_STATES and HEADER.match(lines[i + 1]) and not lines[i + 1].startswith(" ")]
    if not sites:
        return None
    i = rnd.choice(sites)
    return lines[:i + 1] + ["}"] + lines[i + 1:], i + 2


def drop_parenthesis(lines, states, rnd):
    sites = []
    for i, l in enumerate(lines):
        if state_before(states, i + 1) in ROOT_STATES or l.lstrip().startswith(";"):
            continue
        for m in IDENTIFIER_CALL.finditer(l):
            depth, j = 0, m.end() - 1
            while j < len(l):
                depth += {"(": 1, ")": -1}.get(l[j], 0)
                if depth == 0:
                    break
                j += 1
            if j < len(l):
                sites.append((i, j))
            break
    if not sites:
        return None
    i, j = rnd.choice(sites)
    out = list(lines)
    out[i] = lines[i][:j] + lines[i][j + 1:]
    return out, i + 1


def drop_dialog_id(lines, states, rnd):
    sites = []
    for i, l in enumerate(lines):
        if states.get(i) not in (0x100, 0x100 + 0x75000):
            continue
        m = CONTROL.match(l)
        if not m:
            continue
        fields = m.group(3).split(",")
        id_index = 1 if m.group(2).lower() in TEXT_CONTROLS else 0
        if len(fields) > id_index + 1 and fields[id_index].strip().isdigit():
            sites.append((i, m, fields, id_index))
    if not sites:
        return None
    i, m, fields, id_index = rnd.choice(sites)
    del fields[id_index]
    out = list(lines)
    out[i] = m.group(1) + m.group(2) + " " + ",".join(fields).lstrip()
    return out, i + 1


def remove_closing_brace(lines, states, rnd):
    sites = []
    for i, l in enumerate(lines):
        if l.strip() == "}" and states.get(i + 1) in ROOT_STATES and state_before(states, i + 1) not in ROOT_STATES:
            header = i
            while header > 0 and state_before(states, header + 1) not in ROOT_STATES:
                header -= 1
            sites.append((i, header))
    if not sites:
        return None
    i, header = rnd.choice(sites)
    return lines[:i] + lines[i + 1:], header + 1


SEEDERS = [misspell_event, stray_brace, drop_parenthesis, drop_dialog_id, remove_closing_brace]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", nargs="?",
                        default=os.environ.get("KORVEL_CORPUS", os.path.join(here, "..", "..", "shared", "corpus")))
    parser.add_argument("--korvel-check", default=os.path.join(here, "..", "build", "bin", "korvel-check"))
    parser.add_argument("--before")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--min-found", type=float, default=97.0)
    args = parser.parse_args()
    if not os.path.isdir(args.folder):
        print(f"no folder {args.folder} (set KORVEL_CORPUS)", file=sys.stderr)
        return 2
    files = sorted(os.path.join(args.folder, f) for f in os.listdir(args.folder)
                   if f.lower().endswith(".mrc"))
    clean = run_check(args.korvel_check, files, trace=True)
    clean_files = [f for f in files if not clean[f][0]]
    print(f"scripts: {len(files)}, of which {len(clean_files)} check without an error")

    rnd = random.Random(1)
    failed = False
    with tempfile.TemporaryDirectory() as work:
        print(f"{'fault':22} {'seeded':>6} {'found on its line':>18} {'errors per fault':>17}")
        all_errors = all_seeded = 0
        for kind, seeder in zip(KINDS, SEEDERS):
            seeded = {}
            for n, f in enumerate(clean_files):
                made = seeder(read_lines(f), clean[f][1], rnd)
                if made:
                    path = os.path.join(work, f"{kind[:4].strip()}-{n}-{os.path.basename(f)}")
                    with open(path, "w", encoding="utf-8", newline="\r\n") as out:
                        out.write("\n".join(made[0]))
                    seeded[path] = made[1]
            if not seeded:
                print(f"{kind:22} {0:>6}")
                continue
            checked = run_check(args.korvel_check, list(seeded))
            found = sum(1 for p, line in seeded.items() if any(l == line for l, _ in checked[p][0]))
            errors = sum(len(checked[p][0]) for p in seeded)
            all_errors += errors
            all_seeded += len(seeded)
            share = 100.0 * found / len(seeded)
            print(f"{kind:22} {len(seeded):>6} {share:>17.1f}% {errors / len(seeded):>17.2f}")
            missed = [f"{os.path.basename(p)}:{line}" for p, line in seeded.items()
                      if not any(l == line for l, _ in checked[p][0])]
            if missed:
                print("    not found: " + ", ".join(missed[:5]) + (" ..." if len(missed) > 5 else ""))
            if share < args.min_found:
                failed = True
        if all_seeded:
            print(f"{'all kinds':22} {all_seeded:>6} {'':>18} {all_errors / all_seeded:>17.2f}")

    errors, with_errors = sum(len(e) for e, _ in clean.values()), sum(1 for e, _ in clean.values() if e)
    if args.before:
        before_errors, before_with = totals(args.before, files)
        drop = 100.0 * (before_errors - errors) / before_errors if before_errors else 0.0
        print(f"folder before: {before_errors} errors in {before_with} files")
        print(f"folder after:  {errors} errors in {with_errors} files ({drop:.1f}% fewer errors)")
    else:
        print(f"folder: {errors} errors in {with_errors} files")
    print(f"target: at least {args.min_found:g}% found of every kind, at most 1.2 errors per fault")
    return 1 if args.check and failed else 0


if __name__ == "__main__":
    sys.exit(main())
