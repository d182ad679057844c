#!/usr/bin/env python3
"""The Linux program on a private X server: x11_e2e.py CASE PATH/TO/sagelight."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

# pylint: disable=wrong-import-position
import desktop  # noqa: E402
import e2e  # noqa: E402
from e2e import SEEDED_SIZE, check, wait_for, wait_panel  # noqa: E402


def disk_full(session):
    """A first start under a 10 KiB file-size limit (whose signal kills by
    default, as from a shell) writes no saying, not 51 for good, and reports
    the full disk with the file's name; the next start seeds the file whole."""
    saver = session.start(DISPLAY=None, wrapper=["prlimit", f"--fsize={10 * 1024}"])
    saver.ends("a start under a file-size limit", status=1, within=60)
    expected = f"Sagelight: run-time error 61: Disk full ({session.quote_file})\n"
    check(saver.stderr() == expected, f"the start reported {saver.stderr()!r}, not {expected!r}")
    size = os.path.getsize(session.quote_file)
    check(size == 0, f"the quote file holds {size} bytes, not none")
    session.start(DISPLAY=None).ends("the start after the limit", within=60)
    check(os.path.getsize(session.quote_file) == SEEDED_SIZE, "the next start seeded no whole file")


def no_fonts(session):
    """With a fontconfig that knows no font, the panel and the runtime's box
    for a failed start show their text in the X server's own font, and
    standard error says so once."""
    config = os.path.join(session.scratch, "fonts.conf")
    with open(config, "w", encoding="ascii") as out:
        out.write('<?xml version="1.0"?>\n<fontconfig></fontconfig>\n')
    server = session.server
    saver = session.start_shown("/s", FONTCONFIG_FILE=config)
    wait_panel(server, 10, "a panel with its text shows", saver)
    server.key("q")
    saver.ends("a letter key")
    report = saver.stderr().splitlines()
    check(len(report) == 1 and "font" in report[0], f"not just one line on fonts: {report}")

    # A folder where the quote file belongs fails the start.
    os.remove(session.quote_file)
    os.makedirs(session.quote_file)
    saver = session.start("/s", FONTCONFIG_FILE=config)
    window, left, top, width, height = wait_for(server.windows, 20, "a box shows", saver)[0]
    check(width != server.width, "the saver's window showed")
    wait_for(lambda: e2e.text_bands(server.screenshot(),
                                    (left, top, left + width - 1, top + height - 1)) >= 3,
             10, "the box shows its prompt's lines and OK", saver)
    wait_for(lambda: server.focus() == window, 10, "the box takes the focus", saver)
    server.key("Return")
    saver.ends("Return in the box", status=1)
    report = saver.stderr().splitlines()
    check(len(report) == 2 and "run-time error 75" in report[0] and "font" in report[1],
          f"not the error and then the fonts line: {report}")


CASES = dict(e2e.CASES, lost_server=e2e.lost_display,
             disk_full=disk_full, no_fonts=no_fonts,
             **desktop.CASES)

if __name__ == "__main__":
    screen = getattr(CASES.get(sys.argv[1] if len(sys.argv) > 1 else ""), "screen", ())
    sys.exit(e2e.main(CASES, lambda: e2e.NativeSession(os.path.abspath(sys.argv[2]),
                                                       e2e.XServer(*screen))))
