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


def _keymap_text(layout):
    """The keymap of an ordinary keyboard with `layout`, compiled by
    libxkbcommon from the system's rules."""
    library = ctypes.CDLL(ctypes.util.find_library("xkbcommon") or "libxkbcommon.so.0")

    class RuleNames(ctypes.Structure):
        _fields_ = [(name, ctypes.c_char_p)
                    for name in ("rules", "model", "layout", "variant", "options")]

    library.xkb_context_new.restype = ctypes.c_void_p
    library.xkb_keymap_new_from_names.restype = ctypes.c_void_p
    library.xkb_keymap_new_from_names.argtypes = [ctypes.c_void_p, ctypes.POINTER(RuleNames),
                                                  ctypes.c_int]
    library.xkb_keymap_get_as_string.restype = ctypes.c_void_p
    library.xkb_keymap_get_as_string.argtypes = [ctypes.c_void_p, ctypes.c_int]
    library.xkb_keymap_unref.argtypes = [ctypes.c_void_p]
    library.xkb_context_unref.argtypes = [ctypes.c_void_p]
    context = library.xkb_context_new(0)
    names = RuleNames(b"evdev", b"pc105", layout.encode(), b"", b"")
    keymap = library.xkb_keymap_new_from_names(context, ctypes.byref(names), 0)
    if not keymap:
        raise RuntimeError(f"xkbcommon cannot compile a keymap for layout {layout}")
    text = ctypes.string_at(library.xkb_keymap_get_as_string(keymap, 1))
    library.xkb_keymap_unref(keymap)
    library.xkb_context_unref(context)
    return text


