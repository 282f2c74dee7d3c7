"""The page on a phone, in a fresh profile: Chromium emulating a 390 × 844 screen at pixel ratio 3,
touch only, with an Android browser's name, so that Qt writes through the phone's keyboard. The
window must fit the screen; a tap opens, a long press flags, a game is won and named by touch, and
a reload with the network off starts the game from the service worker's files."""

import base64
import io
import time

from PIL import Image

from board_reader import CLIENT_HEIGHT, CLIENT_WIDTH, ORIGIN, PITCH
from crisp_lines import check_as_whole_repaint
from devtools import Browser
from play_test import NAME, check, step
from x_session import wait_until

ANDROID = ("Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0 Mobile Safari/537.36")
FLAG_RED, TABLE_COLOUR = (0xE0, 0x10, 0x10), (0, 192, 192)
# What a finger touches in the client area: the "Игра" menu and its items, the panel's "Закрыть",
# and in the boxes, centred on the window, their buttons and the name's field.
GAME_MENU, NEW_GAME, BEST_RESULTS, CLOSE_PANEL = (52, -17), (92, 3), (92, 25), (174, 283)
END_BOX_OK, NAME_FIELD, NAME_OK = ((CLIENT_WIDTH // 2 + x - 8, CLIENT_HEIGHT // 2 + y - 8)
                                   for x, y in ((23, 2), (0, -14), (0, 14)))
TABLE = (133, 80, 200, 188)  # the panel's text box


class Phone:
    def __init__(self, clock):
        self.browser = Browser(390, 844)
        self.browser.send("Emulation.setDeviceMetricsOverride", width=390, height=844,
                          deviceScaleFactor=3, mobile=True)
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.browser.send("Emulation.setUserAgentOverride", userAgent=ANDROID)
        self.browser.send("Page.addScriptToEvaluateOnNewDocument", source=clock)

    def picture(self):
        """The screen at its own pixels, and how many a CSS pixel of the page covers."""
        width, height, zoom = self.browser.evaluate(
            "[innerWidth, innerHeight, visualViewport.scale]")
        shot = self.browser.send("Page.captureScreenshot", format="png", clip={
            "x": 0, "y": 0, "width": width, "height": height, "scale": zoom})
        image = Image.open(io.BytesIO(base64.b64decode(shot["data"]))).convert("RGB")
        return image, image.width / width

    def client_corner(self):
        """The client area's top left corner in CSS pixels, found by its frame's black top line
        one pixel inside, across the whole client area: None until it is drawn."""
        image, scale = self.picture()
        pixels, wanted = image.load(), int((CLIENT_WIDTH - 4) * scale)
        for y in range(image.height):
            run = 0
            for x in range(image.width):
                run = run + 1 if pixels[x, y] == (0, 0, 0) else 0
                if run >= wanted:
                    self.anchor = x - run + 1, y
                    return round((x - run + 1) / scale) - 1, round(y / scale) - 1
        return None

    def open(self, url):
        started = time.monotonic()
        self.browser.open(url)
        looks = [None]  # settled once two looks in a row find it in the same place

        def settled():
            looks.append(self.client_corner())
            return looks[-1] is not None and looks[-1] == looks[-2] and looks[-1]
        self.left, self.top = wait_until("the window on the phone", settled, 30, 0.1)
        self.browser.evaluate("window.varnClockRuns && varnClockRuns()")
        return time.monotonic() - started

    def touch(self, x, y, until=None):
        """A finger 8 pixels below and right of the point, lifted at once or once until() holds."""
        at = {"x": self.left + x + 8, "y": self.top + y + 8}
        self.browser.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[at])
        if until:
            wait_until("the long press to be taken", until, 5, 0.05)
        self.browser.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        time.sleep(0.2)


    def area(self, x, y, width, height):
        """A part of the client area, in the screen's pixels from the frame's line at (1, 1)."""
        image, scale = self.picture()
        left, top = (a + round((v - 1) * scale) for a, v in zip(self.anchor, (x, y)))
        return image.crop((left, top, left + round(width * scale), top + round(height * scale)))



