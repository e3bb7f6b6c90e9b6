#!/usr/bin/env python3
"""What the program's image needs from the system, read from the executable and its linker map.
VConfig.exe starts without the C runtime's start-up code and must load on Windows 7. Reads
the map of GNU ld and of lld. Fails,
naming what it found, on a static constructor (.ctors, .init_array, .CRT$XC/XI), TLS data, a
TLS directory or callback, a pseudo-relocation, an import of the C runtime's start-up and exit
helpers or of a threads library, an import that Windows 7 lacks, and a DLL outside the
expected set (shell32, ole32, oleaut32 and oleacc come only through LoadLibrary).
usage: check_image.py EXE MAP [EXE MAP ...]"""
import os
import re
import struct
import sys

DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "winmm.dll", "advapi32.dll",
        "msvcrt.dll"}
STARTUP = {"atexit", "_onexit", "__getmainargs", "__wgetmainargs", "_initterm", "_initterm_e",
           "__set_app_type", "_beginthread", "_beginthreadex", "_endthread", "_endthreadex"}
NEWER = {"GetProcessUserModeExceptionPolicy", "SetProcessUserModeExceptionPolicy",  # 7 SP1
         "GetDpiForWindow", "GetDpiForSystem", "SetProcessDpiAwarenessContext",
         "AdjustWindowRectExForDpi", "GetSystemMetricsForDpi", "SystemParametersInfoForDpi",
         "EnableNonClientDpiScaling", "GetDpiForMonitor", "SetProcessDpiAwareness"}


def image_findings(data):
    u32 = lambda at: struct.unpack_from("<I", data, at)[0]  # noqa: E731
    pe = u32(0x3C)
    if data[pe:pe + 4] != b"PE\0\0":
        return ["not a PE image"]
    count, opt_size = struct.unpack_from("<H12xH", data, pe + 6)
    wide = struct.unpack_from("<H", data, pe + 24)[0] == 0x20B  # PE32+
    dirs = pe + 24 + (112 if wide else 96)
    sections = [struct.unpack_from("<IIII", data, pe + 24 + opt_size + 40 * i + 8)
                for i in range(count)]

    def at(rva):
        for vsize, va, raw_size, raw in sections:
            if va <= rva < va + max(vsize, raw_size):
                return raw + rva - va
        raise ValueError(f"RVA {rva:#x} outside the sections")

    def text(rva):
        start = at(rva)
        return data[start:data.index(b"\0", start)].decode("ascii")

    found = ["a TLS directory"] if u32(dirs + 8 * 9 + 4) else []
    entry = at(u32(dirs + 8)) if u32(dirs + 12) else None
    width, by_ordinal = (8, 1 << 63) if wide else (4, 1 << 31)
    while entry is not None and u32(entry + 12):
        dll, thunk = text(u32(entry + 12)).lower(), at(u32(entry) or u32(entry + 16))
        while int.from_bytes(data[thunk:thunk + width], "little"):
            value = int.from_bytes(data[thunk:thunk + width], "little")
            name = f"#{value & 0xFFFF}" if value & by_ordinal else text(value + 2)
            if dll not in DLLS:
                found.append(f"an import from {dll} ({name})")
            elif name in STARTUP:
                found.append(f"an import of {name} from {dll}, which start-up code would need")
            elif name in NEWER:
                found.append(f"an import of {name} from {dll}, which Windows 7 lacks")
            thunk += width
        entry += 20
    return found


SECTIONS = r"\.ctors\S*|\.init_array\S*|\.CRT\$X[CIL]\S*|\.tls\S*"
LLD_MAP = "Address  Size     Align Out     In      Symbol"


def map_findings(text):
    if text.startswith(LLD_MAP):
        # lld's map: "address size align" and "file:(section)". It does not show the
        # pseudo-relocation list; the Clang build links with --disable-runtime-pseudo-reloc, and
        # lld then refuses to make one.
        return [f"{m[3]} ({int(m[1], 16)} bytes) from {m[2]}" for m in re.finditer(
            r"^[0-9a-f]+ ([0-9a-f]+)\s+\d+\s+(\S+):\((" + SECTIONS + r")\)$", text, re.M)
            if int(m[1], 16)]
    found = [f"{m[1]} ({int(m[2], 16)} bytes) from {m[3]}" for m in re.finditer(
        r"^ (" + SECTIONS + r")\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", text, re.M)
        if int(m[2], 16)]
    m = re.search(r"^\s+0x([0-9a-f]+)\s+__rt_psrelocs_size = ", text, re.M)
    if not m or int(m[1], 16):
        found.append(f"pseudo-relocations ({int(m[1], 16)} bytes)" if m else "no pseudo-relocation list")
    return found


def link_map_findings(text):
    """The same from a map in link.exe's format (lld-link's /MAP), by its section groups. The entry
    point bounds the constructor list with .CRT$XCA and .CRT$XCZ, a null pointer each; such a
    linker makes no pseudo-relocations."""
    return [f"{m[2]} ({int(m[1], 16)} bytes)" for m in re.finditer(
        r"^ [0-9a-f]{4}:[0-9a-f]{8} ([0-9a-f]{8})H (\.CRT\$X[CILPT]\S*|\.tls\S*)", text, re.M)
        if int(m[1], 16) and m[2] not in (".CRT$XCA", ".CRT$XCZ")]


def main(args):
    if len(args) < 2 or len(args) % 2:
        print(__doc__)
        return 2
    failed = False
    pairs = {os.path.realpath(exe): (exe, mapfile) for exe, mapfile in zip(args[::2], args[1::2])}
    for exe, mapfile in pairs.values():
        try:
            with open(exe, "rb") as f, open(mapfile, encoding="utf-8", errors="replace") as m:
                text = m.read()
                found = image_findings(f.read()) + (
                    link_map_findings(text) if "Publics by Value" in text else map_findings(text))
        except (OSError, ValueError, struct.error) as e:
            found = [f"cannot be read: {e}"]
        for finding in found:
            print(f"{exe}: {finding}")
        if not found:
            print(f"{exe}: needs no start-up code and loads on Windows 7")
        failed |= bool(found)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
