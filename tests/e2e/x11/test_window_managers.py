"""The saver under the window managers people run, each with a dock that
asks to stay above everything, on a desktop of two monitors: the saver
covers the dock and the manager's own panels, has no taskbar entry, keeps
the keyboard, and stays on top when a new window appears.

    test_window_managers.py SAGELIGHT [--screenshots FOLDER]"""

import shutil

import harness
from desktop import (DOCK_ORANGE, Area, WindowManager, keep_screenshot, poll, run, set_monitors,
                     use_screen, wait_for_panel_in, within)
from harness import Failure, Saver, check, find_panel

use_screen(2400, 768)
PRIMARY = Area(0, 0, 1400, 768)
OTHER = Area(1400, 0, 1000, 600)
BOX_FACE = (240, 240, 240)


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


def error_box_stays_on_top(server, saver):
    """A failing tick's message box shows above the saver, centred on the
    primary monitor, takes the keys while it is open and gives them back."""
    shutil.rmtree(saver.quote_folder)
    boxes = []

    def box_shows():
        boxes[:] = [w for w in server.saver_windows() if w[4] < PRIMARY.width]
        return bool(boxes)

    poll(box_shows, "no message box showed", within_seconds=25)
    window_id, _, left, top, width, height = boxes[0]
    check(abs(left + width // 2 - PRIMARY.width // 2) <= 1 and
          abs(top + height // 2 - PRIMARY.height // 2) <= 1, "the box is not centred")
    poll(lambda: server.screenshot().pixel(left + width - 4, top + 4) == BOX_FACE,
         "the box does not show above the saver")
    poll(lambda: server.run("xdotool", "getwindowfocus").stdout.strip() == str(int(window_id, 16)),
         "the box has not the keyboard focus")
    server.key("Return")
    poll(lambda: not box_shows(), "Enter did not close the box")


def under(name, with_box=False):
    def case(server, binary, helper):
        del server  # each manager gets a server of its own
        own = harness.XServer()
        manager = saver = None
        try:
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
            if with_box:
                error_box_stays_on_top(own, saver)
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
    # The box's place among the windows does not depend on the manager:
    # one of them is enough to show it.
    run([("under openbox, with an error box", under("openbox", with_box=True)),
         ("under xfwm4", under("xfwm4")),
         ("under icewm", under("icewm"))],
        tools=("openbox", "xfwm4", "icewm", "dbus-run-session"))
