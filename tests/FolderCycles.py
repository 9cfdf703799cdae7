#!/usr/bin/env python3
"""Fails when the folders of src/ include each other in a circle.

    FolderCycles.py SRC_DIR

A folder is a top-level folder of src/, or a subfolder of core/ and platform/;
it depends on every folder whose headers its files include.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def folder_of(relative):
    parts = pathlib.PurePosixPath(relative).parts
    return "/".join(parts[:2]) if parts[0] in ("core", "platform") and len(parts) > 2 else parts[0]


def main():
    src = pathlib.Path(sys.argv[1])
    edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        here = folder_of(path.relative_to(src).as_posix())
        for header in INCLUDE.findall(path.read_text()):
            there = folder_of(header)
            if there != here and (src / header).exists():
                edges.setdefault(here, set()).add(there)
    # Depth-first search for a way back to a folder on the current path.
    state, trail, circles = {}, [], []

    def visit(node):
        state[node] = "open"
        trail.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                circles.append(trail[trail.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt)
        trail.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)
    for circle in circles:
        print("folders in a circle: " + " -> ".join(circle))
    return 1 if circles else 0


if __name__ == "__main__":
    sys.exit(main())
