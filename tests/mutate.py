#!/usr/bin/env python3
"""Mutation pass over src/: applies one small change at a time to a copy of
the tree, builds the copy's dev build and runs its tests (all but the lint
checks), and reports every change that builds and passes them: a hole in
the tests, or a change that alters nothing.

    tests/mutate.py [--since REV] [--only FILE...] [--shard I/N] [--list]
                    [--work DIR] [--log FILE [--resume]]

It never touches this checkout's src/: it copies the tracked files (as they
stand, uncommitted changes included) into --work (a temporary folder unless
given; a given one is kept, with its build, for the next run), configures
and builds the dev preset there, and refuses to start unless the unchanged
copy builds and passes. A change that leaves every object of the build as
it was (code of another platform) is "not built". Each change's tests get a
time limit of several
times the unchanged copy's own time; a change that runs past it is a
time-out, reported apart from the changes that a test caught. An interrupt
(Ctrl-C, kill -TERM) ends the running build or test and everything it
started. Changes listed in tests/mutate_equivalent.txt, which were judged
to alter nothing, are skipped.

--since REV mutates only the lines of src/ that changed since REV. Shards
let several runs (each with its own --work) share the work.

The changes: a comparison turned around or made strict, && for ||, & for |,
+ for -, an integer or character literal one up or down, an increment or a
negation dropped, a statement deleted.
"""
import argparse
import hashlib
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
EQUIVALENT = ROOT / "tests" / "mutate_equivalent.txt"
SLOWER = 5  # a change's tests may take this many times the baseline's

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


def mutants(text):
    """(line index, changed line, what) for every change of the source."""
    lines = text.split("\n")
    for n, line in enumerate(lines):
        if not is_code(line):
            continue
        code = masked(line)
        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), code):
                yield n, line[: m.start()] + new + line[m.end():], f"{m.start() + 1}: {old.strip()} -> {new.strip()}"
        for m in INTEGER.finditer(code):
            text_ = m.group(1)
            value = int(text_, 0)
            for delta in (1, -1):
                if value + delta < 0:
                    continue
                spelt = hex(value + delta) if text_.lower().startswith("0x") else str(value + delta)
                yield n, line[: m.start()] + spelt + line[m.end():], f"{m.start() + 1}: {text_} -> {spelt}"
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


# --- Child processes ---

RUNNING = []


def run(command, cwd, timeout):
    """The exit status of command, or "timeout". It runs in a process group
    of its own, which is ended whole at a time-out or an interrupt."""
    child = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
    RUNNING.append(child)
    try:
        return child.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        end_group(child)
        return "timeout"
    finally:
        RUNNING.remove(child)


