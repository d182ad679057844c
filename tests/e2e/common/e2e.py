"""What the end-to-end tests of every backend share; a backend brings its
display: how it starts, takes a screenshot and sends input. Times are judged
from screenshots bracketed by clock readings: a bracket widened by a held-up
test is inconclusive, never a failure."""

import collections
import ctypes
import dataclasses
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

# The quote panel in pixels, and the places of its labels inside it as
# (left, top, width, height).
PANEL_WIDTH, PANEL_HEIGHT = 273, 169
SAYING, CAPTION = (4, 4, 265, 145), (4, 152, 265, 13)
BLACK, WHITE = (0, 0, 0), (255, 255, 255)

SEEDED_SIZE = 431 * 200  # records of 200 bytes
# More records than a 16-bit count holds: start-up only counts them, but
# every tick that shows a saying overflows while it picks one.
OVERSIZED_SIZE = 32768 * 200

SKIP = 77  # ctest's SKIP_RETURN_CODE
TOOLS = ("Xvfb", "xdotool", "xprop", "setxkbmap")


class Failure(AssertionError):
    """What a case found wrong."""


class SetupError(Exception):
    """The machine lacks something the tests need."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def require(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise SetupError("missing programs: " + ", ".join(missing))


def wait_for(condition, within, what, saver=None, interval=0.05):
    """The first true `condition()`; fails after `within` s or if the saver ends."""
    deadline = time.monotonic() + within
    while not (result := condition()):
        if saver is not None and not saver.alive():
            raise Failure(f"{what}: the saver ended with status {saver.process.returncode}: "
                          f"{saver.stderr().strip()}")
        check(time.monotonic() < deadline, f"{what}: not so after {within} s")
        time.sleep(interval)
    return result


def stop(process, seconds=10):
    """Terminates a process, and kills it if it lingers."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class XServer:
    """An Xvfb of its own on a display number it picks, its root window white;
    screenshots map its frame buffer file instead of a round trip each."""

    NAME, REST = "X server", CENTRE  # where the pointer rests at a case's start

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.width, self.height = width, height
        self.fbdir = tempfile.mkdtemp(prefix="sagelight-fb-",
                                      dir="/dev/shm" if os.access("/dev/shm", os.W_OK) else None)
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-wr", "-nocursor", "-noreset",
             "-nolisten", "tcp", "-fbdir", self.fbdir, "-screen", "0", f"{width}x{height}x24"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            # PR_SET_PDEATHSIG: no server outlives a test killed for taking long.
            preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as numbers:  # the server closes it if it fails
            number = numbers.readline()
        if not number.endswith(b"\n"):
            self.close()
            raise Failure("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        with open(os.path.join(self.fbdir, "Xvfb_screen0"), "rb") as frame:
            self.frame = mmap.mmap(frame.fileno(), 0, access=mmap.ACCESS_READ)
        # The file is an xwd dump: a header, a colour map, then the pixels.
        fields = struct.unpack(">25I", self.frame[:100])
        if (fields[2] != 2 or fields[4:6] != (width, height) or fields[7] != 0
                or fields[11:13] != (32, 4 * width) or fields[14:17] != (0xFF0000, 0xFF00, 0xFF)):
            self.close()
            raise SetupError(f"unexpected frame buffer format {fields}")
        self.offset = fields[0] + 12 * fields[19]

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

    def ready(self, saver):
        """Waits until the saver's window has the focus, which on a bare
        server nobody but the saver itself gives it."""
        wait_for(lambda: self.focus() in (w[0] for w in self.windows()), 30,
                 "the saver's window takes the focus", saver)

    def windows(self, class_name="sagelight"):
        """Viewable windows of a WM_CLASS name: (id, left, top, width, height)."""
        values = [line.split("=")[1] for line in self.run(
            "xdotool", "search", "--onlyvisible", "--classname", f"^{class_name}$",
            "getwindowgeometry", "--shell", "%@").stdout.split()]  # id, x, y, w, h, screen
        return [(values[i], *map(int, values[i + 1:i + 5])) for i in range(0, len(values) - 5, 6)]

    def screenshot(self):
        before = time.monotonic()
        raw = self.frame[self.offset:self.offset + 4 * self.width * self.height]
        return Shot(raw, self.width, self.height, before, time.monotonic())

    def close(self):
        # Terminated, not killed, so it removes its lock file and leaves no
        # stale display behind.
        stop(self.process)
        shutil.rmtree(self.fbdir, ignore_errors=True)


class Area(collections.namedtuple("Area", "x y width height")):
    """A rectangle of the screen, such as a monitor."""

    def background_point(self, panel):
        """A point of this area well away from the panel."""
        right = panel.left + panel.right > 2 * self.x + self.width
        below = panel.top + panel.bottom > 2 * self.y + self.height
        return (self.x + 100 if right else self.x + self.width - 100,
                self.y + 100 if below else self.y + self.height - 100)


SCREEN = Area(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)


class Shot:
    """The screen at some moment between `before` and `after`, in pixels of
    four bytes: blue, green, red and one unused (zero)."""

    def __init__(self, raw, width, height, before, after):
        self.raw, self.width, self.height = raw, width, height
        self.before, self.after = before, after

    @staticmethod
    def encode(colour):
        return bytes((*reversed(colour), 0))

    def pixel(self, x, y):
        at = 4 * (y * self.width + x)
        return tuple(reversed(self.raw[at:at + 3]))

    def pixels(self, left, top, right, bottom):
        """The pixels of an area, bounds inclusive."""
        return [self.pixel(x, y) for y in range(top, bottom + 1) for x in range(left, right + 1)]

    def is_black(self):
        return self.raw.count(0) == len(self.raw)

    def shows_root(self):
        """Whether the bare desktop shows: most pixels are white."""
        return self.raw.count(self.encode(WHITE)) * 2 > self.width * self.height

    def within(self, area):
        """The screenshot with all outside `area` painted black."""
        raw = bytearray(len(self.raw))
        for y in range(area.y, area.y + area.height):
            start = 4 * (y * self.width + area.x)
            raw[start:start + 4 * area.width] = self.raw[start:start + 4 * area.width]
        return Shot(bytes(raw), self.width, self.height, self.before, self.after)

    def lit_box(self):
        """(left, top, right, bottom) of all that is not black, or None."""
        stride = 4 * self.width
        lines = [self.raw[y * stride:(y + 1) * stride] for y in range(self.height)]
        rows = [y for y, line in enumerate(lines) if line.strip(b"\0")]
        if not rows:
            return None
        left = min(len(lines[y]) - len(lines[y].lstrip(b"\0")) for y in rows) // 4
        right = (max(len(lines[y].rstrip(b"\0")) for y in rows) - 1) // 4
        return left, rows[0], right, rows[-1]

    def find_panel(self):
        """The panel whose frame is the first thing lit: its top and bottom
        rows are runs of exactly 273 pixels of one colour."""
        first = (len(self.raw) - len(self.raw.lstrip(b"\0"))) // 4
        left, top = first % self.width, first // self.width
        if top >= self.height:
            return None
        colour = self.pixel(left, top)
        run = self.encode(colour) * (PANEL_WIDTH + 1)
        if all(self.raw[at:at + len(run) - 4] == run[4:] and self.raw[at:at + len(run)] != run
               for at in (4 * first, 4 * (first + (PANEL_HEIGHT - 1) * self.width))):
            return Panel(left, top, colour)
        return None

    def save_ppm(self, path):
        rgb = bytearray(len(self.raw) // 4 * 3)
        for channel in range(3):
            rgb[channel::3] = self.raw[2 - channel::4]
        with open(path, "wb") as picture:
            picture.write(b"P6 %d %d 255\n" % (self.width, self.height) + rgb)


@dataclasses.dataclass
class Panel:
    """The quote panel as it shows on the screen, in pixels."""
    left: int
    top: int
    colour: tuple

    def __post_init__(self):
        self.right, self.bottom = self.left + PANEL_WIDTH - 1, self.top + PANEL_HEIGHT - 1
        self.saying, self.caption = self.inside(*SAYING), self.inside(*CAPTION)

    def inside(self, x, y, width, height):
        return self.left + x, self.top + y, self.left + x + width - 1, self.top + y + height - 1

    def contains(self, x, y):
        return self.left <= x <= self.right and self.top <= y <= self.bottom


def check_panel(shot):
    """The one panel of a screenshot, nothing else lit, its saying white and
    its caption yellow on black. Text colours are judged by the bright pixels
    of the glyphs: how their edges blend into black depends on the font
    smoothing."""
    panel = shot.find_panel()
    check(panel is not None, f"no panel shows (lit: {shot.lit_box()})")
    check(shot.lit_box() == (panel.left, panel.top, panel.right, panel.bottom),
          f"more than the {panel} is lit: {shot.lit_box()}")
    for label, colour, least, shows in (
            (panel.saying, "white", 50, lambda r, g, b: min(r, g, b) >= 176),
            (panel.caption, "yellow", 20,
             lambda r, g, b: r >= 128 and g >= 128 and abs(r - g) <= 48 and b <= 48)):
        pixels = shot.pixels(*label)
        check(sum(shows(*p) for p in pixels) >= least and pixels.count(BLACK) > len(pixels) // 2,
              f"the label at {label} shows no {colour} text on black")
    return panel


def text_bands(shot, box):
    """Bands of dark text rows right of a message box's icon: its lines and
    its button."""
    left, top, right, bottom = box
    dark_rows = [y for y in range(top, bottom + 1)
                 if any(max(shot.pixel(x, y)) < 96 for x in range(left + 56, right - 11))]
    return sum(1 for i, y in enumerate(dark_rows) if i == 0 or dark_rows[i - 1] != y - 1)


def wait_panel(display, within, what, saver=None, area=None):
    """The panel and its screenshot, once only the panel is lit (in `area`)."""
    def shown():
        shot = display.screenshot()
        try:
            return check_panel(shot.within(area) if area else shot), shot
        except Failure:
            return None

    return wait_for(shown, within, what, saver)


# What a screenshot shows, as the timing checks tell it apart.
ROOT, DARK, LIT = "the bare desktop", "a black screen", "something other than a panel"


# An instant known only to lie between two clock readings.
Moment = collections.namedtuple("Moment", "early late")

# A tick of the program may come this late, and its picture reach the screen
# as late again, on a busy machine.
TICK_SLACK = 0.25
# A wrong tick is a whole second off, late by as much as a right one: a
# bracket narrower than 1 - 2 x TICK_SLACK still tells the two apart.
WIDEST_BRACKET = 0.45


def measure(what, start, end, low, high):
    """Whether the time from one Moment to another can lie in [low, high],
    and whether that tells (a narrow bracket, or one wholly inside)."""
    shortest, longest = end.early - start.late, end.late - start.early
    print(f"{what}: {shortest:.3f} to {longest:.3f} s (expected {low:g} to {high:g} s)")
    told = longest - shortest <= WIDEST_BRACKET or low <= shortest <= longest <= high
    return longest >= low and shortest <= high, told


def judge(what, start, end, low, high):
    """Fails when the time cannot lie in [low, high]; False when held up."""
    fits, told = measure(what, start, end, low, high)
    check(fits, f"{what} took a time outside {low:g} to {high:g} s")
    return told


class Watch:
    """Back-to-back screenshots as runs of [what, first Moment, last Moment]."""

    def __init__(self, server):
        self.server, self.runs, self._last = server, [], None

    def sample(self):
        shot = self.server.screenshot()
        if self._last is None or shot.raw != self._last[0].raw:
            self._last = (shot, DARK if shot.is_black() else
                          shot.find_panel() or (ROOT if shot.shows_root() else LIT))
        shows, taken = self._last[1], Moment(shot.before, shot.after)
        if self.runs and self.runs[-1][0] == shows:
            self.runs[-1][2] = taken
        else:
            self.runs.append([shows, taken, taken])
        return shows

    def until(self, condition, within, what, saver=None):
        """Samples until `condition(what shows)` holds."""
        return wait_for(lambda: condition(self.sample()), within, what, saver, 0.01)

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
        return [(kept[0][0], None)] + [(shows, Moment(last.early, first.late))
                                       for (_, _, last), (shows, first, _) in zip(kept, kept[1:])]


class Saver:
    """One run of the program, in a session of its own, its standard error
    kept in a file."""

    def __init__(self, argv, env, settle):
        self.settle, self.errors = settle, tempfile.TemporaryFile()
        self.process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=self.errors,
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

    def __init__(self, server, quote_file):
        self.server, self.quote_file, self.savers = server, quote_file, []

    def ready(self, saver):
        """Waits until a covering saver takes keys."""
        self.server.ready(saver)

    def afresh(self):
        """Back to how the case began, the pointer at rest."""
        self.server.move(*self.server.REST)

    def start(self, *args, **options):
        self.savers.append(self.launch(args, **options))
        return self.savers[-1]

    def start_shown(self, *args, **env):
        """A saver, once it takes keys."""
        saver = self.start(*args, **env)
        self.ready(saver)
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

    def __init__(self, binary, server):
        self.nss_wrapper = next(iter(glob.glob(f"/usr/lib/*/{NSS_WRAPPER}")
                                     + glob.glob(f"/usr/lib*/{NSS_WRAPPER}")), None)
        if self.nss_wrapper is None:
            server.close()
            raise SetupError(f"missing {NSS_WRAPPER} (Debian: libnss-wrapper)")
        self.binary, self.scratch = binary, tempfile.mkdtemp(prefix="sagelight-e2e-")
        self.data_home, self.runtime_dir, self.home = (
            os.path.join(self.scratch, name) for name in ("data", "run", "home"))
        for folder in (self.data_home, self.runtime_dir, self.home):
            os.makedirs(folder, mode=0o700)
        self.env = {"XDG_DATA_HOME": self.data_home, "XDG_RUNTIME_DIR": self.runtime_dir,
                    "LD_PRELOAD": self.nss_wrapper,
                    "NSS_WRAPPER_PASSWD": os.path.join(self.scratch, "passwd"),
                    "NSS_WRAPPER_GROUP": os.path.join(self.scratch, "group")}
        with open(self.env["NSS_WRAPPER_PASSWD"], "w", encoding="ascii") as out:
            out.write(f"tester:x:{os.getuid()}:{os.getgid()}:tester:{self.home}:/bin/sh\n")
        with open(self.env["NSS_WRAPPER_GROUP"], "w", encoding="ascii") as out:
            out.write(f"testers:x:{os.getgid()}:\n")
        self.prefix = []
        if os.path.isdir(f"/run/user/{os.getuid()}"):
            mount = 'mount -t tmpfs tmpfs /run/user && exec "$0" "$@"'
            user = [] if os.geteuid() == 0 else ["--user", "--map-current-user"]
            self.prefix = ["unshare", *user, "--mount", "--propagation", "private",
                           "sh", "-c", mount]
        super().__init__(server, os.path.join(self.data_home, "sagelight", "drive_c", "windows",
                                              "system", "Sagelight.quo"))

    def launch(self, args, wrapper=(), **extra):
        """Starts the program, through the command `wrapper` if one is given;
        `extra` adds to its environment, None unsets."""
        env = {**self.server.env(), **self.env, **extra}
        return Saver([*self.prefix, *wrapper, self.binary, *args],
                     {k: v for k, v in env.items() if v is not None}, self.settle)

    def close(self):
        try:
            super().close()
        finally:
            shutil.rmtree(self.scratch, ignore_errors=True)


def main(cases, make_session, server_tools=TOOLS):
    """Runs the case named by argv[1]: 0 passes, 1 fails, SKIP cannot run."""
    name, started, session = sys.argv[1], time.monotonic(), None
    check(name in cases, f"no case {name}; the cases are {', '.join(cases)}")
    try:
        require(*server_tools)
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
