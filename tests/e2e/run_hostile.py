#!/usr/bin/env python3
"""Hostile input: the real program against broken settings files, odd skin folders, odd
registry values and odd environments. Every input is generated here, deterministically. Each
case checks that the program starts, that its window answers, that OK writes a well-formed
file with the nineteen keys (or says why it cannot, losing nothing), and that it ends with
exit code 0 and no crash."""
import argparse
import os
import random
import shutil
import subprocess
import sys

from driver import (run_suite, DEFAULT_FILE, ENC, LAUNCH, Peer, Program, Tools, check,
                    elevated_copies, stop_all, wait_until, well_formed, winpath)

tools = None
args = None


def run_ok(folder, after_ready=None):
    """Starts the program, lets after_ready look at it, presses OK; returns the saved keys
    (and the file's bytes as the entry "")."""
    p = Program(tools, folder).wait_ready()
    c = p.controls()
    check(c["OkButton"].visible and c["OkButton"].enabled, "the window answers")
    if after_ready:
        after_ready(p, c)
    p.act("settext", "BalanceEdit", "42")  # still usable: an edit takes a change
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    values = well_formed(p.ini_bytes())
    check(values["Balance"] == "42", "the change was saved")
    values[""] = p.ini_bytes()
    return values


def settings_file(name, content, expect=None):
    def case():
        folder = tools.folder("ini-" + name, ini=content)
        values = run_ok(folder)
        if expect:
            expect(values)
    return case


def keeps(marker, count):
    """The unrelated content of the file survives the save."""
    def expect(values):
        found = values[""].count(marker)
        check(found == count, f"{count} x {marker!r} before the save, {found} after")
    return expect


def garbage(n, seed):
    rnd = random.Random(seed)
    return bytes(rnd.randrange(256) for _ in range(n))


def numbers_case():
    lines = ["[General]", "Balance=4294967301", "Steps=-1", "[View]", "BalloonHint=+",
             "[Mouse]", "Tray=0x10", "Click=99999999999999999999", "DClick=-", "MClick= 5",
             "Ctrl=-7", "[HotKeys]", "UpKey=4294967361", "UpMod=-1", "DownKey=+",
             "MuteKey=0x41", "[Config]", "TabIndex=4294967299"]

    def expect(values):
        # A number outside the list is kept as read; none below 0 is written.
        check(all(not values[k].startswith("-") for k in ("Click", "DClick", "MClick")),
              f"actions {values['Click']}, {values['DClick']}, {values['MClick']}")
        check(values["TabIndex"] in ("0", "1", "2", "3", "4"), f"TabIndex={values['TabIndex']}")
    return settings_file("numbers", "\r\n".join(lines) + "\r\n", expect)


def folder_as_file():
    folder = tools.folder("ini-folder")
    os.makedirs(os.path.join(folder, "VConfig.ini", "inside"))
    p = Program(tools, folder).wait_ready()
    box = p.failure_box("OkButton")
    check("VConfig.ini" in box, f"box names the file: {box!r}")
    check(p.proc.poll() is None, "the window stays open")
    p.act("click", "CancelButton")
    check(p.wait_exit() == 0, "exit code 0")
    check(os.path.isdir(os.path.join(folder, "VConfig.ini", "inside")), "the folder is untouched")


def read_only_file():
    before = DEFAULT_FILE.replace("Balance=50", "Balance=30")
    folder = tools.folder("ini-read-only", ini=before)
    ini = os.path.join(folder, "VConfig.ini")
    tools.wine("attrib", "+r", winpath(ini))
    p = Program(tools, folder).wait_ready()
    check(p.controls()["BalanceEdit"].text == "30", "a read-only file is read")
    p.act("settext", "BalanceEdit", "60")
    listing = sorted(os.listdir(folder))
    # Refused as on Windows, also where the user may write such a file (Wine's root), before
    # a read-only copy of it is made that no later save could remove. Administrator rights
    # would not help: no copy with them is started, no question is asked.
    with elevated_copies(folder) as copies:
        box = p.failure_box("OkButton")
    check(sorted(os.listdir(folder)) == listing, f"no stray file: {os.listdir(folder)}")
    check("VConfig.ini" in box and "owner=form" in box and "администратора" not in box
          and not copies, f"box: {box!r}, elevated copies {copies}")
    check(p.proc.poll() is None, "the window stays open")
    check(p.controls()["BalanceEdit"].text == "60", "the user's change is still shown")
    p.act("click", "CancelButton")
    check(p.wait_exit() == 0, "exit code 0")
    with open(ini, "rb") as f:
        check(f.read() == before.encode(ENC), "the file is as it was")


