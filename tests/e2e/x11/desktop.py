"""Desktops as people have them, for the end-to-end tests: an X server with
several monitors, window managers, other clients' windows (built from
x11_helper.c), and screenshots judged one monitor at a time."""

import functools
import os
import shutil
import select
import signal
import subprocess
import sys
import tempfile
import time

import harness
from harness import Failure, check, find_panel

HERE = os.path.dirname(os.path.abspath(__file__))
DOCK_ORANGE = (255, 128, 0)
HOST_BLUE = (32, 48, 128)


def screenshot_folder():
    """The folder given after --screenshots, where the cases leave what they
    saw; None when the option is not given."""
    if "--screenshots" in sys.argv:
        folder = sys.argv[sys.argv.index("--screenshots") + 1]
        os.makedirs(folder, exist_ok=True)
        return folder
    return None


def keep_screenshot(shot, name):
    folder = screenshot_folder()
    if folder:
        path = os.path.join(folder, name + ".png")
        shot.save_png(path)
        print(f"  screenshot: {path}")


def use_screen(width, height):
    """Servers started from now on have a screen of this size. The harness
    keeps the size in module constants that its screenshots read too."""
    harness.SCREEN_WIDTH = width
    harness.SCREEN_HEIGHT = height


class WithEnvironment:
    """A server whose clients get extra environment variables: what the
    harness's Saver starts on it sees them."""

    def __init__(self, server, **extra):
        self.server = server
        self.extra = extra

    def env(self, **more):
        return self.server.env(**self.extra, **more)

    def __getattr__(self, name):
        return getattr(self.server, name)


class Area:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    def holds(self, panel):
        return (panel.left >= self.x and panel.top >= self.y and
                panel.right < self.x + self.width and panel.bottom < self.y + self.height)

    def background_point(self, panel):
        """A point of this area well away from the panel."""
        centre_x, centre_y = self.x + self.width // 2, self.y + self.height // 2
        x = self.x + 50 if panel.left + panel.right > 2 * centre_x else self.x + self.width - 50
        y = self.y + 50 if panel.top + panel.bottom > 2 * centre_y else self.y + self.height - 50
        return x, y

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"


def grey_desktop(server):
    """A desktop that is not black, so that whatever is left uncovered shows."""
    check(server.run("xsetroot", "-solid", "#505050").returncode == 0, "xsetroot failed")


def set_monitors(server, monitors, primary):
    """Replaces the server's monitors with `monitors` (Areas), the first
    taking the screen's one output, on a grey desktop; `primary` is an
    index, or None to mark none."""
    grey_desktop(server)
    listed = server.run("xrandr", "--listmonitors").stdout.splitlines()[1:]
    for line in listed:
        name = line.split()[1].lstrip("*+")
        server.run("xrandr", "--delmonitor", name)
    for i, area in enumerate(monitors):
        name = ("*" if i == primary else "") + f"M{i}"
        size = f"{area.width}/{area.width // 4}x{area.height}/{area.height // 4}"
        output = "screen" if i == 0 else "none"
        result = server.run("xrandr", "--setmonitor", name, f"{size}+{area.x}+{area.y}", output)
        check(result.returncode == 0, f"xrandr --setmonitor failed: {result.stderr}")
    count = len(server.run("xrandr", "--listmonitors").stdout.splitlines()) - 1
    check(count == len(monitors), f"the server lists {count} monitors")


def within(shot, area):
    """The screenshot with everything outside `area` painted black."""
    width = harness.SCREEN_WIDTH
    rgb = bytearray(len(shot.rgb))
    for y in range(area.y, area.y + area.height):
        start = (y * width + area.x) * 3
        end = start + area.width * 3
        rgb[start:end] = shot.rgb[start:end]
    return harness.Shot(bytes(rgb), shot.taken)


def wait_for_panel_in(server, area, within_seconds=6.0):
    """The panel inside `area`, once the area holds the panel on black and
    nothing else, and the screenshot it was found in."""
    deadline = time.monotonic() + within_seconds
    while True:
        shot = server.screenshot()
        try:
            return find_panel(within(shot, area)), shot
        except Failure as failure:
            if time.monotonic() > deadline:
                raise Failure(f"on {area}: {failure}") from None
        time.sleep(0.1)


