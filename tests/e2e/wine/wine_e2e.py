#!/usr/bin/env python3
"""Sagelight.scr under Wine on a private X server: wine_e2e.py CASE.

A fresh wineserver places the pointer at the centre until X reports a move,
and a new window's pointer message carries that place: every case starts a
fresh wineserver with the real pointer at the centre, so both agree."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

import cases  # noqa: E402
import e2e  # noqa: E402
from e2e import CENTRE, SetupError, check  # noqa: E402

# Wine's own installers for .NET and the HTML engine never run, nor does its
# menu builder; a crashing program gets no debugger and no dialog.
WINE_DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
MARKER = "sagelight-prefix-ready"


def win32():
    """Whether the program under test is the 32-bit one, which needs a
    32-bit prefix and 32-bit Wine (the build found out which runs here)."""
    return os.environ.get("SAGELIGHT_WINE_ARCH") == "i686"


def wine_program():
    """The Wine loader for the program under test."""
    names = ("wine",) if win32() else ("wine64", "/usr/lib/wine/wine64", "wine")
    for name in names:
        if shutil.which(name):
            return shutil.which(name)
    raise SetupError("Wine is not installed (apt-get install wine wine64)")


def saver_program():
    """The Sagelight.scr that the build made, or why there is none."""
    reason = os.environ.get("SAGELIGHT_SCR_MISSING", "")
    if reason:
        raise SetupError(reason)
    path = os.environ.get("SAGELIGHT_SCR", "")
    check(os.path.isfile(path), f"Sagelight.scr not found at '{path}': build the project first")
    print(f"running {path}; {os.environ.get('SAGELIGHT_WINE_REASON', '')}", flush=True)
    return path


def prefix_path():
    prefix = os.environ.get("SAGELIGHT_WINE_PREFIX", "")
    check(prefix != "", "SAGELIGHT_WINE_PREFIX is not set")
    return prefix


def wine_environment(prefix, display=None):
    env = dict(os.environ, WINEPREFIX=prefix, WINEARCH="win32" if win32() else "win64",
               WINEDLLOVERRIDES=WINE_DLL_OVERRIDES, WINEDEBUG="-all")
    env.pop("DISPLAY", None)
    if display is not None:
        env["DISPLAY"] = display
    return env


def system_folder(prefix):
    return os.path.join(prefix, "drive_c", "windows", "system")


def run_wine_tool(prefix, display, args, seconds=60):
    return subprocess.run(["timeout", "-k", "5", str(seconds), *args],
                          env=wine_environment(prefix, display), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, check=False)


def stop_wine(prefix):
    run_wine_tool(prefix, None, ["wineserver", "-k"], 30)
    run_wine_tool(prefix, None, ["wineserver", "-w"], 30)


def prepare_prefix(prefix):
    """A 64-bit Wine prefix with c:\\windows\\system, made once and reused."""
    e2e.require("wineserver", "wineboot", "timeout", *e2e.TOOLS)
    wine = wine_program()
    if os.path.isfile(os.path.join(prefix, MARKER)):
        return
    os.makedirs(prefix, exist_ok=True)
    server = e2e.XServer()
    try:
        booted = run_wine_tool(prefix, server.display, ["wineboot", "-i"], 240)
        check(booted.returncode == 0, f"wineboot -i failed with status {booted.returncode}")
        aedebug = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug"
        run_wine_tool(prefix, server.display,
                      [wine, "reg", "add", aedebug, "/v", "Auto", "/t", "REG_SZ", "/d", "0", "/f"])
        run_wine_tool(prefix, server.display, [wine, "reg", "delete", aedebug, "/v", "Debugger",
                                               "/f"])
        stop_wine(prefix)
    finally:
        server.close()
    # A 64-bit prefix has no c:\windows\system; an installed Windows has.
    os.makedirs(system_folder(prefix), exist_ok=True)
    with open(os.path.join(prefix, MARKER), "w", encoding="ascii") as marker:
        marker.write("ready\n")


def remove_prefix(prefix):
    if os.path.isdir(prefix):
        stop_wine(prefix)
        shutil.rmtree(prefix, ignore_errors=True)


class WineSession(e2e.Session):
    settle = 1.0  # an event travels from X through Wine to the program
    records_at_show = True
    crowd = 2

    def __init__(self, prefix):
        self.prefix = prefix
        self.program = saver_program()
        self.wine = wine_program()
        prepare_prefix(prefix)
        super().__init__()
        self.afresh()

    def afresh(self):
        stop_wine(self.prefix)
        self.server.move(*CENTRE)

    def launch(self, args):
        return e2e.Saver(["timeout", "-k", "5", "150", self.wine, self.program, *args],
                         wine_environment(self.prefix, self.server.display), self.settle)

    @property
    def quote_file(self):
        return os.path.join(system_folder(self.prefix), "Sagelight.quo")

    def close(self):
        try:
            super().close()
        finally:
            stop_wine(self.prefix)


def missing_folder(session):
    """Without c:\\windows\\system the start-up's error is reported by the
    runtime, in a message box and on standard error, and ends the program."""
    folder = system_folder(session.prefix)
    hidden = folder + ".hidden"
    os.rename(folder, hidden)
    try:
        saver = session.start("/s")
        line = ("Sagelight: run-time error 76: Path not found "
                "(c:\\windows\\system\\Sagelight.quo)")
        e2e.wait_for(lambda: line in saver.stderr(), 60, f"standard error has '{line}'", saver)
        # Keys go to the window under the pointer: to the box once it shows.
        e2e.wait_for(lambda: session.server.run("xdotool", "search", "--onlyvisible", "--name",
                                                "^Sagelight$").stdout.strip(),
                     20, "a message box titled Sagelight shows", saver)
        check(session.server.screenshot().shows_root(), "a window covers the screen")
        session.server.key("Return")
        code = saver.wait(20)
        check(code not in (None, 0), f"the program ended with status {code}")
        check(not os.path.exists(folder), "the missing folder was created")
    finally:
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        os.rename(hidden, folder)


def ctrl_backspace(session):
    """Windows delivers 127 for Ctrl+Backspace, a character that ends the
    saver; Wine's keyboard types 8 instead, so the test posts it."""
    saver, _ = session.start_covering("/s")
    helper = os.environ.get("SAGELIGHT_POST_CHAR", "")
    check(os.path.isfile(helper), f"the helper {helper} was not built")
    posted = subprocess.run(["timeout", "-k", "5", "60", session.wine, helper, "127"],
                            env=wine_environment(session.prefix, session.server.display),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    check(posted.returncode == 0, f"posting the character failed with status {posted.returncode}")
    saver.ends("the character 127")


def main():
    if sys.argv[1:] == ["prefix"] or sys.argv[1:] == ["cleanup"]:
        try:
            if sys.argv[1] == "prefix":
                prepare_prefix(prefix_path())
            else:
                remove_prefix(prefix_path())
        except SetupError as error:
            print(f"skipped: {error}")
            return e2e.SKIP
        return 0
    return e2e.main(dict(cases.CASES, missing_folder=missing_folder,
                         ctrl_backspace=ctrl_backspace),
                    lambda: WineSession(prefix_path()), tools=("wineserver", "timeout"))


if __name__ == "__main__":
    sys.exit(main())
