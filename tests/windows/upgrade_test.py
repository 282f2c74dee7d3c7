#!/usr/bin/env python3
"""Installing again over a game that holds the player's results, under Wine in a prefix of its
own: the game installed and played to a result in Varn.dat; the installer, started while the game
runs, refuses and changes nothing; installed again once the game is closed, the program is
replaced and the table is the one the player left, shown again by the game."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from installer_test import TITLE, Launch, check, run  # noqa: E402
from play_test import Play, step  # noqa: E402
from x_session import XSession  # noqa: E402


def install_while_running(wine, installer):
    """Runs the installer silently while the game runs; returns its exit code. Wine's server is
    not waited for: the game keeps it up."""
    environment = dict(os.environ, **wine.environment)
    return subprocess.run([wine.wine_run, installer, "/S"], env=environment, timeout=120,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          check=False).returncode


def test(wine, arguments, root):
    step("the game installed and played to a result that enters its table")
    wine.run(arguments.installer, "/S")
    folder = wine.user_folder("AppData", "Local", "Programs", TITLE)
    check(folder is not None, "nothing was installed under %LOCALAPPDATA%\\Programs\\Зарнак")
    program = os.path.join(folder, "Varn.exe")
    working_folder = os.path.join(root, "elsewhere")
    os.makedirs(working_folder)
    session = XSession()
    try:
        play = Play(session, arguments, (folder, working_folder, os.path.join(root, "game.log")),
                    Launch(wine, program))
        play.start()
        play.first_look()
        play.panel()
        play.calibration()
        points = play.good_game()

        step("the installer, started while the game runs, stops before it writes anything")
        before = os.stat(program).st_mtime_ns
        check(install_while_running(wine, arguments.installer) != 0,
              "the installer reported success while the game it replaces was running")
        check(os.stat(program).st_mtime_ns == before,
              "the installer wrote Varn.exe while the game was running")
        play.window.exit_from_menu()
        stored = play.table_after(points)

        step("installed again once the game is closed: a new Varn.exe, the same table")
        os.utime(program, ns=(0, 0))
        wine.run(arguments.installer, "/S")
        check(os.stat(program).st_mtime_ns != 0, "installing again did not replace Varn.exe")
        check(open(play.data_file, "rb").read() == stored,
              "installing again changed Varn.dat, the player's table")
        play.restart(stored)
    finally:
        session.stop()


if __name__ == "__main__":
    sys.exit(run(test, __doc__, "fox", "flag"))
