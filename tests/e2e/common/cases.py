"""The cases every backend runs: each takes a Session and raises Failure."""

import math
import os
import time

from e2e import (CENTRE, DARK, LIT, OVERSIZED_SIZE, ROOT, SCREEN, SEEDED_SIZE, TICK_SLACK,
                 Failure, Moment, Panel, Watch, check, check_panel, judge, measure, text_bands,
                 wait_for)

# A busy machine may hold the test up in a row; an attempt that can judge
# decides, so more attempts cost time only when the machine is slow.
ATTEMPTS = 5


def is_panel(shows):
    return isinstance(shows, Panel)


def into(changes, was, now):
    """Moments of the changes from `was` to `now` (predicates or what shows)."""
    def matches(shows, what):
        return what(shows) if callable(what) else shows == what

    return [moment for (before, _), (after, moment) in zip(changes, changes[1:])
            if matches(before, was) and matches(after, now)]


def conclusive(watch_once):
    """A case whose timed observation starts afresh only when a held-up test
    could not judge. The quote file goes after it: a later case may share
    the folder."""
    def case(session):
        try:
            for attempt in range(1, ATTEMPTS + 1):
                if watch_once(session):
                    return
                print(f"attempt {attempt}: the test was held up too long to judge; starting again")
                session.afresh()
            raise Failure(f"held up in all {ATTEMPTS} attempts: nothing could be judged")
        finally:
            remove_quote_file(session)
    return case


def remove_quote_file(session):
    if os.path.exists(session.quote_file):
        os.remove(session.quote_file)


@conclusive
def cycle(session):
    """From a seeding start: black for 1 s, then a saying for 17 s of every 20."""
    remove_quote_file(session)
    saver, watch = session.start_covering("/s")
    watch.until(lambda _: len(into(watch.changes(ROOT, DARK), is_panel, DARK)) >= 2, 55,
                "the second saying hides", saver)
    session.server.key("q")
    saver.ends("a letter key")
    check(saver.stderr() == "", f"the saver reported: {saver.stderr()}")

    changes = watch.changes(ROOT, DARK)
    for (was, _), (now, _) in zip(changes, changes[1:]):
        check(not (is_panel(was) and is_panel(now)), f"{was} became {now} while it showed")
    shows = [moment for now, moment in changes[1:] if is_panel(now)]
    hides = into(changes, is_panel, DARK)
    first = judge("from the covered screen to the first saying", changes[1][1], shows[0], 0.4,
                  1 + TICK_SLACK)
    showing = [judge(f"saying {i + 1} showing", shows[i], hides[i], 17 - TICK_SLACK,
                     17 + TICK_SLACK) for i in (0, 1)]
    period = [judge(f"from one {what} to the next", moments[0], moments[1], 20 - TICK_SLACK,
                    20 + TICK_SLACK) for what, moments in (("saying", shows), ("hiding", hides))]
    return first and any(showing) and any(period)


@conclusive
def tick_error(session):
    """Each tick 1 reports an overflowing quote count in a box that blocks
    input and ticks; after it the cycle goes on, missed ticks not made up,
    and the pointer position recorded before still counts."""
    os.makedirs(os.path.dirname(session.quote_file), exist_ok=True)
    with open(session.quote_file, "wb") as quotes:
        quotes.truncate(OVERSIZED_SIZE)
    server = session.server
    saver, watch = session.start_covering("/s")

    def boxes():
        return into(watch.changes(), DARK, LIT)

    watch.until(lambda _: boxes(), 5, "a message box shows", saver)
    # Open for some beats of the timer, so that ticks made up after it would
    # show.
    opened = time.monotonic()
    watch.follow(0.5)  # let it paint
    box = server.screenshot().lit_box()

    def input_while_open(what):
        server.key("a")
        saver.still_running(what)
        check(server.screenshot().lit_box() == box, f"the box did not stay after {what}")

    def close_box():
        watch.sample()  # the box's last sighting bounds when it closed
        server.key("Return")
        watch.until(lambda shows: shows == DARK, 10, "Return closes the box", saver)
        saver.still_running("closing the box")
        return watch.changes()[-1][1]

    input_while_open("a letter typed into the box")
    watch.follow(opened + 4.0 - time.monotonic())
    closed = close_box()
    recorded = CENTRE if session.records_at_show else (100, 100)
    if not session.records_at_show:
        server.move(*recorded)
        saver.still_running("the first pointer event, which only records")

    watch.until(lambda _: len(boxes()) >= 2, 25, "the next tick 1 shows a box", saver)
    first, second = boxes()[:2]
    # The tick pending when the box closed comes at once, and the next tick
    # 1 is the 19th after it: 19 s after the close when the timer starts its
    # beat anew there, 18 beats after the first beat past the close when it
    # keeps the beat that the first box showed. A tick made up or doubled
    # brings it a beat sooner, a pending tick lost a beat later.
    beats = math.ceil((closed.early + closed.late - first.early - first.late) / 2)
    kept = Moment(first.early + beats, first.late + beats)
    fits = [measure("to the next box from the first beat past the close", kept, second,
                    18 - TICK_SLACK, 18 + TICK_SLACK),
            measure("to the next box from the close", closed, second, 19 - TICK_SLACK,
                    19 + TICK_SLACK)]
    check(any(fit for fit, _ in fits), "the next box came neither 18 beats after the first "
          "beat past the close nor 19 s after the close: ticks were made up or lost")
    watch.follow(0.5)
    far = (SCREEN.width - 100, SCREEN.height - 100)
    server.move(*far)
    server.move(*recorded)
    input_while_open("pointer moves and a letter while the box is open")
    close_box()
    server.move(*far)
    saver.ends("a move away from the place recorded before the boxes")
    check(saver.stderr().count("Timer1_Error") <= 1, "standard error repeats the tick's error")
    return all(told for _, told in fits)


