"""A virtual keyboard and pointer that stay plugged into the compositor's
seat for a whole test, and screenshots of its outputs, all spoken over the
Wayland wire protocol directly (the Python standard library has no Wayland
binding, and Debian ships no client for the wlroots virtual-pointer
protocol). A seat without devices gives clients no keyboard and no pointer
at all, and a tool that plugs a keyboard in and out for each key leaves the
seat without a keymap. A screenshot over the open connection takes a round
trip, where a screenshot tool's start alone would take longer than the
timing checks can bracket on a loaded machine."""

import ctypes
import ctypes.util
import mmap
import os
import socket
import struct
import time

# Linux input event codes of the keys the tests name, by their X keysym
# names. Cyrillic_ef is the key that types "a" in the US layout.
KEY = {"Escape": 1, "a": 30, "q": 16, "z": 44, "7": 8, "Return": 28, "space": 57,
       "shift": 42, "ctrl": 29, "alt": 56, "Left": 105, "Up": 103, "Right": 106, "Down": 108,
       "F1": 59, "F5": 63, "Delete": 111, "Cyrillic_ef": 30}
BTN_LEFT = 0x110
# Modifier masks of the keymaps xkbcommon compiles from the usual rules; a
# modifier named before "+" is held as the mask alone.
MODIFIER = {"shift": 1, "ctrl": 4, "alt": 8, "ISO_Level3_Shift": 128}


def keymap_text(layout):
    """The keymap of an ordinary keyboard with `layout`, compiled by
    libxkbcommon from the system's rules (model, layout and so on)."""
    xkb = ctypes.CDLL(ctypes.util.find_library("xkbcommon") or "libxkbcommon.so.0")
    for name in ("xkb_context_new", "xkb_keymap_new_from_names", "xkb_keymap_get_as_string"):
        getattr(xkb, name).restype = ctypes.c_void_p
    names = (ctypes.c_char_p * 5)(b"evdev", b"pc105", layout.encode(), b"", b"")
    keymap = xkb.xkb_keymap_new_from_names(ctypes.c_void_p(xkb.xkb_context_new(0)), names, 0)
    if not keymap:
        raise RuntimeError(f"xkbcommon cannot compile a keymap for layout {layout}")
    return ctypes.string_at(xkb.xkb_keymap_get_as_string(ctypes.c_void_p(keymap), 1))


def _string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class VirtualDevices:
    def __init__(self, socket_path):
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(socket_path)
        self.last_id, self.buffer, self.events, self.held = 1, b"", {}, False  # 1 is wl_display
        self.registry = self._new_id()
        self._send(1, 1, struct.pack("<I", self.registry))  # wl_display.get_registry
        self.roundtrip()
        seat, keyboards, pointers, self.shm, self.screencopy = (self._bind(name)[0] for name in (
            "wl_seat", "zwp_virtual_keyboard_manager_v1", "zwlr_virtual_pointer_manager_v1",
            "wl_shm", "zwlr_screencopy_manager_v1"))
        self.keyboard, self.pointer = self._new_id(), self._new_id()
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
        self.started = time.monotonic()

    def _new_id(self):
        self.last_id += 1
        return self.last_id

    def _send(self, target, opcode, body=b"", fds=()):
        message = struct.pack("<II", target, ((8 + len(body)) << 16) | opcode) + body
        if fds:
            socket.send_fds(self.socket, [message], list(fds))
        else:
            self.socket.sendall(message)

    def _bind(self, interface):
        """New objects bound to each global of `interface`, at version 1."""
        bound = []
        for opcode, body in self.events[self.registry]:  # wl_registry.global: name, interface
            if opcode == 0 and body[8:8 + len(interface) + 1] == interface.encode() + b"\0":
                bound.append(self._new_id())
                self._send(self.registry, 0, body[:4] + _string(interface)
                           + struct.pack("<II", 1, bound[-1]))
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
        callback = self._new_id()
        self._send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        self._event(callback, {0})
        del self.events[callback]

    def capture(self, size):
        """The output of `size`, as its width, height and pixels of four
        bytes, blue, green, red and one unused."""
        frame = self._new_id()
        self._send(self.screencopy, 0, struct.pack("<IiI", frame, 0, self.output_ids[size]))
        pixel_format, width, height, stride = struct.unpack("<IIII", self._event(frame, {0})[1])
        if pixel_format not in (0, 1) or stride != 4 * width:  # ARGB8888, XRGB8888
            raise RuntimeError(f"unexpected screenshot format {pixel_format}, stride {stride}")
        fd = os.memfd_create("screenshot")
        try:
            os.ftruncate(fd, stride * height)
            pool, buffer = self._new_id(), self._new_id()
            self._send(self.shm, 0, struct.pack("<Ii", pool, stride * height), fds=(fd,))
            self._send(pool, 0, struct.pack("<IiiiiI", buffer, 0, width, height, stride,
                                            pixel_format))
            self._send(frame, 0, struct.pack("<I", buffer))  # copy
            if self._event(frame, {2, 3})[0] == 3:  # ready or failed
                raise RuntimeError("the compositor failed a screenshot")
            with mmap.mmap(fd, stride * height, access=mmap.ACCESS_READ) as pixels:
                raw = pixels[:]
        finally:
            os.close(fd)
        for target, destroy in ((buffer, 0), (pool, 1), (frame, 1)):
            self._send(target, destroy)
        del self.events[frame]
        return width, height, raw

    def _millis(self):
        return int((time.monotonic() - self.started) * 1000) & 0xFFFFFFFF

    def keyboard_layout(self, name):
        """Switches the keyboard to another layout, as a user does."""
        text = keymap_text(name) + b"\0"
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

    def pointer_to(self, x, y, width, height):
        """Moves the pointer to a point of the layout of `width` x `height`."""
        self._send(self.pointer, 1, struct.pack("<IIIII", self._millis(), x, y, width, height))
        self._send(self.pointer, 4)  # frame
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

    def close(self):
        self.socket.close()
