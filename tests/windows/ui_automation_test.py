#!/usr/bin/env python3
"""A whole game of the Windows build played as a blind player plays it on Windows: Varn.exe runs
under Wine on its own X server, and a UI Automation client (uia_reader.exe) runs beside it in the
same prefix, reading the game as a screen reader that follows the focus does. The player reads the
window, its menus, the board's cells and the status column, then plays only by keys sent through
XTest, hearing each cell the frame lands on and each press's new state as a focus-changed event,
then the end box, the name box's prompt and the panel's lines, or, where Wine gives no element's
description, the panel's close button. It ends with what Wine left unimplemented on the way, from
its fixme lines. A Wine older than 10 cannot carry the client: the
test is then skipped, saying why."""

import argparse
import contextlib
import os
import subprocess
import sys
import tempfile

from driver.blind_player import CLOSED, NAME, BlindPlayer, cells_in, values_in
from driver.checks import Failure, Skip, check, run, step
from driver.game_window import GameWindow
from driver.launch import Wine, copy_program
from driver.titles import TITLE
from driver.ui_automation import (DATA_ITEM, MENU_ITEM, PANE, STATUS_BAR, STUBS, TEXT, WINDOW,
                                  UiAutomation, Unavailable)
from driver.x_session import XSession

MENUS = ["Файл", "Игра", "Справка"]
FIRST_WINE = 10  # the first Wine whose UI Automation reads another program's elements


class UiaPlayer(BlindPlayer):
    def start(self):
        step("the window read: its name, its menus, the board's cells in order, the status "
             "column's values")
        window, *elements = self.listener.window(TITLE)
        check((window["type"], window["name"]) == (WINDOW, TITLE), f"the window reads {window}")
        menus = [element["name"] for element in elements if element["type"] == MENU_ITEM]
        check(menus == MENUS, f"the menu bar reads {menus}")
        board = next((i for i, element in enumerate(elements)
                      if (element["type"], element["name"]) == (PANE, "Поле")), None)
        check(board is not None, f'no pane "Поле" among {elements}')
        cells = elements[board + 1:board + 101]
        check([element["type"] for element in cells] == [DATA_ITEM] * 100
              and cells_in([element["name"] for element in cells])
              == [(cell, CLOSED) for cell in range(100)],
              f"the board's cells read {[element['name'] for element in cells]}")
        self.status_bar = 1 + next((i for i, element in enumerate(elements)
                                    if element["type"] == STATUS_BAR), -2)
        check(self.status_bar > 0, f"no status bar among {elements}")
        values = self.status()
        check(sorted(values) == sorted(["Ходы", "Лисы", "Время", "Очки"]),
              f"the status column reads {values}")

        # Wine gives the new window the keys as it opens: the client hears of the focus with the
        # first key.
        step("the first key heard: the window's name and the one cell it lands on")
        self.keys("Right")
        said = self.listener.hear("the second cell", lambda said: cells_in(said) and said, 15)
        check(TITLE in said, f"the window's name was not heard: {said}")
        check(cells_in(said) == [(1, CLOSED)], f"entering the board spoke {said}")
        self.cursor = 1

    def status(self):
        """The status bar's values, read anew: caption -> value."""
        return values_in([element["name"] for element in self.listener.again(self.status_bar)
                          if element["type"] == TEXT])

    def panel_row(self):
        """The row read from the close button's description, where Wine gives it; where it does
        not, the close button heard with the focus, and the call Wine left undone named."""
        said = self.listener.hear("the close button", lambda said: any(
            "Закрыть" in line for line in said) and said)
        unread = self.listener.unread()
        if not unread:
            return next((row for line in said for row in line.splitlines() if NAME in row), "")
        step(f"the panel's lines unread ({', '.join(unread)} is a stub): its close button heard "
             "with the focus instead")
        return None

    def enter_name(self, name_box):
        """Pasted: Wine reads no Cyrillic keys that xdotool maps for a moment."""
        self.session.paste(name_box, NAME)


def wine_version(wine):
    return subprocess.run([wine.wine_run, "--version"], capture_output=True, text=True,
                          env=dict(os.environ, **wine.environment), timeout=60).stdout.strip()


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-ui-automation-",
                                      ignore_cleanup_errors=True) as root,
          contextlib.ExitStack() as stack):
        program = copy_program(root, arguments.program, arguments.help_file, "Varn.exe")
        wine = stack.enter_context(Wine(arguments.wine, os.path.join(root, "wine")))
        session = stack.enter_context(XSession(root))
        launch = wine.launch(program)
        launch.environment.update(HOME=os.path.join(root, "home"), WINEDEBUG=STUBS)
        window = GameWindow(session, launch, root)
        wine.environment["DISPLAY"] = session.display
        try:
            reader = UiAutomation(wine, arguments.reader, os.path.join(root, "reader.log"))
        except Unavailable as failure:
            version = wine_version(wine)
            if int(version.removeprefix("wine-").split(".")[0]) < FIRST_WINE:
                raise Skip(f"{version} cannot carry a UI Automation client: {failure}") from None
            raise Failure(f"the UI Automation client cannot start under {version}: "
                          f"{failure}") from None
        stack.callback(reader.stop)
        try:
            UiaPlayer(session, window.id, reader).play()
        finally:
            step(f"{wine_version(wine)} left undone: " + "; ".join(reader.stubs(session.log)))


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="Varn.exe")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    options.add_argument("--reader", required=True, help="uia_reader.exe")
    options.add_argument("--wine", required=True, help="windows/wine-run")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
