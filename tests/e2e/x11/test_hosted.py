"""A screen-saver daemon hosts the saver: it makes the window, passes its id
in $XSCREENSAVER_WINDOW, keeps the input, and ends the saver with SIGTERM or
by destroying the window.

    test_hosted.py SAGELIGHT [--screenshots FOLDER]"""

import signal
import subprocess

from desktop import (HOST_BLUE, Area, WithEnvironment, grey_desktop, keep_screenshot, run,
                     wait_for_panel_in, within)
from harness import Failure, Saver, check

HOST = Area(150, 100, 640, 480)
GREY = (80, 80, 80)


def check_quiet(saver, status, what):
    try:
        saver.process.wait(5)
    except subprocess.TimeoutExpired:
        raise Failure(f"the saver still runs after {what}") from None
    check(saver.process.returncode == status,
          f"the saver ended with status {saver.process.returncode} after {what}")
    output = saver.process.stdout.read() + saver.process.stderr.read()
    check(not output, f"the saver said {output!r} after {what}")


def drawn_inside(server, saver, host_id):
    """Checks the saver draws in the host and nowhere else."""
    _, shot = wait_for_panel_in(server, HOST)
    check(not server.saver_windows(), "the saver made a window of its own")
    children = server.run("xwininfo", "-children", "-id", str(host_id)).stdout
    check("273x169" in children, "the panel is no child of the host window")
    check(shot.pixel(HOST.x - 1, HOST.y - 1) == GREY and
          shot.pixel(HOST.x + HOST.width, HOST.y + HOST.height) == GREY,
          "the saver drew outside the host window")
    # The daemon keeps the input: keys and moves over the host end nothing.
    server.move(HOST.x + 20, HOST.y + 20)
    server.move(HOST.x + 300, HOST.y + 400)
    server.key("a")
    saver.check_alive("input over the host window")
    return shot


def sigterm_ends_it_quietly(server, binary, helper):
    grey_desktop(server)
    host = helper.window(server, "host", HOST)
    check(host is not None, "the host window did not show")
    saver = Saver(WithEnvironment(server, XSCREENSAVER_WINDOW=hex(host)), binary)
    try:
        keep_screenshot(drawn_inside(server, saver, host), "hosted-in-a-window")
        saver.process.send_signal(signal.SIGTERM)
        check_quiet(saver, -signal.SIGTERM, "SIGTERM")
    finally:
        saver.stop()
        helper.close_windows()


def a_destroyed_host_ends_it(server, binary, helper):
    grey_desktop(server)
    host = helper.window(server, "host", HOST)
    check(host is not None, "the host window did not show")
    hosted = WithEnvironment(server, XSCREENSAVER_WINDOW=str(host))
    # Without the switch nothing shows, hosted or not.
    idle = Saver(hosted, binary, args=())
    try:
        check_quiet(idle, 0, "a start without /s")
        check(not within(server.screenshot(), HOST).is_black() and
              server.screenshot().pixel(HOST.x + 5, HOST.y + 5) == HOST_BLUE,
              "a start without /s painted the host window")
    finally:
        idle.stop()
    saver = Saver(hosted, binary, data_home=idle.data_home)
    try:
        drawn_inside(server, saver, host)
        helper.destroy(server, host)
        check_quiet(saver, 0, "its host window was destroyed")
    finally:
        saver.stop()
        helper.close_windows()


if __name__ == "__main__":
    run([
        ("drawn inside the host window, ended by SIGTERM", sigterm_ends_it_quietly),
        ("a destroyed host window ends the saver", a_destroyed_host_ends_it),
    ])
