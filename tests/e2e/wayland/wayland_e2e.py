#!/usr/bin/env python3
"""The Linux program as a native client of a private compositor on its
headless backend, with two outputs: wayland_e2e.py CASE PATH/TO/sagelight."""

import itertools
import json
import mmap
import os
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

# pylint: disable=wrong-import-position
import compositors  # noqa: E402
import e2e  # noqa: E402
from e2e import SCREEN, SCREEN_HEIGHT, SCREEN_WIDTH, Shot, check, wait_for, wait_panel  # noqa

TOOLS = ("sway", "swaymsg", "setpriv", "wtype")
FORM, OTHER = "HEADLESS-1", "HEADLESS-2"  # the saver's output at the origin, one right of it
SIZES = {FORM: (SCREEN_WIDTH, SCREEN_HEIGHT), OTHER: (640, 480)}
# Where the pointer rests: on the saver's output (sway repaints an output of
# its headless backend only while the pointer is on it), at a corner that a
# saver records as no position at all. Sway hides the resting pointer.
PARK = (0, 0)
CURSOR_HIDES = 0.1
# Linux input event codes of the keys the tests name, by their X keysym
# names. Cyrillic_ef is the key that types "a" in the US layout.
KEY = {"Escape": 1, "a": 30, "q": 16, "z": 44, "7": 8, "Return": 28, "space": 57,
       "shift": 42, "ctrl": 29, "alt": 56, "Left": 105, "Up": 103, "Right": 106, "Down": 108,
       "F1": 59, "F5": 63, "Delete": 111, "Cyrillic_ef": 30}
BTN_LEFT = 0x110
# Modifier masks of the keymaps xkbcommon compiles from the usual rules; a
# modifier named before "+" is held as the mask alone.
MODIFIER = {"shift": 1, "ctrl": 4, "alt": 8, "ISO_Level3_Shift": 128}


def sway(folder, env):
    """How to start sway on the headless backend, without a GPU, its outputs
    white; it refuses root, anyone else runs it as themselves."""
    config = os.path.join(folder, "config")
    with open(config, "w", encoding="ascii") as out:
        for name, x in ((FORM, 0), (OTHER, SCREEN_WIDTH)):
            out.write(f"output {name} resolution {'x'.join(map(str, SIZES[name]))} position {x} 0"
                      " bg #FFFFFF solid_color\n")
        out.write("default_border none\nfocus_follows_mouse no\nmouse_warping none\n"
                  f"seat * hide_cursor {int(CURSOR_HIDES * 1000)}\n")
    os.chmod(config, 0o644)
    as_user = []
    if os.geteuid() == 0:
        shutil.chown(env["XDG_RUNTIME_DIR"], "nobody")
        as_user = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"]
    return [*as_user, "sway", "--config", config], dict(
        env, WLR_BACKENDS="headless", WLR_HEADLESS_OUTPUTS="2", WLR_LIBINPUT_NO_DEVICES="1",
        WLR_RENDERER="pixman")


