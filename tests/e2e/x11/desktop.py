"""The X11 program on desktops as people have them: RandR monitors, window
managers with a dock, other clients that unmap, destroy or host the saver's
window, and the single-instance lock wherever the environment puts it."""

import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import time

import e2e
from e2e import Area, Failure, check, check_panel, require, wait_for, wait_panel

DOCK_ORANGE, HOST_BLUE, GREY = (255, 128, 0), (32, 48, 128), (80, 80, 80)

# An X screen 2400 pixels wide, more than a 16-bit count of twips holds: a
# saver that took the whole X screen for its screen could show no saying.
WIDE = (2400, 768)
LEFT, RIGHT = Area(0, 0, 1400, 768), Area(1400, 0, 1000, 600)
HOST = Area(150, 100, 640, 480)


def grey_desktop(server, monitors=(), primary=None):
    """A grey desktop, on which what a saver leaves uncovered shows, of
    RandR `monitors` (`primary` an index or None)."""
    require("xsetroot", "xrandr", "xwininfo")
    check(server.run("xsetroot", "-solid", "#505050").returncode == 0, "xsetroot failed")
    for i, area in enumerate(monitors):
        result = server.run("xrandr", "--setmonitor", ("*" if i == primary else "") + f"M{i}",
                            f"{area.width}/{area.width // 4}x{area.height}/{area.height // 4}"
                            f"+{area.x}+{area.y}", "screen" if i == 0 else "none")
        check(result.returncode == 0, f"xrandr --setmonitor: {result.stderr}")


class Helper:
    """Windows of another client, as a dock or a screen-saver daemon makes
    them, over a connection of its own (Xlib through ctypes; an X error ends
    the test, as Xlib's own handler does). They go with the connection, which
    stays open until closed or until the server ends."""

    def __init__(self, server):
        self.server = server
        self.xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        for name in ("XOpenDisplay", "XInternAtom", "XCreateSimpleWindow", "XDefaultRootWindow"):
            getattr(self.xlib, name).restype = ctypes.c_void_p
        self.display = ctypes.c_void_p(self.xlib.XOpenDisplay(server.display.encode()))
        check(self.display.value, "the helper cannot open the display")

    def _atom(self, name):
        return ctypes.c_ulong(self.xlib.XInternAtom(self.display, name.encode(), 0))

    def _set(self, window, name, kind, values):
        """A property of 32-bit values, atoms by their names."""
        values = [v if isinstance(v, int) else self._atom(v).value for v in values]
        self.xlib.XChangeProperty(self.display, window, self._atom(name), self._atom(kind), 32, 0,
                                  (ctypes.c_long * len(values))(*values), len(values))

    def window(self, kind, area, within=30.0):
        """Shows a "dock" (above all, with a strut along the top edge) or a
        "host" window: its id once it shows, or None. One mapped while a window
        manager gets ready may stay unmapped for good, and is made again."""
        deadline = time.monotonic() + within
        while time.monotonic() < deadline:
            window = ctypes.c_ulong(self.xlib.XCreateSimpleWindow(
                self.display, ctypes.c_void_p(self.xlib.XDefaultRootWindow(self.display)), *area,
                0, ctypes.c_ulong(0), ctypes.c_ulong(0xFF8000 if kind == "dock" else 0x203080)))
            self._set(window, "WM_NORMAL_HINTS", "WM_SIZE_HINTS", [3, *area] + [0] * 13)
            if kind == "dock":
                self._set(window, "_NET_WM_WINDOW_TYPE", "ATOM", ["_NET_WM_WINDOW_TYPE_DOCK"])
                self._set(window, "_NET_WM_STATE", "ATOM",
                          ["_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY"])
                self._set(window, "_NET_WM_STRUT_PARTIAL", "CARDINAL",
                          [0, 0, area.y + area.height, 0, 0, 0, 0, 0, area.x,
                           area.x + area.width - 1, 0, 0])
            self.xlib.XMapWindow(self.display, window)
            self.xlib.XSync(self.display, 0)
            try:
                return wait_for(lambda: "IsViewable" in self.server.run(
                    "xwininfo", "-id", str(window.value)).stdout and window.value, 2, "")
            except Failure:
                self.destroy(window.value)
        return None

    def destroy(self, window):
        self.xlib.XDestroyWindow(self.display, ctypes.c_ulong(int(window)))
        self.xlib.XSync(self.display, 0)

    def close(self):
        self.xlib.XCloseDisplay(self.display)


