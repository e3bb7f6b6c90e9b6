#!/usr/bin/env python3
"""Reads layers.txt and every #include "..." of the program's sources. Fails, naming the file
and line, on an include that points to a higher floor or outside the floors, on two folders
that include each other (also on one floor), and on any circle of modules (a header with its
source) that use each other. usage: check_layers.py ROOT"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def main(root):
    floors = []
    with open(os.path.join(root, "layers.txt")) as f:
        for line in f:
            line = line.split("#", 1)[0].split()
            if line:
                floors.append(line)
    floor_of_folder = {folder: n for n, line in enumerate(floors) for folder in line}

    def folder(path):
        rel = os.path.relpath(path, root).replace(os.sep, "/")
        best = None
        for name in floor_of_folder:
            if rel.startswith(name + "/") and (best is None or len(name) > len(best)):
                best = name
        return best

    def floor(path):
        return floor_of_folder.get(folder(path))

    sources = []
    for name in floor_of_folder:
        for base, _, files in os.walk(os.path.join(root, name)):
            sources += [os.path.join(base, f) for f in files if f.endswith((".h", ".cpp"))]

    def rel(path):
        return os.path.relpath(path, root)

    errors = []
    uses = {}  # module -> {module: (file, line)}
    folder_uses = {}  # (folder, folder) -> file and line of the first such include
    for path in sorted(sources):
        with open(path, encoding="utf-8") as f:
            for number, text in enumerate(f, 1):
                m = INCLUDE.match(text)
                if not m:
                    continue
                target = os.path.normpath(os.path.join(os.path.dirname(path), m.group(1)))
                if not os.path.exists(target):
                    continue  # made by the build (version.h)
                where = f"{rel(path)}:{number}"
                if floor(target) is None:
                    errors.append(f"{where}: includes {rel(target)}, which is on no floor")
                elif floor(target) > floor(path):
                    errors.append(f"{where}: includes {rel(target)} from a higher floor "
                                  f"({' '.join(floors[floor(target)])} above "
                                  f"{' '.join(floors[floor(path)])})")
                if floor(target) is not None and folder(target) != folder(path):
                    folder_uses.setdefault((folder(path), folder(target)), where)
                a, b = os.path.splitext(path)[0], os.path.splitext(target)[0]
                if a != b:
                    uses.setdefault(a, {}).setdefault(b, where)

    for (a, b), where in sorted(folder_uses.items()):
        if a < b and (b, a) in folder_uses:
            errors.append(f"{a} and {b} include each other: {where}, {folder_uses[(b, a)]}")

    # Circles: strongly connected modules (Tarjan), each shown as one closed path.
    index, low, stack, on_stack, circles = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in uses.get(v, {}):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                circles.append(set(group))

    sys.setrecursionlimit(10000)
    for v in sorted(uses):
        if v not in index:
            visit(v)
    for group in circles:
        # Walk from one member until a module repeats.
        path, seen, v = [], {}, min(group)
        while v not in seen:
            seen[v] = len(path)
            w = min(x for x in uses[v] if x in group)
            path.append(f"{rel(v)} ({uses[v][w]})")
            v = w
        errors.append("circle: " + " -> ".join(path[seen[v]:]) + f" -> {rel(v)}")

    for e in errors:
        print(e)
    modules = len({os.path.splitext(p)[0] for p in sources})
    print(f"layers: {len(floors)} floors, {modules} modules, {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")))