def typing(layout, quiet, ending):
    """On a keyboard `layout`, the `quiet` keys produce no character and
    leave the saver running; the `ending` one ends it."""
    def case(session):
        session.server.keyboard_layout(layout)
        saver, _ = session.start_covering("/s")
        session.server.key(*quiet)
        saver.still_running(f"the keys {quiet}")
        session.server.key(ending)
        saver.ends(ending)
    return case


def covering_with_panel(session):
    saver, watch = session.start_covering("/s")
    watch.until(is_panel, 5, "a panel shows", saver)
    watch.follow(0.3)  # let it paint
    return saver, check_panel(session.server.screenshot())


def record_pointer(session, saver, panel):
    """Where the saver's first pointer event has recorded the pointer."""
    if session.records_at_show:
        saver.still_running("showing the window under a still pointer")
        return CENTRE
    session.server.move(*SCREEN.background_point(panel))
    saver.still_running("the first pointer event, which only records")
    return SCREEN.background_point(panel)


def pointer(session):
    """After the recording event, a one-pixel move over the background ends."""
    saver, panel = covering_with_panel(session)
    x, y = recorded = record_pointer(session, saver, panel)
    if panel.contains(x, y):
        # The panel came up under the pointer: leave it for the background.
        target = (panel.left - 1, y) if panel.left > 0 else (panel.right + 1, y)
    else:
        target = next(p for p in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1))
                      if not panel.contains(*p))
    session.server.move(*target)
    saver.ends(f"a move over the background from {recorded} to {target}")


def panel_clicks(session):
    """The panel's drawn edges swallow the pointer; clicks off the saying end
    nothing, and keys still reach the window after them."""
    saver, panel = covering_with_panel(session)
    server = session.server
    if not panel.contains(*record_pointer(session, saver, panel)):
        server.click()
        saver.still_running("a click on the background")
    # The panel's first and last drawn columns and rows belong to it, however
    # its place in twips rounded to pixels.
    for x, y in ((panel.left, panel.top + 80), (panel.left + 100, panel.top),
                 (panel.right, panel.top + 80), (panel.left + 100, panel.bottom),
                 (panel.left + 1, panel.top + 80)):
        server.move(x, y)
        saver.still_running(f"a move onto the panel's edge at {x},{y}")
    server.click()
    saver.still_running("a click on the panel's frame")
    server.move(panel.caption[0] + 132, panel.caption[1] + 6)
    server.click()
    saver.still_running("a click on the caption strip")
    for dx, dy in ((0, 0), (120, 20), (200, 100), (10, 130)):
        server.move(panel.saying[0] + dx, panel.saying[1] + dy)
    saver.still_running("moves over the saying")
    check(server.screenshot().find_panel() == panel, "the panel moved or vanished")
    server.key("q")
    saver.ends("a letter typed after the clicks")