def full_disk():
    """A file near a 4 KiB boundary on a full disk: the copy takes the last page, the keys that
    make it grow do not fit. Wine reports those writes as done; today's program left the file
    cut after [View], said nothing and announced it."""
    folder = os.path.join(tools.work, "full-disk")
    subprocess.run(["umount", "-l", folder], capture_output=True)
    os.makedirs(folder, exist_ok=True)
    r = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=512k", "tmpfs", folder],
                       capture_output=True, text=True)
    check(r.returncode == 0, f"mount -t tmpfs tmpfs {folder} (needs root): {r.stderr.strip()}")
    try:
        shutil.copy(os.path.join(tools.dist, "VConfig.exe"), folder)
        ours = "[General]\r\nBalance=50\r\n"  # the tray program wrote few of our keys
        tray = "[Tray]\r\n" + "".join(f"Item{i:03}=the tray program's own\r\n" for i in range(120))
        pad = 4044 - len(tray) - len(ours) - len("Pad=\r\n")
        before = (tray + "Pad=" + "p" * pad + "\r\n" + ours).encode(ENC)
        check(len(before) == 4044, f"{len(before)} bytes")
        with open(os.path.join(folder, "VConfig.ini"), "wb") as f:
            f.write(before)
        peer = Peer(tools, tools.folder("full-disk-log", skins=False, exe=False),
                    os.path.join(folder, "VConfig.ini"))
        p = Program(tools, folder).wait_ready()
        with open(os.path.join(folder, "spare"), "wb") as f:
            f.write(b"s" * 4096)
        with open(os.path.join(folder, "filler"), "wb", buffering=0) as f:
            try:
                while f.write(b"f" * 4096):
                    pass
            except OSError:
                pass
        os.remove(os.path.join(folder, "spare"))  # room for the copy, none for more
        p.act("settext", "BalanceEdit", "77")
        box = p.failure_box("ApplyButton")
        check("VConfig.ini" in box and "остался прежним" in box, f"box: {box!r}")
        check(p.ini_bytes() == before, "the file is byte for byte as it was")
        check(sorted(os.listdir(folder)) == ["VConfig.exe", "VConfig.ini", "filler"],
              f"no copy left: {os.listdir(folder)}")
        check(peer.notices() == 0, "no notice for a file that was not written")
        os.remove(os.path.join(folder, "filler"))
        p.act("click", "ApplyButton")
        wait_until(lambda: peer.notices() == 1, 20, "the notice of the second Apply")
        after = p.ini_bytes()
        check(well_formed(after)["Balance"] == "77", "all keys written, with the change")
        check(after.startswith(before[:len(before) - len(ours)]), "the [Tray] section is whole")
        p.act("click", "CancelButton")
        check(p.wait_exit() == 0, "exit code 0")
    finally:
        stop_all()
        subprocess.run(["umount", "-l", folder], capture_output=True)


def protected_folder():
    """A folder that takes no new file, whose file may be written: written in place, checked."""
    before = DEFAULT_FILE.replace("Balance=50", "Balance=30")
    folder = tools.folder("protected", ini=before)
    peer = Peer(tools, tools.folder("protected-log", skins=False, exe=False),
                os.path.join(folder, "VConfig.ini"))
    r = subprocess.run(["chattr", "+i", folder], capture_output=True, text=True)
    check(r.returncode == 0, f"chattr +i {folder}: {r.stderr.strip()}")
    try:
        listing = sorted(os.listdir(folder))
        p = Program(tools, folder).wait_ready()
        p.act("settext", "BalanceEdit", "60")
        p.act("click", "ApplyButton")
        wait_until(lambda: peer.notices() == 1, 20, "the notice")
        check(p.box() is None, "no box")
        check(well_formed(p.ini_bytes())["Balance"] == "60", "written in place")
        check(sorted(os.listdir(folder)) == listing, f"no stray file: {os.listdir(folder)}")
        p.act("click", "CancelButton")
        check(p.wait_exit() == 0, "exit code 0")
    finally:
        subprocess.run(["chattr", "-i", folder], capture_output=True)


