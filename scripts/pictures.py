#!/usr/bin/env python3
"""The README's pictures: the five pages in the light and the dark mode, the first page at 150 %
and under the code page of an English Windows (1252), in a Wine desktop, which draws the window's frame as Windows would. Run inside the test harness (scripts/screenshots.sh
does all of it). usage: pictures.py BUILD OUTDIR
The hotkey box is not among them: with Wine's Tahoma in the prefix, Wine 8 leaves a message
box of this window unpainted in a Wine desktop (the same box alone paints)."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from driver import PAGE_COUNT, Program, Tools, wait_until  # noqa: E402


def shot(path):
    """The screen, trimmed down to the window on the Wine desktop."""
    time.sleep(2)  # let it paint
    xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    subprocess.run(["convert", "xwd:-", "-crop", "800x600+0+0", "+repage", "-fuzz", "2%",
                    "-trim", "+repage", path], input=xwd, check=True)


def desktop_gone():
    return subprocess.run(["xdotool", "search", "--name", "Wine desktop"],
                          capture_output=True).returncode != 0


def main(build, out):
    tools = Tools(f"{build}/tests/e2e", f"{build}/dist", f"{build}/tests/e2e/work")
    for dark in (False, True):
        with tools.color_mode(dark):
            p = Program(tools, tools.folder("pictures"), desktop=True)
            p.focus_x()
            time.sleep(2)
            p.keys("shift+Tab")  # from the first control of the page back to the tabs
            for page in range(PAGE_COUNT):
                shot(os.path.join(out, f"page-{page}{'-dark' if dark else ''}.png"))
                p.keys("Right")
            p.keys("Escape")
            wait_until(desktop_gone, 30, "the end")
    with tools.screen_dpi(144):
        p = Program(tools, tools.folder("pictures-150"), desktop=True)
        p.focus_x()
        shot(os.path.join(out, "scale-150.png"))
        p.keys("Escape")
        wait_until(desktop_gone, 30, "the end")
    p = Program(tools, tools.folder("pictures-1252"), desktop=True, locale="C.UTF-8")
    p.focus_x()
    shot(os.path.join(out, "page-0-cp1252.png"))
    p.keys("Escape")
    wait_until(desktop_gone, 30, "the end")


if __name__ == "__main__":
    main(*sys.argv[1:])
