"""A game in progress kept through what a browser does to a page, in a tab of its own: a freeze of
twenty seconds, after which the stopwatch has counted them, and a reload, after which the board,
the counters, the frame and the panel are as they were; a closed tab's game is gone from the next
tab. The game's kept text is read from the tab's session storage, where the page keeps it."""

import time

from driver.checks import check, step, wait_until
from driver.client_area import panel_shown
from driver.page_window import PageWindow, freeze_clock

FROZEN_FOR = 20  # seconds


def kept(browser):
    """The kept game's fields by name, None when the tab keeps none."""
    text = browser.evaluate("sessionStorage.getItem('varn-game')")
    return dict(field.split("=", 1) for field in text.split()) if text else None


def changed(window, what, act):
    """Acts, and waits until the window shows a change."""
    before = window.board().rgb
    act()
    wait_until(what, lambda: window.board().rgb != before, 5)


def seconds(browser):
    return int((kept(browser) or {"seconds": -1})["seconds"])


def kept_game_pass(browser, page):
    browser.new_tab()
    freeze_clock(browser)
    window = PageWindow.load(browser, page)
    fresh = window.board().rgb
    step("a game: a cell opened, a flag set, the frame moved by a key, the panel opened")
    changed(window, "a left press on cell 1", lambda: window.press(1))
    changed(window, "a right press on cell 9", lambda: window.press(9, 3))
    changed(window, "the frame on cell 10", lambda: window.keys("Down"))
    window.keys("F3")
    wait_until("the panel after F3", lambda: panel_shown(window.board()), 5)

    step(f"the page frozen for {FROZEN_FOR} s and woken: the stopwatch has counted those seconds")
    before = wait_until("a second counted", lambda: max(seconds(browser), 0), 5)
    since = time.monotonic()
    browser.send("Page.setWebLifecycleState", state="frozen")
    time.sleep(FROZEN_FOR)
    browser.send("Page.setWebLifecycleState", state="active")
    # The player comes back to the tab, which the freeze left hidden, and which DevTools shows
    # again, drawing, as a focused page.
    browser.send("Emulation.setFocusEmulationEnabled", enabled=True)
    after = wait_until(f"the stopwatch {FROZEN_FOR} s on from {before}",
                       lambda: seconds(browser) >= before + FROZEN_FOR and seconds(browser), 5)
    check(after <= before + time.monotonic() - since + 1,
          f"{after} s on the stopwatch, {time.monotonic() - since:.1f} s after {before}")

    step("a reload brings back the same board, counters, frame and panel")
    # The page's clock stands from here; the reloaded page's starts again at its fixed instant,
    # seconds behind the game's first press, so the stopwatch stands while they are compared.
    browser.evaluate("varnClockStands()")
    time.sleep(0.5)
    shown, text = window.board().rgb, kept(browser)
    window = PageWindow.load(browser, page)
    check(window.board().rgb == shown, "the reloaded page shows another game than before")
    check(kept(browser) == text, f"the reloaded page keeps {kept(browser)}, not {text}")

    step("a closed tab's game does not come back in a new tab")
    browser.close_tab()
    browser.new_tab()
    freeze_clock(browser)
    window = PageWindow.load(browser, page)
    check(window.board().rgb == fresh and kept(browser) is None,
          "a new tab brought back the closed tab's game")
