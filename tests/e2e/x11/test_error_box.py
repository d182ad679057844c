"""A failing tick: the quote folder vanishes under a running saver. The
error box shows at the next tick 1, holds the cycle and the saver's input
while it is open, and the cycle goes on once it is closed."""

import os
import shutil
import time

from harness import (SCREEN_HEIGHT, SCREEN_WIDTH, Saver, check, find_panel, run_cases,
                     sleep_until)

INFORMATION_BLUE = (0, 120, 215)


def wait_for_box(server, within):
    deadline = time.monotonic() + within
    while True:
        boxes = [w for w in server.saver_windows() if (w[4], w[5]) != (SCREEN_WIDTH, SCREEN_HEIGHT)]
        if boxes:
            return boxes[0]
        check(time.monotonic() < deadline, "no message box showed")
        time.sleep(0.05)


def check_box_on_screen(server, box):
    window_id, _, left, top, width, height = box
    check(abs(left + width // 2 - SCREEN_WIDTH // 2) <= 1 and
          abs(top + height // 2 - SCREEN_HEIGHT // 2) <= 1, "the box is not centred")
    title = server.run("xprop", "-id", window_id, "WM_NAME").stdout
    check(title.split("=", 1)[-1].strip() in ("", '""'), f"the box has a title: {title}")
    shot = server.screenshot()
    check(shot.lit_box() == (left, top, left + width - 1, top + height - 1),
          "something besides the box shows: the panel must stay hidden")
    pixels = list(shot.pixels(left, top, left + width - 1, top + height - 1))
    check(pixels.count(INFORMATION_BLUE) >= 300, "the box has no information icon")
    # The prompt's two lines: two bands of dark text rows right of the icon.
    dark_rows = [y for y in range(top, top + height)
                 if any(max(shot.pixel(x, y)) < 96 for x in range(left + 56, left + width - 12))]
    bands = sum(1 for i, y in enumerate(dark_rows) if i == 0 or dark_rows[i - 1] != y - 1)
    check(bands >= 3, f"{bands} bands of dark text: expected two lines and the button")


def error_box_holds_the_cycle(server, binary):
    saver = Saver(server, binary)
    try:
        shown = saver.wait_for_window()
        saved = os.path.join(saver.scratch, "Sagelight.quo")
        shutil.copyfile(saver.quote_file, saved)
        recorded = (100, 100)
        server.move(*recorded)
        saver.check_alive("the first pointer event")
        shutil.rmtree(saver.quote_folder)

        box = wait_for_box(server, within=3.0)
        opened = time.monotonic()
        check(opened - shown > 0.6, "the box came before the first tick")
        time.sleep(0.3)  # let it paint
        check_box_on_screen(server, box)

        # While the box is open the saver takes no input: a move over its
        # background and a key typed into the box end nothing, and no tick
        # shows a panel.
        server.move(SCREEN_WIDTH - 100, SCREEN_HEIGHT - 100)
        server.key("a")
        saver.check_alive("input while the box is open")
        check(len(server.saver_windows()) == 2, "the box closed on a letter key")
        os.makedirs(saver.quote_folder)
        shutil.copyfile(saved, saver.quote_file)
        sleep_until(opened + 3.0)

        server.key("Return")
        closed = time.monotonic()
        deadline = closed + 2.0
        while len(server.saver_windows()) > 1:
            check(time.monotonic() < deadline, "Return did not close the box")
            time.sleep(0.05)
        saver.check_alive("closing the box")

        # The missed ticks are not made up: the next tick 1 comes 19 ticks
        # after the one pending at the close.
        sleep_until(closed + 17.0)
        check(server.screenshot().is_black(), "a panel came before the next tick 1")
        check(saver.alive(), "the saver ended while the cycle went on")
        sleep_until(closed + 20.5)
        panel = find_panel(server.screenshot())

        # The position recorded before the box still counts: the moves made
        # while it was open never reached the saver, so the next one over the
        # background ends it, wherever the new panel stands.
        x, y = panel.background_point()
        server.move(x + 7, y + 5)
        saver.check_ends("a move after the box")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([("an error box holds the cycle and lets it go on", error_box_holds_the_cycle)])
