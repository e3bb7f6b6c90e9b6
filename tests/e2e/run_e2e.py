#!/usr/bin/env python3
"""End-to-end scenarios: the real VConfig.exe used as a person would, checked as the tray
program would see it (the file's bytes, the registry, the reload notices, the exit code).
Run inside the test harness (Xvfb, Wine prefix, PulseAudio null sink)."""
import argparse
import os
import shutil
import sys
import time
import zipfile

from driver import (run_suite, DEFAULT_FILE, ENC, NAME, PAGE_COUNT, Holder, Peer, Program, Tools, check,
                    dark_faults, elevated_copies, keys_on_keyboard, read_only, wait_until,
                    well_formed, winpath)

tools = None

PAGE_OF = {  # a control of each page, to see which page shows
    0: "DeviceCombo", 1: "SkinCombo", 2: "ClickCombo", 3: "UpKeyCombo", 4: "TitleLabel"}


def shown_page(c):
    shown = [p for p, name in PAGE_OF.items() if c[name].visible]
    check(len(shown) == 1, f"pages shown: {shown}")
    return shown[0]


def wait_page(p, page):
    """Until that page alone shows."""
    wait_until(lambda: [n for n, name in PAGE_OF.items() if p.controls()[name].visible] == [page],
               10, f"page {page} alone")


def expect(c, name, **fields):
    for field, value in fields.items():
        actual = getattr(c[name], field)
        check(actual == value, f"{name}.{field} is {actual!r}, expected {value!r}")


def with_values(base, **values):
    """The default file with some values replaced, in the same order."""
    out = []
    for line in base.split("\r\n"):
        key = line.split("=", 1)[0]
        out.append(f"{key}={values[key]}" if key in values and "=" in line else line)
    return "\r\n".join(out)


def first_start_defaults():
    folder = tools.folder("first-start")
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    c = p.controls()
    check(shown_page(c) == 0 and c["SettingsTabs"].sel == 0, "the General page shows")
    expect(c, "DeviceCombo", sel=0, text="Первичное устройство")
    expect(c, "BalanceEdit", text="50")
    expect(c, "StepCombo", sel=2, text="5000 (нормально)", count=5)
    expect(c, "AutostartCheck", check=0)
    expect(c, "SkinCombo", sel=0, text="Classic (Default)", count=2)
    expect(c, "BalloonHintCheck", check=0)
    expect(c, "WheelOverIconCheck", check=1)
    for name in ("WheelCtrlCheck", "WheelAltCheck", "WheelShiftCheck"):
        expect(c, name, check=0)
    expect(c, "ClickCombo", sel=1, count=5)
    expect(c, "DClickCombo", sel=2)
    expect(c, "MClickCombo", sel=3)
    for prefix in ("Up", "Down", "Mute"):
        expect(c, prefix + "KeyCombo", sel=0, text="Нет")
        for mod in ("Ctrl", "Alt", "Shift", "Win"):
            expect(c, prefix + mod + "Check", check=0)
    expect(c, "TitleLabel", text="Vorduna")
    for page in (1, 2, 3, 4, 0):
        p.page(page)
        check(shown_page(p.controls()) == page, f"page {page} shows alone")
    p.focus_x()
    p.keys("Return")
    check(p.wait_exit() == 0, "exit code 0")
    check(p.ini_bytes() == DEFAULT_FILE.encode(ENC), f"default file: {p.ini_bytes()!r}")
    check(peer.notices() == 1, f"one notice, got {peer.notices()}")
    check(peer.file_at(1) == DEFAULT_FILE.encode(ENC), "the file was complete before the notice")


def at_150_percent():
    """At 144 DPI the window is the table at 1.5 times, and OK writes the file as at 96."""
    with tools.screen_dpi(144):
        folder = tools.folder("scale-150")
        p = Program(tools, folder).wait_ready()
        ok = p.controls()["OkButton"]
        size = (ok.rect[2] - ok.rect[0], ok.rect[3] - ok.rect[1])
        check(size == (113, 38), f"OK is {size[0]} x {size[1]}, not 75 x 25 at 1.5")
        p.focus_x()
        p.keys("Return")
        check(p.wait_exit() == 0, "exit code 0")
        check(p.ini_bytes() == DEFAULT_FILE.encode(ENC), f"file at 144 DPI: {p.ini_bytes()!r}")


