#!/usr/bin/env python3
"""clang-tidy 14 over the program's own sources (the CTest entry "tidy"), with the checks of
.clang-tidy, every finding an error.

The flags are the shipped build's, from its compile_commands.json: the cross compile for
32-bit Windows with the MinGW-w64 headers. The program itself is built as one unity source,
so each source is taken from the library vconfig_core, which compiles the same files one by
one; the few the program has beyond the library (its entry point, say) get the program's own
flags. The files run in parallel, and a finding in a header that many sources include is
shown once.

usage: check_tidy.py SOURCE_DIR BUILD_DIR WORK_DIR [-j N]
"""
import argparse
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys

import llvm14

# The program's own folders; tests, the bench and GoogleTest are not checked.
OWN = ('app', 'settings', 'ui', 'wincontrols', 'runtime')
LIBRARY = 'CMakeFiles/vconfig_core.dir/'
PROGRAM = 'CMakeFiles/VConfig.dir/'
DIAGNOSTIC = re.compile(r'^(.+?):(\d+):(\d+): (warning|error|note): (.*)$')


def find_clang_tidy():
    path = llvm14.find('clang-tidy')
    if not path:
        sys.exit('tidy: clang-tidy 14 is missing (Debian: clang-tidy-14; scripts/deps.sh installs it)')
    return path


def object_of(args):
    return args[args.index('-o') + 1] if '-o' in args else ''


def own_entries(source_dir, build_dir):
    """The compile commands of the program's sources, one per file."""
    path = os.path.join(build_dir, 'compile_commands.json')
    if not os.path.exists(path):
        sys.exit(f'tidy: {path} is missing: build the preset clang32 first '
                 '(scripts/test.sh builds it)')
    with open(path) as f:
        database = json.load(f)
    roots = tuple(os.path.join(source_dir, d) + os.sep for d in OWN)
    entries, unity = {}, []
    for e in database:
        args = shlex.split(e['command']) if 'command' in e else e['arguments']
        file = os.path.normpath(os.path.join(e['directory'], e['file']))
        obj = object_of(args)
        if obj.startswith(LIBRARY) and file.startswith(roots):
            entries[file] = {'directory': e['directory'], 'arguments': args, 'file': file}
        elif obj.startswith(PROGRAM) and '/Unity/' in obj:
            unity.append((e, args, file))
    if not unity:
        sys.exit(f'tidy: no unity source of the program in {path}')
    # The program's sources are those its unity sources include; what the library lacks
    # takes the program's flags.
    for e, args, unity_file in unity:
        with open(unity_file) as f:
            included = re.findall(r'^#include "(.+)"$', f.read(), re.M)
        for file in map(os.path.normpath, included):
            if file.startswith(roots) and file not in entries:
                own = list(args)
                own[own.index('-c') + 1] = file
                own[own.index('-o') + 1] = PROGRAM + os.path.relpath(file, source_dir) + '.obj'
                entries[file] = {'directory': e['directory'], 'arguments': own, 'file': file}
    return [entries[f] for f in sorted(entries)]


def parse(output, source_dir):
    """Diagnostics as (key, text): key is file, line, column and message; text is the
    diagnostic with its source line, caret and notes, its path relative to the tree."""
    found, current = [], None
    for line in output.splitlines():
        m = DIAGNOSTIC.match(line)
        if m and m.group(4) != 'note':
            file = os.path.relpath(os.path.normpath(m.group(1)), source_dir)
            current = [(file, int(m.group(2)), int(m.group(3)), m.group(5)),
                       [f'{file}:{m.group(2)}:{m.group(3)}: {m.group(4)}: {m.group(5)}']]
            found.append(current)
        elif current and not re.match(r'^\d+ (warnings?|errors?) (generated|treated)|^Suppressed ',
                                      line):
            current[1].append(line)
    return [(key, '\n'.join(text)) for key, text in found]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('source_dir')
    ap.add_argument('build_dir')
    ap.add_argument('work_dir')
    ap.add_argument('-j', type=int, default=os.cpu_count() or 2)
    a = ap.parse_args()
    source_dir = os.path.realpath(a.source_dir)
    tidy = find_clang_tidy()
    entries = own_entries(source_dir, os.path.realpath(a.build_dir))
    os.makedirs(a.work_dir, exist_ok=True)
    with open(os.path.join(a.work_dir, 'compile_commands.json'), 'w') as f:
        json.dump(entries, f, indent=1)
    # The headers of the program's folders are checked with the sources that include them.
    header_filter = '^' + re.escape(source_dir) + '/(' + '|'.join(OWN) + ')/'

    def run(entry):
        return entry['file'], subprocess.run(
            [tidy, '--quiet', '-p', a.work_dir, '--header-filter=' + header_filter,
             entry['file']], capture_output=True, text=True, cwd=source_dir)

    with concurrent.futures.ThreadPoolExecutor(a.j) as pool:
        results = list(pool.map(run, entries))
    findings, failed = {}, []
    for file, done in results:
        parsed = parse(done.stdout + done.stderr, source_dir)
        for key, text in parsed:
            findings.setdefault(key, text)
        if done.returncode and not parsed:
            failed.append((file, done.stdout + done.stderr))
    for file, output in failed:
        print(f'tidy: clang-tidy failed on {os.path.relpath(file, source_dir)}:\n{output}')
    for key in sorted(findings):
        print(findings[key])
    print(f'tidy: {len(entries)} sources, {len(findings)} findings')
    return 1 if findings or failed else 0


if __name__ == '__main__':
    sys.exit(main())