def window_geometry(server, window_id):
    """(x, y, width, height) of a window, in root coordinates."""
    out = server.run("xwininfo", "-id", str(window_id)).stdout
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def viewable(server, window_id):
    return "IsViewable" in server.run("xwininfo", "-id", str(window_id)).stdout


def poll(condition, what, within_seconds=5.0):
    deadline = time.monotonic() + within_seconds
    while not condition():
        check(time.monotonic() < deadline, what)
        time.sleep(0.05)


class Helper:
    """x11_helper.c, compiled once for a test script."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="sagelight-helper-")
        self.path = os.path.join(self.folder, "x11_helper")
        subprocess.run(["cc", "-O", "-o", self.path, os.path.join(HERE, "x11_helper.c"), "-lX11"],
                       check=True)
        self.running = []

    def window(self, server, kind, area, within_seconds=10.0):
        """Shows a dock or a host window and returns its id once it is
        mapped; None when it is not mapped in time."""
        process = subprocess.Popen(
            [self.path, kind, str(area.x), str(area.y), str(area.width), str(area.height)],
            env=server.env(), stdout=subprocess.PIPE, text=True)
        self.running.append(process)
        ready, _, _ = select.select([process.stdout], [], [], within_seconds)
        line = process.stdout.readline() if ready else ""
        if not line.strip().isdigit():
            process.kill()
            return None
        return int(line)

    def destroy(self, server, window_id):
        result = subprocess.run([self.path, "destroy", str(window_id)], env=server.env(),
                                check=False)
        check(result.returncode == 0, f"could not destroy window {window_id}")

    def close_windows(self):
        for process in self.running:
            process.kill()
            process.wait()
        self.running = []

    def close(self):
        self.close_windows()
        shutil.rmtree(self.folder, ignore_errors=True)


class WindowManager:
    """A window manager on a server, in a session of its own (with its own
    message bus where it needs one) and a home of its own, so nothing of
    the user's settings is read or written."""

    COMMANDS = {
        "openbox": ["openbox", "--sm-disable"],
        "icewm": ["icewm"],
        # xfwm4 keeps its settings in xfconf, which it reaches over D-Bus.
        # Its compositor paints only the first monitor of an Xvfb screen
        # that RandR splits into several, whoever's windows lie on the others.
        "xfwm4": ["dbus-run-session", "--", "xfwm4", "--compositor=off"],
    }

    def __init__(self, server, name):
        command = self.COMMANDS[name]
        self.home = tempfile.mkdtemp(prefix=f"sagelight-{name}-")
        env = server.env(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                         XDG_CACHE_HOME=os.path.join(self.home, ".cache"))
        env["NO_AT_BRIDGE"] = "1"  # no accessibility bus outliving the manager
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("SESSION_MANAGER", None)
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        # The manager is ready once it names its check window on the root.
        poll(lambda: "window id" in server.run("xprop", "-root",
                                               "_NET_SUPPORTING_WM_CHECK").stdout,
             f"{name} did not start", within_seconds=20)

    def client_list(self, server):
        text = server.run("xprop", "-root", "_NET_CLIENT_LIST").stdout
        return {int(word.strip(","), 16) for word in text.split() if word.startswith("0x")}

    def show(self, server, helper, kind, area):
        """A helper window that the manager manages. A manager names its
        check window before it is ready to manage, and a window mapped in
        between may be left unmapped for good: such a one is tried again."""
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            window = helper.window(server, kind, area, within_seconds=2)
            if window is not None:
                poll(lambda: window in self.client_list(server), f"{kind} not managed")
                return window
        raise Failure(f"the manager did not map a {kind} window")

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def run(cases, tools=()):
    """harness.run_cases for cases that take (server, binary, helper); a
    script whose tools are missing is skipped."""
    missing = [tool for tool in ("xrandr", "xsetroot", "cc", *tools) if shutil.which(tool) is None]
    if missing:
        print("skipped: missing " + ", ".join(missing))
        sys.exit(harness.SKIP)
    helper = Helper()
    try:
        harness.run_cases([(name, functools.partial(case, helper=helper)) for name, case in cases])
    finally:
        helper.close()
