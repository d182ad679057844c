"""The display cycle on a Wayland compositor, watched in a stream of
screenshots of the screen's output: black for the first second, a panel
that stays 17 s of every 20, the same place and colour while it shows.
Each change is bracketed by the stamps of the last screenshot before it
and the first after it, so a slow machine widens the brackets but does
not fail the test."""

import os
import time

from wayland_harness import SEEDED_SIZE, WaylandSaver, check, find_panel, run_cases


def watch(server, saver, until):
    """Screenshots until `until`: a list of (taken, lit box, colour)."""
    seen = []
    while time.monotonic() < until:
        check(saver.alive(), f"the saver ended during the cycle, status {saver.process.returncode}"
              f": {saver.stderr().strip() if not saver.alive() else ''}")
        shot = server.screenshot()
        box = shot.lit_box()
        seen.append((shot.taken, box, shot.pixel(box[0], box[1]) if box else None, shot))
        time.sleep(0.1)
    return seen


def changes(seen):
    """Each change between lit and black: (after, before, now lit)."""
    found = []
    for previous, current in zip(seen, seen[1:]):
        if (previous[1] is None) != (current[1] is None):
            found.append((previous[0], current[0], current[1] is not None))
    return found


def whole_cycle(server, binary):
    saver = WaylandSaver(server, binary)
    try:
        shown = saver.wait_for_window()
        check(os.path.getsize(saver.quote_file) == SEEDED_SIZE,
              f"quote file holds {os.path.getsize(saver.quote_file)} bytes")
        seen = watch(server, saver, shown + 24.0)
        early = [entry for entry in seen if entry[0] < saver.started + 1.0]
        check(early, "the first screenshot came too late to judge the first second")
        check(all(entry[1] is None for entry in early), "the screen was lit in the first second")
        found = changes(seen)
        kinds = [lit for _, _, lit in found]
        check(kinds[:3] == [True, False, True],
              f"expected a panel, black, a panel; saw {kinds} at "
              f"{[(round(a - shown, 2), round(b - shown, 2)) for a, b, _ in found]}")
        (appear_after, appear_before, _), (hide_after, hide_before, _), \
            (again_after, again_before, _) = found[:3]
        # The first tick comes a second after the surface showed, and so
        # more than a second after the start.
        check(appear_before > saver.started + 1.0, "the panel came before the first tick")
        check(appear_after < shown + 3.0, "the panel came long after the first tick")
        # 17 s on, 3 s off, within what the brackets allow.
        check(hide_after - appear_before <= 17.0 <= hide_before - appear_after,
              f"the panel showed for {hide_after - appear_before:.2f}..."
              f"{hide_before - appear_after:.2f} s, not 17")
        check(again_after - appear_before <= 20.0 <= again_before - appear_after,
              f"the next panel came {again_after - appear_before:.2f}..."
              f"{again_before - appear_after:.2f} s after the first, not 20")

        first = next(entry for entry in seen if entry[1] is not None)
        find_panel(first[3])
        # Kept beside the test's other output, for a look at what it saw.
        first[3].save_ppm(os.path.join(os.getcwd(), "wayland_panel.ppm"))
        showing = [entry for entry in seen if appear_before <= entry[0] <= hide_after]
        check(all((box, colour) == (first[1], first[2]) for _, box, colour, _ in showing),
              "the panel changed while its saying showed")
        find_panel(next(entry for entry in seen if entry[0] > again_before)[3])
        server.key("q")
        saver.check_ends("a letter key")
        errors = saver.stderr()
        check(errors == "", f"the saver reported: {errors}")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([("a whole display cycle", whole_cycle)])
