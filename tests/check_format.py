#!/usr/bin/env python3
"""Fails on every C++ file of the tree that clang-format 14 would change (.clang-format holds
the style); the CTest entry "format". Fix one with: clang-format-14 -i FILE.

The files are found by walking the tree, so a copy without git works as well: every .cpp and
.h outside hidden folders, build/ and any other build folder (one with a CMakeCache.txt).
Exit code 77 (CTest's "skipped") where clang-format 14 is missing.

usage: check_format.py SOURCE_DIR
"""
import os
import subprocess
import sys

import llvm14


def sources(root):
    for folder, dirs, files in os.walk(root):
        dirs[:] = sorted(
            d for d in dirs
            if not d.startswith('.') and not (folder == root and d == 'build') and
            not os.path.exists(os.path.join(folder, d, 'CMakeCache.txt')))
        for f in sorted(files):
            if f.endswith(('.cpp', '.h')):
                yield os.path.relpath(os.path.join(folder, f), root)


def main():
    root = os.path.realpath(sys.argv[1])
    clang_format = llvm14.find('clang-format')
    if not clang_format:
        print('format: clang-format 14 is missing (Debian: clang-format-14; scripts/deps.sh '
              'installs it): not checked')
        return 77
    files = list(sources(root))
    wrong = []
    # In batches, each file named in clang-format's messages; a file with messages is wrong.
    for i in range(0, len(files), 50):
        batch = files[i:i + 50]
        done = subprocess.run([clang_format, '--style=file', '--dry-run', '--Werror'] + batch,
                              cwd=root, capture_output=True, text=True)
        out = done.stdout + done.stderr
        named = {line.split(':', 1)[0] for line in out.splitlines()}
        bad = [f for f in batch if f in named]
        if done.returncode and not bad:
            print(out)
            return 1
        wrong += bad
        if bad:
            print(out, end='')
    if wrong:
        print(f'format: {len(wrong)} of {len(files)} files differ from what clang-format 14 '
              'makes of them (clang-format-14 -i FILE):')
        for f in wrong:
            print('  ' + f)
        return 1
    print(f'format: {len(files)} files as clang-format 14 leaves them')
    return 0


if __name__ == '__main__':
    sys.exit(main())
