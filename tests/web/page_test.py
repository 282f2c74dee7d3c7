#!/usr/bin/env python3
"""The web build served from 127.0.0.1 and played in headless Chromium as a player plays it, by
the desktop's game player: the first screen's picture before the program has loaded, where the
window then lands, the window in its own colours in a dark browser, centred at its own size, F1's
rules, a game opened cell by cell, a game won by reading the numbers with a Cyrillic name pasted,
a second tab's result with a name typed joining it, the panel after a reload, and Выход; a game
kept through a freeze and a reload, and not past its tab (kept_game.py). The page's clock stands
at the same instant at every load, which hides the same foxes; nothing may be fetched from
elsewhere. Then the same page on a phone (phone_pass.py)."""

import argparse
import sys
import time

from driver.checks import check, run, step
from driver.chromium import Browser
from driver.client_area import CLIENT_WIDTH, ORIGIN, PITCH
from driver.page_server import PageServer
from driver.page_window import PageWindow, freeze_clock
from driver.player import NAME, Player, add_picture_options
from first_screen import check_taken_over, first_screen
from kept_game import kept_game_pass
from phone_pass import phone_pass

NAMES_LEFT, NAMES_WIDTH = 40, 100  # where the names lie in the panel's table
# A laptop's page: the rules box, the tallest, fits it without folding a line.
PAGE = (1280, 800)


def names(table):
    """The pictures of the names in the panel's table, top to bottom, each cut to its band of
    ink: the empty rows show none."""
    area = table.crop(NAMES_LEFT, 0, NAMES_WIDTH, table.height)
    return [area.crop(0, top, area.width, bottom - top).rgb for top, bottom in area.ink_bands()]


def fetched_elsewhere(browser, origin):
    return sorted({params["request"]["url"] for method, params in browser.events
                   if method == "Network.requestWillBeSent"
                   and not params["request"]["url"].startswith((origin, "data:", "blob:"))})


def dark_scheme(browser, window):
    """A browser turned to a dark colour scheme, as a player's system may turn it at dusk: the
    window keeps its colours for the seconds that follow."""
    step("the window keeps its colours when the browser turns to a dark colour scheme")
    light = window.picture().rgb
    browser.send("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": "dark"}])
    deadline = time.monotonic() + 2
    while time.monotonic() < deadline:
        check(window.picture().rgb == light, "a dark colour scheme changed the window's colours")
    browser.send("Emulation.setEmulatedMedia", features=[])


def laptop_pass(server, arguments):
    """The page at a laptop's size, by mouse and keys; returns the foxes its clock hides."""
    with Browser(*PAGE) as browser:
        freeze_clock(browser)
        browser.call("Browser.grantPermissions", origin=server.origin.rstrip("/"),
                     permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        player = Player(lambda: PageWindow.load(browser, server.page), arguments.fox,
                        arguments.flag)
        picture = first_screen(browser, server.page)
        player.start()
        check_taken_over(player.window, *picture)
        dark_scheme(browser, player.window)
        step("the window is centred in the page at its own size, under its title bar")
        middle = player.window.left + CLIENT_WIDTH / 2
        check(abs(middle - PAGE[0] / 2) <= 6,
              f"the window's middle is at {middle}, the page's at {PAGE[0] / 2}")
        board = player.empty_board
        check(all(board.pixel(ORIGIN + PITCH * k, ORIGIN + 1) == board.pixel(
            ORIGIN + 1, ORIGIN + PITCH * k) == (0, 0, 0) for k in range(11)),
            "the board's grid lines are not 32 pixels apart below the title bar")
        player.learn_empty_board()
        player.rules(arguments.help_file)
        player.panel()
        player.flags()
        foxes = player.calibration()
        first_tab = browser.new_tab()
        freeze_clock(browser)
        other = Player(lambda: PageWindow.load(browser, server.page))
        other.start()
        other_tab = browser.switch_to(first_tab)
        player.good_game()
        check(len(names(player.table_with_entry)) == 1, "the table does not hold the one result")
        step("another tab, open since before that game, opens in its second game the foxes of "
             "this tab's second; its result, with the same name typed, joins the one this tab "
             "stored")
        browser.switch_to(other_tab)
        other.window.new_game()  # its second game, as the calibration was this tab's
        player.table_with_entry = other.known_game(foxes, NAME)
        shown = names(player.table_with_entry)
        check(len(shown) == 2 and shown[0] == shown[1],
              f"the other tab's table holds {len(shown)} results, not two of the same name")
        browser.switch_to(first_tab)
        player.restart()
        kept_game_pass(browser, server.page)
        elsewhere = fetched_elsewhere(browser, server.origin)
        check(not elsewhere, f"the page fetched from elsewhere: {elsewhere}")
        return foxes


def test(arguments):
    with PageServer(arguments.page) as server:
        phone_pass(server.page, laptop_pass(server, arguments))


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--page", required=True, help="the web build's folder")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    add_picture_options(options)
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
