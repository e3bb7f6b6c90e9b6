#!/usr/bin/env python3
"""Where the bytes of an executable come from: reads the map of its link (GNU ld's or lld's) and
sums the input sections that reach the image, per object file and per linked library.
usage: sizes.py MAP [--top N]"""
import argparse
import collections
import re

INPUT = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(.+)$")
LLD_HEADER = "Address  Size     Align Out     In      Symbol"
# lld's lines: "address size align" and then an output section, "file:(input section)" or a
# symbol, each in a column of its own.
LLD_LINE = re.compile(r"^\s*[0-9a-f]+\s+([0-9a-f]+)\s+\d+ (\s*)(\S.*)$")
# lld names an archive's member alone; those of an import library are dlltool's
# "<library>s<number>.o", with a head "<library>h.o" and a tail "<library>t.o".
IMPORT_MEMBER = re.compile(r"^(lib\w+?)(?:s\d+|h|t)\.o$")


def skipped(section):
    """.bss takes no room in the file; debug and discarded sections none in the image."""
    return section.startswith((".debug", "/DISCARD/", ".bss", ".stab"))


def read_lld_map(lines):
    sizes = collections.defaultdict(collections.Counter)
    out = None
    for line in lines:
        m = LLD_LINE.match(line)
        if m is None:
            continue
        size, indent, what = int(m.group(1), 16), len(m.group(2)), m.group(3)
        if indent == 0:
            out = None if skipped(what) else what
            continue
        # lld merges .bss into .data, at its end: no room in the file either
        source = re.match(r"(.+):\((.*)\)$", what)
        if out is None or source is None or size == 0 or skipped(source.group(2)):
            continue
        member = source.group(1).rsplit("/", 1)[-1]
        lib = IMPORT_MEMBER.match(member)
        sizes[(lib.group(1) + ".a" if lib else "", member)][out] += size
    return sizes


def read_map(path):
    """{(library or "", member or file): {output section: bytes}} for the loaded sections."""
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()
    if lines and lines[0].startswith(LLD_HEADER):
        return read_lld_map(lines[1:])
    sizes = collections.defaultdict(collections.Counter)
    out = None
    pending = None
    started = False
    for line in lines:
        if line.startswith("Linker script and memory map"):
            started = True
            continue
        if not started or not line:
            continue
        if not line.startswith(" "):
            name = line.split()[0]
            out = None if skipped(name) else name
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
