"""The page on a phone, in a fresh profile: Chromium emulating a 390 × 844 screen at pixel ratio 3,
touch only, with an Android browser's name, so that Qt writes through the phone's keyboard. The
window must fit the screen; a tap opens, a long press flags, a game is won and named by touch, and
a reload with the network off starts the game from the service worker's files."""

import time

from driver.checks import check, step, wait_until
from driver.chromium import Browser
from driver.client_area import (CLIENT_HEIGHT, CLIENT_WIDTH, cell_centre, cell_picture,
                                panel_shown, text_box)
from driver.page_window import PageWindow, freeze_clock
from driver.player import NAME, Player
from driver.titles import NAME_TITLE

from crisp_lines import check_as_whole_repaint
from first_screen import check_taken_over, first_screen

ANDROID = ("Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0 Mobile Safari/537.36")
FLAG_RED = (0xE0, 0x10, 0x10)
# What a finger touches in the client area: the "Игра" menu and its items, and in the boxes,
# centred on the window, their buttons and the name's field.
GAME_MENU, NEW_GAME, BEST_RESULTS = (60, -9), (100, 11), (100, 33)
END_BOX_OK, NAME_FIELD, NAME_OK = ((CLIENT_WIDTH // 2 + x, CLIENT_HEIGHT // 2 + y)
                                   for x, y in ((23, 2), (0, -14), (0, 14)))


class Phone(PageWindow):
    """The page's window under a finger: a tap for a press, a long press for the right button,
    the menus and boxes touched."""

    def touch(self, x, y, until=None):
        """A finger at a point of the client area, lifted at once or once until() holds."""
        at = {"x": self.left + x, "y": self.top + y}
        self.browser.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[at])
        if until:
            wait_until("the long press to be taken", until, 5, 0.05)
        self.browser.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        time.sleep(0.2)

    def click(self, x, y):
        self.touch(x, y)

    def press(self, cell, button=1):
        """A tap, or for the right button a long press, whose flag shows while the finger stays."""
        def flagged():
            return FLAG_RED in cell_picture(self.board(), cell).colours()
        self.touch(*cell_centre(cell), until=flagged if button == 3 else None)

    def menu(self, item):
        self.touch(*GAME_MENU)
        self.touch(*item)

    def new_game(self):
        self.menu(NEW_GAME)

    def answer(self, title):
        """By the OK button of the end box, the one box a finger answers here."""
        self.wait_box(title)
        self.touch(*END_BOX_OK)
        self.wait_gone(title)

    def type_name(self, name):
        """On the phone's keyboard, which Qt's field opens when touched."""
        self.touch(*NAME_FIELD)
        wait_until("the phone's keyboard", lambda: self.browser.evaluate(
            "document.activeElement.tagName == 'INPUT'"), 5)
        for letter in name:
            self.browser.send("Input.insertText", text=letter)
        self.touch(*NAME_OK)
        self.wait_gone(NAME_TITLE)


def ink(picture):
    """How much text a picture holds, in dark pixels: within a tenth wherever the screen's pixels
    fall, and a table with a result holds far more than an empty one."""
    return sum(1 for colour in picture.colours() if max(colour) < 96)


def shown_table(player):
    player.window.menu(BEST_RESULTS)
    return text_box(player.wait_for_board("the panel", panel_shown))


def phone_pass(page, foxes):
    with Browser(390, 844, pixel_ratio=3, mobile=True) as browser:
        browser.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        browser.send("Emulation.setUserAgentOverride", userAgent=ANDROID)
        freeze_clock(browser)
        player = Player(lambda: Phone.load(browser, page))
        picture = first_screen(browser, page)
        player.start()
        check_taken_over(player.window, *picture)
        step("the whole window in view; a tap opens a cell; a long press flags one, shown while "
             "the finger stays")
        window = player.window
        width, height = window.page
        check(window.left >= 0 and window.left + CLIENT_WIDTH <= width and window.top >= 50
              and window.top + CLIENT_HEIGHT <= height, f"the client area at ({window.left}, "
              f"{window.top}) leaves the page, {width} × {height}")
        player.open(55)
        player.open(66, 3)
        step("the panel opened and closed by touch; Новая игра by touch, the foxes touched, the "
             "boxes answered by touch, the name typed on the phone's keyboard")
        empty_table = shown_table(player)
        player.close_panel()
        check_as_whole_repaint(window)
        window.new_game()
        check(FLAG_RED not in cell_picture(window.board(), 66).colours(),
              "Новая игра left the flag")
        table = player.known_game(foxes, NAME)
        check(ink(table) > 1.3 * ink(empty_table), "the panel's table looks empty after the name")
        step("with the network off in the browser, a reload starts the game from the kept files "
             "and the panel shows the result")
        browser.evaluate("navigator.serviceWorker.ready.then(() => true)")
        browser.send("Network.emulateNetworkConditions", offline=True, latency=0,
                     downloadThroughput=-1, uploadThroughput=-1)
        player.start()
        again = ink(shown_table(player))
        check(again > 1.3 * ink(empty_table), f"the panel after the offline reload holds {again} "
              f"dark pixels, as the empty table's {ink(empty_table)}, not {ink(table)}")