def unspellable_folder():
    """"қ" is not in Windows-1251: the folder is reached by its short name, and a copy left by a
    crash there is not read. Today's program showed the defaults and failed to save."""
    folder = tools.folder("Дыбыс қосымшасы", ini=DEFAULT_FILE.replace("Balance=50", "Balance=77"))
    with open(os.path.join(folder, "Vorduna.exe"), "wb") as f:
        f.write(b"MZ: the stand-in tray program")
    with open(os.path.join(folder, "VConfig.ini.new"), "wb") as f:
        f.write(b"[General]\r\nBalance=13\r\n" + garbage(300, 3))
    tools.reg_delete()
    p = Program(tools, folder).wait_ready()
    c = p.controls()
    check(c["BalanceEdit"].text == "77", f"the file's values are shown: {c['BalanceEdit'].text}")
    check(c["SkinCombo"].count == 2, "and the skins beside it")
    p.act("check", "AutostartCheck", 1)
    p.act("settext", "BalanceEdit", "78")
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "OK saves and ends")
    check(well_formed(p.ini_bytes())["Balance"] == "78", "saved")
    check(not os.path.exists(os.path.join(folder, "VConfig.ini.new")), "the copy left over is gone")
    value = tools.reg_value()
    check(value is not None and value[0] == "REG_SZ" and "?" not in value[1], f"Run value {value!r}")
    unix = tools.wine("winepath", "-u", value[1]).stdout.decode("utf-8").strip()
    check(os.path.exists(unix) and os.path.samefile(unix, os.path.join(folder, "Vorduna.exe")),
          f"{value[1]} names the tray program ({unix})")
    tools.reg_delete()


