"""The running program as the player meets it: its main window, board, panel and dialogs."""

import subprocess
import time

from board_reader import CLIENT_HEIGHT, CLIENT_WIDTH, cell_centre
from x_session import Failure, wait_until

TITLE = "Зарнак"
END_TITLE = "Игра окончена"
NAME_TITLE = "Ввод"
TEXT_BOX = (133, 80, 200, 188)  # the panel's text box in the board's client area
TEXT_BOX_COLOUR = (0, 192, 192)
CLOSE_BUTTON = (150 + 32, 280 + 11)
# Right of the status column: a press here reaches no cell.
NOWHERE = (445, 330)
FILE_MENU = (20, 9)  # in the menu bar, over "Файл"


class GameWindow:
    def __init__(self, session, launch, working_directory, log):
        """Starts the program and waits for its main window, painted."""
        self.session = session
        self.process = session.start(launch.command, working_directory, log, launch.environment)
        started = time.monotonic()
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
        self.start_seconds = time.monotonic() - started

    def board(self):
        return self.session.screen.grab(self.left, self.top, CLIENT_WIDTH, CLIENT_HEIGHT)

    def click(self, x, y, button=1):
        """A press at a point of the board's client area."""
        self.session.click(self.id, x, self.menu_height + y, button)

    def press(self, cell, button=1):
        self.click(*cell_centre(cell), button)

    def keys(self, *keys):
        # Without a window manager nothing gives the focus back after a dialog: a press on no
        # cell makes the window active, as a player's click would.
        self.click(*NOWHERE)
        self.session.keys(self.id, *keys)

    def text_box(self, board=None):
        return (board or self.board()).crop(*TEXT_BOX)

    def panel_shown(self, board=None):
        box = self.text_box(board)
        return box.count({TEXT_BOX_COLOUR}) > box.width * box.height // 2

    def dialog(self, title):
        return self.session.find_window(title)

    def answer(self, title, *keys):
        """Waits for a dialog and answers it from the keyboard."""
        box = self.session.wait_window(title)
        self.session.keys(box, *keys)
        self.session.wait_gone(title)

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
