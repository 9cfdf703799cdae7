#!/usr/bin/env python3
"""Which faults do the unit and GL tests notice? Applies a fixed, seeded sample
of single mutations to the core library's sources, one at a time, rebuilds the
tests, runs the unit and GL tests and prints the mutants they kill and the ones
that survive.

    tools/mutation/mutate.py BUILD_DIR [--count N] [--seed S] [--list] [--only I,J,...]

BUILD_DIR is a configured test build (-DVELMAR_BUILD_TESTS=ON; without the
sanitizers it runs several times faster). Run it under an X server for the GL
tests (xvfb-run -a -s "-screen 0 1920x1080x24"). --list prints the sample
without building; --only judges the mutants of the sample with those numbers
alone, to compare two versions of the tests on the same mutants. Every file is
restored after its mutant, also on Ctrl+C.
"""

import argparse
import pathlib
import random
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

COMPARISONS = [("<=", ">"), (">=", "<"), ("==", "!="), ("!=", "=="), ("<", ">="), (">", "<=")]
NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d+)?(f?)(?![\w.])")
COMPARISON = re.compile(r"(?<=[\w)\]\s])(<=|>=|==|!=|<|>)(?=[\s\w(\-])")
STATEMENT = re.compile(r"^\s+[\w.\->\[\]()]+(\(.*\)|\s*[-+*/]?=\s*.+|\+\+|--);\s*$")
CALL_TWO_ARGS = re.compile(r"\(([^(),]+),\s*([^(),]+)\)")


def core_sources(build_dir):
    """The core's own sources; generated data (the mesh) is left out."""
    listed = build_dir / "tests" / "core_sources.txt"
    names = [line.strip() for line in listed.read_text().splitlines() if line.strip()]
    paths = sorted(pathlib.Path(name) for name in names if name.endswith(".cpp"))
    return [path for path in paths if "generated" not in path.read_text().split("\n", 1)[0].lower()]


def skippable(line):
    text = line.strip()
    return (not text or text.startswith(("//", "#", "*", "/*")) or "static_assert" in text
            or text.startswith(("template", "using ", "namespace")))


def mutants_of(path):
    """Every single mutation of one file, as (line number, kind, new line)."""
    found = []
    for number, line in enumerate(path.read_text().splitlines(), start=1):
        if skippable(line) or "include" in line:
            continue
        code = line.split("//")[0]
        for match in COMPARISON.finditer(code):
            if "<" in match.group(1) and re.search(r"\w<\w|template|std::\w+<|vector<|array<", code):
                continue
            swapped = dict(COMPARISONS)[match.group(1)]
            found.append((number, "comparison " + match.group(1) + " -> " + swapped,
                          line[:match.start()] + swapped + line[match.end():]))
        for match in NUMBER.finditer(code):
            whole, fraction, suffix = match.groups()
            value = whole + (fraction or "")
            if fraction:
                shifted = f"{float(value) * 1.5:g}" if float(value) else "1.0"
            else:
                shifted = str(int(whole) + 1)
            found.append((number, "constant " + value + " -> " + shifted,
                          line[:match.start()] + shifted + suffix + line[match.end():]))
        if STATEMENT.match(code) and not code.strip().startswith(("return", "const ", "auto ")):
            found.append((number, "statement dropped", re.sub(r"\S.*", ";", line, count=1)))
        for match in CALL_TWO_ARGS.finditer(code):
            first, second = match.group(1).strip(), match.group(2).strip()
            if first != second:
                found.append((number, "arguments swapped",
                              line[:match.start()] + "(" + second + ", " + first + ")" +
                              line[match.end():]))
    return found


def sample(build_dir, count, seed):
    every = [(path, *mutant) for path in core_sources(build_dir) for mutant in mutants_of(path)]
    random.Random(seed).shuffle(every)
    return every[:count]


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


def judge(build_dir):
    """killed, survived or stillborn (does not build)."""
    targets = ["--target", "velmar_unit_tests", "--target", "velmar_gl_tests"]
    if run(["cmake", "--build", str(build_dir), "-j2"] + targets, ROOT) != 0:
        return "stillborn"
    # Only the unit and GL tests: the whole-program tests are left unbuilt. The
    # unit tests take seconds and kill most mutants, so they go first.
    for labels in (["-LE", "app|fuzz|build|gl"], ["-L", "gl"]):
        tests = run(["ctest", "-j2", *labels, "-E", "NOT_BUILT", "--stop-on-failure",
                     "--timeout", "120"], build_dir)
        if tests != 0:
            return "killed"
    return "survived"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir", type=pathlib.Path)
    parser.add_argument("--count", type=int, default=150)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--only", type=lambda text: {int(n) for n in text.split(",")})
    options = parser.parse_args()
    build_dir = options.build_dir.resolve()
    chosen = sample(build_dir, options.count, options.seed)
    numbered = [(n, mutant) for n, mutant in enumerate(chosen, start=1)
                if not options.only or n in options.only]
    if options.list:
        for path, number, kind, _ in chosen:
            print(f"{path.relative_to(ROOT)}:{number}: {kind}")
        return 0
    if judge(build_dir) != "survived":
        print("mutate: the tests must build and pass before any mutant", file=sys.stderr)
        return 1
    tally = {"killed": 0, "survived": 0, "stillborn": 0}
    survivors = []
    for index, (path, number, kind, new_line) in numbered:
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        lines[number - 1] = new_line + "\n"
        try:
            path.write_text("".join(lines))
            verdict = judge(build_dir)
        finally:
            path.write_text(original)
        tally[verdict] += 1
        place = f"{path.relative_to(ROOT)}:{number}: {kind}"
        print(f"[{index}/{len(chosen)}] {verdict:9} {place}", flush=True)
        if verdict == "survived":
            survivors.append(place)
    # Leave the build as the sources are.
    judge(build_dir)
    print(f"mutants: {len(numbered)}, killed {tally['killed']}, survived {tally['survived']}, "
          f"did not build {tally['stillborn']}")
    for place in survivors:
        print("survived: " + place)
    return 0


if __name__ == "__main__":
    sys.exit(main())
