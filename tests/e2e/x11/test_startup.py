"""Starts that show no saver, and starts that meet a running one."""

import os
import resource
import shutil
import subprocess
import tempfile
import time

from harness import QUOTE_FILE_SIZE, Failure, Saver, XServer, check, run_cases


def without_switch_it_seeds_and_ends(server, binary):
    # No display at all: a start without the switch never needs one.
    saver = Saver(None, binary, args=(), display=False)
    try:
        check(saver.process.wait(10) == 0, "a start without /s did not end with status 0")
        check(os.path.getsize(saver.quote_file) == QUOTE_FILE_SIZE, "the quote file was not seeded")
        # With a display, other switches (the capital one too) show nothing
        # and leave the seeded file as it is.
        for args in (("/S",), ("/c", "/p"), ()):
            other = Saver(server, binary, args=args, data_home=saver.data_home)
            try:
                check(other.process.wait(10) == 0, f"{args} did not end with status 0")
            finally:
                other.stop()
        check(os.path.getsize(saver.quote_file) == QUOTE_FILE_SIZE, "the quote file changed")
    finally:
        saver.stop()


def switch_inside_a_word_runs_the_saver(server, binary):
    saver = Saver(server, binary, args=("x/sx",))
    try:
        saver.wait_for_window()
        server.key("space")
        saver.check_ends("the space bar")
    finally:
        saver.stop()


def no_display_for_the_saver_is_reported(server, binary):
    del server
    saver = Saver(None, binary, display=False)
    try:
        check(saver.process.wait(10) == 1, "a saver without a display did not end with status 1")
        report = saver.process.stderr.read().decode().strip().splitlines()
        check(len(report) == 1 and "run-time error" in report[0], f"unexpected report {report}")
    finally:
        saver.stop()


def a_file_size_limit_stops_seeding_with_a_report(server, binary):
    # The limit cuts the 205th record short. The child starts with the
    # limit's signal at its default, which kills the process, as from a shell.
    del server
    scratch = tempfile.mkdtemp(prefix="sagelight-e2e-")
    try:
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(scratch, "data"),
                   XDG_RUNTIME_DIR=os.path.join(scratch, "run"))
        env.pop("DISPLAY", None)
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        limit = 40 * 1024

        def limit_file_size():
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

        result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=30,
                                preexec_fn=limit_file_size, check=False)
        check(result.returncode == 1, f"the start ended with status {result.returncode} "
              f"(negative: killed by a signal): {result.stderr.strip()}")
        quote_file = os.path.join(env["XDG_DATA_HOME"], "sagelight", "drive_c", "windows",
                                  "system", "Sagelight.quo")
        expected = f"Sagelight: run-time error 61: Disk full ({quote_file})\n"
        check(result.stderr == expected, f"reported {result.stderr!r}, not {expected!r}")
        size = os.path.getsize(quote_file)
        check(size == limit // 200 * 200, f"the quote file holds {size} bytes, not whole records")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def a_lost_server_ends_the_saver(server, binary):
    del server  # this case kills its own
    own = XServer()
    saver = Saver(own, binary)
    try:
        saver.wait_for_window()
        # Terminated rather than killed, so the server removes its lock file
        # and leaves no stale display behind for servers started later.
        own.process.terminate()
        try:
            status = saver.process.wait(3)
        except subprocess.TimeoutExpired:
            raise Failure("the saver still runs without its X server") from None
        check(status == 2, f"the saver ended with status {status}")
        report = saver.process.stderr.read().decode().strip().splitlines()
        check(len(report) == 1, f"unexpected report {report}")
    finally:
        saver.stop()
        own.close()


def sixteen_at_once_run_one_saver(server, binary):
    first = Saver(server, binary)
    others = []
    try:
        # All of them share the data and runtime folders, as starts by one
        # user do; the quote file does not exist yet.
        others = [Saver(server, binary, data_home=first.data_home,
                        runtime_dir=first.runtime_dir) for _ in range(15)]
        everyone = [first, *others]
        deadline = time.monotonic() + 5.0
        while sum(s.alive() for s in everyone) > 1 and time.monotonic() < deadline:
            time.sleep(0.05)
        running = [s for s in everyone if s.alive()]
        check(len(running) == 1, f"{len(running)} of 16 savers run")
        statuses = [s.process.returncode for s in everyone if s is not running[0]]
        check(statuses == [0] * 15, f"the others ended with {statuses}")
        running[0].wait_for_window()
        time.sleep(0.3)  # a second window would have shown by now
        check(len(server.saver_windows()) == 1, "more than one saver window")
        check(os.path.getsize(first.quote_file) == QUOTE_FILE_SIZE,
              f"the quote file holds {os.path.getsize(first.quote_file)} bytes")
        server.key("z")
        running[0].check_ends("a letter key")
    finally:
        for saver in [first, *others]:
            saver.stop()


if __name__ == "__main__":
    run_cases([
        ("a start without /s seeds the quote file and ends", without_switch_it_seeds_and_ends),
        ("/s inside a word runs the saver", switch_inside_a_word_runs_the_saver),
        ("a saver without a display is reported", no_display_for_the_saver_is_reported),
        ("a file-size limit stops the seeding with a report",
         a_file_size_limit_stops_seeding_with_a_report),
        ("a saver whose X server goes away ends", a_lost_server_ends_the_saver),
        ("of sixteen started at once one saver runs", sixteen_at_once_run_one_saver),
    ])