def square(index):
    """A cell within its grid lines; a finger touches its top left quarter."""
    x, y = ORIGIN + PITCH * (index % 10), ORIGIN + PITCH * (index // 10)
    return x + 2, y + 2, PITCH - 3, PITCH - 3


def ink(picture):
    """How much text a picture holds, in dark pixels: alike however the screen's pixels fall."""
    return sum(1 for pixel in picture.getdata() if max(pixel) < 96)


def shown_table(phone):
    """The panel's text box once the panel is shown and drawn: the same in two looks."""
    table = phone.area(*TABLE)
    time.sleep(0.1)
    return TABLE_COLOUR in table.getdata() and table == phone.area(*TABLE) and table


def phone_pass(server, clock, foxes):
    phone = Phone(clock)
    try:
        seconds = phone.open(server.origin + "index.html")
        step(f"on the phone, the board drawn {seconds:.2f} s after the page was opened")
        width, height = phone.browser.evaluate("[innerWidth, innerHeight]")
        check(phone.left >= 0 and phone.left + CLIENT_WIDTH <= width and phone.top >= 50
              and phone.top + CLIENT_HEIGHT <= height,
              f"the client area at ({phone.left}, {phone.top}) leaves the page, {width} × {height}")
        step("a tap opens a cell; a long press flags one, framed at once while the finger stays")
        closed = phone.area(*square(55))
        phone.touch(*square(55)[:2])
        check(phone.area(*square(55)) != closed, "a tap left cell 55 closed")
        phone.touch(*square(66)[:2], until=lambda: FLAG_RED in phone.area(*square(66)).getdata())
        step("the panel opened and closed by touch; Новая игра by touch, the foxes touched, the "
             "boxes answered by touch, the name typed on the phone's keyboard")
        phone.touch(*GAME_MENU)
        phone.touch(*BEST_RESULTS)
        empty_table = wait_until("the panel", lambda: shown_table(phone), 5)
        phone.touch(*CLOSE_PANEL)
        check(not shown_table(phone), "Закрыть by touch left the panel open")
        check_as_whole_repaint(phone)
        phone.touch(*GAME_MENU)
        phone.touch(*NEW_GAME)
        check(FLAG_RED not in phone.area(*square(66)).getdata(), "Новая игра left the flag")
        for fox in sorted(foxes):
            phone.touch(*square(fox)[:2])
        phone.touch(*END_BOX_OK)
        phone.touch(*NAME_FIELD)
        wait_until("the phone's keyboard", lambda: phone.browser.evaluate(
            "document.activeElement.tagName == 'INPUT'"), 5)
        for letter in NAME:
            phone.browser.send("Input.insertText", text=letter)
        phone.touch(*NAME_OK)
        table = wait_until("the panel with the result", lambda: shown_table(phone), 5)
        check(ink(table) > 1.3 * ink(empty_table), "the panel's table looks empty after the name")
        step("with the network off in the browser, a reload starts the game from the kept files "
             "and the panel shows the result")
        phone.browser.evaluate("navigator.serviceWorker.ready.then(() => true)")
        phone.browser.send("Network.emulateNetworkConditions", offline=True, latency=0,
                           downloadThroughput=-1, uploadThroughput=-1)
        seconds = phone.open(server.origin + "index.html")
        step(f"on the phone, offline, the board drawn {seconds:.2f} s after the reload")
        phone.touch(*GAME_MENU)
        phone.touch(*BEST_RESULTS)
        again = ink(wait_until("the panel", lambda: shown_table(phone), 5))
        check(abs(again - ink(table)) < 0.05 * ink(table),
              f"the panel after the offline reload holds {again} dark pixels, {ink(table)} before")
    finally:
        phone.browser.stop()
