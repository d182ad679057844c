"""Starts on a Wayland compositor: the backend chosen from the environment,
one saver of many started at once, the other output dark, and a
compositor that goes away."""

import os
import shutil
import subprocess
import tempfile
import time

from wayland_harness import (OTHER, SEEDED_SIZE, Compositor, Failure, WaylandSaver, check,
                             find_panel, run_cases)


def the_backend_follows_the_environment(server, binary):
    # Without DISPLAY, the X11 backend forced over WAYLAND_DISPLAY finds no
    # display; a name that is no backend is refused.
    for backend, status, words in (("x11", 1, "X display"), ("mir", 2, "x11 or wayland")):
        scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        env = server.env(SAGELIGHT_BACKEND=backend, XDG_RUNTIME_DIR=scratch,
                         XDG_DATA_HOME=scratch)
        os.chmod(scratch, 0o700)
        try:
            result = subprocess.run([binary, "/s"], env=env, capture_output=True, text=True,
                                    timeout=30, check=False)
        finally:
            shutil.rmtree(scratch, ignore_errors=True)
        report = result.stderr.strip().splitlines()
        check(result.returncode == status and len(report) == 1 and words in report[0],
              f"SAGELIGHT_BACKEND={backend}: status {result.returncode}, report {report}")


def sixteen_at_once_run_one_saver(server, binary):
    first = WaylandSaver(server, binary)
    others = []
    try:
        others = [WaylandSaver(server, binary, data_home=first.data_home,
                               runtime_dir=first.runtime_dir) for _ in range(15)]
        everyone = [first, *others]
        deadline = time.monotonic() + 10.0
        while sum(s.alive() for s in everyone) > 1 and time.monotonic() < deadline:
            time.sleep(0.05)
        running = [s for s in everyone if s.alive()]
        check(len(running) == 1, f"{len(running)} of 16 savers run")
        statuses = [s.process.returncode for s in everyone if s is not running[0]]
        check(statuses == [0] * 15, f"the others ended with {statuses}")
        running[0].wait_for_window()
        check(os.path.getsize(first.quote_file) == SEEDED_SIZE,
              f"the quote file holds {os.path.getsize(first.quote_file)} bytes")
        check(len(server.saver_windows()) == 2, "more surfaces than the form and one curtain")
        server.key("q")
        running[0].check_ends("a letter key")
    finally:
        for saver in [first, *others]:
            saver.stop()


def the_other_output_goes_dark_and_delivers_nothing(server, binary):
    check(server.screenshot(OTHER).lit_box() is not None, "the other output is black already")
    saver = WaylandSaver(server, binary)
    try:
        saver.wait_for_window()
        deadline = time.monotonic() + 5.0
        while server.screenshot(OTHER).lit_box() is not None:
            check(time.monotonic() < deadline, "the other output did not go dark")
            time.sleep(0.1)
        saver.wait_for_panel()
        # The pointer on the curtain: its moves and clicks reach no handler,
        # and keys typed while the curtain holds the keyboard still count.
        left = 1024 + 100
        for x, y in ((left, 100), (left + 300, 300), (left + 10, 400)):
            server.move(x, y)
            server.click()
        saver.check_alive("moves and clicks on the other output")
        check(server.screenshot(OTHER).lit_box() is None, "the other output lit up")
        server.key("space")
        saver.check_ends("the space bar")
    finally:
        saver.stop()


def a_lost_compositor_ends_the_saver(server, binary):
    del server  # this case kills its own
    own = Compositor()
    saver = WaylandSaver(own, binary)
    try:
        saver.wait_for_window()
        find_panel(saver.wait_for_panel()[1])
        own.process.kill()
        try:
            status = saver.process.wait(5)
        except subprocess.TimeoutExpired:
            raise Failure("the saver still runs without its compositor") from None
        check(status == 2, f"the saver ended with status {status}")
        report = saver.stderr()
        check(report == "Sagelight: lost the connection to the Wayland compositor\n",
              f"unexpected report {report!r}")
    finally:
        saver.stop()
        own.close()


if __name__ == "__main__":
    run_cases([
        ("the backend follows the environment", the_backend_follows_the_environment),
        ("of sixteen started at once one saver runs", sixteen_at_once_run_one_saver),
        ("the other output goes dark and delivers nothing",
         the_other_output_goes_dark_and_delivers_nothing),
        ("a saver whose compositor goes away ends", a_lost_compositor_ends_the_saver),
    ])
