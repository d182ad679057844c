#!/usr/bin/env python3
"""The Linux program on a private X server: x11_e2e.py CASE PATH/TO/sagelight."""

import os
import resource
import signal
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

import cases  # noqa: E402
import desktop  # noqa: E402
import e2e  # noqa: E402
from e2e import SEEDED_SIZE, check, check_panel, wait_for, wait_panel  # noqa: E402


class X11Session(e2e.NativeSession):
    def __init__(self, binary, screen):
        self.owned = []
        super().__init__(binary, *screen)

    def start_shown(self, *args):
        """Starts a saver and returns it once its window has the focus."""
        saver = self.start(*args)
        self.ready(saver)
        return saver

    def own(self, thing):
        """Closes `thing` with the session, before its server."""
        self.owned.append(thing)
        return thing

    def helper(self):
        found = [thing for thing in self.owned if isinstance(thing, desktop.Helper)]
        return found[0] if found else self.own(desktop.Helper(self.server))

    def ready(self, saver):
        # On a bare server nobody but the saver itself gives it the focus.
        e2e.wait_for(lambda: self.server.focus() in
                     (w[0] for w in self.server.windows("sagelight")), 30,
                     "the saver's window takes the focus", saver)

    def check_box(self, shot, box):
        e2e.check_box_face(shot, box)
        left, top, right, bottom = box
        boxes = [w for w in self.server.windows("sagelight") if w[3] != e2e.SCREEN_WIDTH]
        check([w[1:] for w in boxes] == [(left, top, right - left + 1, bottom - top + 1)],
              f"the box on the screen is not the program's one box window: {boxes}")
        title = self.server.run("xprop", "-id", boxes[0][0], "WM_NAME").stdout
        check(title.split("=", 1)[-1].strip() in ("", '""'), f"the box has a title: {title}")

    def close(self):
        try:
            for thing in reversed(self.owned):
                thing.close()
        finally:
            super().close()


def no_display(session):
    """Without a display a start without "/s" still seeds the quote file and
    ends; with "/s" the program reports the missing display and fails."""
    session.start(DISPLAY=None).ends("a start without /s and without a display")
    check(os.path.getsize(session.quote_file) == SEEDED_SIZE, "the quote file was not seeded")
    saver = session.start("/s", DISPLAY=None)
    saver.ends("a start with /s but without a display", status=1)
    report = saver.stderr().strip().splitlines()
    check(len(report) == 1 and "run-time error 57" in report[0] and "DISPLAY" in report[0],
          f"unexpected report {report}")


def lost_server(session):
    """A saver whose X server goes away ends with a one-line report."""
    saver, _ = session.start_covering("/s")
    session.server.process.terminate()
    saver.ends("its X server went away", status=2, within=10)
    report = saver.stderr().strip().splitlines()
    check(len(report) == 1, f"unexpected report {report}")


def disk_full(session):
    """A first start without room for the whole collection, under a file-size
    limit of 10 KiB (ulimit -f 10) or on a small file system with 40 KiB
    left, writes no saying and reports the full disk with the file's name;
    the next start with room seeds the file whole. (A seeding cut short at
    its limit would leave 51 or 200 sayings for good.)"""
    env = dict(os.environ, XDG_DATA_HOME=session.data_home, XDG_RUNTIME_DIR=session.runtime_dir,
               LD_PRELOAD=session.nss_wrapper, NSS_WRAPPER_PASSWD=session.passwd,
               NSS_WRAPPER_GROUP=session.group)
    env.pop("DISPLAY", None)

    def start(limit=None):
        # The limit's signal stays at its default, which kills, as from a shell.
        return subprocess.run(
            [*session.prefix, session.binary], env=env, capture_output=True, text=True,
            timeout=60, check=False,
            preexec_fn=limit and (lambda: resource.setrlimit(resource.RLIMIT_FSIZE, limit)))

    def check_refused(result, what):
        expected = f"Sagelight: run-time error 61: Disk full ({session.quote_file})\n"
        check(result.returncode == 1 and result.stderr == expected,
              f"{what}: status {result.returncode} (negative: killed by a signal), "
              f"reported {result.stderr!r}, not {expected!r}")
        size = os.path.getsize(session.quote_file)
        check(size == 0, f"{what}: the quote file holds {size} bytes, not none")
        result = start()
        check(result.returncode == 0 and os.path.getsize(session.quote_file) == SEEDED_SIZE,
              f"after {what}, the next start did not seed the file whole: {result.stderr!r}")
        os.remove(session.quote_file)

    check_refused(start((10 * 1024, 10 * 1024)), "ulimit -f 10")
    if os.geteuid() != 0:
        print("not root: the small file system is left out")
        return
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs",
                              session.data_home], capture_output=True, text=True, check=False)
    if mounted.returncode != 0:
        print(f"no tmpfs here ({mounted.stderr.strip()}): the small file system is left out")
        return
    try:
        disk = os.statvfs(session.data_home)
        filler = os.path.join(session.data_home, "filler")
        with open(filler, "wb") as out:
            out.write(b"f" * (disk.f_bavail * disk.f_frsize - 40 * 1024))
        result = start()
        os.remove(filler)
        check_refused(result, "a file system with 40 KiB left")
    finally:
        subprocess.run(["umount", session.data_home], check=False)


