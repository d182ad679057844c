"""The Wayland desktops besides sway as rows of data: the shared cases under mutter and kwin
nested in Xvfb, driven by xdotool, and the picture alone under weston headless."""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

import cases
import e2e
from e2e import (BLACK, CENTRE, SCREEN_HEIGHT, SCREEN_WIDTH, WEAVE, PixelLayout, Shot, check,
                 keep, wait_for, wait_panel)

SOCKET = "wayland-e2e"


def picture(session):
    """A black screen covers weston's desktop and panel, and a saying shows."""
    saver, _ = session.start_covering("/s")
    keep(wait_panel(session.server.screenshot, 20, "a panel shows", saver)[1], "weston-panel")


# Each compositor: its cases, the programs it takes and the shell line that
# starts it in its folder ($SOCKET, and $DISPLAY in Xvfb). Those in Xvfb take
# xdotool's input and show in its frame buffer, the others show through
# weston-screenshooter. Kwin's desktop is black: a client full screen gives it
# a face. Mutter puts a new window at the top left, the box included.
SIZE = f"--width={SCREEN_WIDTH} --height={SCREEN_HEIGHT}"
ROWS = {
    "mutter": {"cases": cases.CASES, "in_xvfb": True, "centres_box": False,
               "tools": ("mutter", "dbus-run-session"),
               "start": f"MUTTER_DEBUG_DUMMY_MODE_SPECS={SCREEN_WIDTH}x{SCREEN_HEIGHT} exec "
                        "dbus-run-session -- mutter --nested --wayland --no-x11 "
                        "--wayland-display=$SOCKET"},
    # A plain copy of kwin: the packaged one carries a file capability, which
    # a process whose bounding set lacks it (a container's) may not execute.
    "kwin": {"cases": cases.CASES, "in_xvfb": True,
             "tools": ("kwin_wayland", "dbus-run-session", "weston-fullscreen"),
             "start": "cp $(command -v kwin_wayland) . && dbus-run-session -- ./kwin_wayland "
                      f"--x11-display $DISPLAY --socket $SOCKET {SIZE} --no-lockscreen & "
                      "until [ -S $XDG_RUNTIME_DIR/$SOCKET ]; do sleep 0.1; done; "
                      f"WAYLAND_DISPLAY=$SOCKET exec weston-fullscreen -w {SCREEN_WIDTH} "
                      f"-h {SCREEN_HEIGHT}"},
    "weston": {"cases": {"picture": picture},
               "tools": ("weston", "weston-screenshooter", "convert"),
               "start": f"exec weston --backend=headless-backend.so --use-pixman {SIZE} "
                        "--socket=$SOCKET --debug --idle-time=0"},
}


class Desktop(Shot):
    """The desktop shows while the bottom left corner has its colour."""

    def shows_root(self):
        return self.pixel(0, self.height - 1) == self.corner


