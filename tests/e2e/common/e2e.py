"""What every backend's end-to-end test shares: a display, screenshots and
input. Timing is judged from screenshots bracketed by clock readings; a
bracket widened by a held-up test is inconclusive, never a failure."""

import ctypes
import glob
import mmap
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
CENTRE = (SCREEN_WIDTH // 2, SCREEN_HEIGHT // 2)

# The quote panel in pixels: a frame of 4 around two labels with a bar of 3
# between them; the labels' places are (left, top, width, height) inside it.
PANEL_WIDTH, PANEL_HEIGHT = 273, 169
FRAME, BAR = 4, 3
SAYING = (4, 4, 265, 145)
CAPTION = (4, 152, 265, 13)
PALETTE = ((0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
           (192, 192, 192), (128, 128, 128))
BLACK = (0, 0, 0)

RECORD_LENGTH = 200
SEEDED_SIZE = 431 * RECORD_LENGTH
# More records than a 16-bit count holds: start-up only counts them, but
# every tick that shows a saying overflows while it picks one.
OVERSIZED_SIZE = 32768 * RECORD_LENGTH

# Every fourth pixel of the root window's weave is white: in the frame
# buffer's four bytes a pixel, a white one, three black ones, a white one.
WEAVE = b"\xff" * 3 + b"\0" * 13 + b"\xff" * 3

SKIP = 77  # ctest's SKIP_RETURN_CODE
TOOLS = ("Xvfb", "xdotool", "xprop", "setxkbmap")


class Failure(AssertionError):
    pass


class SetupError(Exception):
    """The machine lacks something the tests need."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def require(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise SetupError("missing programs: " + ", ".join(missing))


def _end_with_parent():
    """PR_SET_PDEATHSIG: no server outlives a test killed for taking long."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)


class XServer:
    """An Xvfb of its own on a display number it picks. -retro shows a weave
    on the root, so black means covered; -fbdir gives a frame buffer file that
    screenshots map instead of a round trip per shot."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.fbdir = tempfile.mkdtemp(prefix="sagelight-fb-",
                                      dir="/dev/shm" if os.access("/dev/shm", os.W_OK) else None)
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-retro", "-nocursor", "-noreset",
             "-nolisten", "tcp", "-fbdir", self.fbdir,
             "-screen", "0", f"{width}x{height}x24"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_end_with_parent)
        os.close(write_end)
        try:
            number = b""
            while not number.endswith(b"\n"):
                chunk = os.read(read_end, 16)  # the server closes it if it fails
                if not chunk:
                    raise Failure("Xvfb did not start")
                number += chunk
        except BaseException:
            self.close()
            raise
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()
        with open(os.path.join(self.fbdir, "Xvfb_screen0"), "rb") as frame:
            self.frame = mmap.mmap(frame.fileno(), 0, access=mmap.ACCESS_READ)
        self.layout = FrameLayout(self.frame[:100])
        check((self.layout.width, self.layout.height) == (width, height),
              f"the screen is {self.layout.width}x{self.layout.height}")

    def env(self, **extra):
        return dict(os.environ, DISPLAY=self.display, **extra)

    def run(self, *args):
        return subprocess.run(args, env=self.env(), capture_output=True, text=True, check=False,
                              timeout=60)

    def xdotool(self, *args):
        result = self.run("xdotool", *map(str, args))
        check(result.returncode == 0, f"xdotool {' '.join(map(str, args))}: {result.stderr}")
        return result.stdout

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self):
        self.xdotool("click", 1)

    def press(self):
        self.xdotool("mousedown", 1)

    def release(self):
        self.xdotool("mouseup", 1)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def keyboard_layout(self, layout):
        result = self.run("setxkbmap", "-display", self.display, layout)
        check(result.returncode == 0, f"setxkbmap {layout}: {result.stderr}")

    def focus(self):
        return self.run("xdotool", "getwindowfocus").stdout.strip()

    def windows(self, class_name):
        """Viewable windows of a WM_CLASS name: (id, left, top, width, height)."""
        ids = self.run("xdotool", "search", "--onlyvisible", "--classname",
                       f"^{class_name}$").stdout.split()
        found = []
        for window in ids:
            shape = self.run("xdotool", "getwindowgeometry", "--shell", window).stdout
            values = dict(line.split("=", 1) for line in shape.split())
            if values:
                found.append((window, *(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
        return found

    def screenshot(self):
        before = time.monotonic()
        raw = self.frame[self.layout.offset:self.layout.end]
        return Shot(raw, self.layout, before, time.monotonic())

    def set_monitors(self, monitors, primary):
        """RandR monitors from Areas; `primary` an index or None."""
        for line in self.run("xrandr", "--listmonitors").stdout.splitlines()[1:]:
            self.run("xrandr", "--delmonitor", line.split()[1].lstrip("*+"))
        for i, area in enumerate(monitors):
            name = ("*" if i == primary else "") + f"M{i}"
            geometry = (f"{area.width}/{area.width // 4}x{area.height}/{area.height // 4}"
                        f"+{area.x}+{area.y}")
            result = self.run("xrandr", "--setmonitor", name, geometry,
                              "screen" if i == 0 else "none")
            check(result.returncode == 0, f"xrandr --setmonitor: {result.stderr}")
        count = len(self.run("xrandr", "--listmonitors").stdout.splitlines()) - 1
        check(count == len(monitors), f"the server lists {count} monitors")

    def close(self):
        if self.process.poll() is None:
            # Terminated, not killed, so it removes its lock file and leaves
            # no stale display behind.
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if getattr(self, "frame", None) is not None:
            self.frame.close()
            self.frame = None
        shutil.rmtree(self.fbdir, ignore_errors=True)


class Area:
    """A rectangle of the screen, such as a monitor."""

    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    def holds(self, panel):
        return (panel.left >= self.x and panel.top >= self.y
                and panel.right < self.x + self.width and panel.bottom < self.y + self.height)

    def background_point(self, panel):
        """A point of this area well away from the panel."""
        centre_x, centre_y = self.x + self.width // 2, self.y + self.height // 2
        x = self.x + 50 if panel.left + panel.right > 2 * centre_x else self.x + self.width - 50
        y = self.y + 50 if panel.top + panel.bottom > 2 * centre_y else self.y + self.height - 50
        return x, y

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"


class PixelLayout:
    """Four bytes a pixel, red, green and blue at `channels`."""

    def __init__(self, width, height, channels=(2, 1, 0)):
        self.width, self.height, self.channels = width, height, channels
        self.offset, self.end = 0, 4 * width * height
        self.black = bytes(self.end)

    def encode(self, colour):
        pixel = bytearray(4)
        for value, offset in zip(colour, self.channels):
            pixel[offset] = value
        return bytes(pixel)

    def from_rgb(self, rgb):
        """Pixels of three bytes, as a picture file holds them, in this layout."""
        raw = bytearray(self.end)
        for channel, offset in enumerate(self.channels):
            raw[offset::4] = rgb[channel::3]
        return bytes(raw)


class FrameLayout(PixelLayout):
    """Where the pixels are in an xwd dump of a 24-bit TrueColor screen."""

    def __init__(self, header):
        fields = struct.unpack(">25I", header)
        header_size, _, pixmap_format, _, width, height = fields[:6]
        byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
        if (pixmap_format != 2 or bits_per_pixel != 32 or bytes_per_line != 4 * width
                or fields[14:17] != (0xFF0000, 0xFF00, 0xFF)):
            raise SetupError(f"unexpected frame buffer format {fields}")
        # Offsets of red, green and blue in a pixel's four bytes.
        super().__init__(width, height, (2, 1, 0) if byte_order == 0 else (1, 2, 3))
        self.offset = header_size + 12 * fields[19]
        self.end = self.offset + bytes_per_line * height


class Shot:
    """The screen at some moment between `before` and `after`."""

    def __init__(self, raw, layout, before, after):
        self.raw, self.layout, self.before, self.after = raw, layout, before, after
        self.width, self.height = layout.width, layout.height

    @property
    def taken(self):
        return (self.before + self.after) / 2

    def pixel(self, x, y):
        at = 4 * (y * self.width + x)
        return tuple(self.raw[at + offset] for offset in self.layout.channels)

    def pixels(self, left, top, right, bottom):
        """The pixels of an area, bounds inclusive."""
        return [self.pixel(x, y) for y in range(top, bottom + 1) for x in range(left, right + 1)]

    def is_black(self):
        return self.raw == self.layout.black

    def within(self, area):
        """The screenshot with all outside `area` painted black."""
        raw = bytearray(len(self.raw))
        for y in range(area.y, area.y + area.height):
            start = 4 * (y * self.width + area.x)
            raw[start:start + 4 * area.width] = self.raw[start:start + 4 * area.width]
        return Shot(bytes(raw), self.layout, self.before, self.after)

    def shows_root(self):
        """Whether the root window's weave shows."""
        return self.raw.count(WEAVE) > 1000

    def lit_box(self):
        """(left, top, right, bottom) of all that is not black, or None."""
        stride = 4 * self.width
        lines = [self.raw[y * stride:(y + 1) * stride] for y in range(self.height)]
        rows = [y for y, line in enumerate(lines) if line.strip(b"\0")]
        if not rows:
            return None
        left, right = self.width, -1
        for y in rows:
            row = lines[y]
            left = min(left, (len(row) - len(row.lstrip(b"\0"))) // 4)
            right = max(right, (len(row.rstrip(b"\0")) - 1) // 4)
        return left, rows[0], right, rows[-1]

    def find_panel(self):
        """The panel whose frame is the first thing lit: its top and bottom
        rows are runs of exactly 273 pixels of one palette colour."""
        first = (len(self.raw) - len(self.raw.lstrip(b"\0"))) // 4
        left, top = first % self.width, first // self.width
        colour = self.pixel(left, top) if first < self.width * self.height else None
        if (colour in PALETTE and left + PANEL_WIDTH <= self.width
                and top + PANEL_HEIGHT <= self.height
                and self._runs_exactly(left, top, colour)
                and self._runs_exactly(left, top + PANEL_HEIGHT - 1, colour)):
            return Panel(left, top, colour)
        return None

    def _runs_exactly(self, left, y, colour):
        at = 4 * (y * self.width + left)
        right = left + PANEL_WIDTH
        return (self.raw[at:at + 4 * PANEL_WIDTH] == self.layout.encode(colour) * PANEL_WIDTH
                and (left == 0 or self.pixel(left - 1, y) != colour)
                and (right == self.width or self.pixel(right, y) != colour))

    def save_ppm(self, path):
        rgb = bytearray(len(self.raw) // 4 * 3)
        for channel, offset in enumerate(self.layout.channels):
            rgb[channel::3] = self.raw[offset::4]
        with open(path, "wb") as picture:
            picture.write(b"P6 %d %d 255\n" % (self.width, self.height) + rgb)


class Panel:
    """The quote panel as it shows on the screen, in pixels."""

    def __init__(self, left, top, colour):
        self.left, self.top, self.colour = left, top, colour
        self.right, self.bottom = left + PANEL_WIDTH - 1, top + PANEL_HEIGHT - 1
        self.saying = self._area(SAYING)
        self.caption = self._area(CAPTION)

    def _area(self, place):
        x, y, width, height = place
        return (self.left + x, self.top + y, self.left + x + width - 1, self.top + y + height - 1)

    def __eq__(self, other):
        return isinstance(other, Panel) and self.place == other.place

    def __hash__(self):
        return hash(self.place)

    def __repr__(self):
        return f"panel at {self.left},{self.top} in {self.colour}"

    @property
    def place(self):
        return self.left, self.top, self.colour

    def contains(self, x, y):
        return self.left <= x <= self.right and self.top <= y <= self.bottom

    def saying_point(self):
        return self.saying[0] + 56, self.saying[1] + 36

    def caption_point(self):
        return self.caption[0] + 132, self.caption[1] + 6

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


def check_panel(shot):
    """The one panel of a screenshot, checked against its design: nothing
    else lit; a frame of 4 pixels and a bar of 3 in one palette colour; the
    saying white and the caption yellow, on black. Text colours are judged
    by the bright pixels of the glyphs: how their edges blend into black
    depends on the font smoothing."""
    panel = shot.find_panel()
    check(panel is not None, f"no panel shows (lit: {shot.lit_box()})")
    check(shot.lit_box() == (panel.left, panel.top, panel.right, panel.bottom),
          f"more than the {panel} is lit: {shot.lit_box()}")
    left, top, right, bottom = panel.left, panel.top, panel.right, panel.bottom
    bar = top + SAYING[1] + SAYING[3]
    frame = [(left, top, right, top + FRAME - 1), (left, bottom - FRAME + 1, right, bottom),
             (left, top, left + FRAME - 1, bottom), (right - FRAME + 1, top, right, bottom),
             (left, bar, right, bar + BAR - 1)]
    for area in frame:
        odd = {p for p in shot.pixels(*area) if p != panel.colour}
        check(not odd, f"frame area {area} holds other colours: {sorted(odd)[:5]}")
    saying = shot.pixels(*panel.saying)
    check(sum(map(is_white, saying)) >= 50, "the saying shows no white text")
    check(not any(map(is_yellow, saying)), "the saying holds yellow")
    check(saying.count(BLACK) > len(saying) // 2, "the saying's label is not black")
    caption = shot.pixels(*panel.caption)
    check(sum(map(is_yellow, caption)) >= 20, "the caption strip shows no yellow text")
    check(not any(map(is_white, caption)), "the caption strip holds white")
    check(caption.count(BLACK) > len(caption) // 2, "the caption strip is not black")
    return panel


INFORMATION_BLUE = (0, 120, 215)


def text_bands(shot, box):
    """Bands of dark text rows right of a message box's icon."""
    left, top, right, bottom = box
    dark_rows = [y for y in range(top, bottom + 1)
                 if any(max(shot.pixel(x, y)) < 96 for x in range(left + 56, right - 11))]
    return sum(1 for i, y in enumerate(dark_rows) if i == 0 or dark_rows[i - 1] != y - 1)


def check_box_face(shot, box):
    """A centred box with the information icon, two lines and a button."""
    left, top, right, bottom = box
    check(abs((left + right) // 2 - SCREEN_WIDTH // 2) <= 1
          and abs((top + bottom) // 2 - SCREEN_HEIGHT // 2) <= 1,
          f"the box at {box} is not centred")
    check(shot.pixels(*box).count(INFORMATION_BLUE) >= 300, "the box has no information icon")
    check(text_bands(shot, box) >= 3, "expected two lines and the button in the box")


def wait_panel(screenshot, within, what, saver=None, area=None):
    """The panel and its screenshot, once only the panel is lit (in `area`)."""
    found = []

    def panel_shows():
        shot = screenshot()
        try:
            found[:] = [check_panel(shot.within(area) if area else shot), shot]
        except Failure:
            return False
        return True

    try:
        wait_for(panel_shows, within, what, saver)
    except Failure:
        shot = screenshot()
        check_panel(shot.within(area) if area else shot)  # says what is wrong
        raise
    return found


def keep(shot, name):
    """Saves a screenshot into $SAGELIGHT_E2E_SCREENSHOTS, if set."""
    folder = os.environ.get("SAGELIGHT_E2E_SCREENSHOTS")
    if folder:
        os.makedirs(folder, exist_ok=True)
        shot.save_ppm(os.path.join(folder, name + ".ppm"))


# What a screenshot shows, as the timing checks tell it apart.
ROOT, DARK, LIT = "the bare root window", "a black screen", "something other than a panel"


def what_shows(shot):
    if shot.is_black():
        return DARK
    panel = shot.find_panel()
    if panel:
        return panel
    return ROOT if shot.shows_root() else LIT


class Moment:
    """An instant known only to lie between two clock readings."""

    def __init__(self, early, late):
        self.early, self.late = early, late

    def __repr__(self):
        return f"[{self.early:.3f}, {self.late:.3f}]"


def elapsed(start, end):
    """Bounds of the time from one Moment to another."""
    return end.early - start.late, end.late - start.early


# A tick of the program may come this late, and its picture reach the screen
# as late again, on a busy machine.
TICK_SLACK = 0.25
# A wrong tick is a whole second off, late by as much as a right one: a
# bracket narrower than 1 - 2 x TICK_SLACK still tells the two apart.
WIDEST_BRACKET = 0.45


def measure(what, start, end, low, high):
    """Whether the time can lie in [low, high], and whether that tells (a
    narrow bracket, or one wholly inside)."""
    shortest, longest = elapsed(start, end)
    print(f"{what}: {shortest:.3f} to {longest:.3f} s (expected {low:g} to {high:g} s)")
    told = longest - shortest <= WIDEST_BRACKET or low <= shortest <= longest <= high
    return longest >= low and shortest <= high, told


def judge(what, start, end, low, high):
    """Fails when the time cannot lie in [low, high]; False when held up."""
    fits, narrow = measure(what, start, end, low, high)
    shortest, longest = elapsed(start, end)
    check(fits, f"{what} took {shortest:.2f} to {longest:.2f} s, not {low:g} to {high:g} s")
    return narrow


def wait_for(condition, within, what, saver=None, interval=0.05):
    """The first true `condition()`; fails after `within` s or if the saver ends."""
    deadline = time.monotonic() + within
    while True:
        result = condition()
        if result:
            return result
        if saver is not None and not saver.alive():
            raise Failure(f"{what}: the saver ended with status {saver.process.returncode}: "
                          f"{saver.stderr().strip()}")
        check(time.monotonic() < deadline, f"{what}: not so after {within} s")
        time.sleep(interval)


class Watch:
    """Back-to-back screenshots as runs of [what, first Moment, last Moment]."""

    INTERVAL = 0.01

    def __init__(self, server):
        self.server = server
        self.runs = []
        self._last = None

    def sample(self):
        shot = self.server.screenshot()
        if self._last is None or shot.raw != self._last[0].raw:
            self._last = (shot, what_shows(shot))
        shows, taken = self._last[1], Moment(shot.before, shot.after)
        if self.runs and self.runs[-1][0] == shows:
            self.runs[-1][2] = taken
        else:
            self.runs.append([shows, taken, taken])
        return shows

    def until(self, condition, within, what, saver=None):
        """Samples until `condition(what shows)` holds."""
        return wait_for(lambda: condition(self.sample()), within, what, saver, self.INTERVAL)

    def follow(self, seconds):
        """Samples for that long."""
        end = time.monotonic() + seconds
        self.until(lambda _: time.monotonic() >= end, seconds + 1, "")

    def changes(self, *followed):
        """(what showed, Moment it began) per change; given what to follow,
        all else but panels (frames caught half drawn) is left out."""
        kept = []
        for shows, first, last in self.runs:
            if followed and shows not in followed and not isinstance(shows, Panel):
                continue
            if kept and kept[-1][0] == shows:
                kept[-1][2] = last
            else:
                kept.append([shows, first, last])
        changes = [(kept[0][0], None)]
        for (_, _, last), (shows, first, _) in zip(kept, kept[1:]):
            changes.append((shows, Moment(last.early, first.late)))
        return changes


class Saver:
    """One run of the program, its output kept in files."""

    def __init__(self, argv, env, settle):
        self.settle = settle
        self.output = tempfile.TemporaryFile()
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self.output, stderr=self.errors,
                                        start_new_session=True)

    def alive(self):
        return self.process.poll() is None

    def wait(self, seconds):
        """The exit status, or None while it still runs after `seconds`."""
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            return None

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode("utf-8", "replace")

    def still_running(self, what):
        """A slow machine can only make this pass, never fail."""
        status = self.wait(self.settle)
        check(status is None, f"the saver ended with status {status} after {what}")

    def ends(self, what, status=0, within=20):
        code = self.wait(within)
        check(code is not None, f"the saver still runs {within} s after {what}")
        check(code == status, f"the saver ended with status {code}, not {status}, after {what}")

    def kill(self):
        if self.alive():
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()


class Session:
    """A display and the savers of one case; a backend says how a saver
    starts and what its platform does on its own."""

    settle = 0.5  # for a sent event to reach the program and be handled
    records_at_show = False  # a new window gets the pointer's place at once
    crowd = 16  # how many savers the test starts at once

    def __init__(self, *screen, server=None):
        self.server = server or XServer(*screen)
        self.savers = []

    def launch(self, args, **env):
        """Starts the program; `env` adds to its environment, None unsets."""
        raise NotImplementedError

    @property
    def quote_file(self):
        raise NotImplementedError

    def ready(self, saver):
        """Waits until a covering saver takes keys."""

    def check_box(self, shot, box):
        """Backend checks of a message box at (left, top, right, bottom)."""

    def afresh(self):
        """Back to how the case began, the pointer at the centre."""
        self.server.move(*CENTRE)

    def start(self, *args, **options):
        saver = self.launch(args, **options)
        self.savers.append(saver)
        return saver

    def start_covering(self, *args):
        """The saver and its Watch, once it covers the screen and takes keys."""
        watch = Watch(self.server)
        check(watch.sample() == ROOT, "the screen is covered before the saver starts")
        saver = self.start(*args)
        watch.until(lambda shows: shows != ROOT, 90, "the saver's window covers the screen", saver)
        self.ready(saver)
        return saver, watch

    def close(self):
        for saver in self.savers:
            saver.kill()
        self.server.close()


NSS_WRAPPER = "libnss_wrapper.so"


class NativeSession(Session):
    """The Linux program with folders and a home of its own. The instance
    lock follows the user alone; so that cases side by side do not share one,
    each session gets its own password database (nss_wrapper) and an empty
    /run/user in a mount namespace."""

    def __init__(self, binary, *screen, server=None):
        self.nss_wrapper = next(iter(glob.glob(f"/usr/lib/*/{NSS_WRAPPER}")
                                     + glob.glob(f"/usr/lib*/{NSS_WRAPPER}")), None)
        if self.nss_wrapper is None:
            if server is not None:
                server.close()
            raise SetupError(f"missing {NSS_WRAPPER} (Debian: libnss-wrapper)")
        self.binary = binary
        self.scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        self.data_home = os.path.join(self.scratch, "data")
        self.runtime_dir = os.path.join(self.scratch, "run")
        self.home = os.path.join(self.scratch, "home")
        os.makedirs(self.data_home)
        os.makedirs(self.runtime_dir, mode=0o700)
        os.makedirs(self.home, mode=0o700)
        self.passwd = os.path.join(self.scratch, "passwd")
        self.group = os.path.join(self.scratch, "group")
        with open(self.passwd, "w", encoding="ascii") as out:
            out.write(f"tester:x:{os.getuid()}:{os.getgid()}:tester:{self.home}:/bin/sh\n")
        with open(self.group, "w", encoding="ascii") as out:
            out.write(f"testers:x:{os.getgid()}:\n")
        self.prefix = []
        if os.path.isdir(f"/run/user/{os.getuid()}"):
            mount = 'mount -t tmpfs tmpfs /run/user && exec "$0" "$@"'
            user = [] if os.geteuid() == 0 else ["--user", "--map-current-user"]
            self.prefix = ["unshare", *user, "--mount", "--propagation", "private",
                           "sh", "-c", mount]
        super().__init__(*screen, server=server)

    def launch(self, args, **extra):
        env = self.server.env(XDG_DATA_HOME=self.data_home, XDG_RUNTIME_DIR=self.runtime_dir,
                              LD_PRELOAD=self.nss_wrapper, NSS_WRAPPER_PASSWD=self.passwd,
                              NSS_WRAPPER_GROUP=self.group)
        env.update(extra)
        return Saver([*self.prefix, self.binary, *args],
                     {k: v for k, v in env.items() if v is not None}, self.settle)

    @property
    def quote_file(self):
        return os.path.join(self.data_home, "sagelight", "drive_c", "windows", "system",
                            "Sagelight.quo")

    def close(self):
        try:
            super().close()
        finally:
            shutil.rmtree(self.scratch, ignore_errors=True)


def main(cases, make_session, tools=(), server_tools=TOOLS):
    """Runs the case named by argv[1]: 0 passes, 1 fails, SKIP cannot run."""
    if len(sys.argv) < 2 or sys.argv[1] not in cases:
        print(f"usage: {sys.argv[0]} {{{','.join(cases)}}} ...", file=sys.stderr)
        return 2
    name = sys.argv[1]
    started = time.monotonic()
    session = None
    try:
        require(*server_tools, *tools)
        session = make_session()
        cases[name](session)
    except SetupError as error:
        print(f"skipped: {error}")
        return SKIP
    except Failure as failure:
        print(f"FAIL {name}: {failure}")
        if session is not None and session.server.process.poll() is None:
            picture = os.path.abspath(f"{name}-failure.ppm")
            session.server.screenshot().save_ppm(picture)
            print(f"the screen at the failure: {picture}")
        return 1
    finally:
        if session is not None:
            session.close()
    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
    return 0
