#!/usr/bin/env python3
# End-to-end tests of sagelight-idle with the real sagelight: on a private
# Xvfb (-noreset, so the server keeps its screen-saver settings between
# clients) with a private session bus, and under the headless sway of the
# Wayland tests.
#
# Usage: idle_e2e.py CASE PATH/TO/sagelight-idle PATH/TO/sagelight.
#
# Times are judged from the clock reading before the input (or the release
# of a holder) that starts the idle time, against the end of the first
# screenshot that shows the saver. A held-up test only pushes that end
# later, which can hide a fault but never invent one; the X server's own
# count of idle time at the start is checked as well.

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

E2E = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e")
sys.path[:0] = [os.path.join(E2E, "common"), os.path.join(E2E, "wayland"), os.path.join(E2E, "x11")]

# pylint: disable=wrong-import-position
import e2e  # noqa: E402
from e2e import SetupError, check, require, wait_for  # noqa: E402

AFTER = 3.0
LATE = 15.0  # how late a start may be on a loaded two-core machine
# Debian's python3-dbus serves the system's Python, which need not be the
# one running the tests.
PYTHON = "/usr/bin/python3"

# An application holding an Inhibit: it stays on the bus until its stdin
# closes, and a line on stdin (the pipe to it is line-buffered) makes it
# UnInhibit first.
HOLDER = """
import sys, dbus
name = "org.freedesktop.ScreenSaver"
saver = dbus.Interface(dbus.SessionBus().get_object(name, sys.argv[1]), name)
cookie = saver.Inhibit("film", "playing")
print(cookie, flush=True)
for line in sys.stdin:
    saver.UnInhibit(cookie)
    print("released", flush=True)
"""


