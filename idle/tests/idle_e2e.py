#!/usr/bin/env python3
"""End-to-end tests of sagelight-idle with the real sagelight: on a private
Xvfb (-noreset, so the server keeps its screen-saver settings between
clients) with a private session bus, and under the headless sway of the
Wayland tests.

Usage: idle_e2e.py CASE PATH/TO/sagelight-idle PATH/TO/sagelight.

Times are judged from brackets, as in the saver's own tests: input is sent
between two clock readings, and the saver shows at some moment between the
last screenshot without it and the first one with it. A held-up test only
widens the brackets, which can hide a fault but never invent one; the X
server's own count of idle time at the start is checked as well.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
E2E = os.path.join(HERE, "..", "..", "tests", "e2e")
sys.path[:0] = [os.path.join(E2E, "common"), os.path.join(E2E, "wayland"), os.path.join(E2E, "x11")]

# pylint: disable=wrong-import-position
import e2e  # noqa: E402
from e2e import SetupError, check, require, wait_for  # noqa: E402

AFTER = 3.0
LATE = 15.0
PYTHON = None  # one that has python3-dbus, for the holders  # how late a start may be on a loaded two-core machine

# An application holding an Inhibit: it asks as soon as someone owns the
# name, stays on the bus until its stdin closes, and says "release" on stdin
# to UnInhibit first.
HOLDER = """
import sys, time, dbus
bus = dbus.SessionBus()
while not bus.name_has_owner("org.freedesktop.ScreenSaver"):
    time.sleep(0.02)
saver = dbus.Interface(bus.get_object("org.freedesktop.ScreenSaver", sys.argv[1]),
                       "org.freedesktop.ScreenSaver")
cookie = saver.Inhibit("film", "playing")
print(cookie, flush=True)
for line in sys.stdin:
    saver.UnInhibit(cookie)
    print("released", flush=True)
