#!/usr/bin/env python3
"""The web build served from 127.0.0.1 and played in headless Chromium as a player plays it: the
window centred at its own size, F1's rules, a game opened cell by cell, a game won by reading the
numbers with a Cyrillic name pasted, a second tab's result with a name typed joining it, the panel after a reload,
and Выход. The page's clock stands at the same instant at every load, which hides the same foxes;
nothing may be fetched from elsewhere. Then the same page on a phone (phone_pass.py)."""

import argparse
import os
import re
import subprocess
import sys
import time
import types

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from board_reader import CLIENT_HEIGHT, CLIENT_WIDTH, ORIGIN, PITCH  # noqa: E402
from devtools import Browser  # noqa: E402
from game_window import END_TITLE, NAME_TITLE, GameWindow  # noqa: E402
from phone_pass import phone_pass  # noqa: E402
from play_test import NAME, Play, add_source_options, check, step  # noqa: E402
from x_session import Failure, die_with_parent, wait_until  # noqa: E402

NAMES_LEFT, NAMES_WIDTH = 40, 100  # where the names lie in the panel's table
# A laptop's page: the rules box, the tallest, fits it without folding a line.
PAGE = (1280, 800)
TITLE_BAR = (48, 140, 198)  # Qt in a page draws every window's title bar in this colour
# The page's clock stands at a fixed instant while the page loads, so that every load hides the
# same foxes, and runs once the board is drawn, so that each file saved later is newer than the
# last, as the browser's storage needs to see that it changed.
FROZEN_CLOCK = """(() => {
    const start = 1767225600000;
    let runningSince = null;
    const now = () => runningSince === null ? start
        : start + Math.floor(performance.now() - runningSince);
    const RealDate = Date;
    class FrozenDate extends RealDate {
        constructor(...given) { if (given.length) super(...given); else super(now()); }
        static now() { return now(); }
    }
    Date = FrozenDate;
    window.varnClockRuns = () => { runningSince = performance.now(); };
})();"""
# The names the tests' key lists use, as the browser reports them: key, code and text.
KEYS = {"Return": ("Enter", "Enter", "\r"), "Escape": ("Escape", "Escape", None),
        "Down": ("ArrowDown", "ArrowDown", None)}


class PageServer:
    """The build's folder over HTTP on 127.0.0.1, on a port of its own, served by a process of its
    own: the test's own work does not slow the page's loading."""

    def __init__(self, folder):
        self._process = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory",
             folder, "0"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
            preexec_fn=die_with_parent)
        port = re.search(r" port (\d+)", self._process.stdout.readline()).group(1)
        self.origin = f"http://127.0.0.1:{port}/"

    def stop(self):
        self._process.kill()
        self._process.wait()


def grid_corner(picture):
    """The top left corner of the board's grid: black lines every 32 pixels both ways."""
    black = (0, 0, 0)
    row_length = 3 * picture.width
    for y in range(picture.height - 10 * PITCH):
        at = row_length * y
        while (at := picture.rgb.find(b"\0\0\0", at, row_length * (y + 1))) >= 0:
            x = at % row_length // 3
            if (at % 3 == 0 and x + 10 * PITCH < picture.width
                    and all(picture.pixel(x + PITCH * k, y + 1) == black
                            and picture.pixel(x + 1, y + PITCH * k) == black
                            for k in range(11))):
                return x, y
            at += 1
    return None


