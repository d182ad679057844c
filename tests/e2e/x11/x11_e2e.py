#!/usr/bin/env python3
"""End-to-end tests of the Linux program on a private X server.

Usage: x11_e2e.py CASE PATH/TO/sagelight. Each run has its own server and
its own data and runtime folders, shared by the savers it starts as the
starts of one user share them.
"""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

import cases  # noqa: E402
import e2e  # noqa: E402
from e2e import SEEDED_SIZE, check  # noqa: E402

INFORMATION_BLUE = (0, 120, 215)


class X11Session(e2e.Session):
    def __init__(self, binary):
        self.binary = binary
        self.scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        self.data_home = os.path.join(self.scratch, "data")
        self.runtime_dir = os.path.join(self.scratch, "run")
        os.makedirs(self.data_home)
        os.makedirs(self.runtime_dir, mode=0o700)
        super().__init__()

    def launch(self, args, display=True):
        env = self.server.env(XDG_DATA_HOME=self.data_home, XDG_RUNTIME_DIR=self.runtime_dir)
        if not display:
            del env["DISPLAY"]
        return e2e.Saver([self.binary, *args], env, self.settle)

    @property
    def quote_file(self):
        return os.path.join(self.data_home, "sagelight", "drive_c", "windows", "system",
                            "Sagelight.quo")

    def ready(self, saver):
        # On a bare server nobody but the saver itself gives it the focus.
        e2e.wait_for(lambda: self.server.run("xdotool", "getwindowfocus").stdout.strip() in
                     (w[0] for w in self.server.windows("sagelight")), 10,
                     "the saver's window takes the focus", saver)

    def check_box(self, shot, box):
        left, top, right, bottom = box
        check(abs((left + right) // 2 - e2e.SCREEN_WIDTH // 2) <= 1
              and abs((top + bottom) // 2 - e2e.SCREEN_HEIGHT // 2) <= 1,
              f"the box at {box} is not centred")
        boxes = [w for w in self.server.windows("sagelight") if w[3] != e2e.SCREEN_WIDTH]
        check([w[1:] for w in boxes] == [(left, top, right - left + 1, bottom - top + 1)],
              f"the box on the screen is not the program's one box window: {boxes}")
        title = self.server.run("xprop", "-id", boxes[0][0], "WM_NAME").stdout
        check(title.split("=", 1)[-1].strip() in ("", '""'), f"the box has a title: {title}")
        check(shot.pixels(*box).count(INFORMATION_BLUE) >= 300, "the box has no information icon")
        # The prompt's two lines and the button: bands of dark rows right of
        # the icon.
        dark_rows = [y for y in range(top, bottom + 1)
                     if any(max(shot.pixel(x, y)) < 96 for x in range(left + 56, right - 11))]
        bands = sum(1 for i, y in enumerate(dark_rows) if i == 0 or dark_rows[i - 1] != y - 1)
        check(bands >= 3, f"{bands} bands of dark text: expected two lines and the button")

    def close(self):
        super().close()
        shutil.rmtree(self.scratch, ignore_errors=True)


def no_display(session):
    """Without a display a start without "/s" still seeds the quote file and
    ends; with "/s" the program reports the missing display and fails."""
    session.start(display=False).ends("a start without /s and without a display")
    check(os.path.getsize(session.quote_file) == SEEDED_SIZE, "the quote file was not seeded")
    saver = session.start("/s", display=False)
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


CASES = dict(cases.CASES, no_display=no_display, lost_server=lost_server)

if __name__ == "__main__":
    sys.exit(e2e.main(CASES, lambda: X11Session(os.path.abspath(sys.argv[2]))))