def on_monitors(primary, screen):
    """On the monitors LEFT and RIGHT (RIGHT listed first when `primary` is
    None) the form covers just the `screen`, the panel in it, and the other
    stays dark: moves and a click there end nothing and leave the form the
    keyboard; a move of two pixels, from the form's own corner, ends it."""
    def case(session):
        server = session.server
        grey_desktop(server, [LEFT, RIGHT] if primary is not None else [RIGHT, LEFT], primary)
        saver = session.start_shown("/s")
        form = server.focus()
        forms = [w[1:] for w in server.windows() if w[0] == form]
        check(forms == [screen], f"the saver's window {forms} is not over the monitor {screen}")
        panel, shot = wait_panel(server, 10, f"a panel shows within {screen}", saver, screen)
        other = RIGHT if screen is LEFT else LEFT
        check(shot.within(other).is_black(), f"the monitor {other} is not dark")
        x, y = screen.background_point(panel)
        server.move(x, y)
        saver.still_running("the first pointer event")
        for dx, dy in ((100, 100), (900, 500), (500, 300)):
            server.move(other.x + min(dx, other.width - 1), other.y + min(dy, other.height - 1))
        server.click()
        saver.still_running("moves and a click over the other monitor")
        check(server.focus() == form, "a click over the other monitor took the form's keyboard")
        server.move(x + 2, y)
        saver.ends("a move of 2 pixels on the screen")
    return case


def only_the_saver(shot):
    """Black, or the panel on black, on the primary monitor; black on the other."""
    if not shot.within(RIGHT).is_black():
        return False
    try:
        return shot.within(LEFT).is_black() or check_panel(shot.within(LEFT))
    except Failure:
        return False


def under(name, command, with_box=False):
    """Under the window manager `name` (run by `command`), with a dock that
    asks to stay above all, the saver covers the dock, is no taskbar entry,
    and stays on top with the keyboard when a window opens; `with_box`, a
    failing tick's box shows above it centred and takes the keys."""
    def case(session):
        server = session.server
        grey_desktop(server, [LEFT, RIGHT], 0)
        # The manager has a home of its own, and a message bus of its own
        # where it needs one, and it ends with the savers.
        require(command[0], name)
        home = os.path.join(session.scratch, name)
        env = server.env(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                         XDG_CACHE_HOME=os.path.join(home, ".cache"),
                         NO_AT_BRIDGE="1")  # no accessibility bus outliving the manager
        session.savers.append(e2e.Saver(command, {k: v for k, v in env.items() if k not in (
            "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER")}, 0))
        # It is ready once it names its check window on the root.
        wait_for(lambda: "window id" in server.run("xprop", "-root",
                                                   "_NET_SUPPORTING_WM_CHECK").stdout,
                 30, f"{name} starts")
        helper = Helper(server)
        check(helper.window("dock", Area(0, 0, LEFT.width, 40)), f"{name} shows no dock")
        wait_for(lambda: DOCK_ORANGE in server.screenshot().pixels(0, 0, LEFT.width - 1, 39),
                 10, f"{name} shows the dock")
        saver = session.start_shown("/s")
        ours = {int(w[0]) for kind in ("sagelight", "sagelight-curtain")
                for w in server.windows(kind)}
        managed = server.run("xprop", "-root", "_NET_CLIENT_LIST").stdout.replace(",", " ")
        check(not ours & {int(word, 16) for word in managed.split() if word.startswith("0x")},
              f"{name} lists the saver (a taskbar entry)")
        wait_for(lambda: only_the_saver(server.screenshot()), 10,
                 f"under {name} the saver alone shows", saver)
        # A window that opens now is raised and focused by the manager; the
        # saver puts itself back on top and keeps the keyboard.
        check(helper.window("host", Area(200, 150, 600, 400)), f"{name} shows no window")
        wait_for(lambda: only_the_saver(server.screenshot()), 10,
                 f"under {name} the saver comes back over a new window", saver)
        saver.still_running("a new window")
        if with_box:
            shutil.rmtree(os.path.dirname(session.quote_file))
            window, left, top, width, height = wait_for(
                lambda: [w for w in server.windows() if w[3] < LEFT.width], 25,
                "a message box shows", saver)[0]
            check(abs(2 * left + width - LEFT.width) <= 2 and abs(2 * top + height - LEFT.height)
                  <= 2, f"the box at {left},{top} is not centred on the primary monitor")
            wait_for(lambda: server.focus() == window, 10, "the box takes the keyboard focus",
                     saver)
            server.key("Return")  # closes it, or the letter after it ends nothing
        server.key("a")
        saver.ends("a letter key after a new window opened")
    return case


def other_client(session):
    """Another client unmaps the saver's window: it shows again, with the
    focus and a panel; that client destroys it: the saver ends, and its
    lock with it, so that the next start shows a saver."""
    saver = session.start_shown("/s")
    server = session.server
    window = server.focus()
    server.xdotool("windowunmap", window)
    wait_for(lambda: "IsViewable" in server.run("xwininfo", "-id", window).stdout, 10,
             "the unmapped window shows again", saver)
    wait_for(lambda: server.focus() == window, 10, "the window shown again takes the focus",
             saver)
    wait_panel(server, 10, "a panel shows", saver)
    Helper(session.server).destroy(window)
    saver.ends("its window was destroyed by another client")
    following = session.start_shown("/s")
    server.key("x")
    following.ends("a letter key")


