"""The X11 program on desktops as people have them: several monitors that
RandR reports, window managers with a dock, other clients that destroy or
unmap the saver's window or host it in a window of their own (the clients
come from x11_helper.c), and the single-instance lock wherever the
environment puts it."""

import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

from e2e import Area, Failure, SetupError, check, check_panel, keep, require, wait_for, wait_panel

HERE = os.path.dirname(os.path.abspath(__file__))
DOCK_ORANGE = (255, 128, 0)
HOST_BLUE = (32, 48, 128)
GREY = (80, 80, 80)
BOX_FACE = (240, 240, 240)

# An X screen 2400 pixels wide, more than a 16-bit count of twips holds: a
# saver that took the whole X screen for its screen could show no saying.
WIDE = (2400, 768)
LEFT = Area(0, 0, 1400, 768)
RIGHT = Area(1400, 0, 1000, 600)
HOST = Area(150, 100, 640, 480)


def grey_desktop(server):
    """A desktop that is not black, so that what a saver leaves uncovered
    shows."""
    require("xsetroot", "xrandr", "xwininfo")
    check(server.run("xsetroot", "-solid", "#505050").returncode == 0, "xsetroot failed")


class Helper:
    """x11_helper.c, compiled for one session; its windows live until the
    session closes."""

    def __init__(self, server):
        require("cc")
        self.server = server
        self.folder = tempfile.mkdtemp(prefix="sagelight-helper-")
        self.path = os.path.join(self.folder, "x11_helper")
        built = subprocess.run(["cc", "-O", "-o", self.path, os.path.join(HERE, "x11_helper.c"),
                                "-lX11"], capture_output=True, text=True, check=False)
        if built.returncode:
            shutil.rmtree(self.folder)
            raise SetupError(f"cannot build x11_helper: {built.stderr.strip()}")
        self.running = []

    def window(self, kind, area, within=10.0):
        """Shows a dock or a host window; its id once it is mapped, None
        when it is not mapped in time."""
        process = subprocess.Popen(  # pylint: disable=consider-using-with
            [self.path, kind, str(area.x), str(area.y), str(area.width), str(area.height)],
            env=self.server.env(), stdout=subprocess.PIPE, text=True)
        self.running.append(process)
        ready, _, _ = select.select([process.stdout], [], [], within)
        line = process.stdout.readline() if ready else ""
        if not line.strip().isdigit():
            process.kill()
            return None
        return int(line)

    def destroy(self, window):
        result = subprocess.run([self.path, "destroy", str(window)], env=self.server.env(),
                                check=False)
        check(result.returncode == 0, f"could not destroy window {window}")

    def close(self):
        for process in self.running:
            process.kill()
            process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class WindowManager:
    """A window manager in a session and a home of its own (with its own
    message bus where it needs one), so nothing of the user's settings is
    read or written."""

    COMMANDS = {
        "openbox": ["openbox", "--sm-disable"],
        "icewm": ["icewm"],
        # xfwm4 keeps its settings in xfconf, which it reaches over D-Bus.
        # Its compositor paints only the first monitor of an Xvfb screen
        # that RandR splits into several, whoever's windows lie on the others.
        "xfwm4": ["dbus-run-session", "--", "xfwm4", "--compositor=off"],
    }

    def __init__(self, server, name):
        command = self.COMMANDS[name]
        if shutil.which(command[0]) is None or shutil.which(name) is None:
            raise SetupError(f"{name} is not installed")
        self.server, self.name = server, name
        self.home = tempfile.mkdtemp(prefix=f"sagelight-{name}-")
        env = server.env(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                         XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                         NO_AT_BRIDGE="1")  # no accessibility bus outliving the manager
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("SESSION_MANAGER", None)
        self.process = subprocess.Popen(  # pylint: disable=consider-using-with
            command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        # The manager is ready once it names its check window on the root.
        wait_for(lambda: "window id" in server.run("xprop", "-root",
                                                   "_NET_SUPPORTING_WM_CHECK").stdout,
                 30, f"{name} starts")

    def clients(self):
        text = self.server.run("xprop", "-root", "_NET_CLIENT_LIST").stdout
        return {int(word.strip(","), 16) for word in text.split() if word.startswith("0x")}

    def show(self, helper, kind, area):
        """A helper window that the manager manages. A manager names its
        check window before it is ready to manage, and a window mapped in
        between may stay unmapped for good: such a one is tried again."""
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            window = helper.window(kind, area, within=2)
            if window is not None:
                wait_for(lambda: window in self.clients(), 10, f"{self.name} manages the {kind}")
                return window
        raise Failure(f"{self.name} did not map a {kind} window")

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGTERM)
            self.process.wait(5)
        except ProcessLookupError:
            pass
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def on_monitors(primary, screen, name):
    """A desktop of the monitors LEFT and RIGHT (in that order when
    `primary` is an index, else RIGHT first and none marked): the saver's
    window lies over exactly the `screen` monitor with the panel inside
    it, and the other monitor stays dark."""
    def case(session):
        server = session.server
        grey_desktop(server)
        monitors = [LEFT, RIGHT] if primary is not None else [RIGHT, LEFT]
        server.set_monitors(monitors, primary)
        saver = session.start_shown("/s")
        forms = [w for w in server.windows("sagelight") if w[0] == server.focus()]
        check([w[1:] for w in forms] == [(screen.x, screen.y, screen.width, screen.height)],
              f"the saver's window {forms} is not over the monitor {screen}")
        panel, shot = wait_panel(server.screenshot, 10, f"a panel shows on {screen}", saver,
                                 screen)
        check(screen.holds(panel), f"the {panel} leaves {screen}")
        other = RIGHT if screen is LEFT else LEFT
        check(shot.within(other).is_black(), f"the monitor {other} is not dark")
        keep(shot, name)
        return saver, panel, screen, other
    return case