def _string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class VirtualDevices:
    def __init__(self, socket_path):
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(socket_path)
        self.next_id = 2  # 1 is wl_display
        self.buffer = b""
        self.globals = {}
        self.output_globals = []
        self.events = {}  # object: its events as (opcode, body), for objects listened to
        self.callbacks = set()
        self.done_callbacks = set()
        self.registry = self._new_id()
        self._send(1, 1, struct.pack("<I", self.registry))  # wl_display.get_registry
        self.roundtrip()
        seat = self._bind("wl_seat", 1)
        keyboards = self._bind("zwp_virtual_keyboard_manager_v1", 1)
        pointers = self._bind("zwlr_virtual_pointer_manager_v1", 1)
        self.keyboard = self._new_id()
        self._send(keyboards, 0, struct.pack("<II", seat, self.keyboard))
        self.pointer = self._new_id()
        self._send(pointers, 0, struct.pack("<II", seat, self.pointer))
        self.layout("us")
        self.shm = self._bind("wl_shm", 1)
        self.screencopy = self._bind("zwlr_screencopy_manager_v1", 1)
        # Each output by its size, which its current mode tells (wlroots
        # tells no output its place in the layout).
        outputs = []
        for name in self.output_globals:
            outputs.append(self._new_id())
            self.events[outputs[-1]] = []
            self._send(self.registry, 0, struct.pack("<I", name) + _string("wl_output") +
                       struct.pack("<II", 1, outputs[-1]))
        self.roundtrip()
        self.outputs = {struct.unpack_from("<ii", body, 4): output for output in outputs
                        for opcode, body in self.events.pop(output)
                        if opcode == 1 and struct.unpack_from("<I", body)[0] & 1}
        self.started = time.monotonic()

    def _new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def _send(self, target, opcode, body=b"", fds=()):
        message = struct.pack("<II", target, ((8 + len(body)) << 16) | opcode) + body
        if fds:
            socket.send_fds(self.socket, [message], list(fds))
        else:
            self.socket.sendall(message)

    def _bind(self, interface, version):
        if interface not in self.globals:
            raise RuntimeError(f"the compositor offers no {interface}")
        new = self._new_id()
        self._send(self.registry, 0, struct.pack("<I", self.globals[interface]) +
                   _string(interface) + struct.pack("<II", version, new))
        return new

    def _read_events(self):
        chunk = self.socket.recv(65536)
        if not chunk:
            raise RuntimeError("the compositor closed the connection")
        self.buffer += chunk
        while len(self.buffer) >= 8:
            sender, word = struct.unpack_from("<II", self.buffer)
            size, opcode = word >> 16, word & 0xFFFF
            if len(self.buffer) < size:
                break
            body, self.buffer = self.buffer[8:size], self.buffer[size:]
            if sender == self.registry and opcode == 0:  # global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                self.globals[interface] = name
                if interface == "wl_output":
                    self.output_globals.append(name)
            elif sender == 1 and opcode == 0:  # error
                message = body[12:].rstrip(b"\0").decode(errors="replace")
                raise RuntimeError(f"protocol error: {message}")
            elif opcode == 0 and sender in self.callbacks:
                self.done_callbacks.add(sender)
            elif sender in self.events:
                self.events[sender].append((opcode, body))

    def _event(self, sender, opcodes):
        """The first event of `sender` with one of `opcodes`."""
        while True:
            found = [event for event in self.events[sender] if event[0] in opcodes]
            if found:
                return found[0]
            self._read_events()

    def capture(self, size):
        """The output of `size`, as its width, height and
        pixels of four bytes, blue, green, red and one unused."""
        frame = self._new_id()
        self.events[frame] = []
        self._send(self.screencopy, 0, struct.pack("<IiI", frame, 0, self.outputs[size]))
        pixel_format, width, height, stride = struct.unpack("<IIII", self._event(frame, {0})[1])
        if pixel_format not in (0, 1) or stride != 4 * width:  # ARGB8888, XRGB8888
            raise RuntimeError(f"unexpected screenshot format {pixel_format}, stride {stride}")
        size = stride * height
        fd = os.memfd_create("screenshot")
        try:
            os.ftruncate(fd, size)
            pool, buffer = self._new_id(), self._new_id()
            self._send(self.shm, 0, struct.pack("<Ii", pool, size), fds=(fd,))
            self._send(pool, 0, struct.pack("<IiiiiI", buffer, 0, width, height, stride,
                                            pixel_format))
            self._send(frame, 0, struct.pack("<I", buffer))  # copy
            opcode, body = self._event(frame, {1, 2, 3})  # flags, ready, failed
            if opcode == 1:
                if struct.unpack("<I", body)[0] & 1:
                    raise RuntimeError("the screenshot came upside down")
                opcode, _ = self._event(frame, {2, 3})
            if opcode == 3:
                raise RuntimeError("the compositor failed a screenshot")
            with mmap.mmap(fd, size, access=mmap.ACCESS_READ) as pixels:
                raw = pixels[:]
        finally:
            os.close(fd)
        for target, destroy in ((buffer, 0), (pool, 1), (frame, 1)):
            self._send(target, destroy)
        del self.events[frame]
        return width, height, raw

    def roundtrip(self):
        """Returns once the compositor has handled every request so far."""
        callback = self._new_id()
        self.callbacks.add(callback)
        self._send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        while callback not in self.done_callbacks:
            self._read_events()

    def _millis(self):
        return int((time.monotonic() - self.started) * 1000) & 0xFFFFFFFF

    def layout(self, name):
        """Switches the keyboard to another layout, as a user does."""
        text = _keymap_text(name) + b"\0"
        fd = os.memfd_create("keymap")
        os.write(fd, text)
        self._send(self.keyboard, 0, struct.pack("<II", 1, len(text)), fds=(fd,))
        os.close(fd)
        self.modifiers(0)

    def modifiers(self, depressed):
        self._send(self.keyboard, 2, struct.pack("<IIII", depressed, 0, 0, 0))

    def key(self, combination):
        """Presses and releases one key, as "key" or "modifier+key"."""
        *held, name = combination.split("+")
        code, modifiers = KEY[name], sum(MODIFIER[modifier] for modifier in held)
        if modifiers:
            self.modifiers(modifiers)
        for state in (1, 0):
            self._send(self.keyboard, 1, struct.pack("<III", self._millis(), code, state))
        if modifiers:
            self.modifiers(0)
        self.roundtrip()

    def move(self, x, y, width, height):
        """Moves the pointer to a point of the layout of `width` x `height`."""
        self._send(self.pointer, 1, struct.pack("<IIIII", self._millis(), x, y, width, height))
        self._send(self.pointer, 4)  # frame
        self.roundtrip()

    def button(self, *states):
        """Presses (1) or releases (0) the left button, in turn."""
        for state in states:
            self._send(self.pointer, 2, struct.pack("<III", self._millis(), BTN_LEFT, state))
            self._send(self.pointer, 4)
        self.roundtrip()

    def close(self):
        self.socket.close()