def end_group(child):
    try:
        os.killpg(child.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    child.wait()


class Interrupted(Exception):
    pass


def interrupted(signum, frame):
    for child in list(RUNNING):
        end_group(child)
    raise Interrupted(signal.Signals(signum).name)


# --- The copy ---

def copy_tree(work):
    """The tracked files of this checkout, as they stand, into work."""
    files = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True,
                           capture_output=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source = ROOT / name
        if not source.is_file():
            continue
        target = work / name
        target.parent.mkdir(parents=True, exist_ok=True)
        if not target.exists() or target.read_bytes() != source.read_bytes():
            shutil.copy2(source, target)


class Copy:
    def __init__(self, work):
        self.work = work
        self.build = work / "build" / "dev"
        self.unit_limit = self.suite_limit = None
        self.objects = None

    def object_hashes(self):
        """The build's objects by content: a change that leaves them all as
        they were is not in this build (another platform's code)."""
        return {str(o): hashlib.sha1(o.read_bytes()).hexdigest()
                for o in sorted(self.build.rglob("*.o"))}

    def tests(self):
        """0 when the tests pass, else their status or "timeout"; the unit
        tests fail fastest, the whole suite then decides."""
        unit = run([str(self.build / "tests" / "sysorient_unit_tests"), "--gtest_fail_fast"],
                   self.work, self.unit_limit)
        if unit != 0:
            return unit
        return run(["ctest", "--test-dir", str(self.build), "-E", "^lint", "--stop-on-failure"],
                   self.work, self.suite_limit)

    def baseline(self):
        """Builds the unchanged copy and times its tests; None if they pass."""
        if run(["cmake", "--preset", "dev"], self.work, 600) != 0:
            return "it does not configure"
        if run(["cmake", "--build", str(self.build)], self.work, 1800) != 0:
            return "it does not build"
        start = time.monotonic()
        unit = run([str(self.build / "tests" / "sysorient_unit_tests")], self.work, 600)
        middle = time.monotonic()
        suite = run(["ctest", "--test-dir", str(self.build), "-E", "^lint"], self.work, 3600)
        end = time.monotonic()
        if unit != 0 or suite != 0:
            return "its tests fail"
        self.objects = self.object_hashes()
        self.unit_limit = max(10.0, SLOWER * (middle - start))
        self.suite_limit = max(30.0, SLOWER * (end - middle))
        return None

    def verdict(self, path, text):
        """"caught", "survived", "time-out", "no build" or "not built" for
        path holding text."""
        path.write_text(text)
        if run(["cmake", "--build", str(self.build)], self.work, 900) != 0:
            return "no build"
        if self.object_hashes() == self.objects:
            return "not built"
        result = self.tests()
        return "time-out" if result == "timeout" else "caught" if result != 0 else "survived"


# --- What to change ---

def changed_lines(since, name):
    """The line numbers (from 1) of name that changed since the revision."""
    diff = subprocess.run(["git", "diff", "-U0", since, "--", name], cwd=ROOT, check=True,
                          capture_output=True, text=True).stdout
    lines = set()
    for m in re.finditer(r"^@@ -\S+ \+(\d+)(?:,(\d+))? @@", diff, re.M):
        first, count = int(m.group(1)), int(m.group(2) or "1")
        lines.update(range(first, first + count))
    return lines


def equivalents():
    """Changes judged to alter nothing: (file, line as it stands, what)."""
    judged = set()
    if EQUIVALENT.exists():
        for line in EQUIVALENT.read_text().splitlines():
            if line.strip() and not line.startswith("#"):
                judged.add(judged_change(line))
    return judged


def judged_change(line):
    """(file, source, what) of a line of the list. The source and the
    change may hold " | " themselves; the reason does not."""
    file, rest = line.split(" | ", 1)
    rest, _reason = rest.rsplit(" | ", 1)
    found = re.fullmatch(r"(.*) \| (\d+: \S+ -> \S+|delete statement)", rest.strip())
    if not found:
        sys.exit(f"{EQUIVALENT.name}: cannot read: {line}")
    return (file.strip(), found.group(1).strip(), found.group(2))


def key(name, source_line, what):
    return (name, source_line.strip(), what)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--since", help="only lines changed since this revision")
    parser.add_argument("--shard", default="1/1")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--list", action="store_true", help="list the changes, run nothing")
    parser.add_argument("--work", help="the copy's folder, kept for the next run")
    parser.add_argument("--log", default=None, help="append the results to this file")
    parser.add_argument("--resume", action="store_true", help="skip changes the log has")
    args = parser.parse_args()
    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    judged = equivalents()
    done = set()
    if args.resume and args.log and pathlib.Path(args.log).exists():
        done = {line.split(": ", 1)[1].strip() for line in open(args.log)
                if line.split(":", 1)[0] in ("caught", "survived", "time-out", "no build",
                                             "not built")}
    shard, shards = (int(x) for x in args.shard.split("/"))
    work = pathlib.Path(args.work).resolve() if args.work else pathlib.Path(
        tempfile.mkdtemp(prefix="sysorient-mutate-"))
    log = open(args.log, "a") if args.log else sys.stdout
    try:
        work.mkdir(parents=True, exist_ok=True)
        copy_tree(work)
        copy = Copy(work)
        if not args.list:
            problem = copy.baseline()
            if problem:
                print(f"mutate.py: the unchanged tree fails ({problem}): fix that first",
                      file=sys.stderr)
                return 2
            print(f"baseline passes; limits {copy.unit_limit:.0f} s (unit), "
                  f"{copy.suite_limit:.0f} s (suite)", file=log, flush=True)
        # Sources this build compiles (headers come with them); another
        # processor's path is for its own pass.
        commands = work / "build" / "dev" / "compile_commands.json"
        compiled = ({pathlib.Path(e["file"]).name for e in json.load(open(commands))}
                    if commands.exists() else None)
        files = [f for f in sorted((work / "src").rglob("*.[ch]*"))
                 if f.suffix == ".h" or compiled is None or f.name in compiled]
        if args.only:
            files = [f for f in files
                     if f.name in args.only or str(f.relative_to(work)) in args.only]
        counts = {"caught": 0, "survived": 0, "time-out": 0, "no build": 0, "not built": 0,
                  "equivalent": 0}
        index = 0
        for path in files:
            name = str(path.relative_to(work))
            wanted = changed_lines(args.since, name) if args.since else None
            original = path.read_text()
            lines = original.split("\n")
            for n, changed, what in mutants(original):
                if wanted is not None and n + 1 not in wanted:
                    continue
                index += 1
                if index % shards != shard - 1:
                    continue
                where = f"{name}:{n + 1}: {what}"
                if where in done:
                    continue
                if key(name, lines[n], what) in judged:
                    counts["equivalent"] += 1
                    continue
                if args.list:
                    print(where)
                    continue
                try:
                    result = copy.verdict(path, "\n".join(lines[:n] + [changed] + lines[n + 1:]))
                finally:
                    path.write_text(original)
                counts[result] += 1
                print(f"{result}: {where}\n    {lines[n].strip()}\n    {changed.strip()}",
                      file=log, flush=True)
        if not args.list:
            print(" ".join(f"{k}: {v}" for k, v in counts.items()), file=log, flush=True)
        return 0
    except Interrupted as signal_name:
        kept = f"; the copy stays in {work}" if args.work else ""
        print(f"mutate.py: interrupted ({signal_name}){kept}", file=sys.stderr)
        return 130
    finally:
        if not args.work:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