def round_trip():
    folder = tools.folder("round-trip")
    p = Program(tools, folder).wait_ready()
    devices = p.items("DeviceCombo")
    p.order("close")
    check(p.wait_exit() == 0, "exit code 0 after the look at the devices")
    check(len(devices) >= 2, f"the mixer lists devices: {devices}")
    device = devices[-1]
    changed = with_values(
        DEFAULT_FILE, Device=device, Balance="30", Steps="7500", Skin="Night.vsk",
        BalloonHint="1", Tray="0", Ctrl="1", Alt="1", Shift="1", Click="4", DClick="0",
        MClick="2", UpKey="65", UpMod="6", DownKey="112", DownMod="1", MuteKey="77",
        MuteMod="9", TabIndex="3")
    folder = tools.folder("round-trip", ini=changed)
    p = Program(tools, folder).wait_ready()
    c = p.controls()
    check(shown_page(c) == 3 and c["SettingsTabs"].sel == 3, "page 3 shows")
    expect(c, "DeviceCombo", text=device, sel=len(devices) - 1)
    expect(c, "BalanceEdit", text="30")
    expect(c, "StepCombo", text="7500 (быстро)")
    expect(c, "SkinCombo", text="Night (Dark)")
    expect(c, "BalloonHintCheck", check=1)
    expect(c, "WheelOverIconCheck", check=0)
    for name in ("WheelCtrlCheck", "WheelAltCheck", "WheelShiftCheck"):
        expect(c, name, check=1)
    expect(c, "ClickCombo", sel=4)
    expect(c, "DClickCombo", sel=0)
    expect(c, "MClickCombo", sel=2)
    expect(c, "UpKeyCombo", text="A")
    expect(c, "UpCtrlCheck", check=1)
    expect(c, "UpShiftCheck", check=1)
    expect(c, "UpAltCheck", check=0)
    expect(c, "DownKeyCombo", text="F1")
    expect(c, "DownAltCheck", check=1)
    expect(c, "MuteKeyCombo", text="M")
    expect(c, "MuteAltCheck", check=1)
    expect(c, "MuteWinCheck", check=1)
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    check(p.ini_bytes() == changed.encode(ENC), f"round trip: {p.ini_bytes()!r}")
    # The keyboard's volume and media keys end every key list, and save by their codes.
    p = Program(tools, folder).wait_ready()
    for group in ("Up", "Down", "Mute"):
        keys = p.items(f"{group}KeyCombo")
        check(keys[-7:] == MEDIA_KEYS, f"the {group} list ends with the media keys: {keys[-9:]}")
    choose_hotkey(p, "Up", ("Ctrl",), "Громче")
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    volume_up = with_values(changed, UpKey="175", UpMod="2")
    check(p.ini_bytes() == volume_up.encode(ENC), f"Ctrl with Volume Up: {p.ini_bytes()!r}")


def keyboard_only():
    folder = tools.folder("keyboard")
    p = Program(tools, folder).wait_ready()
    p.focus_x()
    p.wait_focus("DeviceCombo")
    order = ["BalanceEdit", "StepCombo", "AutostartCheck", "OkButton", "CancelButton",
             "ApplyButton", "SettingsTabs"]
    for name in order:
        p.keys("Tab")
        p.wait_focus(name)
    p.keys("Right")
    wait_page(p, 1)  # Right shows the View page
    p.keys("Tab")
    p.wait_focus("SkinCombo")  # Tab goes into the page
    p.keys("Down")
    p.keys("Tab")
    p.wait_focus("BalloonHintCheck")
    p.keys("space")
    p.keys("shift+Tab", "shift+Tab")
    p.wait_focus("SettingsTabs")
    p.keys("Right")
    wait_page(p, 2)  # the Mouse page
    p.keys("Tab")
    p.wait_focus("WheelOverIconCheck")
    p.keys("space", "Tab", "space", "Tab", "Tab", "Tab")
    p.wait_focus("ClickCombo")
    p.keys("Down")
    p.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "Left", "Left")
    wait_page(p, 0)  # Left twice shows the General page
    p.keys("Tab", "Tab")
    p.wait_focus("BalanceEdit")
    p.keys("End", "BackSpace", "BackSpace", "BackSpace")
    p.type("150")
    p.wait_text("BalanceEdit", "100")  # 150 becomes 100
    p.keys("alt+o")  # the underlined letter of "&OK", in lower case
    check(p.wait_exit() == 0, "exit code 0")
    expected = with_values(DEFAULT_FILE, Balance="100", Skin="Night.vsk", BalloonHint="1",
                           Tray="0", Ctrl="1", Click="2")
    check(p.ini_bytes() == expected.encode(ENC), f"file: {p.ini_bytes()!r}")