class Compositor(e2e.XServer):
    """A compositor with a home and runtime folder of its own, in Xvfb or not."""

    def __init__(self, name):
        self.row, self.corner = ROWS[name], None
        self.scratch = tempfile.mkdtemp(prefix=f"sagelight-{name}-")
        self.runtime, cursors = (os.path.join(self.scratch, folder)
                                 for folder in ("run", "blank/cursors"))
        os.mkdir(self.runtime, 0o700)
        os.makedirs(cursors)
        # The saver's pointer is blank: mutter draws the pointer into its picture.
        with open(os.path.join(cursors, "left_ptr"), "wb") as cursor:
            cursor.write(b"Xcur" + struct.pack("<15I", 16, 0x10000, 1, 0xFFFD0002, 24, 28, 36,
                                               0xFFFD0002, 24, 1, 1, 1, 0, 0, 0) + bytes(4))
        if self.row.get("in_xvfb"):
            super().__init__()
        else:
            self.display, self.fbdir, self.frame = "", self.scratch, None
        env = dict({k: v for k, v in os.environ.items() if not k.startswith("XDG_")},
                   HOME=self.scratch, XDG_RUNTIME_DIR=self.runtime, DISPLAY=self.display,
                   SOCKET=SOCKET)
        self.log = open(os.path.join(self.scratch, "log"), "wb")  # pylint: disable=R1732
        self.compositor = subprocess.Popen(  # pylint: disable=consider-using-with
            ["sh", "-c", self.row["start"]], env=env, cwd=self.scratch, stdout=self.log,
            stderr=subprocess.STDOUT, start_new_session=True,
            preexec_fn=e2e._end_with_parent)  # pylint: disable=protected-access
        if not self.row.get("in_xvfb"):
            self.process = self.compositor
        try:
            wait_for(self._desktop_shows, 60, f"{name} shows its desktop")
            if self.row.get("in_xvfb"):
                # Mutter passes on only input from a device, and the X server
                # stamps a warped pointer's moves with the last device that
                # moved it, none at first: one XTEST move makes it XTEST.
                self.xdotool("mousemove_relative", 1, 1)
                self.move(*CENTRE)
        except BaseException:
            self.close()
            raise

    def _desktop_shows(self):
        with open(self.log.name, encoding="utf-8", errors="replace") as log:
            check(self.compositor.poll() is None, "the compositor ended: " + log.read()[-300:])
        if not os.path.exists(os.path.join(self.runtime, SOCKET)):
            return False
        shot = self.screenshot()
        corner = shot and shot.pixel(0, shot.height - 1)
        if shot is None or corner == BLACK or shot.raw.count(WEAVE) > 1000:
            return False
        # The same twice running: weston's shell paints its wallpaper late.
        settled, self.corner = corner == self.corner, corner
        return settled

    def env(self, **extra):
        env = dict(os.environ, WAYLAND_DISPLAY=os.path.join(self.runtime, SOCKET),
                   XCURSOR_PATH=self.scratch, XCURSOR_THEME="blank", **extra)
        env.pop("DISPLAY", None)
        return env

    # The tools on the X server that the compositor runs in.
    def run(self, *args):
        return subprocess.run(args, env=dict(os.environ, DISPLAY=self.display),
                              capture_output=True, text=True, check=False, timeout=60)

    def screenshot(self):
        before = time.monotonic()
        if self.row.get("in_xvfb"):
            # Mutter fills the byte of each pixel that holds no colour.
            shot = super().screenshot()
            raw, layout = bytearray(shot.raw), shot.layout
            raw[({0, 1, 2, 3} - set(layout.channels)).pop()::4] = bytes(len(raw) // 4)
        else:
            if subprocess.run(["weston-screenshooter"], env=self.env(), cwd=self.scratch,
                              capture_output=True, check=False).returncode:
                return None
            [name] = [n for n in os.listdir(self.scratch) if n.endswith(".png")]
            raw = subprocess.run(["convert", name, "-alpha", "transparent", "-depth", "8",
                                  "bgra:-"], cwd=self.scratch, capture_output=True,
                                 check=True).stdout
            os.remove(os.path.join(self.scratch, name))
            layout = PixelLayout(SCREEN_WIDTH, SCREEN_HEIGHT)
        shot = Desktop(bytes(raw), layout, before, time.monotonic())
        shot.corner = self.corner
        return shot

    def close(self):
        if self.compositor.poll() is None:
            os.killpg(self.compositor.pid, signal.SIGTERM)
        self.compositor.wait()
        self.log.close()
        super().close()
        shutil.rmtree(self.scratch, ignore_errors=True)


class CompositorSession(e2e.NativeSession):
    # The saver's surface gets the resting pointer's place as it shows.
    records_at_show = True

    def __init__(self, binary, name):
        super().__init__(binary, server=Compositor(name))

    def ready(self, saver):
        # Mutter draws its own pointer until the saver, which it gives the
        # pointer with the keyboard, sets its blank one.
        wait_for(lambda: e2e.what_shows(self.server.screenshot()) not in (e2e.ROOT, e2e.LIT),
                 20, "nothing but the saver shows", saver)

    def check_box(self, shot, box):
        if self.server.row.get("centres_box", True):
            e2e.check_box_face(shot, box)
        else:
            check(shot.pixels(*box).count(e2e.INFORMATION_BLUE) >= 300
                  and e2e.text_bands(shot, box) >= 3, f"the box at {box} lacks icon or lines")


def main(argv):
    name = argv[1].partition(".")[0]
    row = ROWS[name]
    return e2e.main({f"{name}.{case}": run for case, run in row["cases"].items()},
                    lambda: CompositorSession(os.path.abspath(argv[2]), name),
                    tools=row["tools"], server_tools=e2e.TOOLS if row.get("in_xvfb") else ())
