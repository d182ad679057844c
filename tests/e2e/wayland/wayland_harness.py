"""Shared pieces of the Wayland end-to-end tests: a private sway on the
headless backend with two outputs, the saver as its client, screenshots of
the screen's output and input from a virtual keyboard and pointer. What a
screenshot must show is judged as on X11, by the checks all end-to-end
tests share."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

# pylint: disable=wrong-import-position
from e2e import (SCREEN_HEIGHT, SCREEN_WIDTH, SEEDED_SIZE, SKIP, Failure,  # noqa: E402
                 PixelLayout, Saver, Shot, check, check_panel, wait_panel)
from devices import VirtualDevices  # noqa: E402

find_panel = check_panel

TOOLS = ("sway", "swaymsg", "grim", "setpriv", "wtype")
USER, GROUP = "nobody", "nogroup"  # sway refuses to run as root
SCREEN = "HEADLESS-1"  # the saver's screen, at the layout's origin
OTHER = "HEADLESS-2"  # a second output, right of it, white until a curtain covers it
OTHER_WIDTH, OTHER_HEIGHT = 640, 480
# Where the pointer rests: on the screen's output (sway repaints an output of
# its headless backend only while the pointer is on it), at a corner that a
# saver records as no position at all. Sway hides the resting pointer.
PARK = (0, 0)
CURSOR_HIDES = 0.1

CONFIG = f"""\
output {SCREEN} resolution {SCREEN_WIDTH}x{SCREEN_HEIGHT} position 0 0 bg #000000 solid_color
output {OTHER} resolution {OTHER_WIDTH}x{OTHER_HEIGHT} position {SCREEN_WIDTH} 0 \
bg #FFFFFF solid_color
default_border none
focus_follows_mouse no
mouse_warping none
seat * hide_cursor {int(CURSOR_HIDES * 1000)}
"""


def require_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skipped: missing " + ", ".join(missing))
        sys.exit(SKIP)


class Compositor:
    """A sway of its own on the headless backend (no GPU: the pixman
    renderer), run as an unprivileged user with a private runtime folder.
    A virtual keyboard and pointer stay plugged in for its whole life."""

    def __init__(self):
        self.scratch = tempfile.mkdtemp(prefix="sagelight-sway-")
        os.chmod(self.scratch, 0o755)
        self.runtime = os.path.join(self.scratch, "run")
        os.mkdir(self.runtime, 0o700)
        # Sway refuses root; anyone else runs it as themselves.
        as_user = []
        if os.geteuid() == 0:
            shutil.chown(self.runtime, USER, None)
            as_user = ["setpriv", f"--reuid={USER}", f"--regid={GROUP}", "--clear-groups", "--"]
        config = os.path.join(self.scratch, "config")
        with open(config, "w", encoding="ascii") as out:
            out.write(CONFIG)
        os.chmod(config, 0o644)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": self.runtime,
               "WLR_BACKENDS": "headless", "WLR_HEADLESS_OUTPUTS": "2",
               "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        # pylint: disable-next=consider-using-with
        self.log = open(os.path.join(self.scratch, "sway.log"), "wb")
        self.process = subprocess.Popen(  # pylint: disable=consider-using-with
            [*as_user, "sway", "--config", config], env=env, stdout=self.log,
            stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 30
        self.socket = self.ipc = None
        self.pointer = (*PARK, 0.0)
        while self.socket is None or self.ipc is None or not self._outputs_ready():
            if self.process.poll() is not None:
                with open(os.path.join(self.scratch, "sway.log"), encoding="utf-8",
                          errors="replace") as log:
                    said = log.read().strip().splitlines()[-3:]
                self.close()
                print("skipped: sway cannot start on this machine: " + " | ".join(said))
                sys.exit(SKIP)
            check(time.monotonic() < deadline, "sway did not start")
            time.sleep(0.05)
            names = os.listdir(self.runtime)
            self.socket = next((os.path.join(self.runtime, n) for n in names
                                if n.startswith("wayland-") and not n.endswith(".lock")), None)
            self.ipc = next((os.path.join(self.runtime, n) for n in names
                             if n.startswith("sway-ipc")), None)
        self.devices = VirtualDevices(self.socket)
        self.park()

    def _outputs_ready(self):
        result = subprocess.run(["swaymsg", "-s", self.ipc, "-t", "get_outputs", "-r"],
                                capture_output=True, text=True, check=False)
        if result.returncode:
            return False
        return {o["name"] for o in json.loads(result.stdout) if o["active"]} == {SCREEN, OTHER}

    def env(self, **extra):
        env = dict(os.environ, WAYLAND_DISPLAY=self.socket, SWAYSOCK=self.ipc, LC_ALL="C.UTF-8")
        env.pop("DISPLAY", None)
        env.update(extra)
        return env

    def run(self, *args):
        return subprocess.run(list(args), env=self.env(), capture_output=True, text=True,
                              check=False)

    def swaymsg(self, *args):
        result = self.run("swaymsg", *args)
        check(result.returncode == 0, f"swaymsg {' '.join(args)} failed: {result.stdout}")
        return result.stdout

    # Input. The pointer moves by sway's own seat commands; buttons and keys
    # come from the virtual devices.
    def move(self, x, y):
        self.swaymsg("seat", "-", "cursor", "set", str(x), str(y))
        self.pointer = (x, y, time.monotonic())

    def park(self):
        self.move(*PARK)

    def click(self):
        # From the virtual pointer, as a mouse would: sway's own "cursor
        # press" goes nowhere while it hides the resting pointer.
        self.devices.click()
        self.pointer = (*self.pointer[:2], time.monotonic())

    def key(self, *names, modifiers=0):
        for name in names:
            self.devices.key(name, modifiers)

    def saver_windows(self):
        """The program's surfaces that sway shows, as (output, rect, focused)."""
        tree = json.loads(self.swaymsg("-t", "get_tree", "-r"))
        found = []

        def walk(node, output):
            if node.get("type") == "output":
                output = node["name"]
            if node.get("app_id") == "sagelight" and node.get("visible", True):
                rect = node["rect"]
                found.append((output, (rect["x"], rect["y"], rect["width"], rect["height"]),
                              node.get("focused", False)))
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child, output)

        walk(tree, None)
        return found

    def screenshot(self, output=SCREEN):
        """One output as a Shot, and the moment it was taken. Where the
        pointer moved last within a second, the picture is blanked: sway
        hides it a moment after it stops, but a loaded machine may be late."""
        x, y, moved = self.pointer
        delay = moved + 3 * CURSOR_HIDES - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        taken = time.monotonic()
        ppm = subprocess.run(["grim", "-t", "ppm", "-o", output, "-"], env=self.env(),
                             capture_output=True, check=True).stdout
        done = time.monotonic()
        # P6, width, height, maxval, each followed by one whitespace byte.
        fields, rest = ppm.split(b"\n", 3)[:3], ppm.split(b"\n", 3)[3]
        width, height = map(int, fields[1].split())
        check(fields[0] == b"P6" and int(fields[2]) == 255, "unexpected screenshot format")
        check((width, height) == (SCREEN_WIDTH, SCREEN_HEIGHT) or output != SCREEN,
              f"the screen's output is {width} x {height}")
        if output == SCREEN and taken - moved < 1.0:
            rest = bytearray(rest)
            for row in range(max(0, y - 2), min(height, y + 30)):
                start, end = row * width + max(0, x - 2), row * width + min(width, x + 26)
                rest[start * 3:end * 3] = bytes((end - start) * 3)
            rest = bytes(rest)
        return Shot(PixelLayout(width, height).from_rgb(rest), PixelLayout(width, height),
                    taken, done)

    def close(self):
        if getattr(self, "devices", None):
            self.devices.close()
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.scratch, ignore_errors=True)