def kept_values():
    """What the lists lack today stays until the user chooses another: a headset unplugged, a
    skin file gone, a key the lists never offer (";", 186), an action this window does not
    know; a key the layout names not (7). A volume key (173) is an item of the lists, not a kept
    one. Today's program wrote Device=, Skin=Classic.vsk, UpKey=0 and Click=-1."""
    stored = with_values(DEFAULT_FILE, Device="USB Headset", Skin="Dark.vsk", Click="7",
                         UpKey="186", UpMod="3", DownKey="7", DownMod="1", MuteKey="173")
    folder = tools.folder("kept", ini=stored)
    p = Program(tools, folder).wait_ready()
    c = p.controls()
    expect(c, "DeviceCombo", text="USB Headset (не подключено)", sel=c["DeviceCombo"].count - 1)
    expect(c, "SkinCombo", text="Dark.vsk (файл не найден)", sel=2)
    expect(c, "ClickCombo", sel=-1)
    expect(c, "UpKeyCombo", sel=c["UpKeyCombo"].count - 1)
    check(c["UpKeyCombo"].text not in ("", "Нет"), f"the key by its name: {c['UpKeyCombo'].text!r}")
    expect(c, "UpCtrlCheck", check=1)
    expect(c, "UpAltCheck", check=1)
    expect(c, "DownKeyCombo", text="Код 7", sel=c["DownKeyCombo"].count - 1)
    expect(c, "MuteKeyCombo", text="Без звука", sel=c["MuteKeyCombo"].count - 7)
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    check(p.ini_bytes() == stored.encode(ENC), f"an untouched OK: {p.ini_bytes()!r}")
    p = Program(tools, folder).wait_ready()
    p.act("select", "DeviceCombo", 0)
    p.act("select", "SkinCombo", 0)
    p.act("select", "ClickCombo", 0)
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "exit code 0")
    chosen = with_values(stored, Device="", Skin="Classic.vsk", Click="0")
    check(p.ini_bytes() == chosen.encode(ENC),
          f"the primary device, the first skin, no action: {p.ini_bytes()!r}")


def discard(how):
    def scenario():
        before = with_values(DEFAULT_FILE, Balance="30") + "[Other]\r\nKeep=this\r\n"
        folder = tools.folder("discard-" + how, ini=before)
        peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
        p = Program(tools, folder).wait_ready()
        p.act("check", "BalloonHintCheck", 1)
        p.act("settext", "BalanceEdit", "70")
        p.act("select", "ClickCombo", 0)
        if how == "escape":
            p.focus_x()
            p.keys("Escape")
        else:
            p.order("sysclose")
        check(p.wait_exit() == 0, "exit code 0")
        check(p.ini_bytes() == before.encode(ENC), "the file is byte-identical")
        check(peer.notices() == 0, "no notice")
    return scenario


def apply_then_cancel():
    folder = tools.folder("apply-cancel")
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    p.act("settext", "BalanceEdit", "70")
    p.act("click", "ApplyButton")
    wait_until(lambda: peer.notices() == 1, 15, "the notice of Apply")
    applied = with_values(DEFAULT_FILE, Balance="70")
    check(p.ini_bytes() == applied.encode(ENC), f"applied: {p.ini_bytes()!r}")
    check(p.controls()["OkButton"].visible, "Apply keeps the window open")
    p.act("settext", "BalanceEdit", "20")
    p.act("check", "BalloonHintCheck", 1)
    p.act("click", "CancelButton")
    check(p.wait_exit() == 0, "exit code 0")
    check(p.ini_bytes() == applied.encode(ENC), "the file holds the applied state only")
    check(peer.notices() == 1, f"one notice, got {peer.notices()}")


def autostart(folder_name):
    def scenario():
        tools.reg_delete()
        folder = tools.folder(folder_name)
        p = Program(tools, folder).wait_ready()
        check(p.controls()["AutostartCheck"].check == 0, "no value: unticked")
        p.focus_x()
        p.keys("Tab", "Tab", "Tab")
        p.wait_focus("AutostartCheck")
        p.keys("space", "Return")
        check(p.wait_exit() == 0, "exit code 0")
        value = tools.reg_value()
        expected = winpath(folder) + "\\Vorduna.exe"
        check(value == ("REG_SZ", expected), f"Run value {value!r}, expected {expected!r}")
        p = Program(tools, folder).wait_ready()
        check(p.controls()["AutostartCheck"].check == 1, "the stored value ticks the box")
        p.act("check", "AutostartCheck", 0)
        p.act("click", "OkButton")
        check(p.wait_exit() == 0, "exit code 0")
        check(tools.reg_value() is None, "the value is gone")
    return scenario


def second_copy():
    """A second start while the window is open, with another window in front of it: the second
    copy shows no window at any moment, ends with code 0, and the first window is in front
    again with the focus where it was. Today's second copy showed a window of its own, and the
    first stayed behind."""
    folder = tools.folder("second-copy")
    first = Program(tools, folder).wait_ready()
    first.focus_x()
    first.page(2)
    focus = first.focused()
    tools.probe("cover", 1)
    check(first.order("front").strip() == "0", "another window is in front")
    second = Program(tools, folder)
    shown = first.order("watch", 3000).split()  # from its start to its end, and more
    check(second.wait_exit(1) == 0, "the second copy ends with code 0")
    check(not shown, f"the second copy showed windows {shown}")
    check(first.order("front").strip() == "1" and first.focused() == focus,
          f"the first window in front, the focus on {first.focused()}, not on {focus}")
    tools.probe("cover", 0)
    check(first.ini_bytes() is None, "nothing was written")
    first.order("close")
    check(first.wait_exit() == 0, "the first copy ends with code 0")
    check(first.ini_bytes() is None, "closing writes nothing")


