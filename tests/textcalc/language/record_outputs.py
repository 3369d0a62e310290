#!/usr/bin/env python3
"""Records what `zoltcalc-cli run` prints for every program of the test tables, so that a change
to the evaluator can show the same bytes as a build from before it.

The programs are the string literals of the tables and runs in tests/textcalc (ProgramCase rows,
session.run("…"), session.value("…")) and the -e texts of `run` commands in tests/cli. Each runs
in a fresh folder with nothing on standard input, with "." and with "," as decimal separator.
Programs whose output is not the same twice (random draws, the clock) or that run into the time
limit are left out and named on standard error.

Usage:
  record_outputs.py [--cli build/bin/zoltcalc-cli] > recorded_outputs.txt
  record_outputs.py --check tests/textcalc/language/recorded_outputs.txt
    compares with the recorded outputs program by program and exits 1 when a program prints
    otherwise (programs added to or gone from the tables since are only counted)
"""
import argparse
import difflib
import os
import re
import shlex
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
TIME_LIMIT = 5  # seconds; the tables' programs take milliseconds, endless loops are stopped

ESCAPES = {"n": b"\n", "t": b"\t", "r": b"\r", "f": b"\f", "v": b"\v", "b": b"\b", "0": b"\0", "\\": b"\\", '"': b'"', "'": b"'", "?": b"?", "a": b"\a"}


def literals(source):
    """(start, end, bytes) of every string literal of a C++ source, comments skipped."""
    found = []
    k = 0
    while k < len(source):
        if source.startswith("//", k):
            k = source.find("\n", k)
            k = len(source) if k < 0 else k
        elif source.startswith("/*", k):
            k = source.find("*/", k) + 2
        elif source.startswith('R"', k) and (k == 0 or not (source[k - 1].isalnum() or source[k - 1] == "_")):
            open_at = source.index("(", k)
            closing = ")" + source[k + 2:open_at] + '"'
            end = source.index(closing, open_at) + len(closing)
            found.append((k, end, source[open_at + 1:end - len(closing)].encode()))
            k = end
        elif source[k] == "'":
            k = source.index("'", k + 2 if source[k + 1] == "\\" else k + 1) + 1
        elif source[k] == '"':
            start, text, k = k, b"", k + 1
            while source[k] != '"':
                if source[k] == "\\":
                    c = source[k + 1]
                    if c in "xuU":
                        digits = re.match({"x": r"[0-9a-fA-F]+", "u": r".{4}", "U": r".{8}"}[c], source[k + 2:]).group()
                        code = int(digits, 16)
                        text += bytes([code]) if c == "x" else chr(code).encode()
                        k += 2 + len(digits)
                        continue
                    text += ESCAPES[c]
                    k += 2
                else:
                    text += source[k].encode()
                    k += 1
            found.append((start, k + 1, text))
            k += 1
        else:
            k += 1
    return found


def joined_literal(source, lits, at):
    """The literal that starts at `at` (after blanks) joined with the literals right after it,
    and the position after them; None when no literal starts there."""
    index = {start: n for n, (start, _, _) in enumerate(lits)}
    pos = at + len(source[at:]) - len(source[at:].lstrip())
    if pos not in index:
        return None, at
    n, text = index[pos], b""
    while True:
        _, end, part = lits[n]
        text += part
        nxt = end + len(source[end:]) - len(source[end:].lstrip())
        if n + 1 < len(lits) and lits[n + 1][0] == nxt:
            n += 1
        else:
            return text, nxt


def table_programs(path, source):
    lits = literals(source)
    inside = lambda pos: any(s <= pos < e for s, e, _ in lits)
    programs = []
    for m in re.finditer(r"ProgramCase\{", source):
        if inside(m.start()):
            continue
        name, after = joined_literal(source, lits, m.end())
        if name is None or source[after] != ",":
            continue
        program, after = joined_literal(source, lits, after + 1)
        if program is not None and source[after] == ",":
            programs.append((f"{path}: {name.decode()}", program))
    for m in re.finditer(r"\.(run|value)\(", source):
        if inside(m.start()):
            continue
        program, after = joined_literal(source, lits, m.end())
        if program is not None and source[after] == ")":
            programs.append((path, program))
    return programs


