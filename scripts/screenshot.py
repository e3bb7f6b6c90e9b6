#!/usr/bin/env python3
"""Starts VConfig.exe under Wine, saves a screenshot of its window, then closes it with Escape."""
import os
import subprocess
import sys
import time


def wait_for_window(title, timeout=60.0):
    end = time.time() + timeout
    while time.time() < end:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                             capture_output=True, text=True).stdout.split()
        if out:
            return out[0]
        time.sleep(0.2)
    return None


def main(exe, shot):
    exe = os.path.abspath(exe)
    proc = subprocess.Popen([os.environ["WINE"], exe], cwd=os.path.dirname(exe),
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    window = wait_for_window("Vorduna")
    if not window:
        proc.kill()
        sys.exit("screenshot: the window did not appear")
    time.sleep(1.0)  # let it paint
    xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    subprocess.run(["convert", "xwd:-", shot], input=xwd, check=True)
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    try:
        code = proc.wait(timeout=30)
    except subprocess.TimeoutExpired:
        proc.kill()
        sys.exit("screenshot: the program did not end after Escape")
    if code != 0:
        sys.exit(f"screenshot: exit code {code}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