"""


class Session:
    """A display, a session bus and the sagelight-idle that runs on them."""

    def __init__(self, idle, saver, server):
        self.idle, self.server = idle, server
        self.scratch = tempfile.mkdtemp(prefix="sagelight-idle-e2e-")
        # The saver is found on PATH: it is not beside this build's watcher.
        bin_dir = os.path.join(self.scratch, "bin")
        os.makedirs(bin_dir)
        os.symlink(saver, os.path.join(bin_dir, "sagelight"))
        self.config = os.path.join(self.scratch, "config")
        os.makedirs(os.path.join(self.config, "sagelight"))
        self.bus = subprocess.Popen(  # pylint: disable=consider-using-with
            ["dbus-daemon", "--session", "--nofork", "--print-address"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env = {"PATH": bin_dir + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
                    "DBUS_SESSION_BUS_ADDRESS": self.bus.stdout.readline().strip(),
                    # No logind here: the tests hold the saver back otherwise.
                    "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/nonexistent",
                    "XDG_CONFIG_HOME": self.config,
                    "XDG_DATA_HOME": os.path.join(self.scratch, "data"),
                    "XDG_RUNTIME_DIR": os.path.join(self.scratch, "run"),
                    "LC_ALL": "C.UTF-8"}
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        self.watchers, self.holders = [], []

    def environment(self):
        raise NotImplementedError

    def start(self, *args, ready="watching with"):
        watcher = e2e.Saver([self.idle, *args], self.environment(), 0.5)
        self.watchers.append(watcher)
        if ready:
            wait_for(lambda: ready in watcher.stderr(), 20, f"sagelight-idle says {ready!r}")
        return watcher

    def holder(self, path="/org/freedesktop/ScreenSaver"):
        """An application that holds an Inhibit once the name is served."""
        holder = subprocess.Popen(  # pylint: disable=consider-using-with
            [PYTHON, "-c", HOLDER, path], env=self.environment(), text=True,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.holders.append(holder)
        return holder

    @staticmethod
    def holds(holder):
        check(holder.stdout.readline().strip().isdigit(), "Inhibit gave no cookie")

    def close(self):
        for process in [w.process for w in self.watchers] + self.holders + [self.bus]:
            if process.poll() is None:
                process.kill()
            process.wait()
        self.server.close()
        shutil.rmtree(self.scratch, ignore_errors=True)


class X11(Session):
    def __init__(self, idle, saver):
        super().__init__(idle, saver, e2e.XServer())
        self.helper = None

    def window(self):
        """A plain window of another client, small enough to leave the
        root window in sight."""
        import desktop  # pylint: disable=import-outside-toplevel
        self.helper = desktop.Helper(self.server)
        window = self.helper.window("host", e2e.Area(0, 0, 200, 200))
        check(window is not None, "the helper's window did not show")
        return window

    def close(self):
        if self.helper:
            self.helper.close()
        super().close()

    def environment(self):
        return dict(self.env, DISPLAY=self.server.display)

    def xset_timeout(self):
        found = re.search(r"timeout:\s+(\d+)", self.server.run("xset", "q").stdout)
        return int(found.group(1))

    def key(self, name="shift"):
        """Input to the server, as (before, after) clock readings."""
        before = time.monotonic()
        self.server.key(name)
        return before, time.monotonic()

    def starts(self, watcher, since, count, what, from_input=False):
        """Checks that the saver covers the screen, as the `count`th start,
        no sooner than AFTER past `since` (before, after) and not much
        later; returns when it covers. Counted `from_input`, the server's
        idle count at the start must be the idle time as well."""
        last_root = since[0]
        deadline = since[1] + AFTER + LATE
        while True:
            shot = self.server.screenshot()
            if not shot.shows_root():
                break
            last_root = shot.before
            check(time.monotonic() < deadline, f"no saver {LATE + AFTER} s after {what}")
            time.sleep(0.05)
        check(shot.after >= since[0] + AFTER,
              f"the saver covered the screen {shot.after - since[0]:.2f} s after {what}")
        check(last_root <= since[1] + AFTER + LATE, f"the saver came late after {what}")
        starts = re.findall(r"idle for (\S+): starting", watcher.stderr())
        check(len(starts) == count, f"{len(starts)} starts, not {count}: {watcher.stderr()}")
        if not from_input:
            return
        # The server's own count of idle time when it woke the watcher.
        idle = sum(int(n) * {"ms": 1, "s": 1000, "m": 60000}[u]
                   for n, u in re.findall(r"(\d+)(ms|s|m)", starts[-1]))
        check(AFTER * 1000 <= idle < AFTER * 1000 + 2000, f"started at {idle} ms idle")

    def held(self, watcher, by, since):
        """Idle past the time, the watcher says who holds it back, and the
        screen stays uncovered."""
        try:
            wait_for(lambda: f"held back by {by}" in watcher.stderr(), AFTER + LATE,
                     f"sagelight-idle is held back by {by}")
        except e2e.Failure as failure:
            raise e2e.Failure(f"{failure} (it said: {watcher.stderr()!r})") from None
        check(self.server.screenshot().shows_root(), f"the saver covers the screen despite {by}")
        check(time.monotonic() >= since[0] + AFTER, "held back before the idle time")

    def ends_saver(self):
        pressed = self.key("q")
        wait_for(lambda: self.server.screenshot().shows_root(), 20, "a key ends the saver")
        return pressed


def x11_idle(session):
    """The saver starts after the idle time, not before; input postpones it;
    a key ends it and the next idle period starts it again. The server's
    screen saver is off meanwhile and restored after; a second watcher and a
    bad setting start nothing."""
    session.server.run("xset", "s", "120")
    session.key()
    watcher = session.start("--after", "3s")
    first = session.key()
    time.sleep(AFTER / 2)
    second_key = session.key()
    check("X11 SYNC IDLETIME" in watcher.stderr() and "after 3s idle" in watcher.stderr(),
          f"unexpected first line: {watcher.stderr()}")
    if second_key[0] - first[1] >= AFTER:
        print("note: the test was held up; the postponing is not judged")
    session.starts(watcher, second_key, 1, "input that should have postponed it", True)

    # While the saver runs nothing else starts one.
    check(session.xset_timeout() == 0, "the server's screen saver is on")
    second = session.start(ready=None)
    check(second.wait(20) == 0 and "already running" in second.stderr(),
          f"a second watcher: {second.stderr()}")
    with open(os.path.join(session.config, "sagelight", "idle.conf"), "w",
              encoding="ascii") as conf:
        conf.write("after = soon\n")
    bad = session.start(ready=None)
    check(bad.wait(20) == 2 and re.search(r"idle\.conf:1: after: \"soon\"", bad.stderr()),
          f"a bad setting: {bad.stderr()}")

    pressed = session.ends_saver()
    session.starts(watcher, pressed, 2, "the key that ended the first saver", True)
    session.ends_saver()
    watcher.process.terminate()
    check(watcher.wait(20) == 0, "sagelight-idle did not end on SIGTERM")
    check(session.xset_timeout() == 120, "the server's screen-saver timeout was not restored")


def x11_holders(session):
    """An Inhibit, on either path, holds the saver back; its UnInhibit, or
    the holder leaving the bus, lets the idle time start again. A
    full-screen window holds it back until it leaves full screen. Each
    holder is in place before the idle time can be up."""
    holder = session.holder()
    since = session.key()
    watcher = session.start("--after", "3s")
    session.holds(holder)
    session.held(watcher, "an application: film (playing)", since)
    released = time.monotonic()
    holder.stdin.write("release\n")
    holder.stdin.flush()
    check(holder.stdout.readline().strip() == "released", "UnInhibit failed")
    session.starts(watcher, (released, time.monotonic()), 1, "UnInhibit")

    holder = session.holder("/ScreenSaver")
    session.holds(holder)
    session.ends_saver()
    wait_for(lambda: watcher.stderr().count("held back by") == 2, AFTER + LATE,
             "held back by a holder on /ScreenSaver")
    left = time.monotonic()
    holder.stdin.close()
    holder.wait()
    session.starts(watcher, (left, time.monotonic()), 2, "the holder leaving the bus")

    xprop = ["xprop", "-id", str(session.window())]
    session.server.run(*xprop, "-f", "_NET_WM_STATE", "32a", "-set", "_NET_WM_STATE",
                       "_NET_WM_STATE_FULLSCREEN")
    since = session.ends_saver()
    session.held(watcher, "a full-screen window", since)
    unset = time.monotonic()
    session.server.run(*xprop, "-remove", "_NET_WM_STATE")
    session.starts(watcher, (unset, time.monotonic()), 3, "the window leaving full screen")


def wayland_idle(session):
    """Under sway 1.7 the KDE idle protocol starts the saver after the idle
    time, and a key ends it."""
    started = time.monotonic()
    watcher = session.start("--after", "3s")
    check("KDE idle" in watcher.stderr(), f"unexpected first line: {watcher.stderr()}")
    wait_for(lambda: session.server.saver_windows(), AFTER + LATE, "the saver shows")
    check(time.monotonic() >= started + AFTER, "the saver showed before the idle time")
    session.server.key("q")
    wait_for(lambda: not session.server.saver_windows(), 20, "a key ends the saver")
    check(watcher.alive(), "sagelight-idle ended with the saver")


class Wayland(Session):
    def environment(self):
        return self.server.env(**self.env)


def make_session(case, idle, saver):
    require("dbus-daemon", "xset", "xprop", "xdotool")
    global PYTHON  # pylint: disable=global-statement
    # Debian's python3-dbus serves the system's Python, which need not be
    # the one running the tests.
    PYTHON = next((p for p in (sys.executable, "/usr/bin/python3")
                   if subprocess.run([p, "-c", "import dbus"], check=False,
                                     stderr=subprocess.DEVNULL).returncode == 0), None)
    if PYTHON is None:
        raise SetupError("python3-dbus is missing")
    if case == "wayland_idle":
        import wayland_e2e  # pylint: disable=import-outside-toplevel
        return Wayland(idle, saver, wayland_e2e.Compositor())
    return X11(idle, saver)


CASES = {"x11_idle": x11_idle, "x11_holders": x11_holders, "wayland_idle": wayland_idle}

if __name__ == "__main__":
    NAME, IDLE, SAVER = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    sys.exit(e2e.main(CASES, lambda: make_session(NAME, IDLE, SAVER), server_tools=()))
