#!/usr/bin/env python3
"""A whole game played as a blind player plays it with a screen reader. The built program runs on
its own X server with a private D-Bus session and the AT-SPI accessibility bus; the player knows
the board only from what AT-SPI tells: the names of the table's cells, which cell has the focus,
and the events that announce a change. It plays only with keys sent through XTest: the arrows,
Home and End to move, Enter to open, Space to flag. It answers the end box and the name box, and
reads its result in the panel of best results."""

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
from fox_finder import FoxFinder, on_one_line
from play_test import check, keys_between, step
from x_session import Failure, XSession, wait_until

NAME = "Orca"
CELL = re.compile(r"Строка (\d+), столбец (\d+): (закрыта|флажок|лиса|\d)")
CLOSED, FLAG, FOX = "закрыта", "флажок", "лиса"


def prefix(cell):
    row, column = divmod(cell, 10)
    return f"Строка {row + 1}, столбец {column + 1}: "


class ScreenReader:
    """What AT-SPI tells of the program named Varn: its objects, and the events it sends."""

    def __init__(self):
        # Imported only now: the bindings join the session bus named in the environment.
        import pyatspi
        from gi.repository import GLib
        self.atspi = pyatspi
        self.context = GLib.MainContext.default()
        self.focused = None  # the name of the object that last took the focus
        self.renamed = []  # the names announced since the last look
        pyatspi.Registry.registerEventListener(self._heard, "object:state-changed:focused",
                                               "object:property-change:accessible-name")

    def _heard(self, event):
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                self.focused = event.source.name
        else:
            self.renamed.append(event.source.name)

    def listen(self):
        """Takes in the events that have arrived."""
        while self.context.iteration(False):
            pass

    def application(self):
        desktop = self.atspi.Registry.getDesktop(0)
        return next((app for app in desktop if app is not None and app.name == "Varn"), None)

    def find(self, root, role, predicate=lambda found: True):
        """The first object of the role under root, a table's own cells left unread."""
        if root.getRole() == role and predicate(root):
            return root
        cells = 0
        if root.getRole() == self.atspi.ROLE_TABLE:
            cells = root.queryTable().nRows * root.queryTable().nColumns
        for index in range(cells, root.childCount):
            child = root.getChildAtIndex(index)
            found = child and self.find(child, role, predicate)
            if found:
                return found
        return None

    def window(self, title):
        """A dialog of the program titled so, once it shows."""
        app = self.application()
        showing = self.atspi.STATE_SHOWING
        for window in app or []:
            if window and window.name == title and window.getState().contains(showing):
                return window
        return None

    def text_of(self, accessible):
        text = accessible.queryText()
        return text.getText(0, text.characterCount)