def seeding_signal(session):
    """SIGTERM sent the moment the quote file appears lands inside the few
    milliseconds of the first seeding: it acts only once the last record is
    written, and the file holds all 86,200 bytes."""
    e2e.require("inotifywait")
    folder = os.path.dirname(session.quote_file)
    os.makedirs(folder)
    killed = 0
    for _ in range(3):
        if os.path.exists(session.quote_file):
            os.remove(session.quote_file)
        watcher = subprocess.Popen(  # pylint: disable=consider-using-with
            ["inotifywait", "-e", "create", "--format", "%f", folder],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            while "Watches established" not in watcher.stderr.readline():
                check(watcher.poll() is None, "inotifywait did not start")
            saver = session.start(DISPLAY=None)
            created = watcher.stdout.readline().strip()
            saver.process.send_signal(signal.SIGTERM)
        finally:
            watcher.kill()
            watcher.wait()
        check(created == "Sagelight.quo", f"inotifywait saw {created!r}")
        status = saver.wait(60)
        size = os.path.getsize(session.quote_file)
        check(size == SEEDED_SIZE, f"SIGTERM during the seeding left {size} bytes")
        check(status in (0, -signal.SIGTERM), f"the start ended with status {status}")
        killed += status == -signal.SIGTERM
    check(killed > 0, "SIGTERM never ended the start: the signal was lost")


def folder_for_quotes(session):
    """A folder put in place of the quote file while the saver runs: the next
    saying fails with a box, and standard error names the folder in one line."""
    saver, watch = session.start_covering("/s")
    watch.until(cases.is_panel, 5, "a panel shows", saver)
    os.remove(session.quote_file)
    os.mkdir(session.quote_file)
    line = f"Sagelight: frmSaver.Timer1_Error: Path/File access error ({session.quote_file})\n"
    wait_for(saver.stderr, 30, "the failed tick writes to standard error", saver)
    check(saver.stderr() == line, f"standard error holds {saver.stderr()!r}, not {line!r}")
    wait_for(lambda: session.server.screenshot().lit_box() is not None, 5, "the box shows", saver)
    session.server.key("Return")
    saver.still_running("closing the box")
    session.server.key("q")
    saver.ends("a letter key")


def big_screen(session):
    """On a 2560x1440 screen, more twips across than 16 bits hold, the first
    saying shows 1 s after the window covers the screen, placed anywhere on
    it, also beyond x 2184."""
    def watch_once():
        saver, watch = session.start_covering("/s")
        watch.until(cases.is_panel, 5, "a panel shows", saver)
        watch.follow(0.3)
        panel = check_panel(session.server.screenshot())
        check(panel.right < 2560 and panel.bottom < 1440, f"the {panel} leaves the screen")
        changes = watch.changes(e2e.ROOT, e2e.DARK)
        shows = [moment for now, moment in changes[1:] if cases.is_panel(now)]
        told = e2e.judge("from the covered screen to the first saying", changes[1][1], shows[0],
                         0.4, 1 + e2e.TICK_SLACK)
        session.server.key("q")
        saver.ends("a letter key")
        check(saver.stderr() == "", f"the saver reported: {saver.stderr()}")
        return told

    cases.until_conclusive(session, watch_once)


big_screen.screen = (2560, 1440)


def without_fonts(session):
    """A fontconfig configuration that names no font folder, so that
    fontconfig knows no font at all."""
    config = os.path.join(session.scratch, "fonts.conf")
    with open(config, "w", encoding="ascii") as out:
        out.write('<?xml version="1.0"?>\n<fontconfig></fontconfig>\n')
    return config


def font_lines(report):
    return [line for line in report if "font" in line]


def no_fonts(session):
    """Without fonts the panel still shows its text, in the X server's own
    font, and standard error says so once."""
    saver = session.start("/s", FONTCONFIG_FILE=without_fonts(session))
    session.ready(saver)
    wait_panel(session.server.screenshot, 10, "a panel with its text shows", saver)
    session.server.key("q")
    saver.ends("a letter key")
    report = saver.stderr().splitlines()
    check(len(report) == 1 and font_lines(report) == report,
          f"standard error does not say once, and only, that fonts are missing: {report}")


def no_fonts_box(session):
    """Without fonts the runtime's box for a failed start still shows its
    text; standard error holds the fonts line and the error."""
    # A folder where the quote file belongs fails the start.
    os.makedirs(session.quote_file)
    server = session.server
    saver = session.start("/s", FONTCONFIG_FILE=without_fonts(session))
    box = wait_for(lambda: server.windows("sagelight"), 20, "the error box shows", saver)[0]
    window, left, top, width, height = box
    check((width, height) != (server.layout.width, server.layout.height),
          "the saver's window showed")
    wait_for(lambda: e2e.text_bands(server.screenshot(),
                                    (left, top, left + width - 1, top + height - 1)) >= 3,
             10, "the box shows its prompt's lines and OK", saver)
    wait_for(lambda: server.focus() == window, 10, "the box takes the focus", saver)
    server.key("Return")
    saver.ends("Return in the box", status=1)
    report = saver.stderr().splitlines()
    check(len(report) == 2 and len(font_lines(report)) == 1
          and any("run-time error 75" in line for line in report),
          f"standard error does not hold the fonts line and the error: {report}")


CASES = dict(cases.CASES, no_display=no_display, lost_server=lost_server, disk_full=disk_full,
             seeding_signal=seeding_signal, folder_for_quotes=folder_for_quotes,
             big_screen=big_screen,
             no_fonts=no_fonts, no_fonts_box=no_fonts_box, **desktop.CASES)

if __name__ == "__main__":
    screen = getattr(CASES.get(sys.argv[1] if len(sys.argv) > 1 else ""), "screen", ())
    sys.exit(e2e.main(CASES, lambda: X11Session(os.path.abspath(sys.argv[2]), screen)))
