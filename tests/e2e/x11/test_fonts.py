"""Without a single font from fontconfig the saver still writes: the panel
and a message box show their text in the X server's own font, and standard
error says so once."""

import os
import shutil
import subprocess
import tempfile
import time

from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Failure, Saver, check, find_panel, run_cases


def without_fonts(case):
    """Runs a case under a fontconfig configuration that names no font
    folder, so that fontconfig knows no font at all."""
    def run(server, binary):
        scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
        config = os.path.join(scratch, "fonts.conf")
        with open(config, "w", encoding="ascii") as out:
            out.write('<?xml version="1.0"?>\n<fontconfig></fontconfig>\n')
        saved = os.environ.get("FONTCONFIG_FILE")
        os.environ["FONTCONFIG_FILE"] = config  # the savers' environment copies it
        try:
            case(server, binary, scratch)
        finally:
            if saved is None:
                del os.environ["FONTCONFIG_FILE"]
            else:
                os.environ["FONTCONFIG_FILE"] = saved
            shutil.rmtree(scratch, ignore_errors=True)
    return run


def fonts_lines(report):
    return [line for line in report if "font" in line]


def the_panel_still_shows_its_text(server, binary, _scratch):
    saver = Saver(server, binary)
    try:
        shown = saver.wait_for_window()
        # White text in the saying, yellow in the caption; a screenshot may
        # come between the panel's frame and its text.
        while True:
            try:
                find_panel(server.screenshot())
                break
            except Failure:
                if time.monotonic() > shown + 10.0:
                    raise
                time.sleep(0.1)
        server.key("q")
        saver.check_ends("a letter key")
        report = saver.process.stderr.read().decode().splitlines()
        check(len(report) == 1 and fonts_lines(report) == report,
              f"standard error does not say once, and only, that fonts are missing: {report}")
    finally:
        saver.stop()


def the_error_box_still_shows_its_text(server, binary, scratch):
    # A folder where the quote file belongs: the start fails, and the
    # runtime shows its report in a box.
    data_home = os.path.join(scratch, "data")
    os.makedirs(os.path.join(data_home, "sagelight", "drive_c", "windows", "system",
                             "Sagelight.quo"))
    saver = Saver(server, binary, data_home=data_home)
    try:
        deadline = time.monotonic() + 10.0
        while not server.saver_windows():
            check(saver.alive(), "the saver ended without showing its report")
            check(time.monotonic() < deadline, "no error box showed")
            time.sleep(0.05)
        window_id, _, left, top, width, height = server.saver_windows()[0]
        check((width, height) != (SCREEN_WIDTH, SCREEN_HEIGHT), "the saver window showed")
        # Dark text on the box's light face, right of the icon: the prompt's
        # lines and the button's caption make separate bands of rows.
        while True:
            shot = server.screenshot()
            dark_rows = [y for y in range(top, top + height)
                         if any(max(shot.pixel(x, y)) < 96
                                for x in range(left + 56, left + width - 12))]
            bands = sum(1 for i, y in enumerate(dark_rows)
                        if i == 0 or dark_rows[i - 1] != y - 1)
            if bands >= 3:
                break
            check(time.monotonic() < deadline,
                  f"{bands} bands of dark text: expected the prompt's lines and OK")
            time.sleep(0.1)
        while server.run("xdotool", "getwindowfocus").stdout.strip() != str(int(window_id, 16)):
            check(time.monotonic() < deadline, "the box did not take the focus")
            time.sleep(0.05)
        server.key("Return")
        try:
            status = saver.process.wait(10)
        except subprocess.TimeoutExpired:
            status = "none: it still runs"
        check(status == 1, f"the failed start ended with status {status}")
        report = saver.process.stderr.read().decode().splitlines()
        check(len(report) == 2 and len(fonts_lines(report)) == 1 and
              any("run-time error 75" in line for line in report),
              f"standard error does not hold the fonts line and the error: {report}")
    finally:
        saver.stop()


if __name__ == "__main__":
    run_cases([
        ("without fonts the panel still shows its text",
         without_fonts(the_panel_still_shows_its_text)),
        ("without fonts the error box still shows its text",
         without_fonts(the_error_box_still_shows_its_text)),
    ])
