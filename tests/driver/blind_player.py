"""A whole game played as a blind player plays it: only with keys sent through XTest, deciding
each move from what a screen reader says. The listener gives what was said: Orca's speech, or what
a UI Automation client reads as the focus moves. A step heard as any cell but the one it lands on,
or a press whose new state is not heard, fails. Each screen reader's player says how the game
starts, how the status bar is read and how the name is entered."""

import re

from driver.checks import check, step
from driver.fox_finder import find_foxes
from driver.player import keys_between
from driver.titles import END_TITLE, NAME_TITLE

NAME = "Лис"
CELL = re.compile(r"Строка (\d+), столбец (\d+): (закрыта|флажок|лиса|\d)\.?")
VALUE = re.compile(r"(Ходы|Лисы|Время|Очки)(?:: (\d+))?\.?")
CLOSED, FLAG, FOX = "закрыта", "флажок", "лиса"


def cells_in(said):
    """(cell, what it shows) for each cell named in the utterances."""
    return [(10 * (int(row) - 1) + int(column) - 1, shows)
            for row, column, shows in (match.groups() for match in map(CELL.fullmatch, said)
                                       if match)]


def values_in(said):
    """The status bar's values named in the utterances: caption -> value."""
    values = (VALUE.fullmatch(line) for line in said)
    return {value.group(1): value.group(2) for value in values if value}


class BlindPlayer:
    def __init__(self, session, window, listener):
        self.session = session
        self.window = window
        self.listener = listener
        self.cursor = 0

    def keys(self, *keys, window=None):
        """The window gets the input focus, as a window manager would give it; the keys go
        through XTest to whatever has the focus."""
        self.session.xdotool("windowfocus", "--sync", window or self.window)
        self.session.xdotool("key", "--clearmodifiers", *keys)

    def move_to(self, cell):
        """One key at a time, each heard as the one cell it lands on."""
        for key in keys_between(self.cursor, cell):
            row, column = divmod(self.cursor, 10)
            target = {"Up": self.cursor - 10, "Down": self.cursor + 10,
                      "Left": self.cursor - 1, "Right": self.cursor + 1,
                      "Home": 10 * row, "End": 10 * row + 9}[key]
            self.keys(key)
            heard = self.listener.hear(f"cell {target} after {key}", lambda said: [
                cell for cell, _ in cells_in(said)] and cells_in(said))
            check([spoken for spoken, _ in heard] == [target],
                  f"{key} from cell {self.cursor} spoke the cells {heard}")
            self.cursor = target

    def press(self, key, cell, box=None):
        """Enter or Space on the cell; what it shows then, as it is heard, or None when the box's
        text was heard."""
        self.move_to(cell)
        self.keys(key)

        def heard(said):
            if box and any(box in line for line in said):
                self.box_speech = said
                return "box"
            return next((shows for spoken, shows in cells_in(said) if spoken == cell), None)
        shows = self.listener.hear(f"cell {cell} after {key}", heard)
        return None if shows == "box" else shows

    def flags(self):
        step("Space flags a closed cell and takes the flag off again, each heard at once")
        check(self.press("space", 0) == FLAG, "Space on a closed cell spoke no flag")
        check(self.press("space", 0) == CLOSED, "a second Space did not speak the closed cell")

    def game(self):
        step("a game played by what is heard: the arrows, Home and End to a cell, Enter to open")
        opened = find_foxes(self.open_by_ear, 40)
        step(f"the fifth fox at cell {self.cursor}, after {opened} opened cells")
        return opened

    def open_by_ear(self, cell, finder):
        shown = self.press("Return", cell, box="Все лисы найдены")
        if shown is None:
            return False
        if shown == FOX:
            finder.saw_fox(cell)
        else:
            check(shown.isdigit(), f"cell {cell} spoke {shown} after Enter")
            finder.saw_number(cell, {int(shown)})
        if len(finder.numbers) + len(finder.foxes) == 3:
            values = self.status()
            check(values.get("Ходы") == "3", f"the status bar read {values} after 3 moves")
        return True

    def end(self, opened):
        step("the end box heard and closed, the name's prompt heard, the name entered, the result "
             "heard in the panel")
        check(any(END_TITLE in line for line in self.box_speech),
              f"the end box spoke no title: {self.box_speech}")
        self.keys("Return", window=self.session.wait_window(END_TITLE))
        name_box = self.session.wait_window(NAME_TITLE)
        # A screen reader on a machine busy with builds may take many seconds to turn to a box.
        self.listener.hear("the name box's prompt", lambda said: any(
            "Введите Ваше имя" in line for line in said), 30)
        self.enter_name(name_box)
        self.keys("Return", window=name_box)
        row = self.panel_row()
        points = self.status().get("Очки")
        check(points and int(points) <= 300 - 10 * opened,
              f'the points read "{points}" after {opened} opened cells')
        if row is None:
            return
        check(re.fullmatch(rf"\s*\d+\.{NAME} *{points}\s*", row),
              f'the panel\'s row "{row}" does not give {NAME} with {points} points')
        step(f'the panel reads "{row.strip()}"')

    def panel_row(self):
        """The panel's row of the result, heard after its close button, which has the focus."""
        return self.listener.hear("the close button, then the row of the result", lambda said: next(
            (row for line in said[next((i for i, line in enumerate(said) if "Закрыть" in line),
                                       len(said)):]
             for row in line.splitlines() if NAME in row), None))

    def play(self):
        self.start()
        self.flags()
        self.end(self.game())
