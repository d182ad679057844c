"""Running Sagelight.scr under Wine on a private X server, and looking at it.

Shared by the end-to-end tests beside this file and the start-up measurement
under bench/win32. Standard library only.
"""

import contextlib
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

# The palette colours a shown panel can have (red, green, blue).
PANEL_COLOURS = (
    (0, 128, 0),
    (0, 128, 128),
    (128, 0, 0),
    (128, 0, 128),
    (128, 128, 0),
    (192, 192, 192),
    (128, 128, 128),
)
PANEL_WIDTH = 273
PANEL_HEIGHT = 169

# Wine's own installers for .NET and the HTML engine never run, nor does its
# menu builder; a crashing program gets no debugger and no dialog.
WINE_DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
WINEBOOT_SECONDS = 240
WINE_CALL_SECONDS = 60

PACKAGES_HINT = "apt-get install wine wine64 xvfb xdotool x11-apps"


class SetupError(Exception):
    """The machine lacks something the tests need."""


def wine_program():
    """The 64-bit Wine loader (a 64-bit prefix needs no 32-bit Wine)."""
    for name in ("wine64", "/usr/lib/wine/wine64", "wine"):
        found = shutil.which(name)
        if found:
            return found
    raise SetupError("Wine is not installed (" + PACKAGES_HINT + ")")


def require_tools():
    missing = [tool for tool in ("wineserver", "wineboot", "Xvfb", "xdotool", "xwd", "timeout")
               if shutil.which(tool) is None]
    if missing:
        raise SetupError("missing programs: " + ", ".join(missing) + " (" + PACKAGES_HINT + ")")
    wine_program()


def saver_program():
    """The Sagelight.scr that the build made, or the reason why there is none."""
    reason = os.environ.get("SAGELIGHT_SCR_MISSING", "")
    if reason:
        raise SetupError(reason)
    path = os.environ.get("SAGELIGHT_SCR", "")
    if not path or not os.path.isfile(path):
        raise SetupError("Sagelight.scr not found at '%s': build the project first" % path)
    return path


def wine_environment(prefix, display=None):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "WINEARCH": "win64",
        "WINEDLLOVERRIDES": WINE_DLL_OVERRIDES,
        "WINEDEBUG": "-all",
    })
    if display is not None:
        env["DISPLAY"] = display
    else:
        env.pop("DISPLAY", None)
    return env


def system_folder(prefix):
    return os.path.join(prefix, "drive_c", "windows", "system")


def quote_file(prefix):
    return os.path.join(system_folder(prefix), "Sagelight.quo")


