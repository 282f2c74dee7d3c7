#!/usr/bin/env python3
"""The built program, copied into a fresh folder and started from another one on its own X
server, played with real mouse and keys: the rules, the panel, flags, a new game, a whole game
opened cell by cell, a good game that enters the table, and the table again after a restart.
With --wine, the same game is played by the Windows build under Wine, in a prefix of its own."""

import argparse
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

# The helpers beside this script are imported from the source tree: leave no caches there.
sys.dont_write_bytecode = True

from board_reader import BLANK, FLAG, FOX, INSIDE, BoardReader, cell_corner
from fox_finder import FoxFinder, on_one_line
from game_window import CLOSE_BUTTON, END_TITLE, NAME_TITLE, GameWindow
from number_book import NumberBook
from records_file import EMPTY_NAME, points_field, read_rows
from x_session import Failure, XSession, wait_until

NAME = "Тест Лиса"  # Cyrillic, and shorter than ten characters: padded in the file
KEYBOARD_NAME = "Клавиатура"
STATUS_COLUMN = (392, 56, 33, 204)
# Past this many opened cells a game is worth 0 points and enters no table.
MOST_OPENED_FOR_POINTS = 29


def step(text):
    print(f"-- {text}", flush=True)


def check(condition, failure):
    if not condition:
        raise Failure(failure)


class Launch:
    """How the copied program starts: by itself, or a Windows build under Wine."""

    WINESERVER = "/usr/lib/wine/wineserver"

    def __init__(self, program_folder, root, wine_run):
        self.wine = wine_run is not None
        self.program = os.path.join(program_folder, "Varn.exe" if self.wine else "Varn")
        # Qt's own options, which the program must ignore: had they reached Qt, the window would
        # be found under another title and its board read mirrored.
        qt_options = ["-qwindowtitle", "Не Зарнак", "-reverse"]
        self.command = ([wine_run, self.program] if self.wine else [self.program]) + qt_options
        # A home of its own: the caller's data folder, and the table a player may keep there, are
        # never read or written.
        home = os.path.join(root, "home")
        self.data_home = os.path.join(home, ".local", "share")
        self.environment = {"HOME": home, "XDG_DATA_HOME": self.data_home}
        if self.wine:
            self.environment.update(WINEPREFIX=os.path.join(root, "wine"), QT_QPA_PLATFORM="windows")
        # Seconds for the window to appear: Wine starts its own services with the program.
        self.patience = 30 if self.wine else 10

    def end(self):
        """Ends every Wine process of the prefix, which outlive the program's own."""
        if self.wine:
            subprocess.run([self.WINESERVER, "-k"], env=dict(os.environ, **self.environment),
                           stderr=subprocess.DEVNULL, timeout=30, check=False)


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


