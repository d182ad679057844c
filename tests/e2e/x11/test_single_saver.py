"""One saver at a time, and never one that nobody can reach: a saver whose
window another client destroys ends, so the next start runs; one whose
window is unmapped shows itself again; the single-instance lock holds
whatever the environment says, and the quote file never lands in a
shared folder.

    test_single_saver.py SAGELIGHT"""

import os
import shutil
import subprocess
import tempfile
import time

from desktop import poll, run, viewable
from harness import Failure, Saver, check


def a_destroyed_window_ends_the_saver(server, binary, helper):
    saver = Saver(server, binary)
    following = None
    try:
        saver.wait_for_window()
        window = int(server.saver_windows()[0][0], 16)
        helper.destroy(server, window)
        saver.check_ends("its window was destroyed by another client", within=5.0)
        # The lock went with it: the next start shows a saver.
        following = Saver(server, binary, data_home=saver.data_home,
                          runtime_dir=saver.runtime_dir)
        following.wait_for_window()
        server.key("x")
        following.check_ends("a letter key")
    finally:
        saver.stop()
        if following:
            following.stop()


def an_unmapped_window_shows_again(server, binary, helper):
    del helper
    saver = Saver(server, binary)
    try:
        saver.wait_for_window()
        window = int(server.saver_windows()[0][0], 16)
        server.xdotool("windowunmap", str(window))
        poll(lambda: viewable(server, window), "the unmapped window did not show again")
        poll(lambda: server.run("xdotool", "getwindowfocus").stdout.strip() == str(window),
             "the window shown again did not take the focus back")
        saver.wait_for_panel(within=6.0)
        server.key("x")
        saver.check_ends("a letter key after it showed again")
    finally:
        saver.stop()


def sixteen_starts(server, binary, runtime_dir):
    """Starts 16 savers at once, sharing one data folder, with
    XDG_RUNTIME_DIR set to `runtime_dir` (None: unset). Exactly one may
    run; it is dismissed. Returns the data folder."""
    scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
    env = server.env(XDG_DATA_HOME=os.path.join(scratch, "data"))
    env.pop("XDG_RUNTIME_DIR", None)
    if runtime_dir:
        env["XDG_RUNTIME_DIR"] = runtime_dir
    starts = [subprocess.Popen([binary, "/s"], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE) for _ in range(16)]
    try:
        deadline = time.monotonic() + 20
        while sum(p.poll() is None for p in starts) > 1 and time.monotonic() < deadline:
            time.sleep(0.05)
        running = [p for p in starts if p.poll() is None]
        check(len(running) == 1, f"{len(running)} of 16 savers run")
        others = [p.returncode for p in starts if p is not running[0]]
        check(others == [0] * 15, f"the others ended with {others}")
        poll(lambda: len(server.saver_windows()) == 1, "the one saver shows no window", 10)
        server.key("x")
        running[0].wait(5)
        return scratch
    except subprocess.TimeoutExpired:
        raise Failure("the saver did not end on a key") from None
    finally:
        for process in starts:
            if process.poll() is None:
                process.kill()
            process.wait()


def the_lock_holds_without_a_private_runtime_folder(server, binary, helper):
    del helper
    # Unset: the lock moves to the user's own data folder.
    scratch = sixteen_starts(server, binary, None)
    lock = os.path.join(scratch, "data", "sagelight", "sagelight.lock")
    check(os.path.exists(lock), "the lock is not in the user's data folder")
    shutil.rmtree(scratch)
    # A folder that others may write is no place for it either.
    shared = tempfile.mkdtemp(prefix="sagelight-shared-")
    try:
        os.chmod(shared, 0o1777)
        shutil.rmtree(sixteen_starts(server, binary, shared))
        check(not os.listdir(shared), f"the saver left {os.listdir(shared)} in a shared folder")
    finally:
        shutil.rmtree(shared)


def without_home_the_system_names_it(server, binary, helper):
    # The user "nobody" has the home /nonexistent in the password database:
    # with neither HOME nor XDG_DATA_HOME set, the quote file is looked for
    # there, and the start fails on it rather than use a shared folder.
    del server, helper
    if os.geteuid() != 0 or shutil.which("setpriv") is None:
        print("  (needs root and setpriv to run as another user)")
        return
    runtime = tempfile.mkdtemp(prefix="sagelight-run-")
    try:
        os.chown(runtime, 65534, 65534)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": runtime}
        result = subprocess.run(
            ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", binary],
            env=env, capture_output=True, text=True, timeout=30, check=False)
        home = subprocess.run(["getent", "passwd", "65534"], capture_output=True, text=True,
                              check=True).stdout.split(":")[5]
        expected = os.path.join(home, ".local/share/sagelight/drive_c/windows/system/Sagelight.quo")
        check(result.returncode == 1 and f"({expected})" in result.stderr,
              f"status {result.returncode}, said {result.stderr.strip()!r}")
    finally:
        shutil.rmtree(runtime)


if __name__ == "__main__":
    run([
        ("a window destroyed by another client ends the saver", a_destroyed_window_ends_the_saver),
        ("an unmapped window shows itself again", an_unmapped_window_shows_again),
        ("the lock holds without a private runtime folder",
         the_lock_holds_without_a_private_runtime_folder),
        ("without HOME the quote file lies in the home the system names",
         without_home_the_system_names_it),
    ])