class Session:
    """A display, a session bus and the sagelight-idle that runs on them."""

    def __init__(self, idle, saver, server):
        self.idle, self.server, self.helper = idle, server, None
        self.scratch = tempfile.mkdtemp(prefix="sagelight-idle-e2e-")
        # The saver is found on PATH: it is not beside this build's watcher.
        bin_dir = os.path.join(self.scratch, "bin")
        os.makedirs(bin_dir)
        os.symlink(saver, os.path.join(bin_dir, "sagelight"))
        self.config = os.path.join(self.scratch, "config", "sagelight")
        os.makedirs(self.config)
        self.bus = subprocess.Popen(  # pylint: disable=consider-using-with
            ["dbus-daemon", "--session", "--nofork", "--print-address"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env = {"PATH": bin_dir + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
               "DBUS_SESSION_BUS_ADDRESS": self.bus.stdout.readline().strip(),
               # No logind here: the tests hold the saver back otherwise.
               "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/nonexistent",
               "XDG_CONFIG_HOME": os.path.dirname(self.config),
               "XDG_DATA_HOME": os.path.join(self.scratch, "data"),
               "XDG_RUNTIME_DIR": os.path.join(self.scratch, "run"),
               "LC_ALL": "C.UTF-8"}
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        # X clients get no more of this test's own environment than that.
        self.env = (dict(env, DISPLAY=server.display) if isinstance(server, e2e.XServer)
                    else server.env(**env))
        self.watchers, self.holders = [], []

    def start(self, *args, ready="watching with"):
        watcher = e2e.Saver([self.idle, *args], self.env, 0.5)
        self.watchers.append(watcher)
        if ready:
            wait_for(lambda: ready in watcher.stderr(), 20, f"sagelight-idle says {ready!r}")
        return watcher

    def holder(self, path="/org/freedesktop/ScreenSaver"):
        """An application that holds an Inhibit, once it does."""
        holder = subprocess.Popen(  # pylint: disable=consider-using-with
            [PYTHON, "-c", HOLDER, path], env=self.env, text=True, bufsize=1,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.holders.append(holder)
        check(holder.stdout.readline().strip().isdigit(), f"Inhibit on {path} gave no cookie")
        return holder

    def close(self):
        for process in [w.process for w in self.watchers] + self.holders + [self.bus]:
            process.kill()
            process.wait()
        if self.helper:
            self.helper.close()
        self.server.close()
        shutil.rmtree(self.scratch, ignore_errors=True)

    # What follows is for the X11 case.

    def key(self, name="shift"):
        """Input to the server; the clock reading before it."""
        before = time.monotonic()
        self.server.key(name)
        return before

    def ends_saver(self):
        pressed = self.key("q")
        wait_for(lambda: self.server.screenshot().shows_root(), 20, "a key ends the saver")
        return pressed

    def starts(self, watcher, since, count, what, from_input=False):
        """The saver covers the screen, as the `count`th start, no sooner than AFTER past
        `since` and not much later; `from_input`, the server counted that idle time too."""
        while (shot := self.server.screenshot()).shows_root():
            check(time.monotonic() < since + AFTER + LATE, f"no saver after {what}")
            time.sleep(0.05)
        check(shot.after >= since + AFTER,
              f"the saver covered the screen {shot.after - since:.2f} s after {what}")
        starts = re.findall(r"idle for (\S+): starting", watcher.stderr())
        check(len(starts) == count, f"{len(starts)} starts, not {count}: {watcher.stderr()}")
        if from_input:
            # The server's own count of idle time when it woke the watcher.
            idle = sum(int(n) * {"ms": 1, "s": 1000, "m": 60000}[u]
                       for n, u in re.findall(r"(\d+)(ms|s|m)", starts[-1]))
            check(AFTER * 1000 <= idle < AFTER * 1000 + 2000, f"started at {idle} ms idle")

    def held(self, watcher, by, count, release):
        """With a holder in place a key ends the saver; past the idle time the watcher
        says it is held back by `by`, until `release()` lets the `count`th start come."""
        said = f"held back by {by}\n"
        before = watcher.stderr().count(said)
        self.ends_saver()
        wait_for(lambda: watcher.stderr().count(said) > before, AFTER + LATE,
                 f"sagelight-idle is {said}")
        check(self.server.screenshot().shows_root(), f"the saver covers the screen despite {by}")
        released = time.monotonic()
        release()
        self.starts(watcher, released, count, f"{by} let go (start {count})")


def x11(session):
    """The saver starts after the idle time, not before; input postpones it;
    a key ends it and the next idle period starts it again. The server's
    screen saver is off meanwhile and restored after; a second watcher and a
    bad setting start nothing. An Inhibit, on either path, and a full-screen
    window hold the saver back until they let go."""
    def xset():
        return re.search(r"timeout:\s+(\d+)", session.server.run("xset", "q").stdout)[1]

    session.server.run("xset", "s", "120")
    session.key()
    watcher = session.start("--after", "3s")
    check("X11 SYNC IDLETIME" in watcher.stderr() and "after 3s idle" in watcher.stderr(),
          f"unexpected first line: {watcher.stderr()}")
    session.key()
    time.sleep(AFTER / 2)
    session.starts(watcher, session.key(), 1, "input that should have postponed it", True)

    # While the saver runs nothing else starts one.
    check(xset() == "0", "the server's screen saver is on")
    second = session.start(ready=None)
    check(second.wait(20) == 0 and "already running" in second.stderr(),
          f"a second watcher: {second.stderr()}")
    with open(os.path.join(session.config, "idle.conf"), "w", encoding="ascii") as conf:
        conf.write("after = soon\n")
    bad = session.start(ready=None)
    check(bad.wait(20) == 2 and re.search(r"idle\.conf:1: after: \"soon\"", bad.stderr()),
          f"a bad setting: {bad.stderr()}")
    session.starts(watcher, session.ends_saver(), 2, "the key that ended the first saver", True)

    holder = session.holder()
    session.held(watcher, "an application: film (playing)", 3,
                 lambda: holder.stdin.write("release\n"))
    # Had UnInhibit failed, the holder would have left the bus instead.
    check(holder.stdout.readline().strip() == "released", "UnInhibit failed")
    # The same, on the older path, until the holder leaves the bus.
    holder = session.holder("/ScreenSaver")
    session.held(watcher, "an application: film (playing)", 4, holder.stdin.close)
    import desktop  # pylint: disable=import-outside-toplevel
    session.helper = desktop.Helper(session.server)
    # A plain window of another client, small enough to leave the root window in sight.
    xprop = ["xprop", "-id", str(session.helper.window("host", e2e.Area(0, 0, 200, 200)))]
    session.server.run(*xprop, "-f", "_NET_WM_STATE", "32a", "-set", "_NET_WM_STATE",
                       "_NET_WM_STATE_FULLSCREEN")
    session.held(watcher, "a full-screen window", 5,
                 lambda: session.server.run(*xprop, "-remove", "_NET_WM_STATE"))

    session.ends_saver()
    watcher.process.terminate()
    check(watcher.wait(20) == 0, "sagelight-idle did not end on SIGTERM")
    check(xset() == "120", "the server's screen-saver timeout was not restored")


def wayland(session):
    """Under sway 1.7 the KDE idle protocol starts the saver after the idle time; a key ends it."""
    started = time.monotonic()
    watcher = session.start("--after", "3s")
    check("KDE idle" in watcher.stderr(), f"unexpected first line: {watcher.stderr()}")
    wait_for(lambda: session.server.saver_windows(), AFTER + LATE, "the saver shows")
    check(time.monotonic() >= started + AFTER, "the saver showed before the idle time")
    session.server.key("q")
    wait_for(lambda: not session.server.saver_windows(), 20, "a key ends the saver")
    check(watcher.alive(), "sagelight-idle ended with the saver")


def make_session(case, idle, saver):
    require("dbus-daemon", "xset", "xprop", "xdotool")
    if subprocess.run([PYTHON, "-c", "import dbus"], check=False,
                      stderr=subprocess.DEVNULL).returncode != 0:
        raise SetupError("python3-dbus is missing")
    if case == "wayland":
        import wayland_e2e  # pylint: disable=import-outside-toplevel
        return Session(idle, saver, wayland_e2e.Compositor())
    return Session(idle, saver, e2e.XServer())


CASES = {"x11": x11, "wayland": wayland}

if __name__ == "__main__":
    NAME, IDLE, SAVER = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    sys.exit(e2e.main(CASES, lambda: make_session(NAME, IDLE, SAVER), server_tools=()))