class Play:
    def __init__(self, session, arguments, folders, launch, data_file=None):
        """data_file is the table the program writes, Varn.dat beside it unless given."""
        self.session = session
        self.arguments = arguments
        self.program_folder, self.working_folder, self.log = folders
        self.launch = launch
        self.data_file = data_file or os.path.join(self.program_folder, "Varn.dat")
        self.window = None
        self.reader = None
        self.empty_board = None
        self.empty_table = None
        self.table_with_entry = None
        self.numbers = NumberBook()
        self.entries = []  # names entered into the table, in order

    def start(self):
        self.window = GameWindow(self.session, self.launch, self.working_folder, self.log)
        step(f"window up in {self.window.start_seconds:.2f} s")

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
        before = self.reader.cell(self.window.board(), watched).rgb
        self.window.press(cell, button)

        def shown():
            if self.window.dialog(END_TITLE):
                return "box"
            board = self.window.board()
            return board if self.reader.cell(board, watched).rgb != before else None
        result = wait_until(f"cell {watched} to change after a press of button {button} on "
                            f"cell {cell}", shown, 5)
        return None if result == "box" else result

    def end_of_game(self, name, patience):
        """Closes "Все лисы найдены"; when a name is asked within patience seconds, enters it and
        sees the panel open. Returns whether the result entered the table."""
        self.window.answer(END_TITLE, "Return")
        try:
            self.session.wait_window(NAME_TITLE, timeout=patience)
        except Failure:
            return False
        box = self.session.find_window(NAME_TITLE)
        if name:
            self.session.paste(box, name)
        self.session.keys(box, "Return")
        self.session.wait_gone(NAME_TITLE)
        self.wait_for_board("the panel to open after the name entry", self.window.panel_shown)
        self.entries.append(name.ljust(10)[:10] if name.strip() else "Anonymous ")
        return True

    def close_panel(self):
        self.window.click(*CLOSE_BUTTON)
        self.wait_for_board("the panel to close after a press on Закрыть",
                            lambda board: not self.window.panel_shown(board))

    def first_look(self):
        step("a fresh start: an empty table in Varn.dat beside the program, an empty board")
        check(os.path.exists(self.data_file), "no Varn.dat beside the program after its start")
        check(open(self.data_file, "rb").read() == b"\xa0" * 140,
              "Varn.dat of a first start is not 140 bytes of 0xA0")
        self.learn_empty_board()

    def learn_empty_board(self):
        """How an empty cell looks, from the board of a new game."""
        self.empty_board = self.window.board()
        x, y = cell_corner(0)
        blank = self.empty_board.crop(x, y, INSIDE, INSIDE)
        self.reader = BoardReader(self.arguments.fox, self.arguments.flag, blank)
        for cell in range(100):
            check(self.reader.kind(self.empty_board, cell) == BLANK,
                  f"cell {cell} of a new game is not empty like cell 0")
        check(not self.window.panel_shown(self.empty_board), "the panel is open at the start")

    def rules(self):
        step("F1 shows the rules from Varn.hlp beside the program; Enter closes them")
        self.window.keys("F1")
        wait_until('the rules box "Правила игры"',
                   lambda: self.window.dialog("Правила игры") or self.window.dialog("Ошибка"), 5)
        check(not self.window.dialog("Ошибка"),
              'F1 shows "Ошибка" instead of the rules of Varn.hlp beside the program')
        box = self.window.dialog("Правила игры")
        x, y, width, height = self.session.geometry(box)
        check(width > 300 and height > 200,
              f"the rules box is only {width} × {height}: the rules' text is missing")
        with open(self.arguments.help_file, encoding="cp1251") as rules:
            lines = rules.read().splitlines()
        written = self.session.screen.grab(x, y, width, height).text_rows()
        printed = sum(1 for line in lines if line.strip())
        check(written >= printed, f"the rules box shows {written} rows of text, but Varn.hlp "
              f"has {printed} lines that are not blank: lines run together")
        if self.launch.wine:
            # A Windows message box copies its title and text on Ctrl+C.
            self.session.keys(box, "ctrl+c")
            copied = wait_until("the rules in the clipboard", self.session.clipboard, 5)
            for line in lines:
                check(line in copied.splitlines(),
                      f'the line "{line}" of Varn.hlp is not a line of the rules box: {copied!r}')
        self.window.answer("Правила игры", "Return")

    def panel(self):
        step("F3 opens the panel in its text box colour; Esc leaves it open; cells take no "
             "presses; Закрыть closes it")
        self.window.keys("F3")
        board = self.wait_for_board("the panel after F3", self.window.panel_shown)
        self.empty_table = self.window.text_box(board)
        self.window.keys("Escape")
        time.sleep(0.3)
        check(self.window.panel_shown(), "Esc closed the panel")
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
        check(self.window.board().crop(*STATUS_COLUMN).rgb
              != self.empty_board.crop(*STATUS_COLUMN).rgb,
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
        self.window.keys("F2")
        self.wait_for_board("F2 to bring back the board and status column of a fresh start",
                            lambda b: b.rgb == self.empty_board.rgb)

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
                status = self.window.board().crop(*STATUS_COLUMN).rgb
            elif ended is not None:
                check(board.crop(*STATUS_COLUMN).rgb == status,
                      f"a press on cell {cell} after the end of the game changed the status column")
        check(ended is not None, "all 100 cells are open and the game did not end")
        board = self.window.board()
        foxes = {c for c in range(100) if self.reader.kind(board, c) == FOX}
        check(len(foxes) == 5, f"{len(foxes)} foxes on a fully opened board: {sorted(foxes)}")
        check(max(foxes) + 1 == ended,
              f"the game ended at the {ended}th cell, but the last fox is cell {max(foxes)}")
        self.numbers.learn({c: self.reader.cell(board, c).rgb for c in range(100)
                            if c not in foxes}, foxes)
        step(f"foxes at {sorted(foxes)}; numbers seen: {sorted(self.numbers.numbers.values())}")
        return foxes

    def good_game(self):
        step("a new game played by reading the numbers, to a result that enters the table")
        self.window.keys("F2")
        self.wait_for_board("F2 to bring back an empty board",
                            lambda b: b.rgb == self.empty_board.rgb)
        finder = FoxFinder()
        opened = 0
        started = time.monotonic()
        while True:
            try:
                cell = finder.next_cell()
            except ValueError:
                raise Failure(f"the numbers shown contradict each other: {finder.numbers}, "
                              f"foxes {sorted(finder.foxes)}") from None
            board = self.open(cell)
            opened += 1
            if board is None:
                break
            check(opened < MOST_OPENED_FOR_POINTS, f"no fifth fox after {opened} cells")
            if self.reader.kind(board, cell) == FOX:
                finder.saw_fox(cell)
            else:
                finder.saw_number(cell, self.numbers.read(self.reader.cell(board, cell).rgb))
        seconds = time.monotonic() - started
        check(len(finder.foxes) == 4, f"the game ended at the fox number {len(finder.foxes) + 1}")
        step(f"five foxes in {opened} cells and {seconds:.1f} s")
        check(self.end_of_game(NAME, patience=10), f"no name was asked for after {opened} cells")
        self.table_with_entry = self.window.text_box()
        check(self.table_with_entry.rgb != self.empty_table.rgb,
              "the panel's table looks empty after the entry")
        # Points fall by one each fifth second from the first press to the last.
        return (300 - 10 * opened - math.floor((seconds + 1) / 5), 300 - 10 * opened)

    def keyboard_game(self):
        step("a new game won from the keyboard alone: the arrows, Home and End move a frame over "
             "the cells, Enter opens the framed cell, Space closes the panel")
        self.session.keys(self.window.id, "F2")
        self.wait_for_board("F2 to bring back an empty board, with no frame before a key",
                            lambda board: board.rgb == self.empty_board.rgb)
        finder = FoxFinder()
        cursor = 0  # where the cursor starts, and stays across F2
        opened = 0
        while True:
            cell = finder.next_cell()
            cursor = self.key_to(cursor, cell)
            framed = self.reader.cell(self.window.board(), cell).rgb
            self.session.keys(self.window.id, "Return")

            def opened_or_ended():
                if self.window.dialog(END_TITLE):
                    return "box"
                return self.reader.cell(self.window.board(), cell).rgb != framed
            opened += 1
            if wait_until(f"cell {cell} to open after Enter", opened_or_ended, 5) == "box":
                break
            check(opened < MOST_OPENED_FOR_POINTS, f"no fifth fox after {opened} cells")
            # The frame moves off the cell, to read what it shows.
            cursor = self.key_to(cell, cell + 1 if cell % 10 < 9 else cell - 1, watched=cell)
            board = self.window.board()
            if self.reader.kind(board, cell) == FOX:
                finder.saw_fox(cell)
            else:
                finder.saw_number(cell, self.numbers.read(self.reader.cell(board, cell).rgb))
        check(len(finder.foxes) == 4, f"the game ended at the fox number {len(finder.foxes) + 1}")
        step(f"five foxes in {opened} cells")
        check(self.end_of_game(KEYBOARD_NAME, patience=10),
              f"no name was asked for after {opened} cells")
        # The panel's close button has the keys.
        self.session.keys(self.window.id, "space")
        self.wait_for_board("Space on Закрыть to close the panel",
                            lambda board: not self.window.panel_shown(board))

    def key_to(self, cursor, target, watched=None):
        """Moves the cursor by keys and waits until the frame has moved off the watched cell (the
        target's picture changes unless given). Returns the cursor's new cell."""
        keys = keys_between(cursor, target)
        if keys:
            watched = target if watched is None else watched
            before = self.reader.cell(self.window.board(), watched).rgb
            self.session.keys(self.window.id, *keys)
            self.wait_for_board(f"the frame to move from cell {cursor} to {target}",
                                lambda board: self.reader.cell(board, watched).rgb != before)
        return target

    def file_after(self, points):
        step("Varn.dat beside the program holds the name and points; nothing was written to "
             "the working folder or the player's data folder")
        check(os.listdir(self.working_folder) == [],
              f"the program wrote into its working folder: {os.listdir(self.working_folder)}")
        data_folder = os.path.join(self.launch.data_home, "Varn")
        check(not os.path.exists(data_folder), f"the program wrote into {data_folder}")
        return self.table_after(points)

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
        return open(self.data_file, "rb").read()

    def restart(self, stored):
        step("a second start shows the stored table under F3 and leaves Varn.dat as it was")
        self.start()
        check(self.window.board().rgb == self.empty_board.rgb,
              "the second start shows another board than the first")
        self.window.keys("F3")
        board = self.wait_for_board("the panel after F3", self.window.panel_shown)
        check(self.window.text_box(board).rgb == self.table_with_entry.rgb,
              "the panel after a restart differs from the table shown before the exit")
        self.window.exit_from_menu()
        check(open(self.data_file, "rb").read() == stored,
              "Varn.dat changed over a start and an exit")


def add_source_options(options):
    """The source files that the game's windows are checked against."""
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    options.add_argument("--fox", required=True, help="fox.xpm")
    options.add_argument("--flag", required=True, help="flag.xpm")


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="the built Varn")
    add_source_options(options)
    options.add_argument("--wine", help="windows/wine-run, to play the Windows build under Wine")
    arguments = options.parse_args()

    root = tempfile.mkdtemp(prefix="varn-e2e-")
    program_folder = os.path.join(root, "program")
    working_folder = os.path.join(root, "elsewhere")
    os.makedirs(program_folder)
    os.makedirs(working_folder)
    launch = Launch(program_folder, root, arguments.wine)
    shutil.copy2(arguments.program, launch.program)
    shutil.copy2(arguments.help_file, os.path.join(program_folder, "Varn.hlp"))
    log = os.path.join(root, "program.log")
    session = None
    started = time.monotonic()
    try:
        session = XSession()
        play = Play(session, arguments, (program_folder, working_folder, log), launch)
        play.start()
        play.first_look()
        play.rules()
        play.panel()
        play.flags()
        play.calibration()
        play.keyboard_game()
        points = play.good_game()
        step("Файл, Выход ends the program")
        play.window.exit_from_menu()
        stored = play.file_after(points)
        play.restart(stored)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        if session and session.screen:
            picture = os.path.abspath("e2e_failure.png")
            session.screen.grab(0, 0, 1024, 768).save_png(picture)
            print(f"the screen at the failure: {picture}", file=sys.stderr)
        if os.path.exists(log):
            print("the program's output:\n" + open(log, errors="replace").read(), file=sys.stderr)
        return 1
    finally:
        if session:
            session.stop()
        launch.end()
        shutil.rmtree(root, ignore_errors=True)
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