def saying_click(session):
    """Only a press and release both on the saying is a click that ends it."""
    saver, panel = covering_with_panel(session)
    server = session.server
    on_saying = (panel.saying[0] + 56, panel.saying[1] + 36)
    on_caption = (panel.caption[0] + 132, panel.caption[1] + 6)
    server.move(*on_saying)
    saver.still_running("a move onto the saying")
    server.press()
    saver.still_running("pressing the button on the saying")
    server.move(*on_caption)
    server.release()
    saver.still_running("releasing it over the caption strip")
    server.move(*on_saying)
    server.click()
    saver.ends("a click on the saying")


def command_lines(session):
    """Without "/s" nothing shows but the file is seeded; "x/sx" runs it."""
    for args in ((), ("/S",), ("/p", "1234"), ("/c:1234",)):
        remove_quote_file(session)
        session.start(*args).ends(f"starting with {args}", within=60)
        check(os.path.getsize(session.quote_file) == SEEDED_SIZE,
              f"starting with {args} did not seed the quote file")
        check(session.server.screenshot().shows_root(), f"starting with {args} left a window")
    saver, _ = session.start_covering("x/sx")
    session.server.key("space")
    saver.ends("the space bar")


def instances(session):
    """A start beside a running saver ends; of a crowd started together one
    seeds and runs."""
    first, _ = session.start_covering("/s")
    session.start("/s").ends("a start beside a running saver", within=60)
    check(first.alive(), "the first saver ended when a second started")
    session.server.key("a")
    first.ends("a letter")

    remove_quote_file(session)
    crowd = [session.start("/s") for _ in range(session.crowd)]
    wait_for(lambda: sum(s.alive() for s in crowd) <= 1, 60,
             f"all but one of {len(crowd)} savers started together end")
    running = [s for s in crowd if s.alive()]
    check(len(running) == 1, f"none of {len(crowd)} savers started together runs")
    statuses = [s.process.returncode for s in crowd if s is not running[0]]
    check(statuses == [0] * (len(crowd) - 1), f"the others ended with {statuses}")
    Watch(session.server).until(lambda shows: shows != ROOT, 60,
                                "the saver that runs covers the screen", running[0])
    session.ready(running[0])
    check(os.path.getsize(session.quote_file) == SEEDED_SIZE,
          f"the quote file holds {os.path.getsize(session.quote_file)} bytes")
    session.server.key("z")
    running[0].ends("a letter")


def lost_display(session):
    """A saver whose display goes away ends with a one-line report."""
    saver, _ = session.start_covering("/s")
    session.server.process.terminate()
    saver.ends("its display went away", status=2, within=10)
    line = f"Sagelight: lost the connection to the {session.server.NAME}\n"
    check(saver.stderr() == line, f"the saver reported {saver.stderr()!r}, not {line!r}")


def folder_for_quotes(session):
    """A folder in place of the quote file under a running saver: the next
    saying fails with a box above the saver, standard error names the folder
    in one line, a click on the box's OK closes it, and the saver takes keys
    again."""
    saver, watch = session.start_covering("/s")
    os.remove(session.quote_file)
    os.mkdir(session.quote_file)
    line = f"Sagelight: frmSaver.Timer1_Error: Path/File access error ({session.quote_file})\n"
    wait_for(saver.stderr, 30, "the failed tick writes to standard error", saver)
    check(saver.stderr() == line, f"standard error holds {saver.stderr()!r}, not {line!r}")
    watch.until(lambda shows: shows == LIT, 5, "a message box shows", saver)
    watch.follow(0.5)  # let it paint
    shot = session.server.screenshot()
    left, top, right, bottom = box = shot.lit_box()
    check(text_bands(shot, box) >= 3, f"the box at {box} shows no two lines and a button")
    # The OK button sits centred at the box's foot.
    session.server.move((left + right) // 2, bottom - 23)
    saver.still_running("a move onto the box")
    session.server.click()
    watch.until(lambda shows: shows == DARK, 3, "a click on OK closes the box", saver)
    saver.still_running("closing the box")
    session.server.key("q")
    saver.ends("a letter key after the box")


CASES = {
    "cycle": cycle,
    "tick_error": tick_error,
    "keys": typing("us", ["shift", "Left", "Up", "Right", "Down", "ctrl", "alt", "F1", "F5",
                          "Delete"], "Escape"),
    # Alt with a letter or digit types nothing; AltGr+Q types "@".
    "alt_keys": typing("de", ["alt+a", "alt+7"], "ISO_Level3_Shift+q"),
    "non_latin_key": typing("ru", ["shift"], "Cyrillic_ef"),
    "pointer": pointer,
    "panel": panel_clicks,
    "saying_click": saying_click,
    "command_lines": command_lines,
    "instances": instances,
}