class PageWindow(GameWindow):
    """The game's window in the page, seen and pressed as the desktop tests' window is. A box's
    title is drawn, not told: boxes are told apart by where their title bars lie."""

    def __init__(self, browser):
        self.browser = browser

        # Settled once two looks in a row find the board in the same place under a title bar:
        # the window may be moved to the centre after its first frame.
        last = [None]

        def settled():
            whole = browser.picture(0, 0, *PAGE)
            corner = grid_corner(whole)
            steady = corner is not None and corner == last[0]
            last[0] = corner
            if not steady:
                return None
            left = corner[0] - ORIGIN + 100
            title = next((y for y in range(1, corner[1]) if whole.pixel(left, y) == TITLE_BAR),
                         None)
            return title and (corner, (left, title))
        corner, self.title_bar = wait_until("the window to be drawn in its place", settled, 30,
                                            0.1)
        self.left, self.top = corner[0] - ORIGIN, corner[1] - ORIGIN
        self._boxes = {}  # a box's title -> where its title bar lay when it was found

    def board(self):
        return self.browser.picture(self.left, self.top, CLIENT_WIDTH, CLIENT_HEIGHT)

    def click(self, x, y, button=1):
        self.browser.click(self.left + x, self.top + y, {1: "left", 3: "right"}[button])

    def keys(self, *keys):
        """Keys to the window or box in front: unlike the desktop tests, no press on the window
        first, as a keyboard player's keys must reach it once a box has closed."""
        for key in keys:
            self.browser.key(*KEYS.get(key, (key, key, None)))

    def type(self, text):
        for letter in text:
            self.browser.key(letter, "", letter)

    def active_box(self):
        """The row and ends of the title bar of a box in front, found down the page's middle
        column; None while no box is open."""
        picture, x = self.browser.picture(0, 0, *PAGE), PAGE[0] // 2
        for y in range(1, picture.height):
            if (y != self.title_bar[1] and picture.pixel(x, y) == TITLE_BAR
                    and picture.pixel(x, y - 1) != TITLE_BAR):
                left = next(i for i in range(x, 0, -1) if picture.pixel(i - 1, y) != TITLE_BAR)
                right = next(i for i in range(x, PAGE[0]) if picture.pixel(i, y) != TITLE_BAR)
                return y, left, right
        return None

    def dialog(self, title):
        bar = self.active_box()
        if bar and self._boxes.setdefault(title, bar) != bar:
            return None
        return bar

    def answer(self, title, *keys):
        self.wait_window(title)
        self.keys(*keys)
        self.wait_gone(title)

    def wait_window(self, title, timeout=10):
        return wait_until(f'the box "{title}"', lambda: self.dialog(title), timeout, 0.05)

    def wait_gone(self, title, timeout=5):
        wait_until(f'the box "{title}" to close', lambda: not self.dialog(title), timeout, 0.05)


class PageSession:
    """What the desktop tests ask of their X session, for the page: a box is known by title."""

    def __init__(self, window):
        self.window = window
        self.wait_window = window.wait_window
        self.wait_gone = window.wait_gone
        self.find_window = window.dialog

    def keys(self, box, *keys):
        self.window.keys(*keys)

    def paste(self, box, text):
        """Through the browser's clipboard and its paste, as Ctrl+V pastes."""
        browser = self.window.browser
        browser.evaluate(f"navigator.clipboard.writeText({text!r})")
        for kind in ("rawKeyDown", "keyUp"):
            browser.send("Input.dispatchKeyEvent", type=kind, key="v", code="KeyV", modifiers=2,
                         windowsVirtualKeyCode=86, commands=["paste"] if kind == "rawKeyDown" else [])


def names(table):
    """The pictures of the names in the panel's table, top to bottom, each cut to its band of
    ink: the empty rows show none."""
    area = table.crop(NAMES_LEFT, 0, NAMES_WIDTH, table.height)
    found, top = [], None
    for y in range(area.height + 1):
        inked = y < area.height and any(max(area.pixel(x, y)) < 96 for x in range(area.width))
        if inked and top is None:
            top = y
        elif not inked and top is not None:
            found.append(area.crop(0, top, area.width, y - top).rgb)
            top = None
    return found


def open_page(browser, server):
    started = time.monotonic()
    browser.open(server.origin + "index.html")
    window = PageWindow(browser)
    browser.evaluate("window.varnClockRuns && varnClockRuns()")
    step(f"the board drawn {time.monotonic() - started:.2f} s after the page was opened")
    return window


def check_centred(window):
    step("the window is centred in the page at its own size, under its title bar")
    middle = window.left + CLIENT_WIDTH / 2
    check(abs(middle - PAGE[0] / 2) <= 6,
          f"the window's middle is at {middle}, the page's at {PAGE[0] / 2}")


