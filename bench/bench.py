#!/usr/bin/env python3
"""Start-up time, size and memory of VConfig.exe against the raw Win32 baseline, measured in
one run under Wine, plus how start-up grows with the number of skins and the size of the
settings file. Run inside the test harness (bench/run.sh does all of it)."""
import argparse
import os
import platform
import shutil
import subprocess
import sys

LAST_ID = 0x8040  # the last control created (Apply), the same in both programs


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


def startbench(tools, runs, programs):
    args = [os.environ["WINE"], os.path.join(tools, "startbench.exe"), str(runs), hex(LAST_ID)]
    for name, cls, exe in programs:
        args += [name, cls, exe]
    r = subprocess.run(args, capture_output=True, text=True, timeout=3600)
    rows = {}
    for line in r.stdout.splitlines():
        f = line.split()
        rows[f[0]] = {"median": float(f[1]), "min": float(f[2]), "p10": float(f[3]),
                      "p90": float(f[4]), "max": float(f[5]), "private": float(f[6]),
                      "working": float(f[7]), "gdi": float(f[8]), "user": float(f[9]),
                      "runs": int(f[10])}
    if r.returncode != 0 or len(rows) != len(programs):
        sys.exit(f"bench: the harness failed ({r.returncode}): {r.stderr.strip()}")
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True, help="the build that runs here")
    ap.add_argument("--shipped", required=True, help="the 32-bit build that ships")
    ap.add_argument("--runs", type=int, default=25)
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

    v, b = rows["VConfig"], rows["baseline"]
    print(f"Machine: {platform.node()}, {os.cpu_count()} CPUs, {platform.platform()}; "
          f"{subprocess.run([os.environ['WINE'], '--version'], capture_output=True, text=True).stdout.strip()}"
          f" on Xvfb; build {os.path.basename(build)}")
    print()
    print("| measure | VConfig | baseline | ratio | target |")
    print("|---|---:|---:|---:|---|")
    spread = lambda r: f"{r['median']:.0f} ms ({r['min']:.0f}..{r['max']:.0f}, p10-p90 {r['p10']:.0f}-{r['p90']:.0f})"
    print(f"| start-up to window ready, {v['runs']} runs | {spread(v)} | {spread(b)} | "
          f"{v['median'] / b['median']:.2f} | <= 1.15 |")
    for label, key in (("private bytes", "private"), ("working set", "working")):
        print(f"| {label} | {v[key] / 1024:.0f} KiB | {b[key] / 1024:.0f} KiB | "
              f"{v[key] / b[key]:.2f} | {'<= 1.2' if key == 'private' else ''} |")
    for label, key in (("GDI objects", "gdi"), ("USER objects", "user")):
        if v[key] or b[key]:
            print(f"| {label} | {v[key]:.0f} | {b[key]:.0f} | | |")
        else:
            print(f"| {label} | not reported | not reported | | Wine's GetGuiResources answers 0 |")
    for label, folder in (("shipped 32-bit", args.shipped), (os.path.basename(build), build)):
        vs = os.path.getsize(os.path.join(folder, "dist", "VConfig.exe"))
        bs = os.path.getsize(os.path.join(folder, "bench", "baseline.exe"))
        print(f"| executable size, {label} | {vs:,} B ({vs / 1024:.1f} KiB) | {bs:,} B | "
              f"{vs / bs:.2f} | <= 96 KiB (32-bit) |")
    print()
    print("| VConfig start-up with | median | spread | ratio to the first |")
    print("|---|---:|---:|---:|")
    first = grow["skins-1"]["median"]
    for name, _, _ in scaling:
        r = grow[name]
        print(f"| {name} | {r['median']:.0f} ms | {r['min']:.0f}..{r['max']:.0f} ms | "
              f"{r['median'] / first:.2f} |")
    print()
    print(f"500 skins / 1 skin: {grow['skins-500']['median'] / first:.2f} (target <= 2); "
          f"1 MB / 1 KB settings: {grow['ini-1MB']['median'] / grow['ini-1KB']['median']:.2f}")


if __name__ == "__main__":
    main()
