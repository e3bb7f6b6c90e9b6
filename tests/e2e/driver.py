"""Drives the real VConfig.exe under Wine from outside: folders of its own, keys and clicks
through the X server (xdotool), reads and actions through the automation client (probe.exe),
and the stand-in tray program (peer.exe). Shared by the end-to-end and hostile-input suites."""
import collections
import contextlib
import ctypes
import ctypes.util
import os
import queue
import re
import shutil
import subprocess
import tempfile
import threading
import time

ENC = "cp1251"
# On Windows itself there is no Wine: the programs run directly, with Windows paths.
WINE = None if os.name == "nt" else os.environ.get("WINE", "wine")
LAUNCH = [WINE] if WINE else []
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
PERSONALIZE_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"

# The window as the layout test holds the program to it (tests/support/window_table.h): the
# controls in creation order, the tab control first, and the page titles. Identifiers follow
# from 0x8000 in that order, the tab control's pages right after it.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support",
                       "window_table.h"), encoding="utf-8") as _table:
    _TABLE = _table.read()
_ROWS = re.findall(r"\{&R::(\w+),", _TABLE)
PAGE_COUNT = len(re.findall(r'"[^"]*"', re.search(r"kPageTitles\[\] = \{(.*?)\};", _TABLE, re.S)[1]))
ID = {"SettingsTabs": 0x8000}
ID.update({f"Page{i}": 0x8001 + i for i in range(PAGE_COUNT)})
ID.update({name: 0x8001 + PAGE_COUNT + i for i, name in enumerate(_ROWS[1:])})
NAME = {v: k for k, v in ID.items()}

# The file that OK writes from nothing: every key with its default, in the written order. The
# sections and keys the suites look for are read from it.
DEFAULT_FILE = (
    "[General]\r\nDevice=\r\nBalance=50\r\nSteps=5000\r\n"
    "[View]\r\nSkin=Classic.vsk\r\nBalloonHint=0\r\n"
    "[Mouse]\r\nTray=1\r\nCtrl=0\r\nAlt=0\r\nShift=0\r\nClick=1\r\nDClick=2\r\nMClick=3\r\n"
    "[HotKeys]\r\nUpKey=0\r\nUpMod=0\r\nDownKey=0\r\nDownMod=0\r\nMuteKey=0\r\nMuteMod=0\r\n"
    "[Config]\r\nTabIndex=0\r\n")
TEXT_KEYS = ("Device", "Skin")  # the others hold numbers


class Failure(Exception):
    pass


_live = []  # helper and program processes of the running scenario


def _track(proc):
    _live.append(proc)
    return proc