def check_rules(window, help_file):
    step("F1 shows every line of Varn.hlp in a box of its own; Enter closes it")
    window.keys("F1")
    y, left, right = window.wait_window("Правила игры")
    below = window.browser.picture(left, y, right - left, PAGE[1] - y)
    with open(help_file, encoding="cp1251") as rules:
        printed = sum(1 for line in rules.read().splitlines() if line.strip())
    written = below.crop(4, 30, below.width - 8, below.height - 30).text_rows()
    check(written >= printed, f"the rules box shows {written} rows of text, but Varn.hlp has "
          f"{printed} lines that are not blank")
    window.keys("Return")
    window.wait_gone("Правила игры")


def check_exit(window, browser):
    step("Файл, Выход ends the game, and the page says so and offers to start again")
    window.click(20, -9)
    time.sleep(0.3)
    window.keys("Down", "Return")
    said = wait_until("the page to say the game has ended", lambda: browser.evaluate(
        "document.getElementById('message').hidden ? '' : "
        "document.getElementById('message').textContent"), 5, 0.1)
    check("Игра закончена" in said and "Начать снова" in said, f"the page says {said!r}")


def fetched_elsewhere(browser, origin):
    return sorted({params["request"]["url"] for method, params in browser.events
                   if method == "Network.requestWillBeSent"
                   and not params["request"]["url"].startswith((origin, "data:", "blob:"))})


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--page", required=True, help="the web build's folder")
    add_source_options(options)
    arguments = options.parse_args()

    server = PageServer(arguments.page)
    browser = Browser(*PAGE)
    started = time.monotonic()
    try:
        browser.send("Page.addScriptToEvaluateOnNewDocument", source=FROZEN_CLOCK)
        browser.call("Browser.grantPermissions", origin=server.origin.rstrip("/"),
                     permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        window = open_page(browser, server)
        check_centred(window)
        session = PageSession(window)
        play = Play(session, arguments, ("", "", ""), types.SimpleNamespace(wine=False))
        play.window = window
        play.learn_empty_board()
        check_rules(window, arguments.help_file)
        play.panel()
        play.flags()
        foxes = play.calibration()
        first_tab = browser.new_tab()
        browser.send("Page.addScriptToEvaluateOnNewDocument", source=FROZEN_CLOCK)
        other_window = open_page(browser, server)
        other_tab = browser.switch_to(first_tab)
        play.good_game()
        check(len(names(play.table_with_entry)) == 1, "the table does not hold the one result")
        step("another tab, open since before that game, opens in its second game the foxes of "
             "this tab's second; its result, with the same name typed, joins the one this tab "
             "stored")
        browser.switch_to(other_tab)
        other_window.keys("F2")  # its second game, as the calibration was this tab's
        for fox in sorted(foxes):
            other_window.press(fox)
        other_window.answer(END_TITLE, "Return")
        other_window.wait_window(NAME_TITLE)
        other_window.type(NAME)
        other_window.keys("Return")
        board = wait_until("the panel after the name in the other tab",
                           lambda: other_window.panel_shown() and other_window.board(), 5)
        table = other_window.text_box(board)
        shown = names(table)
        check(len(shown) == 2 and shown[0] == shown[1],
              f"the other tab's table holds {len(shown)} results, not two of the same name")
        browser.switch_to(first_tab)
        play.table_with_entry = table
        step("the first tab reloaded shows the table of both under F3")
        window = open_page(browser, server)
        play.window = session.window = window
        window.keys("F3")
        board = play.wait_for_board("the panel after F3", window.panel_shown)
        check(window.text_box(board).rgb == play.table_with_entry.rgb,
              "the panel after a reload differs from the table the other tab showed")
        play.close_panel()
        check_exit(window, browser)
        elsewhere = fetched_elsewhere(browser, server.origin)
        check(not elsewhere, f"the page fetched from elsewhere: {elsewhere}")
        phone_pass(server, FROZEN_CLOCK, foxes)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        picture = os.path.abspath("web_failure.png")
        browser.picture(0, 0, *PAGE).save_png(picture)
        print(f"the page at the failure: {picture}", file=sys.stderr)
        return 1
    finally:
        browser.stop()
        server.stop()
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