def administrators_only(foreseen):
    """A folder that only administrators may write (mounted read-only; Wine's "runas" starts the
    program with no prompt, and making the folder writable stands in for the consent). Foreseen
    at start, OK goes to an elevated copy at once: left read-only, that copy's failure is told
    and nothing changes; made writable, it saves. Not foreseen (read-only only once the window
    is open), a box asks first. Either way the tray program gets one notice, the window closes
    and the temporary file is gone. Today's program failed every save with "access denied"."""
    def scenario():
        before = with_values(DEFAULT_FILE, Balance="30")
        folder = tools.folder("administrators", ini=before)
        peer = Peer(tools, tools.folder("administrators-log", skins=False, exe=False),
                    os.path.join(folder, "VConfig.ini"))
        with read_only(folder) as writable, elevated_copies(folder) as copies:
            if not foreseen:
                writable(True)
            p = Program(tools, folder).wait_ready()
            p.act("settext", "BalanceEdit", "60")
            if foreseen:
                box = p.failure_box("OkButton")
                check("VConfig.ini" in box and "Доступ запрещён" in box and len(copies) == 1,
                      f"the elevated copy's reason: {box!r}, copies {copies}")
                check(p.ini_bytes() == before.encode(ENC) and peer.notices() == 0,
                      "nothing written, nothing announced")
                check(p.proc.poll() is None and p.controls()["BalanceEdit"].text == "60",
                      "the window stays open with the change")
                writable(True)
                p.act("click", "OkButton")
            else:
                writable(False)
                p.act("click", "OkButton")
                box = wait_until(p.box, 20, "the question")
                check("Доступ запрещён" in box and "правами администратора?" in box and not copies,
                      f"asked before any copy: {box!r}")
                writable(True)
                answer_box(p, "yes")
            check(p.wait_exit() == 0, "saved, and the window closes")
            check(len(copies) == 1 + foreseen, f"through an elevated copy: {copies}")
        check(p.ini_bytes() == with_values(before, Balance="60").encode(ENC),
              f"the file with the change: {p.ini_bytes()!r}")
        check(peer.notices() == 1, f"one notice, got {peer.notices()}")
        transfer = list(copies.values())[-1].split("/elevated-save:", 1)[1]
        unix = tools.wine("winepath", "-u", transfer).stdout.decode("utf-8").strip()
        check(unix and not os.path.exists(unix), f"the temporary file is gone: {unix}")
    return scenario


def links():
    # Wine's HKEY_CLASSES_ROOT is the machine's classes: the stand-in goes there, and what was
    # there before comes back afterwards, so the prefix's browser handler survives the suite.
    saved = {}
    for scheme in ("http", "mailto"):
        key = rf"HKLM\Software\Classes\{scheme}"
        path = os.path.join(tools.work, f"saved-{scheme}.reg")
        if tools.wine("reg", "export", key, winpath(path), "/y").returncode == 0:
            saved[key] = path
    try:
        clicked_links()
    finally:
        for scheme in ("http", "mailto"):
            key = rf"HKLM\Software\Classes\{scheme}"
            tools.wine("reg", "delete", key, "/f")
            if key in saved:
                tools.wine("reg", "import", winpath(saved[key]))


def clicked_links():
    folder = tools.folder("links")
    log = os.path.join(folder, "urls.log")
    handler = f'"{winpath(os.path.join(tools.tools, "peer.exe"))}" url "{winpath(log)}" "%1"'
    for scheme in ("http", "mailto"):
        key = rf"HKLM\Software\Classes\{scheme}"
        tools.wine("reg", "add", key, "/v", "URL Protocol", "/d", "", "/f", check_rc=True)
        tools.wine("reg", "add", key + r"\shell\open\command", "/ve", "/d", handler, "/f",
                   check_rc=True)
    p = Program(tools, folder).wait_ready()
    p.page(4)

    def lines():
        if not os.path.exists(log):
            return []
        with open(log, "rb") as f:
            return f.read().decode(ENC).split()
    c = p.controls()
    p.focus_x()
    p.click_at(*c["WebLinkLabel"].centre())
    wait_until(lambda: len(lines()) == 1, 20, "the web address at the shell")
    p.click_at(*c["MailLinkLabel"].centre())
    wait_until(lambda: len(lines()) == 2, 20, "the mail address at the shell")
    web, mail = lines()
    check(web.startswith("http://") and c["WebLinkLabel"].text in web, f"web link {web!r}")
    check(mail == f"mailto:{c['MailLinkLabel'].text}?subject=Vorduna", f"mail link {mail!r}")
    p.order("close")
    check(p.wait_exit() == 0, "exit code 0")


