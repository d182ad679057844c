"""What ends a saver on a Wayland compositor and what does not: one saver
start per way of ending it, each first tried with the things that must
leave it running."""

from wayland_harness import PARK, WaylandSaver, check, find_panel, run_cases
from devices import CONTROL_MASK, MOD1_MASK


def keys_and_the_panel_leave_it_running(server, binary):
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        panel, _ = saver.wait_for_panel()
        background = panel.background_point()

        server.move(*background)
        saver.check_alive("the first pointer event, which only records")
        server.key("Shift_L", "Control_L", "Alt_L", "Left", "Up", "Right", "Down", "F1", "F5")
        saver.check_alive("keys that produce no character")
        # Alt with a letter is a command to the desktop, not typing; Ctrl
        # with a letter types a control character and would end it.
        server.key("a", modifiers=MOD1_MASK)
        saver.check_alive("Alt with a letter")
        server.click()
        saver.check_alive("a click on the background")

        # Over the panel the pointer reports nothing to the form, however
        # far it travels.
        server.move(*panel.frame_point())
        saver.check_alive("a move onto the panel's frame")
        server.click()
        saver.check_alive("a click on the panel's frame")
        server.move(*panel.caption_point())
        server.click()
        saver.check_alive("a click on the caption strip")
        for dx, dy in ((0, 0), (120, 20), (200, 100), (10, 130), (60, 40)):
            server.move(panel.saying[0] + dx, panel.saying[1] + dy)
        saver.check_alive("moves over the saying")

        again = find_panel(server.screenshot())
        check((again.left, again.top) == (panel.left, panel.top), "the panel moved or vanished")
        server.key("z", modifiers=CONTROL_MASK)
        saver.check_ends("Ctrl with a letter")
    finally:
        saver.stop()


def one_pixel_over_the_background_ends_it(server, binary):
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        panel, _ = saver.wait_for_panel()
        x, y = panel.background_point()
        server.move(x, y)
        saver.check_alive("the first pointer event, which only records")
        server.move(x + 1, y)
        saver.check_ends("a move of one pixel")
    finally:
        saver.stop()


def a_click_on_the_saying_ends_it(server, binary):
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        panel, _ = saver.wait_for_panel()
        server.move(*panel.saying_point())
        saver.check_alive("a move onto the saying")
        server.click()
        saver.check_ends("a click on the saying")
    finally:
        saver.stop()


def escape_ends_it_before_the_first_saying(server, binary):
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        # The pointer rests at the corner, recorded as no position: moving
        # off it only records.
        server.move(PARK[0] + 40, PARK[1] + 40)
        saver.check_alive("a move from the corner")
        server.key("Escape")
        saver.check_ends("Escape")
    finally:
        saver.stop()


def a_letter_of_another_layout_ends_it(server, binary):
    # The user's layout is Russian: the key that types "a" in the US layout
    # types a Cyrillic letter, which the program's code page cannot hold.
    server.devices.layout("ru")
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        server.key("Shift_L")
        saver.check_alive("Shift in the Russian layout")
        server.key("a")
        saver.check_ends("a Cyrillic letter")
    finally:
        saver.stop()
        server.devices.layout("us")


def a_letter_typed_by_wtype_ends_it(server, binary):
    # wtype plugs in a keyboard of its own with a keymap made for the text.
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        result = server.run("wtype", "ж")
        check(result.returncode == 0, f"wtype failed: {result.stderr}")
        saver.check_ends("a Cyrillic letter from wtype")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([
        ("keys without a character and the panel leave the saver running",
         keys_and_the_panel_leave_it_running),
        ("one pixel over the background ends the saver", one_pixel_over_the_background_ends_it),
        ("a click on the saying ends the saver", a_click_on_the_saying_ends_it),
        ("Escape ends the saver before the first saying", escape_ends_it_before_the_first_saying),
        ("a letter of a Russian layout ends the saver", a_letter_of_another_layout_ends_it),
        ("a Cyrillic letter typed by wtype ends the saver", a_letter_typed_by_wtype_ends_it),
    ])
