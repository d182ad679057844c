"""Shared pieces of the end-to-end tests: a private X server, the saver
process, screenshots and what the saver's panel looks like in one."""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
PANEL_WIDTH = 273
PANEL_HEIGHT = 169
QUOTE_FILE_SIZE = 86_200
SKIP = 77  # ctest's SKIP_RETURN_CODE

PALETTE = {
    (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128),
}
BLACK = (0, 0, 0)

TOOLS = ("Xvfb", "xdotool", "xwd", "convert", "xwininfo", "xprop")


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def require_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skipped: missing " + ", ".join(missing))
        sys.exit(SKIP)


class XServer:
    """An Xvfb of its own. Xvfb picks a free display number itself, so
    tests can run side by side with each other and with anyone else's. It
    must not reset when its last client leaves: a saver started during such
    a reset would find no server to connect to."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.process.kill()
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        # The server has announced itself; make sure it answers requests.
        while subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
            check(time.monotonic() < deadline, "Xvfb does not answer")
            time.sleep(0.05)

    def env(self, **extra):
        env = dict(os.environ, DISPLAY=self.display)
        env.update(extra)
        return env

    def run(self, *args):
        return subprocess.run(list(args), env=self.env(), capture_output=True, text=True,
                              check=False)

    def xdotool(self, *args):
        result = self.run("xdotool", *args)
        check(result.returncode == 0, f"xdotool {' '.join(args)} failed: {result.stderr}")
        return result.stdout

    def move(self, x, y):
        self.xdotool("mousemove", str(x), str(y))

    def click(self):
        self.xdotool("click", "1")

    def key(self, *keys):
        self.xdotool("key", *keys)

    def top_level_windows(self):
        """Mapped top-level windows as (id, class name, x, y, width, height)."""
        out = self.run("xwininfo", "-root", "-children").stdout
        windows = []
        for line in out.splitlines():
            line = line.strip()
            if not line.startswith("0x") or '("' not in line:
                continue
            window_id = line.split()[0]
            class_name = line.split('("')[1].split('"')[0]
            geometry = line.split(")")[-1].split()[0]
            size, x, y = geometry.replace("+", " ").split()
            width, height = size.split("x")
            if self.run("xwininfo", "-id", window_id).stdout.find("IsViewable") >= 0:
                windows.append((window_id, class_name, int(x), int(y), int(width), int(height)))
        return windows

    def saver_windows(self):
        return [w for w in self.top_level_windows() if w[1] == "sagelight"]

    def screenshot(self):
        """The whole screen as a Shot, and the moment it was taken."""
        taken = time.monotonic()
        xwd = subprocess.run(["xwd", "-root", "-silent", "-display", self.display],
                             capture_output=True, check=True).stdout
        done = time.monotonic()
        rgb = subprocess.run(["convert", "xwd:-", "-depth", "8", "rgb:-"], input=xwd,
                             capture_output=True, check=True).stdout
        check(len(rgb) == SCREEN_WIDTH * SCREEN_HEIGHT * 3, "unexpected screenshot size")
        return Shot(rgb, (taken + done) / 2)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()


class Shot:
    def __init__(self, rgb, taken):
        self.rgb = rgb
        self.taken = taken

    def pixel(self, x, y):
        i = (y * SCREEN_WIDTH + x) * 3
        return tuple(self.rgb[i:i + 3])

    def row(self, y):
        return self.rgb[y * SCREEN_WIDTH * 3:(y + 1) * SCREEN_WIDTH * 3]

    def lit_box(self):
        """Bounding box (left, top, right, bottom; inclusive) of everything
        that is not black, or None for an all-black screen."""
        rows = [y for y in range(SCREEN_HEIGHT) if self.row(y).strip(b"\0")]
        if not rows:
            return None
        left, right = SCREEN_WIDTH, -1
        for y in rows:
            row = self.row(y)
            left = min(left, (len(row) - len(row.lstrip(b"\0"))) // 3)
            right = max(right, (len(row.rstrip(b"\0")) - 1) // 3)
        return left, rows[0], right, rows[-1]

    def is_black(self):
        return self.lit_box() is None

    def pixels(self, left, top, right, bottom):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                yield self.pixel(x, y)

    def save_png(self, path):
        subprocess.run(["convert", "-size", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}", "-depth", "8",
                        "rgb:-", path], input=self.rgb, check=True)


class Panel:
    """The saver's quote panel as found on the screen, in pixels."""

    def __init__(self, left, top, colour):
        self.left, self.top, self.colour = left, top, colour
        self.right = left + PANEL_WIDTH - 1
        self.bottom = top + PANEL_HEIGHT - 1
        # The saying's label and the caption strip, inclusive bounds.
        self.saying = (left + 4, top + 4, left + 268, top + 148)
        self.caption = (left + 4, top + 152, left + 268, top + 164)

    def saying_point(self):
        return self.left + 60, self.top + 40

    def caption_point(self):
        return self.left + 136, self.top + 158

    def frame_point(self):
        return self.left + 1, self.top + 80

    def background_point(self):
        """A point of the black background well away from the panel."""
        x = 100 if self.left + PANEL_WIDTH // 2 > SCREEN_WIDTH // 2 else SCREEN_WIDTH - 100
        y = 100 if self.top + PANEL_HEIGHT // 2 > SCREEN_HEIGHT // 2 else SCREEN_HEIGHT - 100
        return x, y