@contextlib.contextmanager
def x_server():
    """A private Xvfb at 1024x768x24 on a display number it picks itself.

    -retro gives the root window the classic grey weave, so a black screen
    shows that a window covers it. -noreset keeps the server from resetting
    when its last client leaves, which would drop a client connecting then.
    """
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-retro", "-noreset", "-nolisten", "tcp",
         "-screen", "0", "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT)],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or server.poll() is not None:
                raise SetupError("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise SetupError("Xvfb did not report its display")
            number += chunk
        yield ":" + number.decode().strip()
    finally:
        os.close(read_end)
        server.terminate()
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()


def run_wine_tool(prefix, display, args, seconds=WINE_CALL_SECONDS):
    return subprocess.run(["timeout", "-k", "5", str(seconds)] + args,
                          env=wine_environment(prefix, display),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def stop_wine(prefix):
    run_wine_tool(prefix, None, ["wineserver", "-k"], 30)
    run_wine_tool(prefix, None, ["wineserver", "-w"], 30)


MARKER = "sagelight-prefix-ready"


def prepare_prefix(prefix):
    """A 64-bit Wine prefix with c:\\windows\\system, made once and reused."""
    require_tools()
    if os.path.isfile(os.path.join(prefix, MARKER)):
        return
    os.makedirs(prefix, exist_ok=True)
    with x_server() as display:
        booted = run_wine_tool(prefix, display, ["wineboot", "-i"], WINEBOOT_SECONDS)
        if booted.returncode != 0:
            raise SetupError("wineboot -i failed with status %d" % booted.returncode)
        aedebug = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug"
        wine = wine_program()
        run_wine_tool(prefix, display, [wine, "reg", "add", aedebug, "/v", "Auto", "/t",
                                        "REG_SZ", "/d", "0", "/f"])
        run_wine_tool(prefix, display, [wine, "reg", "delete", aedebug, "/v", "Debugger", "/f"])
        stop_wine(prefix)
    # A 64-bit prefix has no c:\windows\system; an installed Windows has.
    os.makedirs(system_folder(prefix), exist_ok=True)
    with open(os.path.join(prefix, MARKER), "w", encoding="ascii") as marker:
        marker.write("ready\n")


def remove_prefix(prefix):
    if os.path.isdir(prefix):
        stop_wine(prefix)
        shutil.rmtree(prefix, ignore_errors=True)


class Saver:
    """One run of Sagelight.scr under Wine, with its output kept in files."""

    def __init__(self, prefix, display, args, seconds=120):
        self.output = tempfile.TemporaryFile()
        self.errors = tempfile.TemporaryFile()
        self.started = time.monotonic()
        self.process = subprocess.Popen(
            ["timeout", "-k", "5", str(seconds), wine_program(), saver_program()] + list(args),
            env=wine_environment(prefix, display), stdin=subprocess.DEVNULL,
            stdout=self.output, stderr=self.errors, start_new_session=True)

    def running(self):
        return self.process.poll() is None

    def wait(self, seconds):
        """The exit status, or None while it still runs after `seconds`."""
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            return None

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode("latin-1")

    def kill(self):
        if self.running():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()


class Screenshot:
    """The root window's pixels, from xwd's dump, as rows of (r, g, b) bytes."""

    def __init__(self, display):
        dump = subprocess.run(["timeout", "20", "xwd", "-root", "-silent", "-display", display],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              check=True).stdout
        fields = struct.unpack(">25I", dump[:100])
        header_size, _, pixmap_format, _, width, height = fields[:6]
        byte_order, bytes_per_line = fields[7], fields[12]
        masks, colours = fields[14:17], fields[19]
        # Three or four bytes a pixel (xwd's bits-per-pixel field says 24 for
        # both at times); which of them holds red depends on the byte order.
        step = bytes_per_line // width if width else 0
        if pixmap_format != 2 or step not in (3, 4) or masks != (0xFF0000, 0xFF00, 0xFF):
            raise SetupError("unexpected xwd format: %r" % (fields,))
        if byte_order == 0:
            offsets = (2, 1, 0)
        else:
            offsets = (1, 2, 3) if step == 4 else (0, 1, 2)
        pixels = dump[header_size + 12 * colours:]
        self.width, self.height = width, height
        rgb = bytearray(3 * width * height)
        for y in range(height):
            row = pixels[y * bytes_per_line:y * bytes_per_line + step * width]
            for channel, offset in enumerate(offsets):
                rgb[3 * width * y + channel:3 * width * (y + 1):3] = row[offset::step]
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def row(self, y, x, length):
        at = 3 * (y * self.width + x)
        return self.rgb[at:at + 3 * length]

    def all_black(self):
        return self.rgb.count(0) == len(self.rgb)

    def find_panel(self):
        """(left, top, colour) of a shown panel: the top edge of its frame is
        a run of exactly 273 pixels of one palette colour."""
        for colour in PANEL_COLOURS:
            run = bytes(colour) * PANEL_WIDTH
            start = self.rgb.find(run)
            while start >= 0:
                if start % 3 == 0:
                    pixel = start // 3
                    left, top = pixel % self.width, pixel // self.width
                    before = left > 0 and self.pixel(left - 1, top) == colour
                    after = (left + PANEL_WIDTH < self.width
                             and self.pixel(left + PANEL_WIDTH, top) == colour)
                    above = top > 0 and self.pixel(left, top - 1) == colour
                    if not (before or after or above):
                        return left, top, colour
                start = self.rgb.find(run, start + 1)
        return None

    def region(self, left, top, width, height):
        return [self.row(y, left, width) for y in range(top, top + height)]


def wait_for(condition, seconds, interval=0.1):
    """Poll `condition` until it gives a true value or `seconds` pass."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


def xdotool(display, *args):
    env = dict(os.environ, DISPLAY=display)
    return subprocess.run(["timeout", "20", "xdotool"] + list(args), env=env,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