def primary_left(session):
    """Over the curtain the pointer reaches no handler: once a position is
    recorded on the primary monitor, moves and a click over the other one
    end nothing, and keys still reach the form."""
    saver, panel, screen, _ = on_monitors(0, LEFT, "two-monitors-primary-left")(session)
    session.server.move(*screen.background_point(panel))
    saver.still_running("the first pointer event")
    for x, y in ((1500, 100), (2300, 500), (1900, 300)):
        session.server.move(x, y)
    session.server.click()
    saver.still_running("moves and a click over the other monitor")
    session.server.key("q")
    saver.ends("a key typed with the pointer over the other monitor")


def primary_right(session):
    """Pointer positions count from the form's own corner: a move of two
    pixels on a primary monitor right of the origin ends the saver."""
    saver, panel, screen, _ = on_monitors(1, RIGHT, "two-monitors-primary-right")(session)
    x, y = screen.background_point(panel)
    session.server.move(x, y)
    saver.still_running("the first pointer event")
    session.server.move(x + 2, y)
    saver.ends("a move of 2 pixels on the primary monitor")


def no_primary(session):
    """With no monitor marked primary, the one at the origin is the
    screen, though RandR lists it second."""
    saver = on_monitors(None, LEFT, "two-monitors-none-primary")(session)[0]
    session.server.key("Escape")
    saver.ends("Escape")


def only_the_saver(shot):
    """The primary monitor shows black, or the panel on black; the other
    one is black."""
    if not shot.within(RIGHT).is_black():
        return False
    inside = shot.within(LEFT)
    try:
        return inside.is_black() or check_panel(inside)
    except Failure:
        return False


