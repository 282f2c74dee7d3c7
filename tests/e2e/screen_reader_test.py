#!/usr/bin/env python3
"""A whole game played as a blind player plays it, listening to Orca. The built program runs on
its own X server with a private D-Bus session and the AT-SPI accessibility bus, and Debian's Orca
runs there with its default settings; the player knows the game only from what Orca speaks. It
plays only with keys sent through XTest: the arrows, Home and End to move, Enter to open, Space to
flag, and Orca's own command for the status bar. It answers the end box and the name box, and
hears its result in the panel of best results."""

import argparse
import os
import re
import shutil
import sys
import tempfile
import time

# The helpers beside this script are imported from the source tree: leave no caches there.
sys.dont_write_bytecode = True

from accessibility_bus import AccessibilityBus
from fox_finder import FoxFinder
from orca_speech import Orca
from play_test import check, keys_between, step
from x_session import Failure, XSession

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
        check("Зарнак frame." in said, f"the window's title was not heard: {said}")
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
        finder = FoxFinder()
        opened = 0
        while True:
            try:
                cell = finder.next_cell()
            except ValueError:
                raise Failure(f"what Orca said contradicts itself: {finder.numbers}, "
                              f"foxes {sorted(finder.foxes)}") from None
            shown = self.press("Return", cell, box="Все лисы найдены")
            opened += 1
            check(opened <= 40, f"no fifth fox after {opened} cells")
            if shown is None:
                break
            if shown == FOX:
                finder.saw_fox(cell)
            else:
                check(shown.isdigit(), f"cell {cell} spoke {shown} after Enter")
                finder.saw_number(cell, {int(shown)})
            if opened == 3:
                values = self.status()
                check(values.get("Ходы") == "3", f"the status bar read {values} after 3 moves")
        check(len(finder.foxes) == 4, f"the game ended at the fox number {len(finder.foxes) + 1}")
        step(f"the fifth fox at cell {cell}, after {opened} opened cells")
        return opened

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


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="the built Varn")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    arguments = options.parse_args()

    root = tempfile.mkdtemp(prefix="varn-screen-reader-")
    program_folder = os.path.join(root, "program")
    os.makedirs(program_folder)
    program = os.path.join(program_folder, "Varn")
    shutil.copy2(arguments.program, program)
    shutil.copy2(arguments.help_file, program_folder)
    log = os.path.join(root, "program.log")
    session = bus = orca = None
    started = time.monotonic()
    try:
        session = XSession()
        bus = AccessibilityBus(session.display, log)
        orca = Orca(bus.address, session.display, root)
        session.start([program], root, log, {
            "HOME": os.path.join(root, "home"), "DBUS_SESSION_BUS_ADDRESS": bus.address})
        player = BlindPlayer(session, session.wait_window("Зарнак"), orca)
        player.start()
        player.flags()
        player.end(player.game())
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        if os.path.exists(log):
            print("the program's output:\n" + open(log, errors="replace").read(), file=sys.stderr)
        return 1
    finally:
        if orca:
            orca.stop()
        if session:
            session.stop()
        if bus:
            bus.stop()
        shutil.rmtree(root, ignore_errors=True)
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
