#!/usr/bin/env python3
"""How long Sagelight.scr /s takes under Wine until its black window covers
the screen, and how big the program files are.

Usage: startup_time.py [--scr PATH] [--prefix DIR] [--runs N] [--also PATH...]

The program files default to those scripts/dist.sh builds: the 64-bit twin
that Wine here can run, and beside it the 32-bit program users install.

The prefix is made first (or reused when --prefix names a ready one) and one
run warms it up, so the figures leave out Wine's own first start. The quote
file exists in the measured runs; the first run of all, which seeds it, is
reported on its own. Runs are timed with the wineserver still running from
the run before, and with a wineserver that each run starts anew. Time is taken from starting the Wine loader to the first
screenshot that is black from edge to edge, so each figure includes Wine's
process start and is late by at most one polling interval, which is reported
too. A measurement, not a test: it asserts nothing.
"""

import argparse
import os
import statistics
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e", "wine"))

import wine_e2e as w  # noqa: E402


def time_to_black(session):
    """Seconds from start to a black screen, and the mean polling interval."""
    started = time.monotonic()
    saver = session.start("/s")
    polls = 0
    try:
        while True:
            polls += 1
            if session.server.screenshot().is_black():
                elapsed = time.monotonic() - started
                return elapsed, elapsed / polls
            if not saver.alive() or time.monotonic() - started > 60:
                raise RuntimeError("the saver did not cover the screen: " + saver.stderr())
            time.sleep(0.005)
    finally:
        session.server.key("a")
        if saver.wait(20) is None:
            saver.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scr", default=os.environ.get(
        "SAGELIGHT_SCR", os.path.join(ROOT, "build", "mingw-x86_64", "startup", "Sagelight.scr")))
    parser.add_argument("--prefix", help="a Wine prefix to make or reuse (default: a new one)")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--also", nargs="*", default=[os.path.join(
        ROOT, "build", "dist", "Sagelight.scr")],
        help="more program files whose size to report")
    options = parser.parse_args()

    if not os.path.isfile(options.scr):
        print("no Sagelight.scr at %s: run scripts/dist.sh first" % options.scr, file=sys.stderr)
        return 1
    os.environ["SAGELIGHT_SCR"] = os.path.abspath(options.scr)
    for path in [options.scr] + options.also:
        if os.path.isfile(path):
            print("size %8d bytes  %s" % (os.path.getsize(path), os.path.relpath(path, ROOT)))

    with tempfile.TemporaryDirectory(prefix="sagelight-bench-") as scratch:
        prefix = options.prefix or os.path.join(scratch, "prefix")
        w.prepare_prefix(prefix)
        session = w.WineSession(prefix)
        try:
            if os.path.exists(session.quote_file):
                os.remove(session.quote_file)
            first, _ = time_to_black(session)
            print("first start, Wine starting and the quote file seeded: %.2f s" % first)
            intervals = []
            for fresh_server in (False, True):
                samples = []
                for _ in range(options.runs):
                    if fresh_server:
                        w.stop_wine(prefix)
                    elapsed, interval = time_to_black(session)
                    samples.append(elapsed)
                    intervals.append(interval)
                print("warm prefix, file present, wineserver %s, %d runs: "
                      "median %.2f s, min %.2f s, max %.2f s"
                      % ("started anew" if fresh_server else "running", len(samples),
                         statistics.median(samples), min(samples), max(samples)))
            print("polling interval about %.3f s" % statistics.mean(intervals))
        finally:
            session.close()
        if not options.prefix:
            w.remove_prefix(prefix)
    return 0


if __name__ == "__main__":
    sys.exit(main())
