"""The game's window in a browser page, driven as the desktop's window is, by the same game
player: clicks, keys and pictures through Chromium's DevTools protocol. A box's title is drawn,
not told: boxes are told apart by where their title bars lie."""

import time

from driver.checks import check, wait_until
from driver.client_area import CLIENT_HEIGHT, CLIENT_WIDTH, cell_centre
from driver.titles import NAME_TITLE

TITLE_BAR = (48, 140, 198)  # Qt in a page draws every window's title bar in this colour
CLIENT_BELOW_TITLE = 41  # from the title bar's top row, past the menu bar, to the client area
FILE_MENU = (20, -9)  # over "Файл", above the client area
# The page's clock stands at a fixed instant while the page loads, so that every load hides the
# same foxes, and runs once the board is drawn, so that each file saved later is newer than the
# last, as the browser's storage needs to see that it changed; a test may stand it again.
FROZEN_CLOCK = """(() => {
    let start = 1767225600000;
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
    window.varnClockStands = () => { start = now(); runningSince = null; };
})();"""
# The names the key lists use, as the browser reports them: key, code and text.
KEYS = {"Return": ("Enter", "Enter", "\r"), "Escape": ("Escape", "Escape", None),
        "Down": ("ArrowDown", "ArrowDown", None)}


def freeze_clock(browser):
    """The frozen clock in every page the browser's tab loads from now on."""
    browser.send("Page.addScriptToEvaluateOnNewDocument", source=FROZEN_CLOCK)


def title_bar(picture):
    """The left end and top row of the first title bar down the page: the main window's while no
    box is open; None before it is drawn."""
    run = bytes(TITLE_BAR) * (CLIENT_WIDTH // 2)
    at = picture.rgb.find(run)
    while at >= 0:
        y, x = divmod(at // 3, picture.width)
        if at % 3 == 0 and x + CLIENT_WIDTH // 2 <= picture.width:
            return x, y
        at = picture.rgb.find(run, at + 1)
    return None


class PageWindow:
    def __init__(self, browser):
        """Waits for the window in the page loaded, and starts the page's clock."""
        self.browser = browser
        self.page = browser.evaluate("[innerWidth, innerHeight]")
        # The page shows a picture of the window until the program has drawn the window itself.
        wait_until("the program to take over from the page's picture of its window",
                   lambda: browser.evaluate("!document.getElementById('first-screen')"), 30, 0.1)
        # Settled once two looks in a row agree: the window may be moved to the centre after its
        # first frame.
        last = [None]

        def settled():
            whole = self.picture()
            steady = whole.rgb == last[0]
            last[0] = whole.rgb
            return steady and title_bar(whole)
        bar = wait_until("the window to be drawn in its place", settled, 30, 0.1)
        self.left, self.top = bar[0], bar[1] + CLIENT_BELOW_TITLE
        self.title_row = bar[1]
        self._boxes = {}  # a box's title -> where its title bar lay when it was found
        browser.evaluate("window.varnClockRuns && varnClockRuns()")

    @classmethod
    def load(cls, browser, url):
        browser.open(url)
        return cls(browser)

    def picture(self):
        return self.browser.picture(0, 0, *self.page)

    def board(self):
        return self.browser.picture(self.left, self.top, CLIENT_WIDTH, CLIENT_HEIGHT)

    def click(self, x, y, button=1):
        self.browser.click(self.left + x, self.top + y, {1: "left", 3: "right"}[button])

    def press(self, cell, button=1):
        self.click(*cell_centre(cell), button)

    def keys(self, *keys):
        """Keys to the window or box in front: unlike on the desktop, no press on the window
        first, as a keyboard player's keys must reach it once a box has closed."""
        for key in keys:
            self.browser.key(*KEYS.get(key, (key, key, None)))

    keyboard = keys

    def new_game(self):
        self.keys("F2")

    def active_box(self):
        """The row and ends of the title bar of a box in front, found down the page's middle
        column; None while no box is open."""
        picture, x = self.picture(), self.page[0] // 2
        for y in range(1, picture.height):
            if (y != self.title_row and picture.pixel(x, y) == TITLE_BAR
                    and picture.pixel(x, y - 1) != TITLE_BAR):
                left = next(i for i in range(x, 0, -1) if picture.pixel(i - 1, y) != TITLE_BAR)
                right = next(i for i in range(x, picture.width)
                             if picture.pixel(i, y) != TITLE_BAR)
                return y, left, right
        return None

    def box(self, title):
        bar = self.active_box()
        if bar and self._boxes.setdefault(title, bar) != bar:
            return None
        return bar

    def wait_box(self, title, timeout=10):
        return wait_until(f'the box "{title}"', lambda: self.box(title), timeout, 0.05)

    def wait_gone(self, title, timeout=5):
        wait_until(f'the box "{title}" to close', lambda: not self.box(title), timeout, 0.05)

    def answer(self, title):
        self.wait_box(title)
        self.keys("Return")
        self.wait_gone(title)

    def paste_name(self, name):
        """Through the browser's clipboard and its paste, as Ctrl+V pastes, then Enter."""
        self.browser.evaluate(f"navigator.clipboard.writeText({name!r})")
        for kind in ("rawKeyDown", "keyUp"):
            self.browser.send("Input.dispatchKeyEvent", type=kind, key="v", code="KeyV",
                              modifiers=2, windowsVirtualKeyCode=86,
                              commands=["paste"] if kind == "rawKeyDown" else [])
        self.keys("Return")
        self.wait_gone(NAME_TITLE)

    def type_name(self, name):
        for letter in name:
            self.browser.key(letter, "", letter)
        self.keys("Return")
        self.wait_gone(NAME_TITLE)

    def box_picture(self, title):
        """What lies below the box's title bar, inside its frame, to the page's foot."""
        y, left, right = self.wait_box(title)
        below = self.browser.picture(left, y, right - left, self.page[1] - y)
        return below.crop(4, 30, below.width - 8, below.height - 30)

    def box_text(self, title):
        return None  # the page's boxes copy nothing

    def exit_from_menu(self):
        """Файл, Выход ends the game, and the page says so and offers to start again."""
        self.click(*FILE_MENU)
        time.sleep(0.3)
        self.keys("Down", "Return")
        said = wait_until("the page to say the game has ended", lambda: self.browser.evaluate(
            "document.getElementById('message').hidden ? '' : "
            "document.getElementById('message').textContent"), 5, 0.1)
        check("Игра закончена" in said and "Начать снова" in said,
              f"after Файл, Выход the page says {said!r}")
