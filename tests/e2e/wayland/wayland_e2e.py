#!/usr/bin/env python3
"""End-to-end tests of the Linux program as a native client of a private
sway on the headless backend, with two outputs: the cases shared with the
other builds, and what only a compositor brings.

Usage: wayland_e2e.py CASE PATH/TO/sagelight.
"""

import functools
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

# pylint: disable=wrong-import-position
import cases  # noqa: E402
import e2e  # noqa: E402
from e2e import (SCREEN_HEIGHT, SCREEN_WIDTH, SKIP, PixelLayout, Shot, check,  # noqa: E402
                 wait_for, wait_panel)
from devices import VirtualDevices  # noqa: E402
import compositors  # noqa: E402

TOOLS = ("sway", "swaymsg", "setpriv", "wtype")
USER, GROUP = "nobody", "nogroup"  # sway refuses to run as root
SCREEN = "HEADLESS-1"  # the saver's screen, at the layout's origin
FULL = (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
OTHER = "HEADLESS-2"  # a second output, right of it, white until a curtain covers it
OTHER_WIDTH, OTHER_HEIGHT = 640, 480
SIZES = {SCREEN: (SCREEN_WIDTH, SCREEN_HEIGHT), OTHER: (OTHER_WIDTH, OTHER_HEIGHT)}
# Where the pointer rests: on the screen's output (sway repaints an output of
# its headless backend only while the pointer is on it), at a corner that a
# saver records as no position at all. Sway hides the resting pointer.
PARK = (0, 0)
CURSOR_HIDES = 0.1

# Both outputs are white while nothing covers them, as the bare root window
# of an X server shows its weave.
CONFIG = f"""\
output {SCREEN} resolution {SCREEN_WIDTH}x{SCREEN_HEIGHT} position 0 0 bg #FFFFFF solid_color
output {OTHER} resolution {OTHER_WIDTH}x{OTHER_HEIGHT} position {SCREEN_WIDTH} 0 \
bg #FFFFFF solid_color
default_border none
focus_follows_mouse no
mouse_warping none
seat * hide_cursor {int(CURSOR_HIDES * 1000)}
"""


class Desktop(Shot):
    def shows_root(self):
        """Whether the white background shows: most pixels are white (the
        rest may be the blanked pointer)."""
        return self.raw.count(self.layout.encode((255, 255, 255))) * 2 > self.width * self.height


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
        self.held = False
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

    # Input. The pointer moves by sway's own seat commands, which reach the
    # surface under it; buttons and keys come from the virtual devices, and
    # so do moves while a button is held, which the pressed surface takes.
    def move(self, x, y):
        if self.held:
            self.devices.move(x, y, SCREEN_WIDTH + OTHER_WIDTH, SCREEN_HEIGHT)
        else:
            self.swaymsg("seat", "-", "cursor", "set", str(x), str(y))
        self.pointer = (x, y, time.monotonic())

    def park(self):
        self.move(*PARK)

    def click(self):
        self.press()
        self.release()

    # From the virtual pointer, as a mouse would: sway's own "cursor press"
    # goes nowhere while it hides the resting pointer.
    def press(self):
        self.devices.button(1)
        self.held = True

    def release(self):
        self.devices.button(0)
        self.held = False

    def key(self, *combinations):
        for combination in combinations:
            self.devices.key(combination)

    def keyboard_layout(self, layout):
        self.devices.layout(layout)

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
        """One output as a Shot. Where the pointer moved last within a second,
        the picture is blanked: sway hides it a moment after it stops, but a
        loaded machine may be late."""
        x, y, moved = self.pointer
        delay = moved + 3 * CURSOR_HIDES - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        before = time.monotonic()
        width, height, raw = self.devices.capture(SIZES[output])
        after = time.monotonic()
        raw = bytearray(raw)
        raw[3::4] = bytes(width * height)  # the unused byte, as the tests expect it
        if output == SCREEN and before - moved < 1.0:
            for row in range(max(0, y - 2), min(height, y + 30)):
                start, end = row * width + max(0, x - 2), row * width + min(width, x + 26)
                raw[start * 4:end * 4] = bytes((end - start) * 4)
        return Desktop(bytes(raw), PixelLayout(width, height), before, after)

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


class WaylandSession(e2e.NativeSession):
    def __init__(self, binary):
        super().__init__(binary, server=Compositor())

    def afresh(self):
        self.server.park()

    def ready(self, saver):
        wait_for(lambda: any(w[:2] == (SCREEN, FULL) and w[2]
                             for w in self.server.saver_windows()),
                 20, "the saver's surface shows full-screen with the keyboard", saver)
        surfaces = self.server.saver_windows()
        check(len(surfaces) == 2, f"the saver's surfaces are not its form and one curtain: "
              f"{surfaces}")

    def boxes(self):
        return [w for w in self.server.saver_windows() if w[1] != FULL and w[0] == SCREEN]

    def check_box(self, shot, box):
        e2e.check_box_face(shot, box)
        left, top, right, bottom = box
        boxes = self.boxes()
        check([w[1] for w in boxes] == [(left, top, right - left + 1, bottom - top + 1)],
              f"the box on the screen is not the program's one box surface: {boxes}")


def backend(session):
    """The backend follows the environment: without DISPLAY, the X11 backend
    forced over WAYLAND_DISPLAY finds no display; a name that is no backend
    is refused."""
    for name, status, words in (("x11", 1, "X display"), ("mir", 2, "x11 or wayland")):
        saver = session.start("/s", SAGELIGHT_BACKEND=name)
        saver.ends(f"SAGELIGHT_BACKEND={name}", status=status, within=30)
        report = saver.stderr().strip().splitlines()
        check(len(report) == 1 and words in report[0],
              f"SAGELIGHT_BACKEND={name}: report {report}")


def other_output(session):
    """A curtain darkens the other output; the pointer's moves and clicks on
    it reach no handler, and keys typed meanwhile still count."""
    server = session.server
    check(server.screenshot(OTHER).lit_box() is not None, "the other output is black already")
    saver, _ = session.start_covering("/s")
    wait_for(lambda: server.screenshot(OTHER).lit_box() is None, 5,
             "the other output goes dark", saver)
    wait_panel(server.screenshot, 10, "a panel shows", saver)
    for x, y in ((100, 100), (400, 300), (10, 400)):
        server.move(SCREEN_WIDTH + x, y)
        server.click()
    saver.still_running("moves and clicks on the other output")
    check(server.screenshot(OTHER).lit_box() is None, "the other output lit up")
    server.key("space")
    saver.ends("the space bar")


def lost_compositor(session):
    """A saver whose compositor goes away ends with a one-line report."""
    saver, _ = session.start_covering("/s")
    wait_panel(session.server.screenshot, 10, "a panel shows", saver)
    session.server.process.kill()
    saver.ends("its compositor went away", status=2, within=5)
    report = saver.stderr()
    check(report == "Sagelight: lost the connection to the Wayland compositor\n",
          f"unexpected report {report!r}")


def box_click(session):
    """The quote folder vanishes under a running saver: the box of the next
    tick 1 takes the pointer above the saver, a click on OK closes it, and
    the saver takes keys again."""
    saver, _ = session.start_covering("/s")
    shutil.rmtree(os.path.dirname(session.quote_file))
    box = wait_for(session.boxes, 5, "a message box shows", saver)[0][1]
    left, top, width, height = box
    corners = (left, top, left + width - 1, top + height - 1)

    def only_the_box():
        shot = session.server.screenshot()
        return shot if shot.lit_box() == corners else None

    session.check_box(wait_for(only_the_box, 3, "only the box is lit", saver), corners)
    # The OK button sits centred at the box's foot.
    session.server.move(left + width // 2, top + height - 24)
    saver.still_running("a move onto the box")
    session.server.click()
    wait_for(lambda: not session.boxes(), 3, "a click on OK closes the box", saver)
    saver.still_running("closing the box")
    session.server.key("q")
    saver.ends("a letter key after the box")


def typed_controls(session):
    """Ctrl with a letter types a control character, and a keyboard plugged
    in by another client (wtype, with a keymap made for its text) types a
    Cyrillic letter: each ends the saver."""
    saver, _ = session.start_covering("/s")
    session.server.key("ctrl+z")
    saver.ends("Ctrl with a letter")
    saver, _ = session.start_covering("/s")
    result = session.server.run("wtype", "ж")
    check(result.returncode == 0, f"wtype failed: {result.stderr}")
    saver.ends("a Cyrillic letter from wtype")


# Layouts as sway makes them, each with the output that must show the form
# and the form's place there, in the layout's units: the primary is the
# output at the layout's origin, and the form covers its logical size.
LAYOUTS = {
    "rotated": ([("output", SCREEN, "transform", "90")], SCREEN,
                (0, 0, SCREEN_HEIGHT, SCREEN_WIDTH)),
    "scale_2": ([("output", SCREEN, "scale", "2")], SCREEN,
                (0, 0, SCREEN_WIDTH // 2, SCREEN_HEIGHT // 2)),
    # The origin on the second output, where sway does not first show a
    # new surface.
    "origin_second": ([("output", SCREEN, "position", str(OTHER_WIDTH), "0"),
                       ("output", OTHER, "position", "0", "0")], OTHER,
                      (0, 0, OTHER_WIDTH, OTHER_HEIGHT)),
    # No output at the origin: sway shows a new surface elsewhere first and
    # then moves it under the resting pointer, which must not end the saver.
    "origin_off": ([("output", SCREEN, "position", "200", "0"),
                    ("output", OTHER, "position", str(200 + SCREEN_WIDTH), "0")], SCREEN,
                   (200, 0, SCREEN_WIDTH, SCREEN_HEIGHT)),
}


def layout(session, name):
    """The form shows full-screen on the primary output with curtains on
    the others; a pointer resting on it at the start ends nothing, an output
    created while the saver runs goes dark at once, and then the user's own
    move of a few pixels ends the saver."""
    commands, output, rect = LAYOUTS[name]
    server = session.server
    for command in commands:
        server.swaymsg(*command)
    rest = (rect[0] + 100, rect[1] + 100)
    server.move(*rest)
    saver = session.start("/s")
    wait_for(lambda: any(w[:2] == (output, rect) for w in server.saver_windows()), 20,
             f"the form shows full-screen on {output} at {rect}", saver)
    surfaces = server.saver_windows()
    check(sorted(w[0] for w in surfaces) == [SCREEN, OTHER],
          f"the form and one curtain do not cover the two outputs: {surfaces}")
    saver.still_running("showing under the resting pointer")
    server.swaymsg("create_output")
    wait_for(lambda: len({w[0] for w in server.saver_windows()}) == 3, 10,
             "the created output goes dark", saver)
    saver.still_running("an output created under the running saver")
    server.move(rest[0] + 5, rest[1])
    if saver.wait(session.settle) is None:
        # On a slow run the first saying may have come up under the target
        # and taken the move; one further than the panel is wide lands on
        # the background and is compared with the resting place all the same.
        check(server.screenshot(output).lit_box() is not None,
              "a move of five pixels over the background left the saver running")
        print("the first saying took the move of five pixels: moving past the panel")
        server.move(rest[0] + 300, rest[1])
    saver.ends("a move of five pixels")


CASES = dict(cases.CASES, backend=backend, other_output=other_output,
             lost_compositor=lost_compositor, box_click=box_click, typed_controls=typed_controls,
             **{f"layout_{name}": functools.partial(layout, name=name) for name in LAYOUTS})

if __name__ == "__main__":
    if sys.argv[1:2] and sys.argv[1].partition(".")[0] in compositors.ROWS:
        sys.exit(compositors.main(sys.argv))
    sys.exit(e2e.main(CASES, lambda: WaylandSession(os.path.abspath(sys.argv[2])),
                      server_tools=TOOLS))
