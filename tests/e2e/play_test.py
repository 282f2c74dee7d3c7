#!/usr/bin/env python3
"""The built program, copied into a fresh folder and started from another one on its own X
server, played with real mouse and keys: the rules, the panel, flags, a new game, a whole game
opened cell by cell, a game won from the keyboard, a good game that enters the table, and the
table again after a restart. With --wine, the same games are played by the Windows build under
Wine, in a prefix of its own."""

import argparse
import contextlib
import os
import sys
import tempfile

from driver.checks import check, run, step
from driver.game_window import GameWindow
from driver.launch import Launch, Wine, copy_program
from driver.player import Player, add_picture_options
from driver.x_session import XSession

# Qt's own options, which the program must ignore: had they reached Qt, the window would be found
# under another title and its board read mirrored.
QT_OPTIONS = ["-qwindowtitle", "Не Зарнак", "-reverse"]


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-e2e-", ignore_cleanup_errors=True) as root,
          contextlib.ExitStack() as stack):
        program = copy_program(root, arguments.program, arguments.help_file,
                               "Varn.exe" if arguments.wine else "Varn")
        working_folder = os.path.join(root, "elsewhere")
        os.makedirs(working_folder)
        if arguments.wine:
            launch = stack.enter_context(Wine(arguments.wine, os.path.join(root, "wine"))).launch(
                program, *QT_OPTIONS)
        else:
            launch = Launch([program, *QT_OPTIONS])
        # A home of its own: the caller's data folder, and the table a player may keep there, are
        # never read or written.
        data_home = os.path.join(root, "home", ".local", "share")
        launch.environment.update(HOME=os.path.join(root, "home"), XDG_DATA_HOME=data_home)
        session = stack.enter_context(XSession(root))
        play = Player(lambda: GameWindow(session, launch, working_folder), arguments.fox,
                      arguments.flag, os.path.join(os.path.dirname(program), "Varn.dat"))
        play.start()
        play.first_look()
        play.rules(arguments.help_file)
        play.panel()
        play.flags()
        play.calibration()
        play.keyboard_game()
        points = play.good_game()
        step("Файл, Выход ends the program")
        play.window.exit_from_menu()
        step("Varn.dat beside the program holds the name and points; nothing was written to "
             "the working folder or the player's data folder")
        check(os.listdir(working_folder) == [],
              f"the program wrote into its working folder: {os.listdir(working_folder)}")
        check(not os.path.exists(os.path.join(data_home, "Varn")),
              f"the program wrote into {data_home}")
        play.restart(play.table_after(points))


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="the built Varn")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    add_picture_options(options)
    options.add_argument("--wine", help="windows/wine-run, to play the Windows build under Wine")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
