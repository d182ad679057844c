"""What the end-to-end tests of every backend share, their common cases too;
a backend brings its display: how it starts, takes a screenshot and sends
input. Times are judged from screenshots bracketed by clock readings: a
bracket widened by a held-up test is inconclusive, never a failure."""

import collections
import ctypes
import dataclasses
import glob
import math
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
    if missing := [tool for tool in tools if shutil.which(tool) is None]:
        raise SetupError("missing programs: " + ", ".join(missing))


def wait_for(condition, within, what, saver=None, interval=0.05):
    """The first true `condition()`; fails after `within` s or if the saver ends."""
    deadline = time.monotonic() + within
    while not (result := condition()):
        if saver is not None and not saver.alive():
            raise Failure(f"{what}: the saver ended ({saver.process.returncode}): {saver.stderr()}")
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
        # The file is an xwd dump: a header, a colour map, then the pixels,
        # four bytes each, least significant first.
        fields = struct.unpack(">25I", self.frame[:100])
        check(fields[7] == 0 and fields[11:13] == (32, 4 * width), f"a frame buffer of {fields}")
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


@dataclasses.dataclass
class Panel:
    """The quote panel as it shows on the screen, in pixels."""
    left: int
    top: int
    colour: tuple

    def __post_init__(self):
        self.right, self.bottom = self.left + PANEL_WIDTH - 1, self.top + PANEL_HEIGHT - 1
        self.saying, self.caption = ((self.left + x, self.top + y, self.left + x + w - 1,
                                      self.top + y + h - 1) for x, y, w, h in (SAYING, CAPTION))

    def contains(self, x, y):
        return self.left <= x <= self.right and self.top <= y <= self.bottom


def check_panel(shot):
    """The one panel of a screenshot, nothing else lit, its saying white and
    its caption yellow on black, judged by the glyphs' bright pixels: how
    their edges blend into black depends on the font smoothing."""
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
    draws_boxes = True  # message boxes are the program's own, not the platform's

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
    """The Linux program with folders of its own. The instance lock follows
    the user alone, so each session has its own password database and home
    (nss_wrapper) and an empty /run/user in a mount namespace."""

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


# The cases every backend runs: each takes a Session and raises Failure.

# A busy machine may hold the test up in a row; an attempt that can judge
# decides, so more attempts cost time only when the machine is slow.
ATTEMPTS = 5


def is_panel(shows):
    return isinstance(shows, Panel)


def into(changes, was, now):
    """Moments of the changes from `was` to `now` (predicates or what shows)."""
    def matches(shows, what):
        return what(shows) if callable(what) else shows == what

    return [moment for (before, _), (after, moment) in zip(changes, changes[1:])
            if matches(before, was) and matches(after, now)]


def conclusive(watch_once):
    """A case whose timed observation starts afresh when a held-up test could
    not judge; the quote file goes after it, for a later case may share it."""
    def case(session):
        try:
            for attempt in range(1, ATTEMPTS + 1):
                if watch_once(session):
                    return
                print(f"attempt {attempt}: the test was held up too long to judge; starting again")
                session.afresh()
            raise Failure(f"held up in all {ATTEMPTS} attempts: nothing could be judged")
        finally:
            remove_quote_file(session)
    return case


def remove_quote_file(session):
    if os.path.exists(session.quote_file):
        os.remove(session.quote_file)


@conclusive
def cycle(session):
    """From a seeding start: black for 1 s, then a saying for 17 s of every 20."""
    remove_quote_file(session)
    saver, watch = session.start_covering("/s")
    watch.until(lambda _: len(into(watch.changes(ROOT, DARK), is_panel, DARK)) >= 2, 55,
                "the second saying hides", saver)
    session.server.key("q")
    saver.ends("a letter key")
    check(saver.stderr() == "", f"the saver reported: {saver.stderr()}")

    changes = watch.changes(ROOT, DARK)
    shows = [moment for now, moment in changes[1:] if is_panel(now)]
    hides = into(changes, is_panel, DARK)
    first = judge("from the covered screen to the first saying", changes[1][1], shows[0], 0.4,
                  1 + TICK_SLACK)
    showing = [judge(f"saying {i + 1} showing", shows[i], hides[i], 17 - TICK_SLACK,
                     17 + TICK_SLACK) for i in (0, 1)]
    period = [judge(f"from one {what} to the next", moments[0], moments[1], 20 - TICK_SLACK,
                    20 + TICK_SLACK) for what, moments in (("saying", shows), ("hiding", hides))]
    return first and any(showing) and any(period)


