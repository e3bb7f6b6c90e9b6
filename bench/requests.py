#!/usr/bin/env python3
"""Wine server requests of a program's GUI thread, from a trace of `wineserver -f -d1`: counted
by request name and by start-up phase (the phases end at the program's bench marks, which
show in the trace as add_atom requests for "bench-mark-NAME").
usage: requests.py TRACE THREAD_ID [--until MARK]"""
import argparse
import collections
import re

LINE = re.compile(r"^([0-9a-f]{4}): (\w+)\( (.*)$")
MARK = re.compile(r'name=L"bench-mark-(\w+)"')


def count(trace, thread, until="ready"):
    """({request: n} up to the mark `until`, [(phase, n)] in the order of the marks)."""
    by_name = collections.Counter()
    phases = []
    n = 0
    with open(trace, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = LINE.match(line)
            if not m or m.group(1) != thread:
                continue
            name = m.group(2)
            mark = MARK.search(m.group(3)) if name == "add_atom" else None
            if mark:
                phases.append((mark.group(1), n))
                n = 0
                if mark.group(1) == until:
                    return by_name, phases
                continue
            by_name[name] += 1
            n += 1
    return by_name, phases


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("trace")
    ap.add_argument("thread")
    ap.add_argument("--until", default="ready")
    args = ap.parse_args()
    by_name, phases = count(args.trace, args.thread.zfill(4), args.until)
    print(f"{sum(by_name.values())} requests up to {args.until}")
    for phase, n in phases:
        print(f"  to {phase}: {n}")
    for name, n in by_name.most_common(30):
        print(f"{n:6} {name}")


if __name__ == "__main__":
    main()
