#!/usr/bin/env python3
"""Mutation run over the program's logic, with the unit tests as the judge.

Each mutant is one small change to one line of one file: a comparison
turned around, + and - swapped, a constant moved by one, && and || swapped,
a call statement removed, float and double casts swapped. The script builds
the unit test binary with the mutant in place, runs it with a time limit and
counts the mutant killed when the build or the tests fail; how many did not
build is shown apart, as the tests had no say in those. A survivor of a
removed call is shown by the line it removed. The file is restored after
every mutant, also when the run is interrupted.

Usage: scripts/mutate.py [--build DIR] [--sample N] [--seed S] [FILE...]
Without files it mutates every logic file. A developer's tool: it takes long
(a rebuild per mutant), so --sample picks N mutants per file at random.
"""

import argparse
import os
import random
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LOGIC = ["saver", "startup", "quotes", "errors", "ui/event_path.cpp", "ui/form.cpp",
         "ui/timer_schedule.cpp", "runtime/record_file.cpp", "runtime/convert.cpp"]
# Entry points and the built-in texts: no logic of their own for the tests to judge.
SKIP = re.compile(r"(main_linux|main_wayland|main_win32|collection)\.cpp$")

# Comparisons stand between spaces (clang-format), which tells them from the
# angle brackets of templates and casts.
SWAPS = [(r" <= ", " > "), (r" >= ", " < "), (r" < ", " >= "), (r" > ", " <= "),
         (r"==", "!="), (r"!=", "=="),
         (r"(?<![+&|])&&(?!&)", "||"), (r"\|\|", "&&"),
         (r"(?<=[\w)\] ])\+(?![+=])", "-"), (r"(?<=[\w)\] ])-(?![-=>])", "+"),
         (r"static_cast<float>", "static_cast<double>"),
         (r"static_cast<double>", "static_cast<float>")]
CONSTANT = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
CALL_STATEMENT = re.compile(r"^(\s*)[\w:.>-]+(\([^;]*\))?;\s*$|^(\s*)[\w:.>-]+\(.*\);\s*$")


def logic_files(names):
    found = []
    for name in names or LOGIC:
        path = os.path.join(ROOT, name)
        if os.path.isdir(path):
            found += sorted(os.path.join(name, f) for f in os.listdir(path)
                            if f.endswith(".cpp") and not SKIP.search(f))
        else:
            found.append(name)
    return found


def code_part(line):
    """The line without its comment and string literals, where nothing is mutated."""
    if line.lstrip().startswith(("//", "#", "*", "/*")):
        return ""
    return re.sub(r'"([^"\\]|\\.)*"|\'([^\'\\]|\\.)*\'', lambda m: " " * len(m.group()),
                  line.split("//")[0])


def windows_only(lines):
    """Line numbers of the Windows branches, which the unit tests never build."""
    skipped, frames = set(), []  # per #if: [about _WIN32, in its Windows branch]
    for number, line in enumerate(lines):
        directive = line.strip().replace(" ", "")
        if directive.startswith("#if"):
            about = "_WIN32" in directive
            negated = directive.startswith("#ifndef") or "!defined" in directive
            frames.append([about, about and not negated])
        elif directive.startswith("#else") and frames and frames[-1][0]:
            frames[-1][1] = not frames[-1][1]
        elif directive.startswith("#endif") and frames:
            frames.pop()
        elif any(windows for _, windows in frames):
            skipped.add(number)
    return skipped


def mutants(lines):
    """(line number, description, new line) for every mutant of the file."""
    skipped = windows_only(lines)
    for number, line in enumerate(lines):
        if number in skipped:
            continue
        code = code_part(line)
        if not code.strip() or "#include" in line:
            continue
        for pattern, replacement in SWAPS:
            for match in re.finditer(pattern, code):
                new = line[:match.start()] + replacement + line[match.end():]
                yield number, f"{match.group()} -> {replacement}", new
        for match in CONSTANT.finditer(code):
            value = int(match.group(1))
            for changed in (value + 1, value - 1) if value > 0 else (value + 1,):
                new = line[:match.start()] + str(changed) + line[match.end():]
                yield number, f"{value} -> {changed}", new
        if CALL_STATEMENT.match(code) and not re.match(r"\s*(return|break|continue)\b", code):
            yield number, "call removed", ""


def run(command, seconds):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=seconds, check=False).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build/ci")
    parser.add_argument("--sample", type=int, default=0)
    parser.add_argument("--seed", type=int, default=18)
    parser.add_argument("--timeout", type=int, default=30)
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    build = ["cmake", "--build", args.build, "--target", "sagelight_unit_tests", "-j2"]
    test = [os.path.join(args.build, "tests", "sagelight_unit_tests"), "--gtest_brief=1"]
    if run(build, 1800) != 0 or run(test, args.timeout) != 0:
        sys.exit("the unmutated tree does not build or its tests fail")
    chooser = random.Random(args.seed)
    total_killed = total = total_unbuilt = 0
    for name in logic_files(args.files):
        path = os.path.join(ROOT, name)
        with open(path, encoding="utf-8") as source:
            original = source.read()
        lines = original.split("\n")
        chosen = list(mutants(lines))
        if args.sample and len(chosen) > args.sample:
            chosen = chooser.sample(chosen, args.sample)
        killed = unbuilt = 0
        try:
            for number, what, new in chosen:
                changed = lines[:number] + [new] + lines[number + 1:]
                with open(path, "w", encoding="utf-8") as source:
                    source.write("\n".join(changed))
                # A mutant that does not compile counts as killed, but says
                # nothing of the tests: those are counted apart.
                built = run(build, 900) == 0
                dead = not built or run(test, args.timeout) != 0
                killed += dead
                unbuilt += not built
                if not dead:
                    shown = new.strip() or lines[number].strip()
                    print(f"  survived {name}:{number + 1}: {what}: {shown}", flush=True)
        finally:
            with open(path, "w", encoding="utf-8") as source:
                source.write(original)
        total_killed += killed
        total += len(chosen)
        total_unbuilt += unbuilt
        print(f"{name}: {killed}/{len(chosen)} killed ({unbuilt} did not build)", flush=True)
    run(build, 1800)
    print(f"total: {total_killed}/{total} killed ({total_unbuilt} did not build)")


if __name__ == "__main__":
    main()
