"""What ends a running saver and what does not: one saver start per way of
ending it, each first tried with the things that must leave it running."""

from harness import Saver, check, find_panel, run_cases


def keys_and_the_panel_leave_it_running(server, binary):
    saver = Saver(server, binary)
    try:
        saver.wait_for_window()
        panel, _ = saver.wait_for_panel()
        background = panel.background_point()

        server.move(*background)
        saver.check_alive("the first pointer event, which only records")
        server.key("shift")
        server.key("Left", "Up", "Right", "Down")
        server.key("ctrl", "alt", "F1", "F5")
        saver.check_alive("keys that produce no character")
        server.click()
        saver.check_alive("a click on the background")

        # Over the panel the pointer reports nothing to the window, however
        # far it travels.
        server.move(*panel.frame_point())
        saver.check_alive("a move onto the panel's frame")
        server.click()
        saver.check_alive("a click on the panel's frame")
        server.move(*panel.caption_point())
        server.click()
        saver.check_alive("a click on the caption strip")
        for dx, dy in ((0, 0), (120, 20), (200, 100), (10, 130)):
            server.move(panel.saying[0] + dx, panel.saying[1] + dy)
        saver.check_alive("moves over the saying")

        again = find_panel(server.screenshot())
        check((again.left, again.top) == (panel.left, panel.top), "the panel moved or vanished")
        server.key("a")
        saver.check_ends("a letter key")
    finally:
        saver.stop()


def one_pixel_over_the_background_ends_it(server, binary):
    saver = Saver(server, binary)
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
    saver = Saver(server, binary)
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
    saver = Saver(server, binary)
    try:
        saver.wait_for_window()
        server.key("Escape")
        saver.check_ends("Escape")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([
        ("keys without a character and the panel leave the saver running",
         keys_and_the_panel_leave_it_running),
        ("one pixel over the background ends the saver", one_pixel_over_the_background_ends_it),
        ("a click on the saying ends the saver", a_click_on_the_saying_ends_it),
        ("Escape ends the saver before the first saying", escape_ends_it_before_the_first_saying),
    ])
