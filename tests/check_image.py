#!/usr/bin/env python3
"""What the program's image needs from the system, read from the executable and its linker map.

VConfig.exe starts at its own entry point, without the C runtime's start-up code, and must
load on Windows 7. So the image may hold nothing that start-up code would have to run or set
up, and may import only what every supported Windows has; functions of newer systems are
looked up at run time. Fails, naming what it found, on:
  - a static constructor (.ctors, .init_array, .CRT$XC/XI initialisers);
  - a TLS directory, TLS data or a TLS callback;
  - a pseudo-relocation;
  - an import of the C runtime's start-up and exit helpers or of a thread library;
  - an import of a function that Windows 7 lacks;
  - a DLL outside the expected set (shell32 and ole32 come only through LoadLibrary).
usage: check_image.py EXE MAP [EXE MAP ...]"""
import os
import re
import struct
import sys

ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "winmm.dll",
                "advapi32.dll", "msvcrt.dll"}
STARTUP_IMPORTS = {"atexit", "_onexit", "__getmainargs", "__wgetmainargs", "_initterm",
                   "_initterm_e", "__set_app_type", "_beginthread", "_beginthreadex",
                   "_endthread", "_endthreadex"}
NEWER_THAN_WINDOWS_7 = {
    "GetProcessUserModeExceptionPolicy", "SetProcessUserModeExceptionPolicy",  # 7 SP1
    "GetDpiForWindow", "GetDpiForSystem", "SetProcessDpiAwarenessContext",
    "AdjustWindowRectExForDpi", "GetSystemMetricsForDpi", "SystemParametersInfoForDpi",
    "EnableNonClientDpiScaling", "GetDpiForMonitor", "SetProcessDpiAwareness"}


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        sections, opt_size = struct.unpack_from("<H12xH", data, pe + 6)
        opt = pe + 24
        self.pe32plus = struct.unpack_from("<H", data, opt)[0] == 0x20B
        dirs = opt + (112 if self.pe32plus else 96)
        self.dirs = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(sections):
            s = opt + opt_size + 40 * i
            vsize, va, raw_size, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((va, max(vsize, raw_size), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError(f"RVA {rva:#x} outside the sections")

    def string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imports(self):
        """(dll, function) pairs; a function imported by ordinal is '#N'."""
        rva, size = self.dirs[1]
        found = []
        at = self.offset(rva) if size else None
        while at is not None:
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, at)
            if not name:
                break
            dll = self.string(name).lower()
            entry = self.offset(lookup or first)
            width, flag = (8, 1 << 63) if self.pe32plus else (4, 1 << 31)
            while True:
                value = int.from_bytes(self.data[entry:entry + width], "little")
                if not value:
                    break
                found.append((dll, f"#{value & 0xFFFF}" if value & flag else self.string(value + 2)))
                entry += width
            at += 20
        return found


def map_findings(text):
    findings = []
    for m in re.finditer(r"^ (\.ctors\S*|\.init_array\S*|\.CRT\$X[CIL]\S*|\.tls\S*)\s+"
                         r"0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", text, re.M):
        if int(m.group(2), 16):
            findings.append(f"{m.group(1)} ({int(m.group(2), 16)} bytes) from {m.group(3)}")
    m = re.search(r"^\s+0x([0-9a-f]+)\s+__rt_psrelocs_size = ", text, re.M)
    if m is None:
        findings.append("no pseudo-relocation list in the map")
    elif int(m.group(1), 16):
        findings.append(f"pseudo-relocations ({int(m.group(1), 16)} bytes)")
    return findings


def check(exe, linker_map):
    with open(exe, "rb") as f:
        image = Image(f.read())
    with open(linker_map, encoding="utf-8", errors="replace") as f:
        findings = map_findings(f.read())
    if image.dirs[9][1]:
        findings.append("a TLS directory")
    for dll, name in image.imports():
        if dll not in ALLOWED_DLLS:
            findings.append(f"an import from {dll} ({name})")
        elif name in STARTUP_IMPORTS:
            findings.append(f"an import of {name} from {dll}, which start-up code would need")
        elif name in NEWER_THAN_WINDOWS_7:
            findings.append(f"an import of {name} from {dll}, which Windows 7 lacks")
    return findings


def main(args):
    if len(args) < 2 or len(args) % 2:
        print(__doc__)
        return 2
    failed = False
    pairs = {}
    for exe, linker_map in zip(args[::2], args[1::2]):
        pairs.setdefault(os.path.realpath(exe), (exe, linker_map))
    for exe, linker_map in pairs.values():
        try:
            findings = check(exe, linker_map)
        except (OSError, ValueError) as e:
            findings = [f"cannot be read: {e}"]
        for finding in findings:
            print(f"{exe}: {finding}")
        failed |= bool(findings)
        if not findings:
            print(f"{exe}: needs no start-up code and loads on Windows 7")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
