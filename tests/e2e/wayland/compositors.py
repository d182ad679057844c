"""The Wayland desktops besides sway: the shared cases under GNOME's mutter
and KDE's kwin, each nested in an Xvfb of its own and driven through it with
xdotool, and the picture alone under weston on its headless backend, which
takes no input. wayland_e2e.py runs them as COMPOSITOR.CASE."""

import contextlib
import ctypes
import glob
import os
import signal
import struct
import subprocess
import tempfile
import time

import e2e
from e2e import CENTRE, SCREEN_HEIGHT, SCREEN_WIDTH, check, wait_for

SOCKET = "wayland-e2e"
SIZE = f"--width={SCREEN_WIDTH} --height={SCREEN_HEIGHT}"
NESTED = ("mutter", "kwin")
PROBE = (CENTRE[0] - 100, CENTRE[1] - 100)  # away from the resting pointer
# Each compositor: the programs it takes, and the shell line that starts it
# in its folder to serve $SOCKET (and nest in $DISPLAY).
ROWS = {
    "mutter": (("mutter", "dbus-run-session"),
               f"MUTTER_DEBUG_DUMMY_MODE_SPECS={SCREEN_WIDTH}x{SCREEN_HEIGHT} exec "
               "dbus-run-session -- mutter --nested --wayland --no-x11 --wayland-display=$SOCKET"),
    # A plain copy of kwin: the packaged one carries a file capability, which
    # a process whose bounding set lacks it (a container's) may not execute.
    # Kwin's desktop is black: a client full screen gives it a face.
    "kwin": (("kwin_wayland", "dbus-run-session", "weston-fullscreen"),
             "cp $(command -v kwin_wayland) . && dbus-run-session -- ./kwin_wayland --x11-display "
             f"$DISPLAY --socket $SOCKET {SIZE} --no-lockscreen & "
             "until [ -S $XDG_RUNTIME_DIR/$SOCKET ]; do sleep 0.1; done; WAYLAND_DISPLAY=$SOCKET "
             f"exec weston-fullscreen -w {SCREEN_WIDTH} -h {SCREEN_HEIGHT}"),
    "weston": (("weston", "weston-screenshooter", "convert"),
               f"exec weston --backend=headless-backend.so --use-pixman {SIZE} --socket=$SOCKET "
               "--debug --idle-time=0"),
}


class Desktop(e2e.Shot):
    """A screenshot whose bare desktop shows while its bottom left corner has
    the colour that it settled on. Mutter fades windows in and out over a
    quarter second, from and to the middle: with the corner on the desktop
    but PROBE not, the saver shows and the screen counts as dark."""

    def __init__(self, raw, colours, before, after):
        super().__init__(raw, SCREEN_WIDTH, SCREEN_HEIGHT, before, after)
        self.colours = colours

    def shows_root(self):
        return self.pixel(0, self.height - 1) == self.colours[0]

    def is_black(self):
        return super().is_black() or self.shows_root() and self.pixel(*PROBE) != self.colours[1]


