"""The game played through a window driver, by its pictures alone: the desktop's window on an X
server and the page's in a browser are pressed, read and checked alike."""

import math
import os
import time

from driver.checks import Failure, check, step, wait_until
from driver.client_area import (BLANK, CLOSE_BUTTON, FLAG, FOX, BoardReader, cell_picture,
                                panel_shown, status_column, text_box)
from driver.fox_finder import find_foxes, on_one_line
from driver.number_book import NumberBook
from driver.records import EMPTY_NAME, EMPTY_TABLE, points_field, read_rows
from driver.titles import END_TITLE, NAME_TITLE, RULES_TITLE

NAME = "Тест Лиса"  # Cyrillic, and shorter than ten characters: padded in the file
KEYBOARD_NAME = "Клавиатура"
# Past this many opened cells a game is worth 0 points and enters no table.
MOST_OPENED_FOR_POINTS = 29


def add_picture_options(options):
    """The pictures the player tells a fox and a flag from a number by, on a script's command
    line."""
    options.add_argument("--fox", required=True, help="fox.xpm")
    options.add_argument("--flag", required=True, help="flag.xpm")


def lines_of(cell):
    return [other for other in range(100) if other != cell and on_one_line(cell, other)]


def keys_between(cell, target):
    """The keys that move the board's cursor from cell to target: the arrows, or Home and End to
    the ends of a row."""
    row, column = divmod(cell, 10)
    to_row, to_column = divmod(target, 10)
    keys = ["Down" if to_row > row else "Up"] * abs(to_row - row)
    if to_column != column and to_column in (0, 9):
        return keys + ["Home" if to_column == 0 else "End"]
    return keys + ["Right" if to_column > column else "Left"] * abs(to_column - column)