class Compositor:
    """A compositor of its own in a private runtime folder, spoken to over the
    Wayland wire protocol, which Python and Debian have no client for: a
    virtual keyboard and pointer stay plugged in for its whole life (a seat
    without them gives clients none), and a screenshot is one round trip,
    where a tool's start would take longer than the timing checks bracket.
    The pointer moves by sway's own seat command, which reaches the surface
    under it; while a button is held the virtual pointer moves it."""

    NAME, REST = "Wayland compositor", PARK

    def __init__(self, start=sway):
        self.scratch = tempfile.mkdtemp(prefix="sagelight-wayland-")
        os.chmod(self.scratch, 0o755)
        runtime = os.path.join(self.scratch, "run")
        os.mkdir(runtime, 0o700)
        self.display, self.ipc = None, os.path.join(runtime, "ipc")
        command, env = start(self.scratch, {"PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                                            "XDG_RUNTIME_DIR": runtime, "SWAYSOCK": self.ipc})
        log = os.path.join(self.scratch, "log")
        with open(log, "wb") as out:
            self.process = subprocess.Popen(command, env=env, stdout=out, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 30
        while not (self.display and self.active_outputs() == set(SIZES)):
            if self.process.poll() is not None or time.monotonic() > deadline:
                ended = self.process.poll() is not None
                with open(log, encoding="utf-8", errors="replace") as said:
                    last = " | ".join(said.read().strip().splitlines()[-3:])
                self.close()
                raise (e2e.SetupError if ended else e2e.Failure)(
                    f"the compositor {'cannot start here' if ended else 'hangs'}: {last}")
            time.sleep(0.05)
            self.display = next((os.path.join(runtime, name) for name in os.listdir(runtime)
                                 if name.startswith("wayland-") and ".lock" not in name), None)
        self.connect()
        self.move(*PARK)

    def connect(self):
        """Plugs in the keyboard and pointer; outputs are known by their sizes."""
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(self.display)
        self.ids, self.buffer, self.events, self.held = itertools.count(2), b"", {}, False
        self.registry = next(self.ids)  # 1 is the display
        self._send(1, 1, struct.pack("<I", self.registry))  # wl_display.get_registry
        self.roundtrip()
        seat, keyboards, pointers, self.shm, self.screencopy = (self._bind(name)[0] for name in (
            "wl_seat", "zwp_virtual_keyboard_manager_v1", "zwlr_virtual_pointer_manager_v1",
            "wl_shm", "zwlr_screencopy_manager_v1"))
        self.keyboard, self.pointer = next(self.ids), next(self.ids)
        self._send(keyboards, 0, struct.pack("<II", seat, self.keyboard))
        self._send(pointers, 0, struct.pack("<II", seat, self.pointer))
        self.keyboard_layout("us")
        # Each output by its size, which its current mode tells (wlroots
        # tells no output its place in the layout).
        outputs = self._bind("wl_output")
        self.roundtrip()
        self.output_ids = {struct.unpack_from("<ii", body, 4): output for output in outputs
                           for opcode, body in self.events.pop(output)
                           if opcode == 1 and struct.unpack_from("<I", body)[0] & 1}

    def _send(self, target, opcode, body=b"", fds=()):
        message = struct.pack("<II", target, ((8 + len(body)) << 16) | opcode) + body
        socket.send_fds(self.socket, [message], list(fds))

    def _bind(self, interface):
        """New objects bound to each global of `interface`, at version 1."""
        bound = []
        for opcode, body in self.events[self.registry]:  # wl_registry.global: name, interface
            if opcode == 0 and body[8:8 + len(interface) + 1] == interface.encode() + b"\0":
                bound.append(next(self.ids))  # bind: the global's name and interface as sent
                self._send(self.registry, 0, body[:-4] + struct.pack("<II", 1, bound[-1]))
        if not bound:
            raise RuntimeError(f"the compositor offers no {interface}")
        return bound

    def _event(self, sender, opcodes):
        """The first event of `sender` with one of `opcodes`, read as it comes."""
        while not (found := [e for e in self.events.get(sender, []) if e[0] in opcodes]):
            chunk = self.socket.recv(65536)
            if not chunk:
                raise RuntimeError("the compositor closed the connection")
            self.buffer += chunk
            while len(self.buffer) >= 8:
                source, word = struct.unpack_from("<II", self.buffer)
                if len(self.buffer) < word >> 16:
                    break
                body, self.buffer = self.buffer[8:word >> 16], self.buffer[word >> 16:]
                if source == 1 and word & 0xFFFF == 0:  # wl_display.error
                    raise RuntimeError(f"protocol error: {body[12:].rstrip(bytes(1)).decode()}")
                self.events.setdefault(source, []).append((word & 0xFFFF, body))
        return found[0]

    def roundtrip(self):
        """Returns once the compositor has handled every request so far."""
        callback = next(self.ids)
        self._send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        self._event(callback, {0})
        del self.events[callback]

    def capture(self, size):
        """The output of `size`, as its width, height and pixels of four
        bytes, blue, green, red and one unused."""
        frame = next(self.ids)
        self._send(self.screencopy, 0, struct.pack("<IiI", frame, 0, self.output_ids[size]))
        # The compositor offers a buffer: ARGB8888 or XRGB8888, 4 * width bytes a row.
        pixel_format, width, height, stride = struct.unpack("<IIII", self._event(frame, {0})[1])
        fd = os.memfd_create("screenshot")
        os.ftruncate(fd, stride * height)
        pool, buffer = next(self.ids), next(self.ids)
        self._send(self.shm, 0, struct.pack("<Ii", pool, stride * height), fds=(fd,))
        self._send(pool, 0, struct.pack("<IiiiiI", buffer, 0, width, height, stride, pixel_format))
        self._send(frame, 0, struct.pack("<I", buffer))  # copy
        if self._event(frame, {2, 3})[0] == 3:  # ready or failed
            raise RuntimeError("the compositor failed a screenshot")
        with mmap.mmap(fd, stride * height, access=mmap.ACCESS_READ) as pixels:
            raw = pixels[:]
        os.close(fd)
        for target, destroy in ((buffer, 0), (pool, 1), (frame, 1)):
            self._send(target, destroy)
        del self.events[frame]
        return width, height, raw

    @staticmethod
    def _millis():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def keyboard_layout(self, layout):
        """Switches the keyboard to another layout, as a user does: the usual
        rules' keymap, which the compositor compiles and hands its clients."""
        text = (f'xkb_keymap {{ xkb_keycodes {{ include "evdev+aliases(qwerty)" }}; '
                f'xkb_types {{ include "complete" }}; xkb_compat {{ include "complete" }}; '
                f'xkb_symbols {{ include "pc+{layout}+inet(evdev)" }}; }};\0').encode()
        fd = os.memfd_create("keymap")
        os.write(fd, text)
        self._send(self.keyboard, 0, struct.pack("<II", 1, len(text)), fds=(fd,))
        os.close(fd)
        self._modifiers(0)

    def _modifiers(self, depressed):
        self._send(self.keyboard, 2, struct.pack("<IIII", depressed, 0, 0, 0))

    def key(self, *combinations):
        """Presses and releases each key, as "key" or "modifier+key"."""
        for combination in combinations:
            *held, name = combination.split("+")
            self._modifiers(sum(MODIFIER[modifier] for modifier in held))
            for state in (1, 0):
                self._send(self.keyboard, 1, struct.pack("<III", self._millis(), KEY[name], state))
            self._modifiers(0)
        self.roundtrip()

    def press(self, state=1):
        """Presses the left button, or releases it."""
        self._send(self.pointer, 2, struct.pack("<III", self._millis(), BTN_LEFT, state))
        self._send(self.pointer, 4)
        self.roundtrip()
        self.held = bool(state)

    def release(self):
        self.press(0)

    def click(self):
        self.press()
        self.release()

    def ready(self, saver):
        wait_for(lambda: any(w[:2] == (FORM, SCREEN) and w[2] for w in self.saver_windows()),
                 20, "the saver's surface shows full-screen with the keyboard", saver)

    def active_outputs(self):
        result = self.run("swaymsg", "-t", "get_outputs", "-r")
        return result.returncode == 0 and {o["name"] for o in json.loads(result.stdout)
                                           if o["active"]}

    def env(self, **extra):
        env = {**os.environ, "WAYLAND_DISPLAY": self.display, "SWAYSOCK": self.ipc,
               "LC_ALL": "C.UTF-8", **extra}
        env.pop("DISPLAY", None)
        return env

    def run(self, *args):
        return subprocess.run(args, env=self.env(), capture_output=True, text=True, check=False)

    def swaymsg(self, *args):
        result = self.run("swaymsg", *args)
        check(result.returncode == 0, f"swaymsg {' '.join(args)} failed: {result.stdout}")
        return result.stdout

    def move(self, x, y):
        if self.held:  # a point of the layout, in its width and height
            self._send(self.pointer, 1, struct.pack("<IIIII", self._millis(), x, y,
                                                    SCREEN_WIDTH + SIZES[OTHER][0], SCREEN_HEIGHT))
            self._send(self.pointer, 4)  # frame
            self.roundtrip()
        else:
            self.swaymsg("seat", "-", "cursor", "set", str(x), str(y))
        self.moved = (x, y, time.monotonic())

    def saver_windows(self):
        """The program's surfaces that sway shows, as (output, rect, focused)."""
        found = []

        def walk(node, output):
            output = node["name"] if node.get("type") == "output" else output
            if node.get("app_id") == "sagelight" and node.get("visible", True):
                found.append((output, tuple(node["rect"][k] for k in ("x", "y", "width", "height")),
                              node.get("focused", False)))
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child, output)

        walk(json.loads(self.swaymsg("-t", "get_tree", "-r")), None)
        return found

    def screenshot(self, output=FORM):
        """One output. Where the pointer moved last within a second, the
        picture is blanked: sway hides it a moment after it stops, but a
        loaded machine may be late."""
        x, y, moved = self.moved
        time.sleep(max(0.0, moved + 3 * CURSOR_HIDES - time.monotonic()))
        before = time.monotonic()
        width, height, raw = self.capture(SIZES[output])
        after = time.monotonic()
        raw = bytearray(raw)
        raw[3::4] = bytes(width * height)  # the unused byte, as the tests expect it
        if output == FORM and before - moved < 1.0:
            for row in range(max(0, y - 2), min(height, y + 30)):
                start, end = row * width + max(0, x - 2), row * width + min(width, x + 26)
                raw[start * 4:end * 4] = bytes((end - start) * 4)
        return Shot(bytes(raw), width, height, before, after)

    def close(self):
        e2e.stop(self.process, 5)
        shutil.rmtree(self.scratch, ignore_errors=True)


def backend(session):
    """Without DISPLAY, the X11 backend forced over WAYLAND_DISPLAY finds no
    display; a name that is no backend is refused."""
    for name, status, words in (("x11", 1, "X display"), ("mir", 2, "x11 or wayland")):
        saver = session.start("/s", SAGELIGHT_BACKEND=name)
        saver.ends(f"SAGELIGHT_BACKEND={name}", status=status, within=30)
        report = saver.stderr().strip().splitlines()
        check(len(report) == 1 and words in report[0], f"SAGELIGHT_BACKEND={name}: {report}")


def other_output(session):
    """A curtain darkens the other output; the pointer's moves and clicks on
    it reach no handler, and keys typed meanwhile still count."""
    server = session.server
    check(server.screenshot(OTHER).lit_box() is not None, "the other output is black already")
    saver, _ = session.start_covering("/s")
    wait_for(lambda: server.screenshot(OTHER).lit_box() is None, 5,
             "the other output goes dark", saver)
    wait_panel(server, 10, "a panel shows", saver)
    for x, y in ((100, 100), (400, 300), (10, 400)):
        server.move(SCREEN_WIDTH + x, y)
        server.click()
    saver.still_running("moves and clicks on the other output")
    check(server.screenshot(OTHER).lit_box() is None, "the other output lit up")
    server.key("space")
    saver.ends("the space bar")


def typed_controls(session):
    """Ctrl with a letter types a control character, and a keyboard plugged
    in by another client (wtype, with a keymap made for its text) types a
    Cyrillic letter: each ends the saver."""
    saver, _ = session.start_covering("/s")
    session.server.key("ctrl+z")
    saver.ends("Ctrl with a letter")
    saver, _ = session.start_covering("/s")
    result = session.server.run("wtype", "ж")
    check(result.returncode == 0, f"wtype failed: {result.stderr}")
    saver.ends("a Cyrillic letter from wtype")


def layout(commands, output, rect):
    """With the outputs laid out by sway's `commands`, the form covers the
    `output` at the origin (`rect`, logical) and curtains the others; the
    pointer resting on it at the start ends nothing, an output created
    meanwhile goes dark at once, and the user's moves end the saver."""
    def case(session):
        server = session.server
        for command in commands:
            server.swaymsg("output", *command.split())
        rest = (rect[0] + 100, rect[1] + 100)
        server.move(*rest)
        saver = session.start("/s")
        wait_for(lambda: any(w[:2] == (output, rect) for w in server.saver_windows()), 20,
                 f"the form shows full-screen on {output} at {rect}", saver)
        surfaces = server.saver_windows()
        check(sorted(w[0] for w in surfaces) == [FORM, OTHER], f"form and curtain: {surfaces}")
        saver.still_running("showing under the resting pointer")
        server.swaymsg("create_output")
        wait_for(lambda: len({w[0] for w in server.saver_windows()}) == 3, 10,
                 "the created output goes dark", saver)
        saver.still_running("an output created under the running saver")
        # Five pixels from the resting place, then corners of a square wider
        # and taller than the panel, so that a saying that comes up under the
        # pointer takes one move at most: of any two moves over the
        # background, the second ends the saver even if the first only
        # recorded where the pointer is.
        for x, y in ((105, 100), (400, 100), (400, 300), (105, 300)):
            server.move(rect[0] + x, rect[1] + y)
            if saver.wait(session.settle) is not None:
                break
        saver.ends("moves of the pointer over the form")
    return case


CASES = dict(
    e2e.CASES, backend=backend, other_output=other_output, lost_compositor=e2e.lost_display,
    typed_controls=typed_controls,
    layout_rotated=layout([f"{FORM} transform 90"], FORM, (0, 0, SCREEN_HEIGHT, SCREEN_WIDTH)),
    layout_scale_2=layout([f"{FORM} scale 2"], FORM, (0, 0, SCREEN_WIDTH // 2, SCREEN_HEIGHT // 2)),
    # The origin on the second output, where sway does not first show a new
    # surface.
    layout_origin_second=layout([f"{FORM} position 640 0", f"{OTHER} position 0 0"], OTHER,
                                (0, 0, *SIZES[OTHER])),
    # No output at the origin: sway shows a new surface elsewhere first and
    # then moves it under the resting pointer, which must not end the saver.
    layout_origin_off=layout([f"{FORM} position 200 0", f"{OTHER} position 1224 0"], FORM,
                             (200, 0, SCREEN_WIDTH, SCREEN_HEIGHT)))

if __name__ == "__main__":
    if sys.argv[1] in compositors.CASES:  # the other compositors
        sys.exit(compositors.main(sys.argv[1], os.path.abspath(sys.argv[2])))
    sys.exit(e2e.main(CASES, lambda: e2e.NativeSession(os.path.abspath(sys.argv[2]), Compositor()),
                      server_tools=TOOLS))
