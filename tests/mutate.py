#!/usr/bin/env python3
"""Mutation pass over src/: applies one small change at a time, builds the
dev preset's build and runs its tests (all but the lint checks), and reports
every change that builds and passes them: a hole in the tests, or a change
that alters nothing.

    tests/mutate.py [--shard I/N] [--only FILE...] [--list] [--log FILE [--resume]]

Run it in a checkout whose dev build exists (cmake --preset dev). Shards let
several checkouts (git worktree add) share the work. Not part of CI: a full
pass takes about an hour on two cores.

The changes: a comparison turned around or made strict, && for ||, & for |,
+ for -, an integer or character literal one up or down, an increment or a
negation dropped, a statement deleted.
"""
import argparse
import json
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "dev"

SWAPS = [
    (" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
    (" < ", " > "), (" > ", " < "), (" <= ", " >= "), (" >= ", " <= "),
    (" == ", " != "), (" != ", " == "),
    (" && ", " || "), (" || ", " && "),
    (" & ", " | "), (" | ", " & "), (" &= ", " |= "), (" |= ", " &= "),
    (" + ", " - "), (" - ", " + "), (" += ", " -= "), (" -= ", " += "),
]
INTEGER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)(?![\w.])")
CHARACTER = re.compile(r"'(\\?.)'")


def masked(line):
    """The line with the insides of string and character literals and any
    comment blanked out, so that changes land only in code."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(c if c == quote else " ")
            quote = None if c == quote else quote
        elif line.startswith("//", i):
            break
        else:
            quote = c if c in "\"'" else None
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def is_code(line):
    s = line.strip()
    return s and not s.startswith(("//", "#", "*", "/*"))


def mutants(path):
    lines = path.read_text().split("\n")
    for n, line in enumerate(lines):
        if not is_code(line):
            continue
        code = masked(line)
        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), code):
                yield n, line[: m.start()] + new + line[m.end():], f"{m.start() + 1}: {old.strip()} -> {new.strip()}"
        for m in INTEGER.finditer(code):
            text = m.group(1)
            value = int(text, 0)
            for delta in (1, -1):
                if value + delta < 0:
                    continue
                spelt = hex(value + delta) if text.lower().startswith("0x") else str(value + delta)
                yield n, line[: m.start()] + spelt + line[m.end():], f"{m.start() + 1}: {text} -> {spelt}"
        for m in CHARACTER.finditer(line):
            if code[m.start()] != "'" or len(m.group(1)) != 1:
                continue
            for delta in (1, -1):
                spelt = repr(chr(ord(m.group(1)) + delta)).replace('"', "'")
                if "\\" in spelt:
                    continue
                yield n, line[: m.start()] + spelt + line[m.end():], f"{m.start() + 1}: {m.group(0)} -> {spelt}"
        for m in re.finditer(r"\+\+|--", code):
            yield n, line[: m.start()] + line[m.end():], f"{m.start() + 1}: drop {m.group(0)}"
        for m in re.finditer(r"!(?!=)", code):
            yield n, line[: m.start()] + line[m.end():], f"{m.start() + 1}: drop !"
        s = line.strip()
        if s.endswith(";") and not s.startswith(("return", "case", "default", "using", "}")):
            yield n, "", "delete statement"


def run(command, timeout):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def verdict():
    """'killed', 'survived' or 'no build' for the source as it stands."""
    if run(["cmake", "--build", str(BUILD)], 900) != 0:
        return "no build"
    # The unit tests fail fastest; the whole suite then decides.
    unit = BUILD / "tests" / "sysorient_unit_tests"
    if run([str(unit), "--gtest_fail_fast"], 20) != 0:
        return "killed"
    code = run(["ctest", "--test-dir", str(BUILD), "-E", "^lint", "--stop-on-failure",
                "--timeout", "120"], 1800)
    return "killed" if code != 0 else "survived"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--shard", default="1/1")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--log", default=None, help="append the results to this file")
    parser.add_argument("--resume", action="store_true", help="skip changes the log has")
    args = parser.parse_args()
    done = set()
    if args.resume and args.log and pathlib.Path(args.log).exists():
        done = {
            line.split(": ", 1)[1].strip()
            for line in open(args.log)
            if line[:1] in "ksn" and ": src/" in line
        }
    shard, shards = (int(x) for x in args.shard.split("/"))
    # Sources this build compiles (headers come with them); another
    # processor's path is for its own pass.
    compiled = {entry["file"] for entry in json.load(open(BUILD / "compile_commands.json"))}
    files = [f for f in sorted((ROOT / "src").glob("*.[ch]*"))
             if f.suffix == ".h" or str(f) in compiled]
    if args.only:
        files = [f for f in files if f.name in args.only]
    log = open(args.log, "a") if args.log else sys.stdout
    counts = {"killed": 0, "survived": 0, "no build": 0}
    index = 0
    for path in files:
        original = path.read_text()
        lines = original.split("\n")
        for n, changed, what in mutants(path):
            index += 1
            if index % shards != shard - 1:
                continue
            where = f"{path.relative_to(ROOT)}:{n + 1}: {what}"
            if where in done:
                continue
            if args.list:
                print(where)
                continue
            try:
                path.write_text("\n".join(lines[:n] + [changed] + lines[n + 1:]))
                result = verdict()
            finally:
                path.write_text(original)
            counts[result] += 1
            print(f"{result}: {where}\n    {lines[n].strip()}\n    {changed.strip()}", file=log,
                  flush=True)
    if args.list:
        return
    run(["cmake", "--build", str(BUILD)], 900)
    print(" ".join(f"{k}: {v}" for k, v in counts.items()), file=log, flush=True)


if __name__ == "__main__":
    main()