class Player:
    def __init__(self, start, fox=None, flag=None, data_file=None):
        """start() starts the program, or loads the page, and gives its window driver, painted;
        fox and flag are the XPM pictures that tell cells apart; data_file is the table the
        program writes, where there is a file to read."""
        self._start = start
        self.fox, self.flag = fox, flag
        self.data_file = data_file
        self.window = None
        self.reader = None
        self.empty_board = None  # the first start's
        self.empty_table = None
        self.table_with_entry = None
        self.numbers = NumberBook()
        self.entries = []  # names entered into the table, in order
        self.cursor = 0  # the cell the keyboard's frame is on: cell 0 at the start, and across F2

    def start(self):
        started = time.monotonic()
        self.window = self._start()
        step(f"window up in {time.monotonic() - started:.2f} s")
        if self.empty_board is None:
            self.empty_board = self.window.board()

    def wait_for_board(self, what, predicate, timeout=3):
        def look():
            board = self.window.board()
            return board if predicate(board) else None
        return wait_until(what, look, timeout)

    def open(self, cell, button=1, watched=None):
        """Presses a cell and waits until the board shows a change of the watched cell (the
        pressed one unless given), or the game-over box opens. Returns the board, or None when
        the box is up."""
        watched = cell if watched is None else watched
        before = cell_picture(self.window.board(), watched).rgb
        self.window.press(cell, button)
        return self.shown_after(f"cell {watched} to change after a press of button {button} on "
                                f"cell {cell}", watched, before)

    def shown_after(self, what, watched, before):
        """Waits until the watched cell's picture is no longer before, or the game-over box
        opens. Returns the board, or None when the box is up."""
        def shown():
            if self.window.box(END_TITLE):
                return "box"
            board = self.window.board()
            return board if cell_picture(board, watched).rgb != before else None
        result = wait_until(what, shown, 5)
        return None if result == "box" else result

    def new_game(self):
        self.window.new_game()
        self.wait_for_board("a new game to bring back the board and status column of a fresh "
                            "start", lambda board: board.rgb == self.empty_board.rgb)

    def end_of_game(self, name, patience, typed=False):
        """Closes "Все лисы найдены"; when a name is asked within patience seconds, enters it,
        pasted or typed, and sees the panel open. Returns whether the result entered the
        table."""
        self.window.answer(END_TITLE)
        try:
            self.window.wait_box(NAME_TITLE, patience)
        except Failure:
            return False
        (self.window.type_name if typed else self.window.paste_name)(name)
        self.wait_for_board("the panel to open after the name entry", panel_shown)
        self.entries.append(name.ljust(10)[:10] if name.strip() else "Anonymous ")
        return True

    def close_panel(self):
        self.window.click(*CLOSE_BUTTON)
        self.wait_for_board("the panel to close after a press on Закрыть",
                            lambda board: not panel_shown(board))

    def first_look(self):
        step("a fresh start: an empty table in Varn.dat, an empty board")
        check(os.path.isfile(self.data_file), f"no {self.data_file} after the program's start")
        with open(self.data_file, "rb") as table:
            check(table.read() == EMPTY_TABLE,
                  f"{self.data_file} of a first start is not 140 bytes of 0xA0")
        self.learn_empty_board()

    def learn_empty_board(self):
        """How an empty cell looks, from the board of the first start."""
        self.reader = BoardReader(self.fox, self.flag, cell_picture(self.empty_board, 0))
        for cell in range(100):
            check(self.reader.kind(self.empty_board, cell) == BLANK,
                  f"cell {cell} of a new game is not empty like cell 0")
        check(not panel_shown(self.empty_board), "the panel is open at the start")

    def rules(self, help_file):
        step("F1 shows every line of the rules file in a box of its own; Enter closes it")
        self.window.keys("F1")
        self.window.wait_box(RULES_TITLE, 5)
        with open(help_file, encoding="cp1251") as rules:
            lines = rules.read().splitlines()
        printed = sum(1 for line in lines if line.strip())
        written = []

        def every_line():  # a box is painted a moment after it appears
            written.append(len(self.window.box_picture(RULES_TITLE).ink_bands()))
            return written[-1] >= printed
        try:
            wait_until("the rules box to show every line", every_line, 5, 0.1)
        except Failure:
            raise Failure(f"the rules box shows {written[-1]} rows of text, but the rules file "
                          f"has {printed} lines that are not blank: lines run together or are "
                          "missing") from None
        copied = self.window.box_text(RULES_TITLE)
        if copied is not None:
            for line in lines:
                check(line in copied.splitlines(),
                      f'the line "{line}" of the rules file is not a line of the box: {copied!r}')
        self.window.answer(RULES_TITLE)

    def panel(self):
        step("F3 opens the panel in its text box colour; Esc leaves it open; cells take no "
             "presses; Закрыть closes it")
        self.window.keys("F3")
        board = self.wait_for_board("the panel after F3", panel_shown)
        self.empty_table = text_box(board)
        self.window.keys("Escape")
        time.sleep(0.3)
        check(panel_shown(self.window.board()), "Esc closed the panel")
        self.window.press(0)
        time.sleep(0.3)
        check(self.reader.kind(self.window.board(), 0) == BLANK,
              "a cell opened while the panel was open")
        self.close_panel()
        check(self.window.board().rgb == self.empty_board.rgb,
              "after the panel closed the window differs from the fresh start")

    def flags(self):
        step("left press opens, right press flags and unflags, a right press on a number "
             "flags its lines, F2 starts afresh")
        board = self.open(44)
        check(board is not None, "the first press ended the game")
        opened = self.reader.kind(board, 44)
        check(opened not in (BLANK, FLAG), f"a left press on cell 44 shows a {opened}")
        check(status_column(self.window.board()).rgb != status_column(self.empty_board).rgb,
              "the status column did not change with the first move")
        spare = next(c for c in range(100) if self.reader.kind(board, c) == BLANK)
        board = self.open(spare, 3)
        check(self.reader.kind(board, spare) == FLAG, f"a right press on cell {spare} set no flag")
        board = self.open(spare, 3)
        check(self.reader.kind(board, spare) == BLANK,
              f"a second right press on cell {spare} left {self.reader.kind(board, spare)}")
        if opened != FOX:
            unflagged = [c for c in lines_of(44) if self.reader.kind(board, c) == BLANK]
            if unflagged:
                board = self.open(44, 3, watched=unflagged[0])
                for cell in lines_of(44):
                    check(self.reader.kind(board, cell) in (FLAG, FOX),
                          f"a right press on opened cell 44 left cell {cell} on its lines "
                          "without a flag")
        self.new_game()

    def calibration(self):
        step("a game opened cell by cell from the top left: the fifth fox ends it, later "
             "presses still open cells but count nothing, and every number counts the foxes on "
             "its lines")
        ended = None
        for cell in range(100):
            board = self.open(cell)
            if board is None:
                check(ended is None, "a second game-over box")
                ended = cell + 1
                entered = self.end_of_game("", patience=2)
                check(entered == (ended <= MOST_OPENED_FOR_POINTS),
                      f"the game ended after {ended} opened cells, and a name was "
                      f"{'' if entered else 'not '}asked for")
                if entered:
                    self.close_panel()
                status = status_column(self.window.board()).rgb
            elif ended is not None:
                check(status_column(board).rgb == status,
                      f"a press on cell {cell} after the end of the game changed the status column")
        check(ended is not None, "all 100 cells are open and the game did not end")
        board = self.window.board()
        foxes = {c for c in range(100) if self.reader.kind(board, c) == FOX}
        check(len(foxes) == 5, f"{len(foxes)} foxes on a fully opened board: {sorted(foxes)}")
        check(max(foxes) + 1 == ended,
              f"the game ended at the {ended}th cell, but the last fox is cell {max(foxes)}")
        self.numbers.learn({c: cell_picture(board, c).rgb for c in range(100)
                            if c not in foxes}, foxes)
        step(f"foxes at {sorted(foxes)}; numbers seen: {sorted(self.numbers.numbers.values())}")
        return foxes

    def read(self, finder, board, cell):
        """Tells the finder what an opened cell shows."""
        if self.reader.kind(board, cell) == FOX:
            finder.saw_fox(cell)
        else:
            finder.saw_number(cell, self.numbers.read(cell_picture(board, cell).rgb))

    def open_and_read(self, cell, finder):
        board = self.open(cell)
        if board is not None:
            self.read(finder, board, cell)
        return board is not None

    def good_game(self):
        """A new game won by reading the numbers; returns the lowest and highest points it may
        be worth."""
        step("a new game played by reading the numbers, to a result that enters the table")
        self.new_game()
        started = time.monotonic()
        opened = find_foxes(self.open_and_read, MOST_OPENED_FOR_POINTS)
        seconds = time.monotonic() - started
        step(f"five foxes in {opened} cells and {seconds:.1f} s")
        check(self.end_of_game(NAME, patience=10), f"no name was asked for after {opened} cells")
        self.table_with_entry = text_box(self.window.board())
        check(self.table_with_entry.rgb != self.empty_table.rgb,
              "the panel's table looks empty after the entry")
        # Points fall by one each fifth second from the first press to the last.
        return (300 - 10 * opened - math.floor((seconds + 1) / 5), 300 - 10 * opened)

    def keyboard_game(self):
        step("a new game won from the keyboard alone: the arrows, Home and End move a frame over "
             "the cells, Enter opens the framed cell, Space closes the panel")
        self.window.keyboard("F2")
        self.wait_for_board("F2 to bring back an empty board, with no frame before a key",
                            lambda board: board.rgb == self.empty_board.rgb)
        opened = find_foxes(self.open_by_keys, MOST_OPENED_FOR_POINTS)
        step(f"five foxes in {opened} cells")
        check(self.end_of_game(KEYBOARD_NAME, patience=10),
              f"no name was asked for after {opened} cells")
        # The panel's close button has the keys.
        self.window.keyboard("space")
        self.wait_for_board("Space on Закрыть to close the panel",
                            lambda board: not panel_shown(board))

    def open_by_keys(self, cell, finder):
        self.key_to(cell)
        framed = cell_picture(self.window.board(), cell).rgb
        self.window.keyboard("Return")
        if self.shown_after(f"cell {cell} to open after Enter", cell, framed) is None:
            return False
        # The frame moves off the cell, to read what it shows.
        self.key_to(cell + 1 if cell % 10 < 9 else cell - 1, watched=cell)
        self.read(finder, self.window.board(), cell)
        return True

    def key_to(self, target, watched=None):
        """Moves the cursor by keys and waits until the frame has moved off the watched cell (the
        target's picture changes unless given)."""
        keys = keys_between(self.cursor, target)
        if keys:
            watched = target if watched is None else watched
            before = cell_picture(self.window.board(), watched).rgb
            self.window.keyboard(*keys)
            self.wait_for_board(f"the frame to move from cell {self.cursor} to {target}",
                                lambda board: cell_picture(board, watched).rgb != before)
        self.cursor = target

    def known_game(self, foxes, name):
        """The game in front won by pressing its foxes, known from a game before with the same
        clock; the end box answered and the name typed. Returns the panel's table."""
        for fox in sorted(foxes):
            self.window.press(fox)
        check(self.end_of_game(name, patience=10, typed=True),
              "no name was asked for after a game won in five presses")
        return text_box(self.window.board())

    def table_after(self, points):
        """The data file holds the names entered and the good game's points, in order; returns
        its bytes."""
        rows = read_rows(self.data_file)
        names = [name for name, _ in rows if name != EMPTY_NAME]
        check(sorted(names) == sorted(self.entries),
              f"the table holds {names}, but {self.entries} were entered")
        name, field = next(row for row in rows if row[0] == NAME.ljust(10))
        lowest, highest = points
        check(any(field == points_field(p) for p in range(max(lowest, 1), highest + 1)),
              f'the points of "{name}" read "{field}", not between {lowest} and {highest} '
              "right-aligned in four characters")
        values = [int(field) if field.strip() else 0 for _, field in rows]
        check(values == sorted(values, reverse=True), f"the points are out of order: {values}")
        for name, field in rows:
            check((name == EMPTY_NAME) == (field == "    "),
                  f'the row "{name}{field}" is neither empty nor a result')
        with open(self.data_file, "rb") as table:
            return table.read()

    def restart(self, stored=None):
        """Another start shows the table with the entry under F3, and Файл, Выход ends it; the
        data file still holds the stored bytes."""
        step("another start shows the stored table under F3, and Файл, Выход ends it")
        self.start()
        check(self.window.board().rgb == self.empty_board.rgb,
              "the next start shows another board than the first")
        self.window.keys("F3")
        board = self.wait_for_board("the panel after F3", panel_shown)
        check(text_box(board).rgb == self.table_with_entry.rgb,
              "the panel after the next start differs from the table shown before")
        self.window.exit_from_menu()
        if self.data_file:
            with open(self.data_file, "rb") as table:
                check(table.read() == stored, "Varn.dat changed over a start and an exit")
