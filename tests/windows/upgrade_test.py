#!/usr/bin/env python3
"""Installing again over a game that holds the player's results, under Wine in a prefix of its
own: a table planted beside the installed game, which starts on it; the installer, started while
the game runs, refuses and changes nothing; installed again once the game is closed, the program
is replaced, the table keeps every byte, and the new program starts on it and ends by Выход."""

import argparse
import os
import sys
import tempfile

from driver.checks import check, run, step
from driver.game_window import GameWindow
from driver.launch import Wine
from driver.records import table_file
from driver.x_session import XSession

# A table as a player leaves it, with a Cyrillic name: the program writes none of it again.
TABLE = table_file([("Лиса", 250), ("Anna", 120)])


def table_kept(data_file):
    with open(data_file, "rb") as table:
        return table.read() == TABLE


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-upgrade-", ignore_cleanup_errors=True) as root,
          Wine(arguments.wine, os.path.join(root, "wine")) as wine,
          XSession(root) as session):
        step("the game installed, and started on the player's table planted beside it")
        folder = wine.install(arguments.installer)
        program = os.path.join(folder, "Varn.exe")
        data_file = os.path.join(folder, "Varn.dat")
        with open(data_file, "wb") as table:
            table.write(TABLE)
        window = GameWindow(session, wine.launch(program), root)

        step("the installer, started while the game runs, stops before it writes anything")
        before = os.stat(program).st_mtime_ns
        check(wine.exit_code(arguments.installer, "/S") != 0,
              "the installer reported success while the game it replaces was running")
        check(os.stat(program).st_mtime_ns == before,
              "the installer wrote Varn.exe while the game was running")
        window.exit_from_menu()
        check(table_kept(data_file), "the game changed the table it started on")

        step("installed again once the game is closed: a new Varn.exe, the same table, on which "
             "the new program starts and which it keeps")
        os.utime(program, ns=(0, 0))
        wine.run(arguments.installer, "/S")
        check(os.stat(program).st_mtime_ns != 0, "installing again did not replace Varn.exe")
        check(table_kept(data_file), "installing again changed Varn.dat, the player's table")
        GameWindow(session, wine.launch(program), root).exit_from_menu()
        check(table_kept(data_file), "the new program changed the player's table")


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--installer", required=True, help="Varn-...-setup.exe")
    options.add_argument("--wine", required=True, help="windows/wine-run")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