class Compositor(e2e.XServer):
    """A compositor in a folder of its own (its home, its runtime folder and
    a blank pointer theme for the saver: mutter draws the pointer into its
    picture), in an Xvfb of its own when it nests in one."""

    def __init__(self, name):
        self.nested, self.colours = name in NESTED, None
        if self.nested:
            super().__init__()
        else:
            self.display, self.fbdir = "", tempfile.mkdtemp(prefix="sagelight-weston-")
        self.runtime, cursors = (os.path.join(self.fbdir, f) for f in ("run", "blank/cursors"))
        os.mkdir(self.runtime, 0o700)
        os.makedirs(cursors)
        with open(os.path.join(cursors, "left_ptr"), "wb") as cursor:  # one clear pixel
            cursor.write(b"Xcur" + struct.pack("<15I", 16, 0x10000, 1, 0xFFFD0002, 24, 28, 36,
                                               0xFFFD0002, 24, 1, 1, 1, 0, 0, 0) + bytes(4))
        env = dict({k: v for k, v in os.environ.items() if not k.startswith("XDG_")},
                   HOME=self.fbdir, XDG_RUNTIME_DIR=self.runtime, DISPLAY=self.display,
                   SOCKET=SOCKET)
        self.log = os.path.join(self.fbdir, "log")
        with open(self.log, "wb") as log:
            self.compositor = subprocess.Popen(  # pylint: disable=consider-using-with
                ["sh", "-c", ROWS[name][1]], env=env, cwd=self.fbdir, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True,
                preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL))
        if not self.nested:
            self.process = self.compositor
        try:
            wait_for(self._settled, 60, f"{name} shows its desktop")
            if self.nested:
                # Mutter passes on only input from a device, and the X server
                # stamps a warped pointer's moves with the last device that
                # moved it, none at first: one XTEST move makes it XTEST.
                self.xdotool("mousemove_relative", 1, 1)
                self.move(*CENTRE)
        except BaseException:
            self.close()
            raise

    def _settled(self):
        """Whether the desktop shows, the same twice running: weston's wallpaper comes late."""
        with open(self.log, encoding="utf-8", errors="replace") as log:
            check(self.compositor.poll() is None, "the compositor ended: " + log.read()[-300:])
        shot = os.path.exists(os.path.join(self.runtime, SOCKET)) and self.screenshot()
        colours = shot and (shot.pixel(0, SCREEN_HEIGHT - 1), shot.pixel(*PROBE))
        settled, self.colours = colours == self.colours, colours
        return settled and colours and colours[0] not in (e2e.BLACK, e2e.WHITE)

    def env(self, **extra):
        """The saver's, which the X tools share; it must not fall back to X."""
        return super().env(WAYLAND_DISPLAY=os.path.join(self.runtime, SOCKET),
                           SAGELIGHT_BACKEND="wayland", XCURSOR_PATH=self.fbdir,
                           XCURSOR_THEME="blank", **extra)

    def screenshot(self):
        if self.nested:
            shot = super().screenshot()
            raw = bytearray(shot.raw)
            raw[3::4] = bytes(len(raw) // 4)  # mutter fills the byte that holds no colour
            return Desktop(bytes(raw), self.colours, shot.before, shot.after)
        before = time.monotonic()
        if subprocess.run(["weston-screenshooter"], env=self.env(), cwd=self.fbdir,
                          capture_output=True, check=False).returncode:
            return None
        [png] = glob.glob(os.path.join(self.fbdir, "*.png"))  # named by the second: one at a time
        raw = subprocess.run(["convert", png, "-alpha", "transparent", "-depth", "8", "bgra:-"],
                             capture_output=True, check=True).stdout
        os.remove(png)
        return Desktop(raw, self.colours, before, time.monotonic())

    def ready(self, saver):
        """Mutter shows its pointer until it hands the saver the pointer with the keyboard."""
        wait_for(lambda: (shot := self.screenshot()).find_panel() or e2e.Shot.is_black(shot), 20,
                 "nothing but the saver shows", saver)

    def close(self):
        with contextlib.suppress(ProcessLookupError):
            os.killpg(self.compositor.pid, signal.SIGKILL)
        self.compositor.wait()
        super().close()


class Session(e2e.NativeSession):
    records_at_show = True  # the saver's surface gets the resting pointer's place as it shows

    def afresh(self):
        super().afresh()
        # The saver that just ended may still be fading out.
        wait_for(lambda: e2e.Watch(self.server).sample() == e2e.ROOT, 10, "the desktop shows")


def picture(session):
    """A black screen covers weston's desktop and its panel, and a saying shows."""
    saver, _ = session.start_covering("/s")
    e2e.wait_panel(session.server, 20, "a panel shows alone", saver)


CASES = {f"{name}.{case}": run for name in NESTED for case, run in e2e.CASES.items()}
CASES["weston.picture"] = picture


def main(case, binary):
    name = case.partition(".")[0]
    return e2e.main(CASES, lambda: Session(binary, Compositor(name)),
                    server_tools=ROWS[name][0] + (e2e.TOOLS if name in NESTED else ()))
