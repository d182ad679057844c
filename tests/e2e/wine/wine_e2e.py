#!/usr/bin/env python3
"""End-to-end tests of Sagelight.scr under Wine, on a private Xvfb.

Usage: wine_e2e.py CASE, with CASE one of the names in CASES. The prefix
case makes the Wine prefix that the others share (SAGELIGHT_WINE_PREFIX);
cleanup removes it. SAGELIGHT_SCR names the program under test.

Wine keeps its own idea of where the pointer is, and a fresh wineserver puts
it at the screen's centre until X reports a movement. The pointer message
that comes with a newly shown window carries that place, so every run starts
with a fresh wineserver and the real pointer at the centre: both then agree,
as they do on Windows, where the pointer message of a new window carries the
pointer's real place.
"""

import os
import shutil
import sys
import time

import winetest as w

CENTRE = (w.SCREEN_WIDTH // 2, w.SCREEN_HEIGHT // 2)
RECORD_LENGTH = 200
SEEDED_SIZE = 431 * RECORD_LENGTH
# Long enough for an event to travel from X through Wine to the program.
SETTLE_SECONDS = 1.0


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


def prefix_path():
    prefix = os.environ.get("SAGELIGHT_WINE_PREFIX", "")
    if not prefix:
        raise w.SetupError("SAGELIGHT_WINE_PREFIX is not set")
    return prefix


def remove_quote_file(prefix):
    if os.path.exists(w.quote_file(prefix)):
        os.remove(w.quote_file(prefix))


class Session:
    """An X server, a fresh wineserver and the pointer at the centre; every
    saver started in it is killed at the end."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.savers = []
        self._x = None
        self.display = None

    def __enter__(self):
        w.saver_program()
        self._x = w.x_server()
        self.display = self._x.__enter__()
        w.stop_wine(self.prefix)
        self.pointer(*CENTRE)
        return self

    def __exit__(self, *exc):
        for saver in self.savers:
            saver.kill()
        w.stop_wine(self.prefix)
        return self._x.__exit__(*exc)

    def start(self, *args):
        saver = w.Saver(self.prefix, self.display, args)
        self.savers.append(saver)
        return saver

    def shot(self):
        return w.Screenshot(self.display)

    def pointer(self, x, y):
        w.xdotool(self.display, "mousemove", str(x), str(y))

    def click(self):
        w.xdotool(self.display, "click", "1")

    def drag(self, to_x, to_y):
        """The left button goes down here and comes up at (to_x, to_y)."""
        w.xdotool(self.display, "mousedown", "1")
        self.pointer(to_x, to_y)
        w.xdotool(self.display, "mouseup", "1")

    def key(self, name):
        w.xdotool(self.display, "key", name)

    def wait_black(self, saver):
        """The first screenshot that is black from edge to edge."""
        shot = w.wait_for(lambda: (lambda s: s if s.all_black() else None)(self.shot()), 60)
        check(shot is not None and saver.running(),
              "the saver window covers the whole screen in black")
        return shot

    def wait_panel(self, saver):
        found = w.wait_for(lambda: self.shot().find_panel(), 15)
        check(found is not None and saver.running(), "the panel shows in a palette colour")
        return found


def still_running(saver, what):
    check(saver.wait(SETTLE_SECONDS) is None, what + " does not end the saver")


def ends(saver, what, status=0):
    code = saver.wait(20)
    check(code == status, "%s ends the program with status %d (got %r)" % (what, status, code))


def check_panel_layout(shot, left, top, colour):
    """A 4-pixel frame, a 3-pixel bar above the caption strip, opaque black
    labels with white and yellow text."""
    width, height = w.PANEL_WIDTH, w.PANEL_HEIGHT
    frame_row = bytes(colour) * width
    full_rows = list(range(0, 4)) + list(range(149, 152)) + list(range(165, 169))
    check(all(shot.row(top + y, left, width) == frame_row for y in full_rows),
          "frame rows 0-3, 149-151 and 165-168 are the panel's colour")
    sides = all(shot.pixel(left + x, top + y) == colour
                for y in range(height) for x in (0, 1, 2, 3, 269, 270, 271, 272))
    check(sides, "the frame is 4 pixels wide on the left and right")
    outside = [(left - 1, top + 80), (left + width, top + 80), (left + 100, top - 1),
               (left + 100, top + height)]
    check(all(shot.pixel(x, y) != colour for x, y in outside
              if 0 <= x < shot.width and 0 <= y < shot.height),
          "the panel measures %d x %d pixels" % (width, height))

    def pixels(area):
        return [tuple(row[i:i + 3]) for row in area for i in range(0, len(row), 3)]

    saying = pixels(shot.region(left + 4, top + 4, 265, 145))
    caption = pixels(shot.region(left + 4, top + 152, 265, 13))
    check(sum(p == (0, 0, 0) for p in saying) > len(saying) // 2
          and any(min(p) >= 200 for p in saying), "the saying shows white on black")
    check(sum(p == (0, 0, 0) for p in caption) > len(caption) // 2
          and any(p[0] >= 200 and p[1] >= 200 and p[2] <= 80 for p in caption),
          "the caption line shows yellow on black")
    check(not any(p == colour for p in saying[:265] + caption[:265]),
          "the labels' top rows are inside the frame")


def inside_panel(panel, x, y):
    left, top, _ = panel
    return left <= x < left + w.PANEL_WIDTH and top <= y < top + w.PANEL_HEIGHT


def case_prefix():
    w.prepare_prefix(prefix_path())
    check(os.path.isdir(w.system_folder(prefix_path())), "the prefix has c:\\windows\\system")


def case_cleanup():
    w.remove_prefix(prefix_path())
    check(not os.path.exists(prefix_path()), "the prefix is gone")


def case_screen():
    """A first start with /s: the file is seeded, the screen goes black, the
    panel shows; keys without a character and Alt with a letter leave it,
    Escape ends it."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    remove_quote_file(prefix)
    with Session(prefix) as session:
        saver = session.start("/s")
        session.wait_black(saver)
        left, top, colour = session.wait_panel(saver)
        check_panel_layout(session.shot(), left, top, colour)
        check(os.path.getsize(w.quote_file(prefix)) == SEEDED_SIZE,
              "the quote file is seeded to %d bytes" % SEEDED_SIZE)
        for key in ("shift", "ctrl", "Left", "F5", "alt+a"):
            session.key(key)
        still_running(saver, "pressing Shift, Ctrl, Left, F5 and Alt+A")
        session.key("Escape")
        ends(saver, "Escape")


def case_pointer():
    """The pointer message of the new window only records; a still pointer
    ends nothing; a movement of one pixel over the background ends."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    with Session(prefix) as session:
        saver = session.start("/s")
        session.wait_black(saver)
        panel = session.wait_panel(saver)
        still_running(saver, "showing the window under a still pointer")
        session.pointer(*CENTRE)
        still_running(saver, "a pointer event at the recorded place")
        if inside_panel(panel, *CENTRE):
            # The panel came up under the pointer: leave it for the background.
            left, top, _ = panel
            target = (left - 1, CENTRE[1]) if left > 0 else (left + w.PANEL_WIDTH, CENTRE[1])
        else:
            target = next(p for p in ((CENTRE[0] + 1, CENTRE[1]), (CENTRE[0] - 1, CENTRE[1]),
                                      (CENTRE[0], CENTRE[1] + 1), (CENTRE[0], CENTRE[1] - 1))
                          if not inside_panel(panel, *p))
        session.pointer(*target)
        ends(saver, "a movement over the background to %r" % (target,))


def case_panel():
    """The pointer over the panel and its labels reaches nothing; clicks on
    the frame and the caption strip, and a press on the saying released on
    the caption strip, end nothing and leave the keyboard with the window; a
    click on the saying ends."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    with Session(prefix) as session:
        saver = session.start("/s")
        session.wait_black(saver)
        left, top, _ = session.wait_panel(saver)
        session.pointer(left + 100, top + 50)
        still_running(saver, "moving onto the saying")
        session.pointer(left + 1, top + 1)
        session.pointer(left + 2, top + 100)
        still_running(saver, "moving over the frame")
        session.pointer(left + 100, top + 50)
        session.drag(left + 130, top + 158)
        still_running(saver, "a press on the saying released on the caption strip")
        session.click()
        still_running(saver, "a click on the caption strip")
        session.pointer(left + 1, top + 80)
        session.click()
        still_running(saver, "a click on the frame")
        session.key("q")
        ends(saver, "a letter typed after the clicks")

        session.pointer(*CENTRE)
        w.stop_wine(prefix)
        saver = session.start("/s")
        session.wait_black(saver)
        left, top, _ = session.wait_panel(saver)
        session.pointer(left + 130, top + 70)
        still_running(saver, "moving onto the saying")
        session.click()
        ends(saver, "a click on the saying")


def case_command_lines():
    """Without /s exactly so, nothing shows and the program ends by itself,
    having seeded the quote file all the same."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    with Session(prefix) as session:
        for args in ((), ("/S",), ("/p", "1234"), ("/c:1234",)):
            remove_quote_file(prefix)
            saver = session.start(*args)
            code = saver.wait(60)
            check(code == 0, "command line %r ends by itself with status 0 (got %r)"
                  % (" ".join(args), code))
            check(os.path.getsize(w.quote_file(prefix)) == SEEDED_SIZE,
                  "command line %r seeds the quote file" % " ".join(args))


def case_second_instance():
    """Beside a running saver a second start ends at once without touching
    the quote file; of two started together exactly one runs."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    quotes = w.quote_file(prefix)
    with Session(prefix) as session:
        first = session.start("/s")
        session.wait_black(first)
        # An empty file would be seeded by any instance that gets that far.
        with open(quotes, "wb"):
            pass
        os.utime(quotes, (1_000_000_000, 1_000_000_000))
        second = session.start("/s")
        code = second.wait(60)
        check(code == 0, "a second instance ends by itself with status 0 (got %r)" % code)
        stat = os.stat(quotes)
        check(stat.st_size == 0 and stat.st_mtime == 1_000_000_000,
              "the second instance left the quote file alone")
        check(first.running(), "the first instance runs on")
        session.key("a")
        ends(first, "a letter")

        remove_quote_file(prefix)
        pair = [session.start("/s"), session.start("/s")]
        loser = w.wait_for(lambda: [s for s in pair if not s.running()], 60)
        check(len(loser) == 1 and loser[0].wait(5) == 0,
              "of two instances started together one ends at once with status 0")
        winner = next(s for s in pair if s is not loser[0])
        session.wait_black(winner)
        check(os.path.getsize(quotes) == SEEDED_SIZE, "the other one seeded the quote file")
        session.key("a")
        ends(winner, "a letter")


def case_tick_error():
    """An error in a tick is shown in a message box over the saver, which runs
    on once the box is closed."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    # More records than a 16-bit count holds: start-up only counts them, but
    # every display overflows while it picks one.
    with open(w.quote_file(prefix), "wb") as quotes:
        quotes.truncate(32768 * RECORD_LENGTH)
    try:
        with Session(prefix) as session:
            saver = session.start("/s")
            session.wait_black(saver)

            def box_showing():
                shot = session.shot()
                return not shot.all_black() and shot.find_panel() is None

            check(w.wait_for(box_showing, 15) and saver.running(),
                  "a message box shows over the black window instead of the panel")
            session.key("a")
            still_running(saver, "a letter typed while the box is open")
            session.key("Return")
            check(w.wait_for(lambda: session.shot().all_black(), 15) and saver.running(),
                  "the box closes and the saver runs on")
            session.key("a")
            ends(saver, "a letter after the box")
            check("run-time error" not in saver.stderr(), "the runtime reported nothing")
    finally:
        remove_quote_file(prefix)


def case_missing_folder():
    """Without c:\\windows\\system the start-up's error is reported by the
    runtime, in a message box and on standard error, and ends the program."""
    prefix = prefix_path()
    w.prepare_prefix(prefix)
    folder = w.system_folder(prefix)
    hidden = folder + ".hidden"
    os.rename(folder, hidden)
    try:
        with Session(prefix) as session:
            saver = session.start("/s")
            line = ("Sagelight: run-time error 76: Path not found "
                    "(c:\\windows\\system\\Sagelight.quo)")
            check(w.wait_for(lambda: line in saver.stderr(), 60),
                  "standard error has the line '%s'" % line)
            box = w.wait_for(lambda: w.xdotool(session.display, "search", "--name",
                                               "^Sagelight$").stdout.strip(), 20)
            check(box, "a message box titled Sagelight is open")
            check(not session.shot().all_black(), "no saver window covers the screen")
            session.key("Return")
            code = saver.wait(20)
            check(code not in (None, 0), "the program ends with a failure status (got %r)" % code)
            check(not os.path.exists(folder), "the missing folder was not created")
    finally:
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        os.rename(hidden, folder)


CASES = {
    "prefix": case_prefix,
    "cleanup": case_cleanup,
    "screen": case_screen,
    "pointer": case_pointer,
    "panel": case_panel,
    "command_lines": case_command_lines,
    "second_instance": case_second_instance,
    "tick_error": case_tick_error,
    "missing_folder": case_missing_folder,
}


def main(argv):
    if len(argv) != 2 or argv[1] not in CASES:
        print("usage: wine_e2e.py {%s}" % ",".join(CASES), file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        CASES[argv[1]]()
    except w.SetupError as error:
        print("FAILED to set up: %s" % error, file=sys.stderr)
        return 1
    except Failure as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        return 1
    print("%s passed in %.1f s" % (argv[1], time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