class BlindPlayer:
    def __init__(self, session, window, reader):
        self.session = session
        self.window = window
        self.reader = reader
        self.table = wait_until("the game's table of 100 cells over AT-SPI", self._table, 15,
                                interval=0.2)
        self.cells = self.table.queryTable()
        self.cursor = 0

    def _table(self):
        app = self.reader.application()
        return app and self.reader.find(
            app, self.reader.atspi.ROLE_TABLE,
            lambda table: table.queryTable().nRows * table.queryTable().nColumns == 100)

    def name(self, cell):
        return self.cells.getAccessibleAt(*divmod(cell, 10)).name

    def shows(self, cell):
        name = self.name(cell)
        match = CELL.fullmatch(name)
        check(match and name.startswith(prefix(cell)), f'cell {cell} is named "{name}"')
        return match.group(3)

    def keys(self, window, *keys):
        """The window gets the input focus, as a window manager would give it; the keys go
        through XTest to whatever has the focus."""
        self.session.xdotool("windowfocus", "--sync", window)
        self.session.xdotool("key", "--clearmodifiers", *keys)

    def status(self, caption):
        """A value of the status column, read as "caption: value"."""
        label = self.reader.find(self.reader.application(), self.reader.atspi.ROLE_LABEL,
                                 lambda found: found.name.startswith(caption + ":"))
        return label.name[len(caption) + 2:] if label else None

    def move_to(self, cell):
        """Arrows, Home or End to the cell, until AT-SPI says it has the focus."""
        keys = keys_between(self.cursor, cell)
        if not keys:
            return
        self.keys(self.window, *keys)

        def focused():
            self.reader.listen()
            return (self.reader.focused or "").startswith(prefix(cell))
        wait_until(f"the focus on cell {cell} after {' '.join(keys)}", focused, 5)
        self.cursor = cell

    def press(self, key, cell, box=None):
        """Enter or Space on the cell; waits until its new name is announced, or the box opens.
        Returns what the cell shows, or None when the box is up."""
        self.move_to(cell)
        before = self.name(cell)
        self.reader.listen()
        self.reader.renamed.clear()
        self.keys(self.window, key)

        def announced():
            self.reader.listen()
            if box and self.reader.window(box):
                return "box"
            return next((name for name in self.reader.renamed
                         if name.startswith(prefix(cell)) and name != before), None)
        heard = wait_until(f"a change of cell {cell} announced after {key}", announced, 5)
        return None if heard == "box" else CELL.fullmatch(heard).group(3)

    def fresh_board(self):
        step("the table: 100 closed cells named by row and column, the first one focused")
        for cell in range(100):
            check(self.shows(cell) == CLOSED, f"cell {cell} of a fresh game is not closed")
        # A window manager would give the new window the focus.
        self.session.xdotool("windowfocus", "--sync", self.window)
        wait_until("the focus on the first cell",
                   lambda: self.reader.listen() or self.cells.getAccessibleAt(0, 0).getState()
                   .contains(self.reader.atspi.STATE_FOCUSED), 5)
        check(self.status("Очки") is None, "the points are shown before the first press")

    def flags(self):
        step("Space flags a closed cell and takes the flag off again")
        check(self.press("space", 0) == FLAG, "Space on a closed cell set no flag")
        check(self.press("space", 0) == CLOSED, "a second Space left the flag")

    def game(self):
        step("a game played by the names of the cells: the arrows, Home and End to a cell, "
             "Enter to open it")
        finder = FoxFinder()
        opened = 0
        while True:
            try:
                cell = finder.next_cell()
            except ValueError:
                raise Failure(f"the names read contradict each other: {finder.numbers}, "
                              f"foxes {sorted(finder.foxes)}") from None
            shown = self.press("Return", cell, box="Игра окончена")
            opened += 1
            check(opened <= 40, f"no fifth fox after {opened} cells")
            if shown is None:
                break
            if shown == FOX:
                finder.saw_fox(cell)
            else:
                check(shown.isdigit(), f"cell {cell} shows {shown} after Enter")
                finder.saw_number(cell, {int(shown)})
            check(self.status("Ходы") == str(opened),
                  f'the moves read "{self.status("Ходы")}" after {opened} opened cells')
        check(len(finder.foxes) == 4, f"the game ended at the fox number {len(finder.foxes) + 1}")
        step(f"the fifth fox at cell {cell}, after {opened} opened cells")
        return finder.foxes | {cell}, opened

    def end(self, foxes, opened):
        step('the end box read and closed, the name typed, the result read in the panel')
        box = self.reader.window("Игра окончена")
        check(self.reader.find(box, self.reader.atspi.ROLE_LABEL,
                               lambda label: label.name == "Все лисы найдены"),
              'the end box does not say "Все лисы найдены"')
        points = self.status("Очки")
        check(points and int(points) <= 300 - 10 * opened,
              f'the points read "{points}" after {opened} opened cells')
        self.keys(self.session.wait_window("Игра окончена"), "Return")
        wait_until('the name box "Ввод"', lambda: self.reader.window("Ввод"), 10)
        name_box = self.session.wait_window("Ввод")
        self.session.xdotool("windowfocus", "--sync", name_box)
        self.session.xdotool("type", "--delay", "30", NAME)
        self.keys(name_box, "Return")
        showing = self.reader.atspi.STATE_SHOWING
        table = wait_until(
            "the panel of best results with the name",
            lambda: self.reader.find(self.reader.window("Зарнак"), self.reader.atspi.ROLE_TEXT,
                                     lambda text: text.getState().contains(showing)
                                     and NAME in self.reader.text_of(text)), 10)
        rows = self.reader.text_of(table).splitlines()
        row = next(line for line in rows if NAME in line)
        check(re.fullmatch(rf"\s*\d+\.{NAME} *{points}\s*", row),
              f'the panel\'s row "{row}" does not give {NAME} with {points} points')
        names = {cell: self.shows(cell) for cell in range(100)}
        check({cell for cell, shown in names.items() if shown == FOX} == foxes,
              f"the names show foxes other than those found, {sorted(foxes)}")
        for cell, shown in names.items():
            if shown.isdigit():
                count = sum(1 for fox in foxes if on_one_line(fox, cell))
                check(int(shown) == count, f"cell {cell} is named {shown}, but {count} foxes "
                      "lie on its lines")
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
    session = bus = None
    started = time.monotonic()
    try:
        session = XSession()
        bus = AccessibilityBus(session.display, log)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        os.environ["DISPLAY"] = session.display
        session.start([program], root, log, {
            "HOME": os.path.join(root, "home"), "DBUS_SESSION_BUS_ADDRESS": bus.address,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        player = BlindPlayer(session, session.wait_window("Зарнак"), ScreenReader())
        player.fresh_board()
        player.flags()
        player.end(*player.game())
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        if os.path.exists(log):
            print("the program's output:\n" + open(log, errors="replace").read(), file=sys.stderr)
        return 1
    finally:
        if session:
            session.stop()
        if bus:
            bus.stop()
        shutil.rmtree(root, ignore_errors=True)
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