def notice_with_hung_window():
    folder = tools.folder("hung-window")
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    Holder(tools, "hung")
    p = Program(tools, folder).wait_ready()
    p.act("click", "OkButton")
    check(p.wait_exit(20) == 0, "OK ends despite a hung window")
    check(peer.notices() == 1, "the responsive peer still got its notice")
    check(peer.file_at(1) == DEFAULT_FILE.encode(ENC), "with the complete file")


def unwritable_file():
    before = with_values(DEFAULT_FILE, Balance="30")
    folder = tools.folder("unwritable", ini=before)
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    p.act("settext", "BalanceEdit", "80")
    lock = Holder(tools, "lock", winpath(p.ini))
    box = p.failure_box("OkButton")
    check("VConfig.ini" in box and "owner=form" in box, f"box: {box!r}")
    check(p.proc.poll() is None, "the window stays open")
    c = p.controls()
    check(c["BalanceEdit"].text == "80", "the edit keeps what the user typed")
    check(peer.notices() == 0, "nothing written, nothing announced")
    lock.stop()
    check(p.ini_bytes() == before.encode(ENC), "the file is as it was")
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "after the lock is gone OK saves and ends")
    check(well_formed(p.ini_bytes())["Balance"] == "80", "and nothing was lost")
    check(peer.notices() == 1, "the saved file announced")


MODIFIERS = ("Ctrl", "Alt", "Shift", "Win")
# The last seven items of every key list: codes 173 to 179, by the program's names.
MEDIA_KEYS = ["Без звука", "Тише", "Громче", "След. трек", "Пред. трек", "Стоп", "Пуск/пауза"]


def choose_hotkey(p, group, mods, key):
    """Ticks exactly the given modifier boxes of a hotkey group and picks the key by name."""
    for m in MODIFIERS:
        p.act("check", f"{group}{m}Check", int(m in mods))
    p.act("select", f"{group}KeyCombo", p.items(f"{group}KeyCombo").index(key))


def answer_box(p, answer):
    p.order("answer", answer)
    wait_until(lambda: p.box() is None, 10, "the box to close")


def hotkey_taken():
    folder = tools.folder("hotkey-taken", ini=DEFAULT_FILE)
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    Holder(tools, "hotkey", "6", "65")  # another program holds Ctrl+Shift+A
    p = Program(tools, folder).wait_ready()
    choose_hotkey(p, "Up", ("Ctrl", "Shift"), "A")
    p.act("click", "OkButton")
    box = wait_until(p.box, 20, "the hotkey box")
    check("Увеличить громкость — Ctrl+Shift+A" in box and "другой программой" in box
          and "owner=form" in box, f"box: {box!r}")
    answer_box(p, "no")
    check(p.proc.poll() is None, "No keeps the window open")
    check(p.ini_bytes() == DEFAULT_FILE.encode(ENC), "No writes nothing")
    check(peer.notices() == 0, "No sends no notice")
    wait_page(p, 3)  # No shows the Hotkeys page
    p.wait_focus("UpKeyCombo")
    p.act("click", "OkButton")
    wait_until(p.box, 20, "the hotkey box again")
    answer_box(p, "yes")
    check(p.wait_exit() == 0, "Yes saves and ends")
    check(peer.notices() == 1, "one notice")
    values = well_formed(p.ini_bytes())
    check((values["UpKey"], values["UpMod"]) == ("65", "6"), "Ctrl+Shift+A saved")


def hotkeys_the_tray_holds():
    folder = tools.folder("hotkey-held", ini=with_values(DEFAULT_FILE, UpKey="65", UpMod="6"))
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    Holder(tools, "hotkey", "6", "65")  # the tray program holds the stored one
    p = Program(tools, folder).wait_ready()
    choose_hotkey(p, "Down", ("Ctrl", "Shift"), "B")
    p.act("click", "ApplyButton")
    wait_until(lambda: peer.notices() == 1, 20, "Apply to save without a box")
    Holder(tools, "hotkey", "6", "66")  # the reloaded tray program holds the new one
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "OK saves without a box")
    check(peer.notices() == 2, "a notice for each")