def under(name, with_box=False):
    """Under a window manager with a dock that asks to stay above
    everything, on two monitors: the saver covers the dock, has no taskbar
    entry, keeps the keyboard and stays on top when a new window opens;
    with_box: a failing tick's box shows above it and takes the keys while
    it is open (its place among the windows does not depend on the
    manager, so one of them is enough to show it)."""
    def case(session):
        server = session.server
        grey_desktop(server)
        server.set_monitors([LEFT, RIGHT], 0)
        manager = session.own(WindowManager(server, name))
        helper = session.helper()
        manager.show(helper, "dock", Area(0, 0, LEFT.width, 40))
        wait_for(lambda: DOCK_ORANGE in server.screenshot().pixels(0, 0, LEFT.width - 1, 39),
                 10, f"{name} shows the dock")
        keep(server.screenshot(), f"{name}-dock")

        saver = session.start_shown("/s")
        ours = {int(w[0]) for kind in ("sagelight", "sagelight-curtain")
                for w in server.windows(kind)}
        check(len(ours) == 2, f"expected the form and one curtain, found {len(ours)}")
        check(not ours & manager.clients(), f"{name} lists the saver (a taskbar entry)")
        wait_for(lambda: only_the_saver(server.screenshot()), 10,
                 f"under {name} the saver alone shows", saver)
        keep(server.screenshot(), f"{name}-dock-covered")

        # A window that opens now is raised and focused by the manager; the
        # saver puts itself back on top and keeps the keyboard.
        manager.show(helper, "host", Area(200, 150, 600, 400))
        wait_for(lambda: only_the_saver(server.screenshot()), 10,
                 f"under {name} the saver comes back over a new window", saver)
        saver.still_running("a new window")
        if with_box:
            error_box_on_top(session, saver)
        server.key("a")
        saver.ends("a letter key after a new window opened")
    return case


