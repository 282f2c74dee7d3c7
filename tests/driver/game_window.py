"""The running program on the X server as the player meets it: its main window, seen and pressed,
and its boxes, found by their titles. The game player drives it as it drives the page."""

import subprocess
import time

from driver.checks import Failure, wait_until
from driver.client_area import CLIENT_HEIGHT, CLIENT_WIDTH, cell_centre
from driver.titles import NAME_TITLE, TITLE

# Right of the status column: a press here reaches no cell.
NOWHERE = (445, 330)
FILE_MENU = (20, 9)  # in the menu bar, over "Файл"


class GameWindow:
    def __init__(self, session, launch, working_directory):
        """Starts the program and waits for its main window, painted."""
        self.session = session
        self.launch = launch
        self.process = session.start(launch.command, working_directory, launch.environment)
        self.id = session.wait_window(TITLE, launch.patience)
        x, y, width, height = session.geometry(self.id)
        if width != CLIENT_WIDTH or height <= CLIENT_HEIGHT:
            raise Failure(f"the main window is {width} × {height}, not a client area of "
                          f"{CLIENT_WIDTH} × {CLIENT_HEIGHT} under a menu bar")
        self.menu_height = height - CLIENT_HEIGHT
        self.left, self.top = x, y + self.menu_height
        # Painted once two looks in a row agree and the board's grid is drawn.
        last = [None]

        def settled():
            board = self.board()
            steady = board.rgb == last[0] and board.pixel(24, 100) == (0, 0, 0)
            last[0] = board.rgb
            return steady
        wait_until("the main window to be painted", settled, 10, interval=0.05)

    def board(self):
        """The client area under the menu bar."""
        return self.session.screen.grab(self.left, self.top, CLIENT_WIDTH, CLIENT_HEIGHT)

    def click(self, x, y, button=1):
        """A press at a point of the client area."""
        self.session.click(self.id, x, self.menu_height + y, button)

    def press(self, cell, button=1):
        self.click(*cell_centre(cell), button)

    def keys(self, *keys):
        """Keys as a player gives them after a click on the window. Without a window manager
        nothing gives the focus back after a box: a press on no cell makes the window active."""
        self.click(*NOWHERE)
        self.keyboard(*keys)

    def keyboard(self, *keys):
        """Keys alone, as a player who never touches the mouse gives them."""
        self.session.keys(self.id, *keys)

    def new_game(self):
        self.keys("F2")

    def box(self, title):
        return self.session.find_window(title)

    def wait_box(self, title, timeout=10):
        return self.session.wait_window(title, timeout)

    def answer(self, title):
        """Waits for a box and answers it by its default button, from the keyboard."""
        self.session.keys(self.session.wait_window(title), "Return")
        self.session.wait_gone(title)

    def paste_name(self, name):
        """Into the name box, open: the name pasted, as Cyrillic cannot be typed here, and
        Enter."""
        box = self.session.find_window(NAME_TITLE)
        if name:
            self.session.paste(box, name)
        self.session.keys(box, "Return")
        self.session.wait_gone(NAME_TITLE)

    def box_picture(self, title):
        return self.session.screen.grab(*self.session.geometry(self.session.find_window(title)))

    def box_text(self, title):
        """What a box copies on Ctrl+C, as a Windows message box copies its title and text; None
        where boxes copy nothing."""
        if not self.launch.windows:
            return None
        self.session.keys(self.session.find_window(title), "ctrl+c")
        return wait_until("the box's text in the clipboard", self.session.clipboard, 5)

    def exit_from_menu(self):
        """Файл, Выход, as a player would choose it; the program must end by itself."""
        self.session.click(self.id, *FILE_MENU)
        time.sleep(0.3)  # the drop-down grabs the keyboard once it is open
        self.session.xdotool("key", "Down", "Return")
        try:
            code = self.process.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("the program still runs 10 s after Файл, Выход") from None
        if code != 0:
            raise Failure(f"the program ended with code {code} after Файл, Выход")
