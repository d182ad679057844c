"""The display cycle of one saver start, watched on the screen for a whole
period: black at first, a panel from 1 s to 18 s, black again until 21 s,
then the next panel."""

import os

from harness import (QUOTE_FILE_SIZE, Saver, check, find_panel, run_cases, sleep_until)


def whole_cycle(server, binary):
    saver = Saver(server, binary)
    try:
        shown = saver.wait_for_window()
        # Seeding happens before the window, so the file is complete now.
        check(os.path.getsize(saver.quote_file) == QUOTE_FILE_SIZE,
              f"quote file holds {os.path.getsize(saver.quote_file)} bytes")
        for moment in (0.2, 0.6):
            sleep_until(shown + moment)
            shot = server.screenshot()
            after = shot.taken - shown
            check(after < 1.0, "the screenshot came too late to judge the first second")
            check(shot.is_black(), f"the screen is not black {after:.2f} s after the window showed")

        sleep_until(shown + 2.0)
        first = find_panel(server.screenshot())

        # Still the same saying, place and colour late in its 17 seconds.
        sleep_until(shown + 16.5)
        late = find_panel(server.screenshot())
        check((late.left, late.top, late.colour) == (first.left, first.top, first.colour),
              "the panel changed while its saying showed")

        sleep_until(shown + 19.0)
        check(server.screenshot().is_black(), "the panel still shows 19 s after the window")

        sleep_until(shown + 22.0)
        find_panel(server.screenshot())
        check(saver.alive(), "the saver ended during the cycle")
        server.key("q")
        saver.check_ends("a letter key")
        errors = saver.process.stderr.read().decode()
        check(errors == "", f"the saver reported: {errors}")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([("a whole display cycle", whole_cycle)])
