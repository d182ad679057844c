"""The saver under the window managers people run, each with a dock that
asks to stay above everything, on a desktop of two monitors: the saver
covers the dock and the manager's own panels, has no taskbar entry, keeps
the keyboard, and stays on top when a new window appears.

    test_window_managers.py SAGELIGHT [--screenshots FOLDER]"""

import sys

import harness
from desktop import (DOCK_ORANGE, Area, WindowManager, keep_screenshot, poll, run_own_cases,
                     set_monitors, use_screen, wait_for_panel_in, within)
from harness import Failure, Saver, check, find_panel

use_screen(2400, 768)
PRIMARY = Area(0, 0, 1400, 768)
OTHER = Area(1400, 0, 1000, 600)


def shows(shot, colour, area):
    inside = within(shot, area)
    return any(inside.pixel(x, y) == colour
               for y in range(area.y, area.y + area.height, 4)
               for x in range(area.x, area.x + area.width, 4))


def only_the_saver(shot):
    """The primary monitor shows the saver alone: black, or black with the
    panel; the other monitor is black."""
    if not within(shot, OTHER).is_black():
        return False
    inside = within(shot, PRIMARY)
    if inside.is_black():
        return True
    try:
        find_panel(inside)
        return True
    except Failure:
        return False


def under(name):
    def case(server, binary, helper):
        del server  # each manager gets a server of its own
        own = harness.XServer()
        manager = saver = None
        try:
            own.run("xsetroot", "-solid", "#505050")
            set_monitors(own, [PRIMARY, OTHER], 0)
            manager = WindowManager(own, name)
            manager.show(own, helper, "dock", Area(0, 0, PRIMARY.width, 40))
            poll(lambda: shows(own.screenshot(), DOCK_ORANGE, PRIMARY), f"{name} shows no dock")
            keep_screenshot(own.screenshot(), f"{name}-dock")

            saver = Saver(own, binary)
            saver.wait_for_window()  # with the keyboard focus
            ours = {int(window[0], 16) for window in own.top_level_windows()
                    if window[1].startswith("sagelight")}
            check(len(ours) == 2, f"expected the form and one curtain, found {len(ours)}")
            listed = manager.client_list(own)
            check(not ours & listed, f"{name} lists the saver among its clients (a taskbar entry)")
            _, shot = wait_for_panel_in(own, PRIMARY)
            keep_screenshot(shot, f"{name}-dock-covered")
            check(only_the_saver(shot), f"under {name} something shows beside the saver")

            # A window that opens now is raised and focused by the manager;
            # the saver puts itself back on top and keeps the keyboard.
            manager.show(own, helper, "host", Area(200, 150, 600, 400))
            poll(lambda: only_the_saver(own.screenshot()),
                 f"under {name} a new window stays over the saver")
            saver.check_alive("a new window")
            own.key("a")
            saver.check_ends("a letter key after a new window opened")
        finally:
            if saver:
                saver.stop()
            helper.close_windows()
            if manager:
                manager.close()
            own.close()
    return case


if __name__ == "__main__":
    names = [name for name in ("openbox", "xfwm4", "icewm") if name in sys.argv] or \
        ["openbox", "xfwm4", "icewm"]
    run_own_cases([(f"under {name}", under(name)) for name in names])