def hotkey_repeated():
    folder = tools.folder("hotkey-repeated")
    p = Program(tools, folder).wait_ready()
    for group in ("Up", "Down"):
        choose_hotkey(p, group, ("Ctrl", "Alt"), "F")
    p.act("click", "OkButton")
    box = wait_until(p.box, 20, "the hotkey box")
    check("Уменьшить громкость — Ctrl+Alt+F" in box and "«Увеличить громкость»" in box,
          f"box: {box!r}")
    answer_box(p, "no")
    p.wait_focus("DownKeyCombo")
    check(p.ini_bytes() is None, "No writes nothing")
    # The same key with other modifiers is another hotkey.
    choose_hotkey(p, "Down", ("Alt",), "F")
    p.act("click", "OkButton")
    check(p.wait_exit() == 0, "Ctrl+Alt+F and Alt+F save without a box")
    values = well_formed(p.ini_bytes())
    check([values[k] for k in ("UpKey", "UpMod", "DownKey", "DownMod")] == ["70", "3", "70", "1"],
          f"saved {values}")


def hotkey_types():
    """A hotkey that takes a typing key away from every program is named before it is saved:
    "A", "1" or Down alone, Shift with Space; F9 alone, Ctrl+A and Win+A are not. Today's
    program saved them without a word."""
    folder = tools.folder("hotkey-types", ini=DEFAULT_FILE)
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    space = next(k for k in p.items("MuteKeyCombo") if k.lower() in ("space", "пробел"))
    choose_hotkey(p, "Up", (), "A")
    choose_hotkey(p, "Down", (), "F9")
    choose_hotkey(p, "Mute", ("Shift",), space)
    p.act("click", "OkButton")
    box = wait_until(p.box, 20, "the hotkey box")
    typing = "без Ctrl, Alt или Win эта клавиша перестанет набираться во всех программах"
    check(f"Увеличить громкость — A: {typing}" in box
          and f"Выкл. / вкл. звук — Shift+{space}: {typing}" in box
          and "Уменьшить громкость" not in box, f"box: {box!r}")
    answer_box(p, "no")
    p.wait_focus("UpKeyCombo")
    check(p.ini_bytes() == DEFAULT_FILE.encode(ENC) and peer.notices() == 0, "No writes nothing")
    p.act("click", "ApplyButton")
    wait_until(p.box, 20, "the hotkey box again")
    answer_box(p, "yes")
    wait_until(lambda: peer.notices() == 1, 20, "Yes to save")
    saved = with_values(DEFAULT_FILE, UpKey="65", UpMod="0", DownKey="120", DownMod="0",
                        MuteKey="32", MuteMod="4", TabIndex="3")
    check(p.ini_bytes() == saved.encode(ENC), f"saved as chosen: {p.ini_bytes()!r}")
    # The tray program holds those now. A digit and an arrow alone are named too; Ctrl+A and
    # Win+A type nothing and are not (each fault went unnoticed once: the digits' range
    # dropped, the arrows' range cut short at Down, Win dropped from the modifiers).
    down = next(k for k in p.items("DownKeyCombo") if k.lower() in ("down", "вниз"))
    choose_hotkey(p, "Up", ("Ctrl",), "A")
    p.act("click", "ApplyButton")
    wait_until(lambda: peer.notices() == 2, 20, "Ctrl+A saved without a box")
    choose_hotkey(p, "Up", (), "1")
    choose_hotkey(p, "Down", (), down)
    choose_hotkey(p, "Mute", ("Win",), "A")
    p.act("click", "OkButton")
    box = wait_until(p.box, 20, "the hotkey box")
    check(f"Увеличить громкость — 1: {typing}" in box and "Win+A" not in box
          and f"Уменьшить громкость — {down}: {typing}" in box, f"box: {box!r}")
    answer_box(p, "yes")
    check(p.wait_exit() == 0, "Yes saves and ends")
    check(p.ini_bytes() == with_values(saved, UpKey="49", DownKey="40", MuteKey="65",
                                       MuteMod="8").encode(ENC), f"saved: {p.ini_bytes()!r}")


def english_code_page():
    """Under the ANSI code page of an English Windows (1252: Wine's under C.UTF-8) every text
    of the window and of its boxes, read in UTF-16, is what it is under 1251, and OK writes the
    same file. Today's program showed "Îáùèå" for "Общие"."""
    def texts(p):
        out = {"tabs": tuple(p.tabs())}
        for name, c in p.controls().items():
            out[name] = (c.text, tuple(p.items(name)) if "COMBO" in c.cls.upper() else ())
        return out
    tools.utf8 = True
    try:
        p = Program(tools, tools.folder("cp1251")).wait_ready()
        russian = texts(p)
        p.order("close")
        check(p.wait_exit() == 0, "exit code 0")
        check(russian["tabs"][0] == "Общие" and russian["CancelButton"][0] == "&Отмена",
              f"read as Russian under 1251: {russian['tabs']}")
        p = Program(tools, tools.folder("cp1252"), locale="C.UTF-8").wait_ready()
        english = texts(p)
        differ = [(k, english.get(k)) for k in russian if russian[k] != english.get(k)]
        check(not differ, f"under 1252: {differ[:3]}")
        lock = Holder(tools, "lock", winpath(p.ini))
        box = p.failure_box("OkButton")
        check("Не удалось записать настройки в файл" in box and "Окно остаётся открытым" in box,
              f"box: {box!r}")
        lock.stop()
        p.act("click", "OkButton")
        check(p.wait_exit() == 0, "exit code 0")
        check(p.ini_bytes() == DEFAULT_FILE.encode(ENC), f"the file of 1251: {p.ini_bytes()!r}")
    finally:
        tools.utf8 = False