def cli_programs(path, source):
    programs = []
    for _, _, text in literals(source):
        if not text.startswith(b"run ") or b" -e " not in text:
            continue
        try:
            words = shlex.split(text.decode("utf-8", "surrogateescape"))
        except ValueError:  # a command that the test completes with more text
            continue
        program = words[words.index("-e") + 1] if "-e" in words[:-1] else "-"
        if not program.startswith("-"):  # "-e --help" tests the options, not a program
            program = program.encode("utf-8", "surrogateescape")
            programs.append((path, program))
    return programs


def all_programs():
    programs, seen = [], set()
    for folder, reader in (("tests/textcalc", table_programs), ("tests/cli", cli_programs)):
        for directory, _, files in sorted(os.walk(os.path.join(ROOT, folder))):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    path = os.path.relpath(os.path.join(directory, name), ROOT)
                    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
                        for label, program in reader(path, f.read()):
                            if program.strip() and program not in seen:
                                seen.add(program)
                                programs.append((label, program))
    return programs


def run(cli, program, separator):
    with tempfile.TemporaryDirectory(prefix="zoltcalc-record-") as folder:
        os.mkdir(os.path.join(folder, "textfiles"))
        command = [cli, "run", "--decimal-separator", separator, "--dir", folder,
                   "--timeout", str(TIME_LIMIT), "-e", program]
        done = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    return done.stdout, done.returncode


def record(cli, label, program):
    """The block for one program, or None (with the reason) when it cannot be recorded."""
    block = b"# " + label.encode() + b"\n" + b"".join(b"< " + line + b"\n" for line in program.split(b"\n"))
    for separator in ".,":
        first = run(cli, program, separator)
        if b"Program stopped by the user." in first[0]:
            return None, "stopped at the time limit"
        if run(cli, program, separator) != first:
            return None, "not the same twice"
        block += f"{separator} exit {first[1]}\n".encode()
        block += b"".join(b"> " + line + b"\n" for line in first[0].splitlines())
    return block, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "bin", "zoltcalc-cli"))
    parser.add_argument("--check", metavar="RECORDED", help="compare with a recorded file instead of printing")
    parser.add_argument("-j", type=int, default=2, help="programs run at once (default 2)")
    args = parser.parse_args()
    programs = all_programs()
    with ThreadPoolExecutor(args.j) as pool:
        results = list(pool.map(lambda p: record(args.cli, *p), programs))
    output = b""
    for (label, _), (block, reason) in zip(programs, results):
        if block is None:
            print(f"left out {label}: {reason}", file=sys.stderr)
        else:
            output += block
    print(f"{sum(b is not None for b, _ in results)} of {len(programs)} programs recorded", file=sys.stderr)
    if not args.check:
        sys.stdout.buffer.write(output)
        return 0
    with open(args.check, "rb") as f:
        recorded = by_program(f.read())
    now = by_program(output)
    changed = [p for p in recorded if p in now and now[p] != recorded[p]]
    for program in changed:
        print(f"# {program.decode('utf-8', 'replace')}")
        print("\n".join(difflib.unified_diff(recorded[program].decode("utf-8", "replace").splitlines(),
                                             now[program].decode("utf-8", "replace").splitlines(),
                                             "recorded", "now", lineterm="")))
    print(f"{len(changed)} of {sum(p in now for p in recorded)} programs print otherwise; "
          f"{sum(p not in now for p in recorded)} recorded programs are gone, {sum(p not in recorded for p in now)} are new",
          file=sys.stderr)
    return 1 if changed else 0


def by_program(text):
    """What each program of a recorded file prints, by program."""
    results = {}
    for block in re.split(rb"^# .*\n", text, flags=re.M)[1:]:
        lines = block.splitlines(keepends=True)
        program = b"".join(line[2:] for line in lines if line.startswith(b"< "))
        results[program] = b"".join(line for line in lines if not line.startswith(b"< "))
    return results


if __name__ == "__main__":
    sys.exit(main())
