"""A desktop of two monitors that RandR reports: the saver's screen is the
primary monitor, and the other one stays dark and deaf. The X screen is
2400 pixels wide, more than a 16-bit count of twips can hold, so a saver
that took the whole X screen for its screen could show no saying at all.

    test_desktops.py SAGELIGHT [--screenshots FOLDER]"""

from desktop import (Area, keep_screenshot, run, set_monitors, use_screen,
                     wait_for_panel_in, window_geometry, within)
from harness import Failure, Saver, check

use_screen(2400, 768)
TALL = Area(0, 0, 1400, 768)
SHORT = Area(1400, 0, 1000, 600)


def saver_on(server, binary, monitors, primary, screen, name):
    """Starts a saver on the given monitors and checks where it shows: its
    window over exactly the `screen` monitor, the panel inside it, every
    other monitor black. Returns the running saver."""
    set_monitors(server, monitors, primary)
    saver = Saver(server, binary)
    try:
        saver.wait_for_window()
        form = server.saver_windows()
        check(len(form) == 1, f"{len(form)} saver windows")
        check(window_geometry(server, form[0][0]) ==
              (screen.x, screen.y, screen.width, screen.height),
              f"the saver's window is not over the primary monitor {screen}")
        panel, shot = wait_for_panel_in(server, screen)
        check(screen.holds(panel), f"the panel at {panel.left},{panel.top} leaves {screen}")
        for other in monitors:
            if other is not screen:
                check(within(shot, other).is_black(), f"the monitor {other} is not dark")
        keep_screenshot(shot, name)
        return saver, panel
    except Failure:
        saver.stop()
        raise


def primary_on_the_left(server, binary, helper):
    del helper
    saver, panel = saver_on(server, binary, [TALL, SHORT], 0, TALL, "two-monitors-primary-left")
    try:
        # Over the curtain the pointer reaches no handler: a position is
        # recorded on the primary monitor first, then the pointer travels
        # over the other monitor and clicks there.
        server.move(*TALL.background_point(panel))
        saver.check_alive("the first pointer event")
        for x, y in ((1500, 100), (2300, 500), (1900, 300)):
            server.move(x, y)
        server.click()
        saver.check_alive("moves and a click over the other monitor")
        # The keyboard stays with the form wherever the pointer is.
        server.key("q")
        saver.check_ends("a key typed with the pointer over the other monitor")
    finally:
        saver.stop()


def primary_on_the_right(server, binary, helper):
    del helper
    saver, panel = saver_on(server, binary, [TALL, SHORT], 1, SHORT, "two-monitors-primary-right")
    try:
        # Pointer positions count from the form's own corner: a move of a
        # few pixels inside the right monitor ends the saver, as on one.
        x, y = SHORT.background_point(panel)
        server.move(x, y)
        saver.check_alive("the first pointer event")
        server.move(x + 2, y)
        saver.check_ends("a move of 2 pixels on the primary monitor")
    finally:
        saver.stop()


def none_marked_takes_the_one_at_the_origin(server, binary, helper):
    del helper
    # Listed first is the one on the right; neither is marked primary.
    saver, _ = saver_on(server, binary, [SHORT, TALL], None, TALL, "two-monitors-none-primary")
    try:
        server.key("Escape")
        saver.check_ends("Escape")
    finally:
        saver.stop()


if __name__ == "__main__":
    run([
        ("primary monitor on the left, the shorter one dark", primary_on_the_left),
        ("primary monitor on the right and shorter", primary_on_the_right),
        ("no primary marked: the monitor at the origin", none_marked_takes_the_one_at_the_origin),
    ])