@conclusive
def tick_error(session):
    """Each tick 1 reports an overflowing quote count in a box that blocks
    input and ticks; after it the cycle goes on, missed ticks not made up.
    A box that the program draws shows its lines and button, and a click on
    its OK closes it; Return closes any."""
    os.makedirs(os.path.dirname(session.quote_file), exist_ok=True)
    with open(session.quote_file, "wb") as quotes:
        quotes.truncate(OVERSIZED_SIZE)
    server = session.server
    saver, watch = session.start_covering("/s")

    def boxes():
        return into(watch.changes(), DARK, LIT)

    watch.until(lambda _: boxes(), 5, "a message box shows", saver)
    # Open for some beats of the timer, so that ticks made up after it would
    # show.
    opened = time.monotonic()
    watch.follow(0.5)  # let it paint
    shot = server.screenshot()
    left, top, right, bottom = box = shot.lit_box()
    check(not session.draws_boxes or text_bands(shot, box) >= 3, f"no text in the box at {box}")
    server.key("a")
    saver.still_running("a letter typed into the box")
    check(server.screenshot().lit_box() == box, "the box did not stay after a letter")

    def close_box(click=False):
        watch.sample()  # the box's last sighting bounds when it closed
        if click:  # on the OK button, centred at the box's foot
            server.move((left + right) // 2, bottom - 23)
            saver.still_running("a move onto the box")
            server.click()
        else:
            server.key("Return")
        watch.until(lambda shows: shows == DARK, 10, "the box closes", saver)
        saver.still_running("closing the box")
        return watch.changes()[-1][1]

    watch.follow(opened + 4.0 - time.monotonic())
    closed = close_box()
    watch.until(lambda _: len(boxes()) >= 2, 25, "the next tick 1 shows a box", saver)
    first, second = boxes()[:2]
    # The tick pending when the box closed comes at once, and the next tick
    # 1 is the 19th after it: 19 s after the close when the timer starts its
    # beat anew there, 18 beats after the first beat past the close when it
    # keeps the beat that the first box showed. A tick made up or doubled
    # brings it a beat sooner, a pending tick lost a beat later.
    beats = math.ceil((closed.early + closed.late - first.early - first.late) / 2)
    kept = Moment(first.early + beats, first.late + beats)
    fits = [measure("to the next box from the first beat past the close", kept, second,
                    18 - TICK_SLACK, 18 + TICK_SLACK),
            measure("to the next box from the close", closed, second, 19 - TICK_SLACK,
                    19 + TICK_SLACK)]
    check(any(fit for fit, _ in fits), "the next box came neither 18 beats after the first "
          "beat past the close nor 19 s after the close: ticks were made up or lost")
    watch.follow(0.5)
    close_box(click=session.draws_boxes)
    server.key("q")
    saver.ends("a letter after the boxes")
    check(saver.stderr().count("Timer1_Error") <= 1, "standard error repeats the tick's error")
    return all(told for _, told in fits)


def typing(layout, quiet, ending):
    """On a keyboard `layout`, the `quiet` keys produce no character and
    leave the saver running; the `ending` one ends it."""
    def case(session):
        session.server.keyboard_layout(layout)
        saver, _ = session.start_covering("/s")
        session.server.key(*quiet)
        saver.still_running(f"the keys {quiet}")
        session.server.key(ending)
        saver.ends(ending)
    return case


def covering_with_panel(session):
    saver, watch = session.start_covering("/s")
    watch.until(is_panel, 5, "a panel shows", saver)
    watch.follow(0.3)  # let it paint
    return saver, check_panel(session.server.screenshot())


def record_pointer(session, saver, panel):
    """Where the saver's first pointer event has recorded the pointer."""
    if session.records_at_show:
        saver.still_running("showing the window under a still pointer")
        return CENTRE
    session.server.move(*SCREEN.background_point(panel))
    saver.still_running("the first pointer event, which only records")
    return SCREEN.background_point(panel)


def pointer(session):
    """After the recording event, a one-pixel move over the background ends."""
    saver, panel = covering_with_panel(session)
    x, y = recorded = record_pointer(session, saver, panel)
    if panel.contains(x, y):
        # The panel came up under the pointer: leave it for the background.
        target = (panel.left - 1, y) if panel.left > 0 else (panel.right + 1, y)
    else:
        target = next(p for p in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1))
                      if not panel.contains(*p))
    session.server.move(*target)
    saver.ends(f"a move over the background from {recorded} to {target}")