def stop_all():
    while _live:
        proc = _live.pop()
        if proc.poll() is None:
            proc.kill()
            proc.wait()


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_until(predicate, timeout, what, step=0.1):
    """Bounded polling: returns the first true value of predicate, or fails with what (a text,
    or a function that says what was seen last)."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(step)


def winpath(path):
    if not WINE:
        return os.path.abspath(path)
    return "Z:" + os.path.abspath(path).replace("/", "\\")


@contextlib.contextmanager
def keys_on_keyboard(*keysyms):
    """Puts keys the keyboard map lacks (Cyrillic letters on Xvfb's US map) on spare key codes
    while the block runs. xdotool binds such a key itself only for the moment of its stroke and
    takes it back at once; a program that reads the stroke later, as on a busy machine, finds
    no symbol on that key code and the stroke does nothing. Bind before starting the program
    that reads them."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                        ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 2
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    check(display, "cannot open the X display")
    low, high, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    # The lowest spare codes, as xdotool takes: Wine gives keys there a virtual key (bound to
    # the highest codes, the strokes reached the program as nothing).
    spare = [low.value + i for i in range(count)
             if not any(table[i * per.value + j] for j in range(per.value))]
    x11.XFree(table)
    check(len(spare) >= len(keysyms), f"{len(spare)} spare key codes")
    bound = []
    try:
        for code, name in zip(spare, keysyms):
            sym = x11.XStringToKeysym(name.encode())
            check(sym, f"no keysym {name}")
            x11.XChangeKeyboardMapping(display, code, 1, (ctypes.c_ulong * 1)(sym), 1)
            bound.append(code)
        x11.XSync(display, 0)
        yield
    finally:
        for code in bound:
            x11.XChangeKeyboardMapping(display, code, 1, (ctypes.c_ulong * 1)(0), 1)
        x11.XSync(display, 0)
        x11.XCloseDisplay(display)


class Control:
    def __init__(self, fields):
        self.id = int(fields[0])
        self.cls = fields[1]
        self.visible = fields[2] == "1"
        self.enabled = fields[3] == "1"
        self.check = int(fields[4])
        self.sel = int(fields[5])
        self.count = int(fields[6])
        self.rect = [int(v) for v in fields[7].split(",")]
        self.text = fields[8]
        self.sel_text = fields[9] if len(fields) > 9 else ""

    def centre(self):
        return (self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2


class Tools:
    def __init__(self, tools_dir, dist_dir, work_dir):
        self.tools = os.path.abspath(tools_dir)
        self.dist = os.path.abspath(dist_dir)
        self.work = os.path.abspath(work_dir)
        self.utf8 = False  # the automation client reads texts in UTF-16 and prints UTF-8
        self.why = ""  # why the automation client's last command failed
        self._client = None

    def wine(self, *args, timeout=60, check_rc=False, env=None):
        # Output through files: a pipe would stay open as long as a desktop process that the
        # program started (see Program).
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            r = subprocess.run([*LAUNCH, *args], stdout=out, stderr=err, timeout=timeout,
                               stdin=subprocess.DEVNULL, env=env)
            out.seek(0)
            err.seek(0)
            r.stdout, r.stderr = out.read(), err.read()
        if check_rc and r.returncode != 0:
            # What the tool said, in the OEM code page of Wine's console under the Russian locale.
            said = (r.stdout + r.stderr).decode("cp866", "replace").strip()
            raise Failure(f"{args[0]} {' '.join(args[1:2])} failed: {r.returncode} {said!r}")
        return r

    def probe(self, *args, timeout=60):
        """Asks the automation client: (its exit code, what it printed). One client serves the
        whole suite: a Wine process started for each question cost more than
        half of the suite's time on a busy machine. A client that does not answer in time is
        ended, and the next question starts another."""
        if self._client is None or self._client.poll() is not None:
            self._start_client()
        if self._client_utf8 != self.utf8:
            self._ask(["utf8", str(int(self.utf8))], timeout)
            self._client_utf8 = self.utf8
        rc, out, why = self._ask([str(a) for a in args], timeout)
        self.why = why
        return rc, out.decode("utf-8" if self.utf8 else ENC, "replace")

    def _start_client(self):
        self.close()
        self._client = subprocess.Popen(
            [*LAUNCH, os.path.join(self.tools, "probe.exe")], stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._client_utf8 = False
        self._answers = queue.Queue()
        threading.Thread(target=self._read_client, args=(self._client.stdout, self._answers),
                         daemon=True).start()

    @staticmethod
    def _read_client(stream, answers):
        for line in iter(stream.readline, b""):
            answers.put(line)
        answers.put(None)

    def _ask(self, args, timeout):
        """One command to the client; (exit code, output, why it failed)."""
        try:
            self._client.stdin.write("\t".join(args).encode(ENC, "replace") + b"\n")
            self._client.stdin.flush()
        except OSError:
            self.close()
            raise Failure(f"the automation client ended before probe {' '.join(args[:2])}")
        out = b""
        end = time.monotonic() + timeout
        while True:
            try:
                line = self._answers.get(timeout=max(0.0, end - time.monotonic()))
            except queue.Empty:
                self.close()
                raise Failure(f"probe {' '.join(args[:2])} gave no answer within {timeout} s")
            if line is None:
                self.close()
                raise Failure(f"the automation client ended during probe {' '.join(args[:2])}")
            if line.startswith(b"\x04"):
                code, _, why = line[1:].rstrip(b"\r\n").partition(b"\t")
                return int(code), out, why.decode(ENC, "replace")
            out += line

    def close(self):
        """Ends the automation client, if one runs."""
        client, self._client = self._client, None
        if client is not None:
            if client.poll() is None:
                client.kill()
            client.wait()

    def folder(self, name, ini=None, skins=True, exe=True):
        """A program folder of its own: the executable, the sample skins, a settings file."""
        path = os.path.join(self.work, name)
        shutil.rmtree(path, ignore_errors=True)
        os.makedirs(path)
        if exe:
            shutil.copy(os.path.join(self.dist, "VConfig.exe"), path)
        if skins:
            shutil.copytree(os.path.join(self.dist, "Skins"), os.path.join(path, "Skins"))
        if ini is not None:
            with open(os.path.join(path, "VConfig.ini"), "wb") as f:
                f.write(ini.encode(ENC) if isinstance(ini, str) else ini)
        return path

    def reg_value(self):
        """The autostart value as `wine reg query` shows it, or None when there is none."""
        r = self.wine("reg", "query", RUN_KEY, "/v", "Vorduna.exe")
        if r.returncode != 0:
            return None
        for raw in r.stdout.splitlines():
            for enc in ("utf-8", "cp866", ENC):
                try:
                    line = raw.decode(enc)
                    break
                except UnicodeDecodeError:
                    continue
            parts = line.strip().split(None, 2)
            if len(parts) == 3 and parts[0].lower() == "vorduna.exe":
                return parts[1], parts[2]
        return None

    def reg_set(self, kind, data):
        self.wine("reg", "add", RUN_KEY, "/v", "Vorduna.exe", "/t", kind, "/d", data, "/f",
                  check_rc=True)

    def reg_delete(self):
        self.wine("reg", "delete", RUN_KEY, "/v", "Vorduna.exe", "/f")

    @contextlib.contextmanager
    def color_mode(self, dark):
        """The apps' colour mode of Windows 10 and later (AppsUseLightTheme) for the programs
        started meanwhile; the block gets a function that sets it again (0 dark, 1 light). As a
        prefix has none, the value goes afterwards."""
        def mode(light):
            self.wine("reg", "add", PERSONALIZE_KEY, "/v", "AppsUseLightTheme", "/t", "REG_DWORD",
                      "/d", str(light), "/f", check_rc=True)
        mode(0 if dark else 1)
        try:
            yield mode
        finally:
            self.wine("reg", "delete", PERSONALIZE_KEY, "/v", "AppsUseLightTheme", "/f")

    @contextlib.contextmanager
    def screen_dpi(self, dpi):
        """The screen's DPI for the programs started meanwhile (Wine reads LogPixels as a
        process starts); what the prefix had comes back afterwards."""
        key = r"HKCU\Control Panel\Desktop"
        r = self.wine("reg", "query", key, "/v", "LogPixels")
        saved = r.stdout.split()[-1].decode() if r.returncode == 0 else None
        self.wine("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f",
                  check_rc=True)
        try:
            yield
        finally:
            if saved is None:
                self.wine("reg", "delete", key, "/v", "LogPixels", "/f")
            else:
                self.wine("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                          str(int(saved, 0)), "/f")


@contextlib.contextmanager
def read_only(folder):
    """The folder as Windows' Program Files is to a user: the program cannot write it (Wine runs
    every program as root, so it is mounted read-only). The block gets a function that makes it
    writable again, or read-only, meanwhile."""
    def mount(*options):
        r = subprocess.run(["mount", *options], capture_output=True, text=True)
        check(r.returncode == 0, f"mount {' '.join(options)} (needs root): {r.stderr.strip()}")
    mount("--bind", folder, folder)
    try:
        writable = lambda on: mount("-o", f"remount,{'rw' if on else 'ro'},bind", folder)  # noqa: E731
        writable(False)
        yield writable
    finally:
        subprocess.run(["umount", "-l", folder], capture_output=True)


@contextlib.contextmanager
def elevated_copies(folder):
    """The command lines of the copies of the folder's program started with administrator rights
    while the block runs, one per process (Wine's "runas" starts them at once; its processes
    show their arguments to ps, the loader's first, then the program's)."""
    seen, done = {}, threading.Event()
    program = winpath(folder) + "\\VConfig.exe /elevated-save:"

    def watch():
        while not done.wait(0.02):
            ps = subprocess.run(["ps", "-eo", "pid=,args="], capture_output=True, text=True).stdout
            for pid, args in (line.split(None, 1) for line in ps.splitlines() if program in line):
                seen[pid] = args[args.index(program):]
    watcher = threading.Thread(target=watch, daemon=True)
    watcher.start()
    try:
        yield seen
    finally:
        done.set()
        watcher.join()


class Peer:
    """The stand-in tray program: records each reload notice and the file at that moment."""

    def __init__(self, tools, log_dir, ini_path):
        self.log = os.path.join(log_dir, "notices.log")
        for f in os.listdir(log_dir):
            if f.startswith("notices.log"):
                os.remove(os.path.join(log_dir, f))
        self.proc = _track(subprocess.Popen(
            [*LAUNCH, os.path.join(tools.tools, "peer.exe"), "notices", winpath(self.log),
             winpath(ini_path)], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL))
        wait_until(lambda: os.path.exists(self.log + ".ready"), 30, "the peer window")

    def notices(self):
        if not os.path.exists(self.log):
            return 0
        with open(self.log, "rb") as f:
            return len(f.read().splitlines())

    def file_at(self, n):
        with open(f"{self.log}.{n}", "rb") as f:
            return f.read()


class Holder:
    """A helper process (a hung window, a file lock) that lives until stopped."""

    def __init__(self, tools, *args, desktop=False):
        self.ready = os.path.join(tools.work, f"holder-{os.getpid()}-{time.monotonic_ns()}.ready")
        # Hotkeys belong to a desktop: in the program's Wine desktop the holder runs there too.
        start = ["explorer", "/desktop=VConfig,800x600"] if desktop else []
        self.tools, self.desktop = tools, desktop
        self.proc = _track(subprocess.Popen(
            [*LAUNCH, *start, os.path.join(tools.tools, "peer.exe"), *args, winpath(self.ready)],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.pid = wait_until(self._pid, 30, "the helper " + args[0])

    def _pid(self):
        try:
            with open(self.ready) as f:
                words = f.read().split()
        except OSError:
            return None
        return words[1] if len(words) == 2 else None

    def stop(self):
        self.proc.kill()
        self.proc.wait()
        if self.desktop:  # explorer handed it over and ended: end it by its id
            self.tools.wine("taskkill", "/f", "/pid", self.pid)
        os.remove(self.ready)


class Program:
    """One run of VConfig.exe from its folder."""

    def __init__(self, tools, folder, desktop=False, locale=None):
        self.tools = tools
        self.folder = folder
        # In a Wine desktop the window gets the frame Windows would draw (there is no window
        # manager on Xvfb); real keys and clicks then go to the desktop, not to the window.
        # Windows of another desktop are out of the automation client's reach, so there only
        # keys and the screen serve. (explorer hands the program over and ends at once.)
        self.desktop = desktop
        # A locale of its own gives it another ANSI code page: C.UTF-8 that of an English
        # Windows (1252).
        start = ["explorer", "/desktop=VConfig,800x600"] if desktop else []
        env = dict(os.environ, LANG=locale, LC_ALL=locale) if locale else None
        # What Wine says goes to a file, not a pipe: the first Wine program to show a window
        # starts the desktop process (explorer), which keeps its output handles, and a pipe
        # would then reach its end only when the desktop closes.
        self.said = tempfile.TemporaryFile()
        self.proc = _track(subprocess.Popen([*LAUNCH, *start, os.path.join(folder, "VConfig.exe")], cwd=folder,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=self.said, env=env))
        self.stderr = b""

    def wine_said(self):
        """What Wine wrote to the program's error output so far."""
        self.said.seek(0)
        return self.said.read()

    @property
    def ini(self):
        return os.path.join(self.folder, "VConfig.ini")

    def ini_bytes(self):
        try:
            with open(self.ini, "rb") as f:
                return f.read()
        except OSError:
            return None

    def wait_ready(self, timeout=60):
        """Until the window is visible with its last control present."""
        def ready():
            if self.proc.poll() is not None and not self.desktop:
                said = self.wine_said().decode("utf-8", "replace").strip()[-300:]
                raise Failure(f"the program ended at start with code {self.proc.returncode}"
                              + (f"; Wine said: {said}" if said else ""))
            rc, out = self.tools.probe("dump")
            return rc == 0 and f"{ID['ApplyButton']}\t" in out
        wait_until(ready, timeout, "the settings window")
        return self

    def controls(self):
        rc, out = self.tools.probe("dump")
        check(rc == 0, f"probe dump: {self.tools.why}{self._state()}")
        result = {}
        for line in out.splitlines():
            fields = line.split("\t")
            if len(fields) >= 9 and int(fields[0]) in NAME:
                result[NAME[int(fields[0])]] = Control(fields)
        return result

    def act(self, command, name, *args):
        rc, _ = self.tools.probe(command, ID[name], *args)
        check(rc == 0, f"probe {command} {name}: {self.tools.why}{self._state()}")

    def order(self, command, *args):
        """A command to the window itself (close, sysclose, page, answer), checked."""
        rc, out = self.tools.probe(command, *args)
        check(rc == 0, f"probe {command}: {self.tools.why}{self._state()}")
        return out

    def _state(self):
        """Whether the program still runs, for a failure's message."""
        code = self.proc.poll()
        return "" if code is None or self.desktop else f" (the program ended with code {code})"

    def handles(self):
        """The program's kernel handles, as the automation client counts them."""
        out = self.order("handles").strip()
        check(out.isdigit(), f"probe handles: {out!r}")
        return int(out)

    def page(self, index):
        self.order("page", index)
        wait_until(lambda: self.controls()["SettingsTabs"].sel == index, 10, f"page {index}")

    def focused(self):
        rc, out = self.tools.probe("focus")
        return NAME.get(int(out.strip() or 0), out.strip()) if rc == 0 else None

    def items(self, name):
        rc, out = self.tools.probe("items", ID[name])
        check(rc == 0, f"probe items {name}: {self.tools.why}{self._state()}")
        return out.splitlines()

    def shot(self):
        """The window as the screen shows it now (a bare Xvfb draws no frame): a picture of it
        in the work folder, and its screen rectangle."""
        x0, y0, x1, y1 = [int(v) for v in self.order("window").split(",")]
        xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
        shot = os.path.join(self.tools.work, "window.png")
        subprocess.run(["convert", "xwd:-", "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", shot],
                       input=xwd, check=True)
        return shot, (x0, y0, x1, y1)

    def unlike(self, picture):
        """How many pixels of the window differ from a picture of it."""
        r = subprocess.run(["compare", "-metric", "AE", self.shot()[0], picture, "null:"],
                           capture_output=True, text=True)
        return int(float(r.stderr.split()[0])) if r.stderr.split() and r.returncode in (0, 1) else -1

    def wait_look(self, picture, what):
        """Until the window reads light on dark (picture None: dark_faults finds nothing), or is
        drawn as the picture, pixel for pixel."""
        seen = []
        if picture is None:
            wait_until(lambda: not seen.append(self.dark_faults()) and not seen[-1], 20,
                       lambda: f"{what} light on dark: {seen[-1][:4]}")
        else:
            wait_until(lambda: seen.append(self.unlike(picture)) or seen[-1] == 0, 20,
                       lambda: f"{what} drawn as before (pixels that differ: {seen})")

    def list_picture(self):
        """A picture of the open drop-down list, taken from its own X window (the screen's
        picture shows such a window black), and its rectangle in the picture."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
        lists = [line.split() for line in tree.splitlines()
                 if '"vconfig.exe"' in line.lower() and "1x1+" not in line and "Vorduna" not in line]
        check(len(lists) == 1, f"one open list: {lists}")
        w, h = [int(v) for v in lists[0][-2].split("+")[0].split("x")]
        picture = os.path.join(self.tools.work, "list.png")
        xwd = subprocess.run(["xwd", "-id", lists[0][0], "-silent"], capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", picture], input=xwd, check=True)
        return picture, (0, 0, w, h)

    def dark_faults(self):
        """Every visible control of the window, measured on the screen as dark_faults says."""
        shot, window = self.shot()
        return [f"{name}: {fault}" for name, c in self.controls().items() if c.visible
                for fault in dark_faults(shot, [a - b for a, b in zip(c.rect, window[:2] * 2)])]

    def failure_box(self, button):
        """Clicks the button, waits for the box that says the save failed, presses its OK and
        waits for it to close; the box's text, as `box` gives it."""
        self.act("click", button)
        box = wait_until(self.box, 20, "the message box")
        self.order("answer")
        wait_until(lambda: self.box() is None, 10, "the box to close")
        return box

    def tabs(self):
        return self.order("tabs").splitlines()

    def box(self):
        """The text of the program's message box, or None while it shows none."""
        rc, out = self.tools.probe("box")
        if rc == 0:
            return out
        # A window that is gone shows none either (Yes in a box may end the program).
        check(self.tools.why in ("no message box", "no settings window"),
              f"probe box: {self.tools.why}")
        return None

    def x_window(self):
        name = "Wine desktop" if self.desktop else "Vorduna: "

        def search():
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True)
            return r.stdout.split()
        return wait_until(search, 30, "the X window")[-1]

    def focus_x(self):
        """Gives the window the X input focus, so real keys reach it: until Wine has made it
        the active window (in a Wine desktop, out of the automation client's reach, the
        desktop's own X window takes the keys at once)."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window()],
                       capture_output=True, timeout=30)
        if not self.desktop:
            wait_until(lambda: self.focused() not in (None, "0"), 10, "the window to be active")

    def keys(self, *keys):
        """Real key strokes, in order; whoever checks their effect waits for it."""
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True, timeout=60)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "80", text], check=True, timeout=60)

    def wait_focus(self, name, timeout=10):
        """Until the control of that name has the keyboard focus."""
        seen = []
        wait_until(lambda: seen.append(self.focused()) or seen[-1] == name, timeout,
                   lambda: f"the focus on {name} (it is on {seen[-1]})")

    def wait_text(self, name, text, timeout=10):
        wait_until(lambda: self.controls()[name].text == text, timeout, f"{name} to show {text!r}")

    def click_at(self, x, y):
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"],
                       check=True, timeout=30)

    def wait_exit(self, timeout=30):
        try:
            code = self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout} s")
        self.stderr = self.wine_said()
        check(b"Unhandled exception" not in self.stderr and b"backtrace" not in self.stderr,
              "Wine reported a crash")
        return code


def luminance(rgb):
    """Relative luminance, as WCAG 2.x defines it."""
    lin = [v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4 for v in (c / 255 for c in rgb)]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def dark_faults(picture, rect):
    """A rectangle of a picture against the dark look's two numbers. A colour that fills a
    square of 4 x 4 pixels somewhere is a ground (a face, a field, a box, a chosen item): its
    relative luminance must be at most 0.05. Any other colour that covers 0.5 % of the
    rectangle is text or a mark (strokes, lines, ticks and arrows are thinner than that):
    against the rectangle's commonest colour it must reach 4.5:1. What breaks either, named."""
    x0, y0, x1, y1 = rect
    w, h = x1 - x0, y1 - y0
    raw = subprocess.run(["convert", picture, "-crop", f"{w}x{h}+{x0}+{y0}", "+repage", "rgb:-"],
                         capture_output=True, check=True).stdout
    px = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
    counts = collections.Counter(px)
    grounds = set()
    for y in range(h - 3):
        for x in range(w - 3):
            c = px[y * w + x]
            if c not in grounds and all(px[(y + j) * w + x + i] == c for j in range(4) for i in range(4)):
                grounds.add(c)
    common = counts.most_common(1)[0][0] if counts else None
    return ([f"ground {c} of luminance {luminance(c):.3f}" for c in grounds if luminance(c) > 0.05]
            + [f"{c} on {common}: {contrast(c, common):.2f}:1" for c, n in counts.items()
               if c not in grounds and n >= 0.005 * len(px) and contrast(c, common) < 4.5])


def parse_ini(data):
    """Sections and keys of a settings file, in order, decoded as Windows-1251 (bytes that
    code page leaves undefined come out as U+FFFD)."""
    result = []
    for line in data.decode(ENC, "replace").split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            result.append((line[1:-1], []))
        elif "=" in line and result:
            key, value = line.split("=", 1)
            result[-1][1].append((key, value))
    return result


def well_formed(data, exact_layout=False):
    """What the tray program reads from the file (the first section and key of each name, as
    the profile functions do): the nineteen keys in their sections, integers where integers
    belong. With exact_layout the file holds nothing else, in the written order."""
    check(data is not None, "no settings file")
    parsed = parse_ini(data)
    layout = [(section, [k for k, _ in kv]) for section, kv in parse_ini(DEFAULT_FILE.encode(ENC))]
    if exact_layout:
        check([(s, [k for k, _ in kv]) for s, kv in parsed] == layout, f"layout {parsed[:8]}")
    seen = {}
    for section, kv in parsed:
        for k, v in kv:
            seen.setdefault((section.lower(), k.lower()), v)
    values = {}
    for section, keys in layout:
        for k in keys:
            v = seen.get((section.lower(), k.lower()))
            check(v is not None, f"[{section}] {k} missing")
            if k not in TEXT_KEYS:
                check(v.lstrip("-").isdigit(), f"{k}={v[:40]} is not a number")
            values[k] = v
    return values


class Suite:
    """Runs scenarios, one line each, and ends with the count."""

    def __init__(self):
        self.passed = 0
        self.failed = 0

    def run(self, name, scenario, cleanup=None):
        start = time.monotonic()
        try:
            scenario()
            self.passed += 1
            print(f"PASS {name} ({time.monotonic() - start:.1f} s)", flush=True)
        except Exception as e:  # a scenario's failure is reported, the suite goes on
            self.failed += 1
            print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
        finally:
            stop_all()
            if cleanup:
                cleanup()

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed", flush=True)
        return 0 if self.failed == 0 and self.passed > 0 else 1


def run_suite(tools, cases, only):
    """Runs the cases whose names contain one of only (all without), leaves the prefix's Run
    value as it found none, and returns the exit code."""
    suite = Suite()
    try:
        for name, case in cases:
            if not only or any(o in name for o in only):
                suite.run(name, case)
        tools.reg_delete()
    finally:
        tools.close()
    return suite.finish()