def is_white(pixel):
    return min(pixel) >= 176


def is_yellow(pixel):
    red, green, blue = pixel
    return red >= 128 and green >= 128 and abs(red - green) <= 48 and blue <= 48


def find_panel(shot):
    """The panel in a screenshot, checked against its design: 273 x 169
    pixels wholly on the screen, a frame of 4 pixels (3 between the labels)
    in one palette colour, white text in the saying and yellow text in the
    caption strip on black. Raises Failure when anything differs."""
    box = shot.lit_box()
    check(box is not None, "no panel: the screen is black")
    left, top, right, bottom = box
    check((right - left + 1, bottom - top + 1) == (PANEL_WIDTH, PANEL_HEIGHT),
          f"lit area {right - left + 1} x {bottom - top + 1} at {left},{top} is not the panel")
    colour = shot.pixel(left, top)
    check(colour in PALETTE, f"frame colour {colour} is not a palette colour")
    panel = Panel(left, top, colour)
    frame = [
        (left, top, right, top + 3), (left, bottom - 3, right, bottom),
        (left, top, left + 3, bottom), (right - 3, top, right, bottom),
        (left, top + 149, right, top + 151),
    ]
    for area in frame:
        odd = {p for p in shot.pixels(*area) if p != colour}
        check(not odd, f"frame area {area} holds other colours: {sorted(odd)[:5]}")
    # Text colours are judged by the bright pixels of the glyphs: how their
    # edges blend into black depends on the machine's font smoothing.
    saying = list(shot.pixels(*panel.saying))
    check(sum(map(is_white, saying)) >= 50, "the saying shows no white text")
    check(not any(map(is_yellow, saying)), "the saying holds yellow")
    check(saying.count(BLACK) > len(saying) // 2, "the saying's label is not black")
    caption = list(shot.pixels(*panel.caption))
    check(sum(map(is_yellow, caption)) >= 20, "the caption strip shows no yellow text")
    check(not any(map(is_white, caption)), "the caption strip holds white")
    check(caption.count(BLACK) > len(caption) // 2, "the caption strip is not black")
    return panel


class Saver:
    """One run of the program with its own data and runtime folders."""

    def __init__(self, server, binary, args=("/s",), data_home=None, runtime_dir=None,
                 display=True):
        self.scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        self.data_home = data_home or os.path.join(self.scratch, "data")
        self.runtime_dir = runtime_dir or os.path.join(self.scratch, "run")
        os.makedirs(self.data_home, exist_ok=True)
        os.makedirs(self.runtime_dir, mode=0o700, exist_ok=True)
        env = server.env() if server else dict(os.environ)
        if not display:
            env.pop("DISPLAY", None)
        env.update(XDG_DATA_HOME=self.data_home, XDG_RUNTIME_DIR=self.runtime_dir)
        self.server = server
        self.started = time.monotonic()
        self.process = subprocess.Popen([binary, *args], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE)

    @property
    def quote_folder(self):
        return os.path.join(self.data_home, "sagelight", "drive_c", "windows", "system")

    @property
    def quote_file(self):
        return os.path.join(self.quote_folder, "Sagelight.quo")

    def alive(self):
        return self.process.poll() is None

    def check_alive(self, what):
        time.sleep(0.3)  # let the saver handle what was sent
        check(self.alive(), f"the saver ended after {what}")

    def check_ends(self, what, within=2.0):
        try:
            status = self.process.wait(within)
        except subprocess.TimeoutExpired:
            raise Failure(f"the saver still runs after {what}") from None
        check(status == 0, f"the saver ended with status {status} after {what}")

    def wait_for_window(self, within=5.0):
        """The moment the saver's window shows."""
        deadline = time.monotonic() + within
        while not self.server.saver_windows():
            if not self.alive():
                raise Failure(f"the saver ended with status {self.process.returncode} before its "
                              f"window showed: {self.process.stderr.read().decode().strip()}")
            check(time.monotonic() < deadline, "the saver's window did not show")
            time.sleep(0.02)
        shown = time.monotonic()
        # On a bare server nobody but the saver itself gives it the focus.
        window = int(self.server.saver_windows()[0][0], 16)
        while self.server.run("xdotool", "getwindowfocus").stdout.strip() != str(window):
            check(time.monotonic() < deadline, "the saver's window did not take the focus")
            time.sleep(0.02)
        return shown

    def wait_for_panel(self, within=4.0):
        deadline = time.monotonic() + within
        while True:
            shot = self.server.screenshot()
            if not shot.is_black():
                return find_panel(shot), shot
            check(time.monotonic() < deadline, "no panel showed")
            time.sleep(0.1)

    def stop(self):
        if self.alive():
            self.process.send_signal(signal.SIGKILL)
        self.process.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)


def sleep_until(moment):
    delay = moment - time.monotonic()
    if delay > 0:
        time.sleep(delay)


def run_cases(cases):
    """Runs named test cases in order, reporting each; exits non-zero when
    one fails. A case gets the server it may share with the others."""
    require_tools()
    binary = sys.argv[1]
    failures = 0
    server = XServer()
    try:
        for name, case in cases:
            started = time.monotonic()
            try:
                case(server, binary)
                print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
            except Failure as failure:
                failures += 1
                print(f"FAIL {name}: {failure}")
    finally:
        server.close()
    sys.exit(1 if failures else 0)
