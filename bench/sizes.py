#!/usr/bin/env python3
"""Where the bytes of an executable come from: reads the GNU ld map of its link and sums the
input sections that reach the image, per object file and per linked library.
usage: sizes.py MAP [--top N]"""
import argparse
import collections
import re

INPUT = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(.+)$")


def read_map(path):
    """{(library or "", member or file): {output section: bytes}} for the loaded sections."""
    sizes = collections.defaultdict(collections.Counter)
    out = None
    pending = None
    started = False
    for line in open(path, encoding="utf-8", errors="replace"):
        line = line.rstrip("\n")
        if line.startswith("Linker script and memory map"):
            started = True
            continue
        if not started or not line:
            continue
        if not line.startswith(" "):
            name = line.split()[0]
            # .bss takes no room in the file; debug and discarded sections none in the image
            out = None if name.startswith((".debug", "/DISCARD/", ".bss", ".stab")) else name
            pending = None
            continue
        if out is None:
            continue
        m = INPUT.match(line)
        if m is None:
            bare = line.strip()
            pending = bare if bare.startswith(".") and " " not in bare else None
            continue
        if m.group(1) is None and pending is None:
            continue
        pending = None
        size, source = int(m.group(3), 16), m.group(4).strip()
        if size == 0 or source.startswith("0x") or "(size before relaxing)" in source:
            continue
        lib, member = "", source
        paren = re.match(r"(.*)\((.*)\)$", source)
        if paren:
            lib, member = paren.group(1), paren.group(2)
        sizes[(lib.rsplit("/", 1)[-1], member.rsplit("/", 1)[-1])][out] += size
    return sizes


def report(map_path, top, libraries=True):
    sizes = read_map(map_path)
    total = lambda c: sum(c.values())
    if libraries:
        libs = collections.Counter()
        for (lib, _), c in sizes.items():
            libs[lib or "(the program's own objects)"] += total(c)
        print("| linked from | bytes |")
        print("|---|---:|")
        for lib, n in libs.most_common():
            print(f"| {lib} | {n:,} |")
        print(f"| all | {sum(libs.values()):,} |")
        print()
    print("| object file | bytes | of which |")
    print("|---|---:|---|")
    rows = sorted(sizes.items(), key=lambda kv: -total(kv[1]))
    for (lib, member), c in rows[:top]:
        parts = ", ".join(f"{s} {n:,}" for s, n in c.most_common(3))
        print(f"| {member}{' (' + lib + ')' if lib else ''} | {total(c):,} | {parts} |")
    if len(rows) > top:
        rest = sum(total(c) for _, c in rows[top:])
        print(f"| {len(rows) - top} more | {rest:,} | |")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("map")
    ap.add_argument("--top", type=int, default=25)
    args = ap.parse_args()
    report(args.map, args.top)


if __name__ == "__main__":
    main()