def elevated_copy_alone():
    """The elevated save's private argument, as anyone may give it, with a file that is missing,
    of 1 MB, or of random bytes: each copy ends with an error and shows no window, and the
    settings file stays as it was. Today's program ignored the argument and opened its
    window."""
    folder = tools.folder("elevated-alone", ini=DEFAULT_FILE)
    big = DEFAULT_FILE + "[Filler]\r\n" + ("Key=" + "z" * 1000 + "\r\n") * 1050
    for name, content in (("missing", None), ("big", big.encode(ENC)), ("random", garbage(4096, 5))):
        transfer = os.path.join(folder, name + ".ini")
        if content is not None:
            with open(transfer, "wb") as f:
                f.write(content)
        copy = subprocess.Popen([*LAUNCH, os.path.join(folder, "VConfig.exe"),
                                 "/elevated-save:" + winpath(transfer)], cwd=folder,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        rc, shown = tools.probe("watch", 3000)
        check(rc == 0 and not shown.split(), f"{name}: windows shown {shown.split()}")
        code = copy.wait(timeout=30)
        check(code != 0, f"{name}: exit code {code}")
        with open(os.path.join(folder, "VConfig.ini"), "rb") as f:
            check(f.read() == DEFAULT_FILE.encode(ENC), f"{name}: the settings file as it was")


def skins_case(name, populate, expect_items):
    def case():
        folder = tools.folder("skins-" + name)
        skins = os.path.join(folder, "Skins")
        populate(skins)

        def look(p, c):
            items = p.items("SkinCombo")
            expect_items(items)
        values = run_ok(folder, look)
        check(values["Skin"] in [f for f in os.listdir(skins)] + [""],
              f"Skin={values['Skin']!r} is a listed file")
    return case


def classic():
    return os.path.join(tools.dist, "Skins", "Classic.vsk")


def odd_skins(skins):
    with open(os.path.join(skins, "Empty.vsk"), "wb"):
        pass
    with open(os.path.join(skins, "Text.vsk"), "wb") as f:
        f.write(b"this is not a library\r\n")
    with open(classic(), "rb") as f:
        head = f.read()
    with open(os.path.join(skins, "Truncated.vsk"), "wb") as f:
        f.write(head[: len(head) // 3])
    with open(os.path.join(skins, "Garbage.vsk"), "wb") as f:
        f.write(b"MZ" + garbage(5000, 7))
    if os.path.exists(args.other_arch_skin):
        shutil.copy(args.other_arch_skin, os.path.join(skins, "OtherArch.vsk"))
    os.makedirs(os.path.join(skins, "x.vsk"))
    for lib in ("OneString.vsk", "LongStrings.vsk"):
        shutil.copy(os.path.join(args.odd_skins, lib), skins)
    shutil.copy(classic(), os.path.join(skins, "Скин тёмный.vsk"))


def expect_odd(items):
    for item in ("Classic (Default)", "Night (Dark)", "Lonely ()", "A" * 254 + " (" + "B" * 254 + ")"):
        check(item in items, f"{item[:20]!r} listed")
    check(" ()" in items, "unreadable files are listed with empty names")
    check(len(items) == 10 + os.path.exists(args.other_arch_skin), f"every file is listed: {len(items)}")


def no_skins_folder():
    folder = tools.folder("skins-none", skins=False)
    values = run_ok(folder, lambda p, c: check(c["SkinCombo"].count == 0, "an empty skin list"))
    check(values["Skin"] == "", f"Skin={values['Skin']!r}")


def many_skins(skins):
    for i in range(500):
        shutil.copy(classic(), os.path.join(skins, f"Skin{i:03}.vsk"))


def long_names(skins):
    # Whole paths of 250 and 259 characters (MAX_PATH is 260 with the terminating zero).
    for total in (250, 259):
        length = total - len(winpath(skins)) - 1
        check(8 < length < 250, f"room for a long name: {length}")
        shutil.copy(classic(), os.path.join(skins, ("n" * length)[: length - 4] + ".vsk"))


APPROVED = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"


def approved():
    """Task Manager's value for the entry, as hex digits, or None."""
    r = tools.wine("reg", "query", APPROVED, "/v", "Vorduna.exe")
    fields = r.stdout.split() if r.returncode == 0 else []
    return fields[-1].decode().upper() if len(fields) >= 3 and fields[-2] == b"REG_BINARY" else None


def registry_case(name, prepare):
    """An untouched OK leaves the Run value as it was: another copy's, a quoted one, one of
    another type. Today's program deleted each."""
    def case():
        folder = os.path.join(tools.work, "reg-" + name)
        prepare(winpath(folder) + "\\Vorduna.exe")
        before = (tools.reg_value(), approved())
        run_ok(tools.folder("reg-" + name), lambda p, c: check(c["AutostartCheck"].check == 0, "unticked"))
        check((tools.reg_value(), approved()) == before, f"as it was: {before}")
    return case


def task_manager_off():
    """Task Manager switched the entry off (first byte 7, one of its two "off" values):
    unticked, both values kept; ticking the box takes the switch-off back. Today's program
    ticked the box."""
    this_copy = winpath(os.path.join(tools.work, "reg-task-manager")) + "\\Vorduna.exe"
    registry_case("task-manager", lambda path: (tools.reg_set("REG_SZ", path), tools.wine(
        "reg", "add", APPROVED, "/v", "Vorduna.exe", "/t", "REG_BINARY", "/d",
        "070000000102030405060708", "/f", check_rc=True)))()
    p = Program(tools, os.path.join(tools.work, "reg-task-manager")).wait_ready()
    p.act("check", "AutostartCheck", 1)
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    check(tools.reg_value() == ("REG_SZ", this_copy), f"Run value {tools.reg_value()!r}")
    check(approved() is None, f"Task Manager's switch-off is gone: {approved()}")
    tools.reg_delete()


def run_key_missing(_):
    tools.wine("reg", "delete", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run", "/f")


def value_of(kind, data):
    return lambda _: tools.reg_set(kind, data)


def big_value(_):
    # Longer than a command line can carry: imported from a registry file.
    path = os.path.join(tools.work, "big-value.reg")
    text = ("Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
            '"Vorduna.exe"="C:\\\\' + "x" * 32760 + '"\r\n')
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))
    tools.wine("reg", "import", winpath(path), check_rc=True)
    check(tools.reg_value() is not None, "the 64 KB value is there")


def odd_folder():
    # "é" is not in Windows-1251: a best-fit "e" would name another folder.
    folder = tools.folder("Program Files/Громкость и ещё (копия) 2 café")
    run_ok(folder)


def hundred_applies():
    folder = tools.folder("applies")
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    p.act("clicks", "ApplyButton", 1)
    before = p.handles()
    p.act("clicks", "ApplyButton", 99)
    wait_until(lambda: peer.notices() == 100, 30, "100 notices")
    after = p.handles()
    check(before > 0, "the handle table counts the program's handles")
    check(after <= before + 2, f"kernel handles {before} -> {after}")
    well_formed(p.ini_bytes())
    p.act("click", "CancelButton")
    check(p.wait_exit() == 0, "exit code 0")
    print(f"     kernel handles after 1 Apply {before}, after 100 {after}")


def start_close_cycles():
    folder = tools.folder("cycles")
    counts = []
    for _ in range(20):
        p = Program(tools, folder).wait_ready()
        counts.append(p.handles())
        p.order("close")
        check(p.wait_exit() == 0, "exit code 0")
    check(min(counts) > 0 and max(counts) - min(counts) <= 2, f"handle counts at start {counts}")
    print(f"     kernel handles at each of 20 starts: {min(counts)}..{max(counts)}")


def main():
    global tools, args
    ap = argparse.ArgumentParser()
    for a in ("--dist", "--tools", "--work", "--odd-skins", "--other-arch-skin"):
        ap.add_argument(a, required=True)
    ap.add_argument("only", nargs="*")
    args = ap.parse_args()
    tools = Tools(args.tools, args.dist, args.work)
    os.makedirs(tools.work, exist_ok=True)
    big = DEFAULT_FILE.replace("[Config]", "[Filler]\r\n" + ("Key=" + "z" * 1000 + "\r\n") * 10500
                               + "[Config]")
    cases = [
        ("binary garbage", settings_file("garbage", garbage(65536, 1))),
        ("NUL bytes", settings_file("nul", DEFAULT_FILE.encode(ENC).replace(b"\r\n", b"\0\r\n"))),
        ("invalid Windows-1251 bytes", settings_file(
            "cp1251", b"[General]\r\nDevice=\x98\x98\xff\r\n[View]\r\nSkin=\x98.vsk\r\n")),
        ("a 10 MB file", settings_file("10mb", big, keeps(b"Key=zzz", 10500))),
        ("a line of 1 MB", settings_file("long-line", "[General]\r\nDevice=" + "d" * 2 ** 20
                                         + "\r\nBalance=30\r\n")),
        ("10,000 sections", settings_file("sections", "".join(
            f"[S{i}]\r\nK=V\r\n" for i in range(10000)) + "[General]\r\nBalance=30\r\n",
            keeps(b"K=V", 10000))),
        ("duplicated sections and keys", settings_file(
            "duplicates", DEFAULT_FILE + "[General]\r\nBalance=10\r\nBalance=20\r\n"
            "[Mouse]\r\nClick=0\r\nClick=4\r\n")),
        ("odd numbers", numbers_case()),
        ("Device and Skin of 5,000 characters", settings_file(
            "5000", "[General]\r\nDevice=" + "Д" * 5000 + "\r\n[View]\r\nSkin=" + "s" * 5000
            + ".vsk\r\n")),
        ("a settings file that is a folder", folder_as_file),
        ("a read-only settings file", read_only_file),
        ("a full disk: the file whole or untouched, and told", full_disk),
        ("a protected folder: written in place and checked", protected_folder),
        ("a folder the code page cannot spell, with a copy left by a crash", unspellable_folder),
        ("the elevated save's argument given by anyone: an error, no window, nothing written",
         elevated_copy_alone),
        ("odd skin files", skins_case("odd", odd_skins, expect_odd)),
        ("no Skins folder", no_skins_folder),
        ("500 skins", skins_case("500", many_skins,
                                 lambda items: check(len(items) == 502, f"{len(items)} listed"))),
        ("skin names near MAX_PATH", skins_case(
            "long-names", long_names, lambda items: check(
                items.count("Classic (Default)") == 3, f"{len(items)} listed"))),
        ("Run key missing", registry_case("no-key", run_key_missing)),
        ("Run value of type REG_EXPAND_SZ", registry_case(
            "expand", value_of("REG_EXPAND_SZ", "%ProgramFiles%\\Vorduna.exe"))),
        ("Run value of type REG_DWORD", registry_case("dword", value_of("REG_DWORD", "1"))),
        ("a 64 KB Run value", registry_case("big", big_value)),
        ("another copy's Run value", registry_case(
            "other-copy", value_of("REG_SZ", r"C:\Program Files\Vorduna\Vorduna.exe"))),
        ("this copy's Run value in quotes", registry_case(
            "quoted", lambda path: tools.reg_set("REG_SZ", f'"{path}"'))),
        ("switched off in Task Manager", task_manager_off),
        ("a folder with spaces and Cyrillic letters", odd_folder),
        ("100 Apply presses", hundred_applies),
        ("20 start/close cycles", start_close_cycles),
    ]
    return run_suite(tools, cases, args.only)


if __name__ == "__main__":
    sys.exit(main())