# Each list and the edit: the name a screen reader gives it, its group's title or its label.
NAMED = {"DeviceCombo": "Устройство для управления", "BalanceEdit": "Баланс каналов",
         "StepCombo": "Шаг изменения громкости", "SkinCombo": "Скин индикатора в трее",
         "ClickCombo": "Одиночный клик:", "DClickCombo": "Двойной клик:",
         "MClickCombo": "Средняя кнопка:", "UpKeyCombo": "Увеличить громкость",
         "DownKeyCombo": "Уменьшить громкость", "MuteKeyCombo": "Выкл. / вкл. звук"}
REFERENCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "reference")


def screen_reader(dark):
    """What a screen reader reads (MSAA, as NVDA and JAWS ask) and the underlined letters, in
    either colour mode. Light, the pages are drawn pixel for pixel as before the names came
    (reference/, made by the program of that time); dark, every control of every page and an
    open list read light on dark (driver.dark_faults). Today's program named the hotkey lists
    "Нет", and Alt+П did nothing; dark, its tab strip, buttons, check boxes and group captions
    stayed light or dark on dark."""
    # The two Cyrillic letters on keys of their own before the program reads the keyboard map.
    def scenario():
        with keys_on_keyboard("Cyrillic_pe", "Cyrillic_o"), tools.color_mode(dark):
            read_and_press(dark)
    return scenario


def read_and_press(dark):
    folder = tools.folder("screen-reader")
    peer = Peer(tools, folder, os.path.join(folder, "VConfig.ini"))
    p = Program(tools, folder).wait_ready()
    for page in range(PAGE_COUNT):
        p.page(page)
        p.wait_look(None if dark else os.path.join(REFERENCE, f"page-{page}.png"), f"page {page}")
    if dark:
        p.page(2)
        p.focus_x()
        p.click_at(*p.controls()["ClickCombo"].centre())
        time.sleep(1)  # drawn
        faults = dark_faults(*p.list_picture())
        check(not faults, f"the open list: {faults[:4]}")
        p.keys("Escape")
    r = tools.wine(os.path.join(tools.tools, "msaa.exe"))
    check(r.returncode == 0, f"msaa.exe: exit code {r.returncode}, {r.stderr.decode('utf-8', 'replace')}")
    out = r.stdout.decode("utf-8")
    rows = {NAME[int(f[0])]: f for f in (line.split("\t") for line in out.splitlines())
            if int(f[0]) in NAME}
    for name, label in NAMED.items():
        role = "2a" if name == "BalanceEdit" else "2e"  # editable text, combo box
        f = rows[name]
        check((f[2], f[3], f[6], f[7]) == (label, role, "Static", label),
              f"{name}: name, role, the label before it: {f[2:8]}")
    shortcuts = [rows[b][4] for b in ("OkButton", "CancelButton", "ApplyButton")]
    check(shortcuts == ["Alt+O", "Alt+О", "Alt+П"], f"shortcuts {shortcuts}")
    # The tab list is named by its tabs on Windows (Wine reads it as a nameless client).
    unnamed = [n for n, f in rows.items() if f[8] == "1" and not f[2] and n != "SettingsTabs"]
    check(not unnamed, f"focusable without a name: {unnamed}")
    p.page(0)
    p.focus_x()
    p.keys("Tab", "Tab")
    p.wait_focus("StepCombo")  # in its edit field
    p.keys("alt+z")  # no such letter: default processing, as before
    p.keys("alt+Cyrillic_pe")  # Применить
    wait_until(lambda: peer.notices() == 1, 10, "Alt+П to apply")
    check(p.proc.poll() is None, "Alt+Z did nothing, Alt+П left the window open")
    p.keys("alt+Cyrillic_o")  # Отмена, not OK (Latin O)
    check(p.wait_exit() == 0, "Alt+О cancels")
    check(peer.notices() == 1, "and writes nothing more")


