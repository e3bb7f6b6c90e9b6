#!/usr/bin/env python3
"""Start-up time, server requests, size and memory of VConfig.exe against the raw Win32
baseline, measured in one run under Wine, plus how start-up grows with the number of skins and
the size of the settings file. Run inside the test harness (bench/run.sh does all of it)."""
import argparse
import contextlib
import os
import platform
import shutil
import subprocess
import sys
import time

import requests
import sizes

LAST_ID = 0x8040  # the last control created (Apply), the same in both programs
MARKS = ["window", "controls", "devices", "keys", "skins", "settings", "shown", "ready"]


def prepare(root, name, exe, skins=None, ini=None):
    folder = os.path.join(root, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "Skins"))
    shutil.copy(exe, folder)
    for src, count in skins or []:
        for i in range(count):
            target = os.path.basename(src) if count == 1 else f"Skin{i:03}.vsk"
            shutil.copy(src, os.path.join(folder, "Skins", target))
    if ini is not None:
        with open(os.path.join(folder, "VConfig.ini"), "wb") as f:
            f.write(ini)
    return "Z:" + os.path.join(folder, os.path.basename(exe)).replace("/", "\\")


def settings_file(size):
    """The default settings with unrelated sections around them, about size bytes."""
    core = (b"[General]\r\nDevice=\r\nBalance=50\r\nSteps=5000\r\n[View]\r\nSkin=Classic.vsk\r\n"
            b"BalloonHint=0\r\n[Mouse]\r\nTray=1\r\nClick=1\r\nDClick=2\r\nMClick=3\r\n"
            b"[Config]\r\nTabIndex=0\r\n")
    filler = bytearray()
    i = 0
    while len(core) + len(filler) < size:
        filler += b"[Other%d]\r\nName=%s\r\nValue=%d\r\n" % (i, b"x" * 40, i)
        i += 1
    return bytes(filler[: len(filler) // 2]) + core + bytes(filler[len(filler) // 2:])


@contextlib.contextmanager
def screen_dpi(dpi):
    """Programs started meanwhile see a screen of that DPI (Wine reads LogPixels as a process
    starts); the prefix gets its own value back."""
    wine, key = os.environ["WINE"], r"HKCU\Control Panel\Desktop"
    r = subprocess.run([wine, "reg", "query", key, "/v", "LogPixels"], capture_output=True)
    saved = r.stdout.split()[-1].decode() if r.returncode == 0 else None
    subprocess.run([wine, "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi),
                    "/f"], capture_output=True, check=True)
    try:
        yield
    finally:
        restore = ["/t", "REG_DWORD", "/d", str(int(saved, 0))] if saved else None
        subprocess.run([wine, "reg", "add" if restore else "delete", key, "/v", "LogPixels",
                        *(restore or []), "/f"], capture_output=True)


def startbench(tools, runs, programs):
    args = [os.environ["WINE"], os.path.join(tools, "startbench.exe"), str(runs), hex(LAST_ID)]
    for name, cls, exe in programs:
        args += [name, cls, exe]
    r = subprocess.run(args, capture_output=True, text=True, timeout=3600)
    rows = {}
    for line in r.stdout.splitlines():
        f = line.split()
        if f and f[0] == "mark":
            rows[f[1]]["marks"][f[2]] = float(f[3])
        elif f and f[0] == "thread":
            rows[f[1]]["threads"].append(f[2].zfill(4))
        elif f:
            rows[f[0]] = {"median": float(f[1]), "min": float(f[2]), "p10": float(f[3]),
                          "p90": float(f[4]), "max": float(f[5]), "private": float(f[6]),
                          "working": float(f[7]), "gdi": float(f[8]), "user": float(f[9]),
                          "runs": int(f[10]), "marks": {}, "threads": []}
    if r.returncode != 0 or len(rows) != len(programs):
        sys.exit(f"bench: the harness failed ({r.returncode}): {r.stderr.strip()}")
    return rows


def colour_modes(tools, runs, program):
    """VConfig's start-up in the light and the dark mode (AppsUseLightTheme, the prefix's, not a
    program's), alternating run by run."""
    wine, key = os.environ["WINE"], r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
    times = {0: [], 1: []}
    for _ in range(runs):
        for light in (1, 0):
            subprocess.run([wine, "reg", "add", key, "/v", "AppsUseLightTheme", "/t", "REG_DWORD",
                            "/d", str(light), "/f"], capture_output=True, check=True)
            times[light].append(startbench(tools, 1, [program])[program[0]]["median"])
    subprocess.run([wine, "reg", "delete", key, "/v", "AppsUseLightTheme", "/f"], capture_output=True)
    return [sorted(times[light])[runs // 2] for light in (1, 0)]


def traced(tools, runs, programs, trace):
    """Runs the programs under a wineserver that traces every request; per program the
    request counts of its GUI thread up to "ready" (the median run by total)."""
    server = os.environ["WINESERVER"]
    subprocess.run([server, "-k"], capture_output=True)
    subprocess.run([server, "-w"], capture_output=True)
    with open(trace, "w") as out:
        proc = subprocess.Popen([server, "-f", "-d1"], stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=out)
        time.sleep(1)
        rows = startbench(tools, runs, programs)
        subprocess.run([server, "-k"], capture_output=True)
        proc.wait()
    # Detached output: the server lives on and would hold a pipe open for ever.
    subprocess.run([server, "-p"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    result = {}
    for name, row in rows.items():
        counted = sorted((requests.count(trace, t) for t in row["threads"]),
                         key=lambda c: sum(c[0].values()))
        result[name] = counted[len(counted) // 2]
    return result


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True, help="the build that runs here")
    ap.add_argument("--shipped", required=True, help="the 32-bit build that ships")
    ap.add_argument("--runs", type=int, default=25)
    ap.add_argument("--traced-runs", type=int, default=3)
    ap.add_argument("--against", help="an earlier VConfig.exe of the same word size, timed and "
                    "traced in the same runs: what a change costs")
    args = ap.parse_args()
    build = os.path.abspath(args.build)
    tools = os.path.join(build, "bench")
    root = os.path.join(build, "bench", "run")
    vconfig = os.path.join(build, "dist", "VConfig.exe")
    baseline = os.path.join(tools, "baseline.exe")
    skins = os.path.join(build, "dist", "Skins")
    classic = os.path.join(skins, "Classic.vsk")
    night = os.path.join(skins, "Night.vsk")
    samples = [(classic, 1), (night, 1)]

    main_pair = [("VConfig", "obj_Form", prepare(root, "vconfig", vconfig, samples)),
                 ("baseline", "Baseline_Form", prepare(root, "baseline", baseline, samples))]
    if args.against:
        main_pair.append(("earlier", "obj_Form", prepare(root, "earlier", os.path.abspath(args.against), samples)))
    scaling = [
        ("skins-1", "obj_Form", prepare(root, "skins-1", vconfig, [(classic, 1)])),
        ("skins-50", "obj_Form", prepare(root, "skins-50", vconfig, [(classic, 50)])),
        ("skins-500", "obj_Form", prepare(root, "skins-500", vconfig, [(classic, 500)])),
        ("ini-1KB", "obj_Form", prepare(root, "ini-1k", vconfig, samples, settings_file(1024))),
        ("ini-1MB", "obj_Form", prepare(root, "ini-1m", vconfig, samples, settings_file(1 << 20))),
    ]
    startbench(tools, 2, main_pair + scaling)  # warm the caches; not counted
    rows = startbench(tools, args.runs, main_pair)
    grow = startbench(tools, max(args.runs - 5, 20), scaling)
    light, dark = colour_modes(tools, max(args.runs - 10, 15), main_pair[0])
    with screen_dpi(144):  # 150 %: the baseline stays at its 96-DPI pixels, VConfig scales
        startbench(tools, 2, main_pair)
        scaled = startbench(tools, max(args.runs - 10, 15), main_pair)
    # Last: a wine program started after the traced server would start the prefix's services
    # afresh, and they would keep its output pipes open.
    counts = traced(tools, args.traced_runs, main_pair, os.path.join(root, "requests.trace"))

    v, b = rows["VConfig"], rows["baseline"]
    wine = subprocess.run([os.environ["WINE"], "--version"], capture_output=True, text=True)
    print(f"Machine: {platform.node()}, {os.cpu_count()} CPUs, {platform.platform()}; "
          f"{wine.stdout.strip()} on Xvfb; build {os.path.basename(build)}")
    print()
    vr, br = sum(counts["VConfig"][0].values()), sum(counts["baseline"][0].values())
    print("| measure | VConfig | baseline | ratio | target |")
    print("|---|---:|---:|---:|---|")
    spread = lambda r: f"{r['median']:.0f} ms ({r['min']:.0f}..{r['max']:.0f}, p10-p90 {r['p10']:.0f}-{r['p90']:.0f})"
    print(f"| start-up to window ready, {v['runs']} alternating runs | {spread(v)} | {spread(b)} | "
          f"{v['median'] / b['median']:.2f} | <= 1.10 |")
    sv, sb = scaled["VConfig"], scaled["baseline"]
    print(f"| start-up at 144 DPI (150 %), {sv['runs']} alternating runs | {spread(sv)} | "
          f"{spread(sb)} | {sv['median'] / sb['median']:.2f} | within noise of the above |")
    print(f"| VConfig dark against light, {max(args.runs - 10, 15)} runs each, alternating | "
          f"{dark:.0f} ms | {light:.0f} ms (light) | {dark / light:.2f} | <= 1.05 |")
    print(f"| server requests of the GUI thread up to ready, median of {args.traced_runs} | {vr:,} | "
          f"{br:,} | {vr / br:.2f} | <= 1.10 |")
    for label, key in (("private bytes", "private"), ("working set", "working")):
        print(f"| {label} | {v[key] / 1024:.0f} KiB | {b[key] / 1024:.0f} KiB | "
              f"{v[key] / b[key]:.2f} | {'<= 1.05' if key == 'private' else ''} |")
    for label, folder in (("shipped 32-bit", args.shipped), (os.path.basename(build), build)):
        vs = os.path.getsize(os.path.join(folder, "dist", "VConfig.exe"))
        bs = os.path.getsize(os.path.join(folder, "bench", "baseline.exe"))
        target = "<= 57,344 B (56 KiB)" if label.startswith("shipped") else ""
        print(f"| executable size, {label} | {vs:,} B ({vs / 1024:.1f} KiB) | {bs:,} B | "
              f"{vs / bs:.2f} | {target} |")
    print()
    print("Start-up breakdown: milliseconds from CreateProcess to each mark (medians), and the")
    print("server requests of the GUI thread since the mark before. The baseline reads no")
    print("settings; it fills its lists while it builds, so its marks come in another order.")
    print()
    print("| mark | VConfig ms | requests | baseline ms | requests |")
    print("|---|---:|---:|---:|---:|")
    phases = {name: dict(counts[name][1]) for name in counts}
    for mark in MARKS:
        cells = []
        for name in ("VConfig", "baseline"):
            ms = rows[name]["marks"].get(mark)
            n = phases[name].get(mark)
            cells += [f"{ms:.0f}" if ms is not None else "-", f"{n:,}" if n is not None else "-"]
        print(f"| {mark} | {' | '.join(cells)} |")
    print()
    print("Requests that VConfig makes more or less often than the baseline, up to ready:")
    print()
    print("| request | VConfig | baseline | difference |")
    print("|---|---:|---:|---:|")
    vc, bc = counts["VConfig"][0], counts["baseline"][0]
    diffs = sorted(set(vc) | set(bc), key=lambda k: -abs(vc[k] - bc[k]))
    for k in diffs[:12]:
        print(f"| {k} | {vc[k]} | {bc[k]} | {vc[k] - bc[k]:+d} |")
    if args.against:
        e, ec = rows["earlier"], counts["earlier"][0]
        print()
        print(f"Against the earlier program ({args.against}), in the same runs:")
        print()
        print("| measure | VConfig | earlier | ratio |")
        print("|---|---:|---:|---:|")
        print(f"| start-up to window ready | {spread(v)} | {spread(e)} | {v['median'] / e['median']:.2f} |")
        es = scaled.get("earlier")
        if es:
            print(f"| start-up at 144 DPI | {spread(sv)} | {spread(es)} | {sv['median'] / es['median']:.2f} |")
        er = sum(ec.values())
        print(f"| server requests up to ready | {vr:,} | {er:,} | {vr / er:.2f} |")
        print(f"| private bytes | {v['private'] / 1024:.0f} KiB | {e['private'] / 1024:.0f} KiB | "
              f"{v['private'] / e['private']:.2f} |")
        print()
        print("| request | VConfig | earlier | difference |")
        print("|---|---:|---:|---:|")
        for k in sorted(set(vc) | set(ec), key=lambda k: -abs(vc[k] - ec[k]))[:10]:
            print(f"| {k} | {vc[k]} | {ec[k]} | {vc[k] - ec[k]:+d} |")
    print()
    print("| VConfig start-up with | median | spread | ratio to the first |")
    print("|---|---:|---:|---:|")
    first = grow["skins-1"]["median"]
    for name, _, _ in scaling:
        r = grow[name]
        print(f"| {name} | {r['median']:.0f} ms | {r['min']:.0f}..{r['max']:.0f} ms | "
              f"{r['median'] / first:.2f} |")
    print()
    print(f"500 skins / 1 skin: {grow['skins-500']['median'] / first:.2f} (target <= 1.40); "
          f"1 MB / 1 KB settings: {grow['ini-1MB']['median'] / grow['ini-1KB']['median']:.2f}")
    print()
    print("Size of the shipped 32-bit VConfig.exe by where its bytes come from (its linker map;")
    print("the program is compiled as one unit, so its own code is one object):")
    print()
    sizes.report(os.path.join(args.shipped, "VConfig.map"), top=6)
    print()
    print("The same sources linked from their separate objects, bytes per object file:")
    print()
    sizes.report(os.path.join(args.shipped, "bench", "vconfig-objects.map"), top=25,
                 libraries=False)


if __name__ == "__main__":
    main()
