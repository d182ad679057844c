#!/usr/bin/env python3
"""Sagelight.scr under Wine on a private X server: wine_e2e.py CASE, where
the case "prefix" makes the Wine prefix that the cases share and "cleanup"
removes it."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

# pylint: disable=wrong-import-position
import e2e  # noqa: E402
from e2e import CENTRE, SetupError, check  # noqa: E402

# Wine's own installers for .NET and the HTML engine never run, nor does its
# menu builder; a crashing program gets no debugger and no dialog.
WINE_DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"


class WineSession(e2e.Session):
    """A fresh wineserver puts the pointer at the centre until X reports a
    move, and a new window gets that place: each case starts a fresh one
    with the real pointer at the centre, so both agree."""

    settle = 1.0  # an event travels from X through Wine to the program
    records_at_show = True
    crowd = 2
    draws_boxes = False  # Wine draws them

    def __init__(self):
        if os.environ.get("SAGELIGHT_SCR_MISSING"):
            raise SetupError(os.environ["SAGELIGHT_SCR_MISSING"])
        e2e.require("wineserver", "wineboot", "timeout")
        # The 32-bit program needs a 32-bit prefix and 32-bit Wine (the build
        # found out which runs here).
        self.win32 = os.environ.get("SAGELIGHT_WINE_ARCH") == "i686"
        self.wine = next(filter(None, map(shutil.which, ("wine",) if self.win32 else (
            "wine64", "/usr/lib/wine/wine64", "wine"))), None)
        if self.wine is None:
            raise SetupError("Wine is not installed (apt-get install wine wine64)")
        self.program, self.prefix = os.environ["SAGELIGHT_SCR"], os.environ["SAGELIGHT_WINE_PREFIX"]
        check(os.path.isfile(self.program), f"{self.program} not found: build the project first")
        print(f"running {self.program}", flush=True)
        self.system = os.path.join(self.prefix, "drive_c", "windows", "system")
        super().__init__(e2e.XServer(), os.path.join(self.system, "Sagelight.quo"))
        marker = os.path.join(self.prefix, "sagelight-prefix-ready")
        if not os.path.isfile(marker):
            self.make_prefix()
            open(marker, "wb").close()  # pylint: disable=consider-using-with
        self.afresh()

    def env(self):
        return self.server.env(WINEPREFIX=self.prefix, WINEARCH="win32" if self.win32 else "win64",
                               WINEDLLOVERRIDES=WINE_DLL_OVERRIDES, WINEDEBUG="-all")

    def run(self, *args, seconds=60):
        return subprocess.run(["timeout", "-k", "5", str(seconds), *args], env=self.env(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              check=False).returncode

    def make_prefix(self):
        os.makedirs(self.prefix, exist_ok=True)
        status = self.run("wineboot", "-i", seconds=240)
        check(status == 0, f"wineboot -i failed with status {status}")
        aedebug = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug"
        self.run(self.wine, "reg", "add", aedebug, "/v", "Auto", "/t", "REG_SZ", "/d", "0", "/f")
        self.run(self.wine, "reg", "delete", aedebug, "/v", "Debugger", "/f")
        # A 64-bit prefix has no c:\windows\system; an installed Windows has.
        os.makedirs(self.system, exist_ok=True)

    def stop_wine(self):
        self.run("wineserver", "-k", seconds=30)
        self.run("wineserver", "-w", seconds=30)

    def afresh(self):
        self.stop_wine()
        self.server.move(*CENTRE)

    def ready(self, saver):
        """Wine gives the window the focus."""

    def launch(self, args):
        return e2e.Saver(["timeout", "-k", "5", "150", self.wine, self.program, *args],
                         self.env(), self.settle)

    def close(self):
        try:
            super().close()
        finally:
            self.stop_wine()


def missing_folder(session):
    """Without c:\\windows\\system the start-up's error is reported by the
    runtime, in a message box and on standard error, and ends the program."""
    hidden = session.system + ".hidden"
    os.rename(session.system, hidden)
    try:
        saver = session.start("/s")
        line = "Sagelight: run-time error 76: Path not found (c:\\windows\\system\\Sagelight.quo)"
        e2e.wait_for(lambda: line in saver.stderr(), 60, f"standard error has '{line}'", saver)
        # Keys go to the window under the pointer: to the box once it shows.
        e2e.wait_for(lambda: session.server.run("xdotool", "search", "--onlyvisible", "--name",
                                                "^Sagelight$").stdout.strip(),
                     20, "a message box titled Sagelight shows", saver)
        check(session.server.screenshot().shows_root(), "a window covers the screen")
        session.server.key("Return")
        code = saver.wait(20)
        check(code not in (None, 0), f"the program ended with status {code}")
        check(not os.path.exists(session.system), "the missing folder was created")
    finally:
        shutil.rmtree(session.system, ignore_errors=True)
        os.rename(hidden, session.system)


def ctrl_backspace(session):
    """Windows delivers 127 for Ctrl+Backspace, a character that ends the
    saver; Wine's keyboard types 8 instead, so the test posts it."""
    saver, _ = session.start_covering("/s")
    helper = os.environ.get("SAGELIGHT_POST_CHAR", "")
    check(os.path.isfile(helper), f"the helper {helper} was not built")
    status = session.run(session.wine, helper, "127")
    check(status == 0, f"posting the character failed with status {status}")
    saver.ends("the character 127")


def cleanup(session):
    session.stop_wine()
    shutil.rmtree(session.prefix, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(e2e.main(dict(e2e.CASES, missing_folder=missing_folder,
                           ctrl_backspace=ctrl_backspace, prefix=lambda _: None, cleanup=cleanup),
                      WineSession))