def colour_mode_switch():
    """The apps' mode switched while the window is open (Windows then broadcasts
    WM_SETTINGCHANGE "ImmersiveColorSet"): dark at once, on the same page, with the same focus
    and values; light again, pixel for pixel as before. Today's program stayed light."""
    def state(p):
        return p.focused(), [(n, c.text, c.check, c.sel) for n, c in sorted(p.controls().items())]
    with tools.color_mode(False) as mode:
        p = Program(tools, tools.folder("colour-mode", ini=with_values(
            DEFAULT_FILE, Balance="30", UpKey="65", UpMod="2", TabIndex="3"))).wait_ready()
        p.focus_x()
        p.wait_focus("UpCtrlCheck")
        before = state(p)
        light = os.path.join(tools.work, "light.png")
        shutil.copy(p.shot()[0], light)
        for dark in (True, False):
            mode(int(not dark))
            tools.probe("setting", "ImmersiveColorSet")
            p.wait_look(None if dark else light, "the window at once")
            check(state(p) == before, "the same page, focus and values")
        p.order("close")
        check(p.wait_exit() == 0, "exit code 0")


def release_archive(archive):
    def scenario():
        with zipfile.ZipFile(archive) as z:
            names = sorted(n for n in z.namelist() if not n.endswith("/"))
            check(names == ["ReadMe.txt", "Skins/Classic.vsk", "Skins/Night.vsk", "VConfig.exe"],
                  f"archive holds {names}")
            folder = os.path.join(tools.work, "release", "Мои программы", "Vorduna 1.0")
            shutil.rmtree(os.path.join(tools.work, "release"), ignore_errors=True)
            z.extractall(folder)
        with open(os.path.join(tools.dist, "VConfig.exe"), "rb") as f:
            check(f.read() == open(os.path.join(folder, "VConfig.exe"), "rb").read(),
                  "the archive ships the program the suites test")
        readme = open(os.path.join(folder, "ReadMe.txt"), "rb").read()
        text = readme.decode(ENC)
        check(readme.count(b"\n") == readme.count(b"\r\n") > 0, "ReadMe.txt has CRLF line ends")
        check("VConfig.ini" in text and "Skins" in text and "настройки" in text.lower(),
              "ReadMe.txt tells where the settings and skins are")
        version = os.path.basename(archive).split("-")[1]
        check(version in text, f"ReadMe.txt names version {version}")
        p = Program(tools, folder).wait_ready()
        c = p.controls()
        check(c["VersionLabel"].text == "Версия " + version, f"About: {c['VersionLabel'].text!r}")
        check(c["SkinCombo"].count == 2, "the skins beside it are found")
        p.focus_x()
        p.keys("Return")
        check(p.wait_exit() == 0, "OK ends the program")
        well_formed(p.ini_bytes(), exact_layout=True)
    return scenario


def main():
    global tools
    ap = argparse.ArgumentParser()
    ap.add_argument("--dist", required=True)
    ap.add_argument("--tools", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--archive")
    ap.add_argument("only", nargs="*")
    args = ap.parse_args()
    tools = Tools(args.tools, args.dist, args.work)
    os.makedirs(tools.work, exist_ok=True)
    scenarios = [
        ("first start without a file", first_start_defaults),
        ("at 150 %: laid out at the screen's scale, the same file", at_150_percent),
        ("round trip of every setting", round_trip),
        ("what the lists lack is kept by an untouched OK", kept_values),
        ("keyboard only", keyboard_only),
        ("Escape discards", discard("escape")),
        ("close button discards", discard("close")),
        ("Apply, more edits, Cancel", apply_then_cancel),
        ("autostart", autostart("autostart")),
        ("autostart from a folder with spaces and Cyrillic letters",
         autostart("Program Files (x86)/Громкость Вордуна")),
        ("second copy", second_copy),
        ("only administrators may write: foreseen, one consent; left read-only, told",
         administrators_only(True)),
        ("only administrators may write, found at the save: asked, then one consent",
         administrators_only(False)),
        ("About links go to the shell", links),
        ("a hung window does not hold OK", notice_with_hung_window),
        ("a locked file: message box, window open, nothing lost", unwritable_file),
        ("a hotkey another program holds: box, No goes back, Yes saves", hotkey_taken),
        ("hotkeys the tray program holds need no box", hotkeys_the_tray_holds),
        ("a hotkey set twice is named in the box", hotkey_repeated),
        ("a hotkey on a key that types is named in the box", hotkey_types),
        ("under the code page of an English Windows: the same texts, the same file",
         english_code_page),
        ("a screen reader names every list and the edit; the underlined letters work",
         screen_reader(False)),
        ("dark: every page and an open list light on dark; names and letters as in light",
         screen_reader(True)),
        ("the colour mode switched while open: dark, then light as before", colour_mode_switch),
    ]
    if args.archive:
        scenarios.append(("the release archive, unpacked into a folder with spaces and Cyrillic "
                          "letters", release_archive(args.archive)))
    return run_suite(tools, scenarios, args.only)


if __name__ == "__main__":
    sys.exit(main())
