#!/usr/bin/env python3
"""A whole game played as a blind player plays it, listening to Orca. The built program runs on
its own X server with a private D-Bus session and the AT-SPI accessibility bus, and Debian's Orca
runs there with its default settings; the player knows the game only from what Orca speaks. It
plays only with keys sent through XTest: the arrows, Home and End to move, Enter to open, Space to
flag, and Orca's own command for the status bar. It answers the end box and the name box, and
hears its result in the panel of best results."""

import argparse
import contextlib
import os
import re
import sys
import tempfile

from driver.accessibility_bus import AccessibilityBus
from driver.checks import check, run, step
from driver.fox_finder import find_foxes
from driver.game_window import GameWindow
from driver.launch import Launch, copy_program
from driver.orca_speech import Orca
from driver.player import keys_between
from driver.x_session import XSession

NAME = "Лис"
CELL = re.compile(r"Строка (\d+), столбец (\d+): (закрыта|флажок|лиса|\d)\.?")
VALUE = re.compile(r"(Ходы|Лисы|Время|Очки)(?:: (\d+))?\.?")
CLOSED, FLAG, FOX = "закрыта", "флажок", "лиса"
# Orca's command for the status bar: its modifier with the keypad's Enter, twice.
STATUS_BAR = ["Insert+KP_Enter", "Insert+KP_Enter"]


def cells_in(said):
    """(cell, what it shows) for each cell named in the utterances."""
    return [(10 * (int(row) - 1) + int(column) - 1, shows)
            for row, column, shows in (match.groups() for match in map(CELL.fullmatch, said)
                                       if match)]


class BlindPlayer:
    def __init__(self, session, window, orca):
        self.session = session
        self.window = window
        self.orca = orca
        self.cursor = 0

    def keys(self, *keys, window=None):
        """The window gets the input focus, as a window manager would give it; the keys go
        through XTest to whatever has the focus."""
        self.session.xdotool("windowfocus", "--sync", window or self.window)
        self.session.xdotool("key", "--clearmodifiers", *keys)

    def start(self):
        step("the window heard: its title, the board, and its first cell alone")
        self.session.xdotool("windowfocus", "--sync", self.window)
        said = self.orca.hear("the first cell", lambda said: (0, CLOSED) in cells_in(said)
                              and said, 15)
        # Orca 43 ends the window's title and role with a full stop; Orca 48 does not.
        check(any(line.rstrip(".") == "Зарнак frame" for line in said),
              f"the window's title was not heard: {said}")
        check(cells_in(said) == [(0, CLOSED)], f"entering the board spoke {said}")

    def status(self):
        """The status column, read by Orca's command: caption -> value."""
        self.keys(*STATUS_BAR)
        said = self.orca.hear("the status bar", lambda said: any(
            line.startswith("Очки") for line in said) and said)
        values = (VALUE.fullmatch(line) for line in said)
        return {value.group(1): value.group(2) for value in values if value}

    def move_to(self, cell):
        """One key at a time, each heard as the one cell it lands on."""
        for key in keys_between(self.cursor, cell):
            row, column = divmod(self.cursor, 10)
            target = {"Up": self.cursor - 10, "Down": self.cursor + 10,
                      "Left": self.cursor - 1, "Right": self.cursor + 1,
                      "Home": 10 * row, "End": 10 * row + 9}[key]
            self.keys(key)
            heard = self.orca.hear(f"cell {target} after {key}", lambda said: [
                cell for cell, _ in cells_in(said)] and cells_in(said))
            check([spoken for spoken, _ in heard] == [target],
                  f"{key} from cell {self.cursor} spoke the cells {heard}")
            self.cursor = target

    def press(self, key, cell, box=None):
        """Enter or Space on the cell; what it shows then, as Orca says it, or None when it said
        the box's text."""
        self.move_to(cell)
        self.keys(key)

        def heard(said):
            if box and any(box in line for line in said):
                self.box_speech = said
                return "box"
            return next((shows for spoken, shows in cells_in(said) if spoken == cell), None)
        shows = self.orca.hear(f"cell {cell} after {key}", heard)
        return None if shows == "box" else shows

    def flags(self):
        step("Space flags a closed cell and takes the flag off again, each heard at once")
        check(self.press("space", 0) == FLAG, "Space on a closed cell spoke no flag")
        check(self.press("space", 0) == CLOSED, "a second Space did not speak the closed cell")

    def game(self):
        step("a game played by what Orca says: the arrows, Home and End to a cell, Enter to open")
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
        step("the end box heard and closed, the name's prompt and letters heard, the result "
             "heard in the panel")
        check(any("Игра окончена" in line for line in self.box_speech),
              f"the end box spoke no title: {self.box_speech}")
        self.keys("Return", window=self.session.wait_window("Игра окончена"))
        name_box = self.session.wait_window("Ввод")
        self.orca.hear("the name box's prompt", lambda said: any(
            "Введите Ваше имя" in line for line in said))
        self.session.xdotool("windowfocus", "--sync", name_box)
        self.session.xdotool("type", "--delay", "100", NAME)
        self.orca.hear(f'the letters of "{NAME}"', lambda said: "".join(
            line.strip() for line in said if len(line.strip()) == 1).endswith(NAME))
        self.keys("Return", window=name_box)
        row = self.orca.hear("the close button, then the row of the result", lambda said: next(
            (row for line in said[next((i for i, line in enumerate(said) if "Закрыть" in line),
                                       len(said)):]
             for row in line.splitlines() if NAME in row), None))
        points = self.status().get("Очки")
        check(points and int(points) <= 300 - 10 * opened,
              f'the points read "{points}" after {opened} opened cells')
        check(re.fullmatch(rf"\s*\d+\.{NAME} *{points}\s*", row),
              f'the panel\'s row "{row}" does not give {NAME} with {points} points')
        step(f'the panel reads "{row.strip()}"')


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-screen-reader-",
                                      ignore_cleanup_errors=True) as root,
          contextlib.ExitStack() as stack):
        program = copy_program(root, arguments.program, arguments.help_file)
        session = stack.enter_context(XSession(root))
        # A Russian player's keyboard: Orca 48 stops reading keys that xdotool maps to a spare
        # key for a moment, as it must for letters missing from the layout.
        session.keyboard_layout("ru")
        bus = AccessibilityBus(session.display, session.log)
        stack.callback(bus.stop)
        orca = Orca(bus.address, session.display, root)
        stack.callback(orca.stop)
        window = GameWindow(session, Launch([program], {
            "HOME": os.path.join(root, "home"), "DBUS_SESSION_BUS_ADDRESS": bus.address}), root)
        player = BlindPlayer(session, window.id, orca)
        player.start()
        player.flags()
        player.end(player.game())


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="the built Varn")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