class WaylandSaver(Saver):
    """The saver as a client of the compositor (WAYLAND_DISPLAY set,
    DISPLAY not: it chooses its Wayland backend itself), with data and
    runtime folders of its own unless it is given some."""

    def __init__(self, server, binary, args=("/s",), data_home=None, runtime_dir=None):
        self.server = server
        self.scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        self.data_home = data_home or os.path.join(self.scratch, "data")
        self.runtime_dir = runtime_dir or os.path.join(self.scratch, "run")
        os.makedirs(self.data_home, exist_ok=True)
        os.makedirs(self.runtime_dir, mode=0o700, exist_ok=True)
        self.started = time.monotonic()
        super().__init__([binary, *args], server.env(XDG_DATA_HOME=self.data_home,
                                                     XDG_RUNTIME_DIR=self.runtime_dir), 0.3)

    @property
    def quote_folder(self):
        return os.path.join(self.data_home, "sagelight", "drive_c", "windows", "system")

    @property
    def quote_file(self):
        return os.path.join(self.quote_folder, "Sagelight.quo")

    def check_alive(self, what):
        self.still_running(what)

    def check_ends(self, what):
        self.ends(what)

    def wait_for_panel(self, within=10.0):
        """The panel and the screenshot it shows in."""
        return wait_panel(self.server.screenshot, within, "a panel shows", self)

    def stop(self):
        self.kill()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def wait_for_window(self, within=20.0):
        """The moment the saver's surface shows full-screen on the screen's
        output with the keyboard."""
        deadline = time.monotonic() + within
        while not any(w[0] == SCREEN and w[1] == (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT) and w[2]
                      for w in self.server.saver_windows()):
            if not self.alive():
                raise Failure(f"the saver ended with status {self.process.returncode} before its "
                              f"surface showed: {self.stderr().strip()}")
            check(time.monotonic() < deadline, "the saver's surface did not show with the focus")
            time.sleep(0.02)
        return time.monotonic()


def run_cases(cases):
    """Runs named test cases in order on one compositor, reporting each;
    exits non-zero when one fails."""
    require_tools()
    binary = sys.argv[1]
    failures = 0
    compositor = Compositor()
    try:
        for name, case in cases:
            started = time.monotonic()
            try:
                case(compositor, binary)
                print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
            except Failure as failure:
                failures += 1
                print(f"FAIL {name}: {failure}")
            compositor.park()
    finally:
        compositor.close()
    sys.exit(1 if failures else 0)


__all__ = ["Compositor", "WaylandSaver", "check", "find_panel", "run_cases", "Failure", "PARK",
           "SCREEN", "OTHER", "SCREEN_WIDTH", "SCREEN_HEIGHT", "SEEDED_SIZE"]