def panel_clicks(session):
    """The panel's drawn edges swallow the pointer; clicks off the saying end
    nothing, and keys still reach the window after them."""
    saver, panel = covering_with_panel(session)
    server = session.server
    if not panel.contains(*record_pointer(session, saver, panel)):
        server.click()
        saver.still_running("a click on the background")
    # The panel's first and last drawn columns and rows belong to it, however
    # its place in twips rounded to pixels.
    for x, y in ((panel.left, panel.top + 80), (panel.left + 100, panel.top),
                 (panel.right, panel.top + 80), (panel.left + 100, panel.bottom),
                 (panel.left + 1, panel.top + 80)):
        server.move(x, y)
        saver.still_running(f"a move onto the panel's edge at {x},{y}")
    server.click()
    saver.still_running("a click on the panel's frame")
    server.move(panel.caption[0] + 132, panel.caption[1] + 6)
    server.click()
    saver.still_running("a click on the caption strip")
    for dx, dy in ((0, 0), (120, 20), (200, 100), (10, 130)):
        server.move(panel.saying[0] + dx, panel.saying[1] + dy)
    saver.still_running("moves over the saying")
    check(server.screenshot().find_panel() == panel, "the panel moved or vanished")
    server.key("q")
    saver.ends("a letter typed after the clicks")


def saying_click(session):
    """Only a press and release both on the saying is a click that ends it."""
    saver, panel = covering_with_panel(session)
    server = session.server
    on_saying = (panel.saying[0] + 56, panel.saying[1] + 36)
    on_caption = (panel.caption[0] + 132, panel.caption[1] + 6)
    server.move(*on_saying)
    saver.still_running("a move onto the saying")
    server.press()
    saver.still_running("pressing the button on the saying")
    server.move(*on_caption)
    server.release()
    saver.still_running("releasing it over the caption strip")
    server.move(*on_saying)
    server.click()
    saver.ends("a click on the saying")


def command_lines(session):
    """Without "/s" nothing shows but the file is seeded; "x/sx" runs it."""
    for args in ((), ("/S",), ("/p", "1234"), ("/c:1234",)):
        remove_quote_file(session)
        session.start(*args).ends(f"starting with {args}", within=60)
        check(os.path.getsize(session.quote_file) == SEEDED_SIZE, f"{args} seeded no quote file")
        check(session.server.screenshot().shows_root(), f"starting with {args} left a window")
    saver, _ = session.start_covering("x/sx")
    session.server.key("space")
    saver.ends("the space bar")


def instances(session):
    """A start beside a running saver ends; of a crowd started together one
    seeds the quote file and runs."""
    first, _ = session.start_covering("/s")
    session.start("/s").ends("a start beside a running saver", within=60)
    check(first.alive(), "the first saver ended when a second started")
    session.server.key("a")
    first.ends("a letter")

    remove_quote_file(session)
    crowd = [session.start("/s") for _ in range(session.crowd)]
    wait_for(lambda: sum(s.alive() for s in crowd) <= 1, 60,
             f"all but one of {len(crowd)} savers started together end")
    running = [s for s in crowd if s.alive()]
    check(len(running) == 1, f"none of {len(crowd)} savers started together runs")
    statuses = [s.process.returncode for s in crowd if s is not running[0]]
    check(statuses == [0] * (len(crowd) - 1), f"the others ended with {statuses}")
    Watch(session.server).until(lambda shows: shows != ROOT, 60,
                                "the saver that runs covers the screen", running[0])
    session.ready(running[0])
    check(os.path.getsize(session.quote_file) == SEEDED_SIZE, "the crowd seeded no whole file")
    session.server.key("z")
    running[0].ends("a letter")


def lost_display(session):
    """A saver whose display goes away ends with a one-line report."""
    saver, _ = session.start_covering("/s")
    session.server.process.terminate()
    saver.ends("its display went away", status=2, within=10)
    line = f"Sagelight: lost the connection to the {session.server.NAME}\n"
    check(saver.stderr() == line, f"the saver reported {saver.stderr()!r}, not {line!r}")


CASES = {
    "cycle": cycle,
    "tick_error": tick_error,
    "keys": typing("us", ["shift", "Left", "Up", "Right", "Down", "ctrl", "alt", "F1", "F5",
                          "Delete"], "Escape"),
    # Alt with a letter or digit types nothing; AltGr+Q types "@".
    "alt_keys": typing("de", ["alt+a", "alt+7"], "ISO_Level3_Shift+q"),
    "non_latin_key": typing("ru", ["shift"], "Cyrillic_ef"),
    "pointer": pointer,
    "panel": panel_clicks,
    "saying_click": saying_click,
    "command_lines": command_lines,
    "instances": instances,
}


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
        return 1
    finally:
        if session is not None:
            session.close()
    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
    return 0