def error_box_on_top(session, saver):
    server = session.server
    shutil.rmtree(os.path.dirname(session.quote_file))
    boxes = wait_for(lambda: [w for w in server.windows("sagelight") if w[3] < LEFT.width], 25,
                     "a message box shows", saver)
    window, left, top, width, height = boxes[0]
    check(abs(left + width // 2 - LEFT.width // 2) <= 1
          and abs(top + height // 2 - LEFT.height // 2) <= 1, "the box is not centred")
    wait_for(lambda: server.screenshot().pixel(left + width - 4, top + 4) == BOX_FACE, 10,
             "the box shows above the saver", saver)
    wait_for(lambda: server.focus() == window, 10, "the box takes the keyboard focus", saver)
    server.key("Return")
    wait_for(lambda: not [w for w in server.windows("sagelight") if w[3] < LEFT.width], 10,
             "Return closes the box", saver)


def destroyed_window(session):
    """A saver whose window another client destroys ends, and its lock with
    it: the next start shows a saver."""
    saver = session.start_shown("/s")
    session.helper().destroy(session.server.focus())
    saver.ends("its window was destroyed by another client")
    following = session.start_shown("/s")
    session.server.key("x")
    following.ends("a letter key")


def unmapped_window(session):
    """A saver whose window is unmapped shows it again, with the focus."""
    saver = session.start_shown("/s")
    server = session.server
    window = server.focus()
    server.xdotool("windowunmap", window)
    wait_for(lambda: "IsViewable" in server.run("xwininfo", "-id", window).stdout, 10,
             "the unmapped window shows again", saver)
    wait_for(lambda: server.focus() == window, 10, "the window shown again takes the focus",
             saver)
    wait_panel(server.screenshot, 10, "a panel shows", saver)
    server.key("x")
    saver.ends("a letter key after it showed again")


def lock_folders(session):
    """The lock's place follows from the user alone: sixteen starts at once,
    with the session's runtime folder, with none and with one that others
    may write, meet at one lock under the home that the password database
    names, and one saver runs. A link in place of that lock's folder stops
    a start with status 1 and a word on where and why."""
    shared = tempfile.mkdtemp(prefix="sagelight-shared-")
    try:
        os.chmod(shared, 0o1777)
        runtimes = (session.runtime_dir, None, shared, None)
        crowd = [session.start("/s", XDG_RUNTIME_DIR=runtimes[i % 4]) for i in range(16)]
        wait_for(lambda: sum(s.alive() for s in crowd) <= 1, 60,
                 "all but one of 16 savers with different runtime folders end")
        running = [s for s in crowd if s.alive()]
        check(len(running) == 1, "none of 16 savers runs")
        statuses = [s.process.returncode for s in crowd if s is not running[0]]
        check(statuses == [0] * 15, f"the others ended with {statuses}")
        session.ready(running[0])
        session.server.key("x")
        running[0].ends("a letter key")
        folder = os.path.join(session.home, ".local", "share", "sagelight")
        check(os.path.exists(os.path.join(folder, "sagelight.lock")),
              "the lock is not under the home")
        check(not os.listdir(shared), f"the saver left {os.listdir(shared)} in a shared folder")
        check(not os.listdir(session.runtime_dir), "the saver left a file in $XDG_RUNTIME_DIR")

        shutil.rmtree(folder)
        os.symlink(shared, folder)
        saver = session.start("/s")
        saver.ends("a start whose lock folder is a link", status=1)
        check(folder in saver.stderr() and "link" in saver.stderr(),
              f"the start said {saver.stderr()!r}")
    finally:
        shutil.rmtree(shared)


def no_home(session):
    """With neither HOME nor XDG_DATA_HOME and no runtime folder in
    /run/user, the lock is looked for under the home that the password
    database names (/nonexistent for "nobody"); for a user it has no entry
    for, there is none. Either way the start names the place and ends with
    status 1, rather than use a shared folder."""
    if os.geteuid() != 0 or shutil.which("setpriv") is None:
        raise SetupError("running as another user needs root and setpriv")
    home = subprocess.run(["getent", "passwd", "65534"], capture_output=True, text=True,
                          check=True).stdout.split(":")[5]
    for uid, place in ((65534, os.path.join(home, ".local/share/sagelight")),
                       (54321, "/run/user/54321")):
        if os.path.exists(f"/run/user/{uid}"):
            raise SetupError(f"/run/user/{uid} is there")
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin")}
        result = subprocess.run(
            ["setpriv", f"--reuid={uid}", f"--regid={uid}", "--clear-groups", session.binary],
            env=env, capture_output=True, text=True, timeout=60, check=False)
        check(result.returncode == 1 and place in result.stderr,
              f"user {uid}: status {result.returncode}, said {result.stderr.strip()!r}")


def hosted(session):
    """A screen-saver daemon makes a window and passes its id in
    $XSCREENSAVER_WINDOW: a start without /s paints nothing there; with /s
    the saver draws in it and nowhere else, leaves the input to the daemon,
    and ends quietly on SIGTERM or when the window is destroyed."""
    server = session.server
    grey_desktop(server)
    helper = session.helper()
    for ending in ("SIGTERM", "the host window destroyed"):
        host = helper.window("host", HOST)
        check(host is not None, "the host window did not show")
        session.start(XSCREENSAVER_WINDOW=str(host)).ends("a start without /s", within=60)
        check(server.screenshot().pixel(HOST.x + 5, HOST.y + 5) == HOST_BLUE,
              "a start without /s painted the host window")
        saver = session.start("/s", XSCREENSAVER_WINDOW=hex(host))
        _, shot = wait_panel(server.screenshot, 20, "a panel shows in the host", saver, HOST)
        keep(shot, "hosted-in-a-window")
        check(not server.windows("sagelight"), "the saver made a window of its own")
        children = server.run("xwininfo", "-children", "-id", str(host)).stdout
        check("273x169" in children, "the panel is no child of the host window")
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
    "primary_left": wide(primary_left),
    "primary_right": wide(primary_right),
    "no_primary": wide(no_primary),
    "openbox": wide(under("openbox", with_box=True)),
    "xfwm4": wide(under("xfwm4")),
    "icewm": wide(under("icewm")),
    "destroyed_window": destroyed_window,
    "unmapped_window": unmapped_window,
    "lock_folders": lock_folders,
    "no_home": no_home,
    "hosted": hosted,
}