def lock_folders(session):
    """Starts beside a running saver, without a runtime folder or with one
    all may write, meet its lock under the home the password database names;
    a link in its folder's place stops a start with status 1 and a reason.
    Without HOME, XDG_DATA_HOME or a folder in /run/user, a start as "nobody"
    (home /nonexistent) or as a user the password database lacks names the
    lock's place and ends with status 1, using no shared folder."""
    shared = os.path.join(session.scratch, "shared")
    os.mkdir(shared)
    os.chmod(shared, 0o1777)
    saver = session.start_shown("/s")
    for runtime in (None, shared):
        session.start("/s", XDG_RUNTIME_DIR=runtime).ends(
            f"a start beside a running saver with XDG_RUNTIME_DIR={runtime}", within=60)
    session.server.key("x")
    saver.ends("a letter key")
    folder = os.path.join(session.home, ".local", "share", "sagelight")
    check(os.path.exists(os.path.join(folder, "sagelight.lock")), "the lock is not under the home")
    check(not os.listdir(shared), f"the saver left {os.listdir(shared)} in a shared folder")
    check(not os.listdir(session.runtime_dir), "the saver left a file in $XDG_RUNTIME_DIR")
    shutil.rmtree(folder)
    os.symlink(shared, folder)
    saver = session.start("/s")
    saver.ends("a start whose lock folder is a link", status=1)
    check(folder in saver.stderr() and "link" in saver.stderr(), f"it said {saver.stderr()!r}")
    if (os.geteuid() != 0 or shutil.which("setpriv") is None
            or any(os.path.exists(f"/run/user/{uid}") for uid in (65534, 54321))):
        print("starts as other users need root, setpriv and no /run/user of theirs: left out")
        return
    home = subprocess.run(["getent", "passwd", "65534"], capture_output=True, text=True,
                          check=True).stdout.split(":")[5]
    for uid, place in ((65534, os.path.join(home, ".local/share/sagelight")),
                       (54321, "/run/user/54321")):
        result = subprocess.run(
            ["setpriv", f"--reuid={uid}", f"--regid={uid}", "--clear-groups", session.binary],
            env={"PATH": os.environ.get("PATH", "/usr/bin:/bin")}, capture_output=True,
            text=True, timeout=60, check=False)
        check(result.returncode == 1 and place in result.stderr, f"as user {uid}: {result}")


def hosted(session):
    """In a daemon's window named by $XSCREENSAVER_WINDOW, a start without
    /s paints nothing; with /s the saver draws there alone, leaves the input
    to the daemon, and ends quietly on SIGTERM or with the window."""
    server, helper = session.server, Helper(session.server)
    grey_desktop(server)
    for ending in ("SIGTERM", "the host window destroyed"):
        host = helper.window("host", HOST)
        check(host is not None, "the host window did not show")
        session.start(XSCREENSAVER_WINDOW=str(host)).ends("a start without /s", within=60)
        check(server.screenshot().pixel(HOST.x + 5, HOST.y + 5) == HOST_BLUE, "a start painted")
        saver = session.start("/s", XSCREENSAVER_WINDOW=hex(host))
        _, shot = wait_panel(server, 20, "a panel shows in the host", saver, HOST)
        check(not server.windows(), "the saver made a window of its own")
        check(shot.pixel(HOST.x - 1, HOST.y - 1) == GREY
              and shot.pixel(HOST.x + HOST.width, HOST.y + HOST.height) == GREY,
              "the saver drew outside the host window")
        server.move(HOST.x + 20, HOST.y + 20)
        server.move(HOST.x + 300, HOST.y + 400)
        server.key("a")
        saver.still_running("input over the host window")
        if ending == "SIGTERM":
            saver.process.send_signal(signal.SIGTERM)
            saver.ends(ending, status=-signal.SIGTERM)
        else:
            helper.destroy(host)
            saver.ends(ending)
        check(saver.stderr() == "", f"the saver said {saver.stderr()!r} after {ending}")


def wide(case):
    case.screen = WIDE
    return case


CASES = {
    "primary_left": wide(on_monitors(0, LEFT)),
    "primary_right": wide(on_monitors(1, RIGHT)),
    # With no monitor marked primary, the one at the origin is the screen,
    # though RandR lists it second.
    "no_primary": wide(on_monitors(None, LEFT)),
    # Where a box shows is no window manager's say: one of them shows it.
    "openbox": wide(under("openbox", ["openbox", "--sm-disable"], with_box=True)),
    # xfwm4 keeps its settings in xfconf, which it reaches over D-Bus. Its
    # compositor paints only the first monitor of an Xvfb screen that RandR
    # splits into several.
    "xfwm4": wide(under("xfwm4", ["dbus-run-session", "--", "xfwm4", "--compositor=off"])),
    "icewm": wide(under("icewm", ["icewm"])),
    "other_client": other_client,
    "lock_folders": lock_folders,
    "hosted": hosted,
}
