#!/usr/bin/env python3
"""End-to-end tests of the Linux program on a private X server.

Usage: x11_e2e.py CASE PATH/TO/sagelight. Each run has its own server and
its own data and runtime folders, shared by the savers it starts as the
starts of one user share them.
"""

import os
import resource
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

import cases  # noqa: E402
import desktop  # noqa: E402
import e2e  # noqa: E402
from e2e import RECORD_LENGTH, SEEDED_SIZE, check, wait_for, wait_panel  # noqa: E402


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
    check(len(report) == 1 and "run-time error" in report[0], f"unexpected report {report}")


def lost_server(session):
    """A saver whose X server goes away ends with a one-line report."""
    saver, _ = session.start_covering("/s")
    session.server.process.terminate()
    saver.ends("its X server went away", status=2, within=10)
    report = saver.stderr().strip().splitlines()
    check(len(report) == 1, f"unexpected report {report}")


def disk_full(session):
    """A file-size limit cuts the seeding short at a whole record: the start
    reports the full disk with the file's name and fails. The program starts
    with the limit's signal at its default, which kills, as from a shell."""
    limit = 40 * 1024

    def limit_file_size():
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    env = dict(os.environ, XDG_DATA_HOME=session.data_home, XDG_RUNTIME_DIR=session.runtime_dir)
    env.pop("DISPLAY", None)
    result = subprocess.run([session.binary], env=env, capture_output=True, text=True,
                            timeout=60, preexec_fn=limit_file_size, check=False)
    check(result.returncode == 1, f"the start ended with status {result.returncode} "
          f"(negative: killed by a signal): {result.stderr.strip()}")
    expected = f"Sagelight: run-time error 61: Disk full ({session.quote_file})\n"
    check(result.stderr == expected, f"reported {result.stderr!r}, not {expected!r}")
    size = os.path.getsize(session.quote_file)
    check(size == limit // RECORD_LENGTH * RECORD_LENGTH,
          f"the quote file holds {size} bytes, not whole records")


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
             no_fonts=no_fonts, no_fonts_box=no_fonts_box, **desktop.CASES)

if __name__ == "__main__":
    screen = getattr(CASES.get(sys.argv[1] if len(sys.argv) > 1 else ""), "screen", ())
    sys.exit(e2e.main(CASES, lambda: X11Session(os.path.abspath(sys.argv[2]), screen)))
