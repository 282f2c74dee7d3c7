#!/usr/bin/env python3
"""The Windows installer as a player meets it, under Wine in a prefix of its own: a silent
install for the player alone, the game started from where it went, a silent uninstall that
takes the program away and leaves the player's results."""

import argparse
import os
import sys
import tempfile

from driver.checks import check, run, step
from driver.game_window import GameWindow
from driver.launch import Wine
from driver.titles import TITLE
from driver.x_session import XSession

INSTALLED = ["Varn.exe", "Varn.hlp", "README.txt", "LICENSE.txt", "Uninstall.exe"]
UNINSTALL_KEY = r"[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Varn]"


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-installer-", ignore_cleanup_errors=True) as root,
          Wine(arguments.wine, os.path.join(root, "wine")) as wine):
        step("the installer, silent, for this player only")
        folder = wine.install(arguments.installer)
        missing = [name for name in INSTALLED if not os.path.isfile(os.path.join(folder, name))]
        check(not missing, f"not installed: {missing}")
        shortcut = wine.user_folder("AppData", "Roaming", "Microsoft", "Windows", "Start Menu",
                                    "Programs", f"{TITLE}.lnk")
        check(shortcut is not None, 'no Start-menu shortcut "Зарнак" for this player')
        check(UNINSTALL_KEY in wine.user_registry(),
              "no uninstaller under the player's Uninstall key")

        step("the game started from where it was installed, from another folder")
        with XSession(root) as session:
            GameWindow(session, wine.launch(os.path.join(folder, "Varn.exe")),
                       root).exit_from_menu()
        data_file = os.path.join(folder, "Varn.dat")
        check(os.path.isfile(data_file) and os.path.getsize(data_file) == 140,
              "the installed game kept no 140-byte Varn.dat beside itself")

        step("the uninstaller, silent: the program goes, the player's results stay")
        wine.run(os.path.join(folder, "Uninstall.exe"), "/S")
        left = [name for name in INSTALLED if os.path.exists(os.path.join(folder, name))]
        check(not left, f"left after the uninstall: {left}")
        check(os.path.isfile(data_file), "the uninstall took Varn.dat, the player's results, too")
        check(not os.path.exists(shortcut), "the Start-menu shortcut outlived the uninstall")
        wine.kill()  # the registry reaches user.reg when the server ends
        check(UNINSTALL_KEY not in wine.user_registry(), "the Uninstall key outlived the uninstall")


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--installer", required=True, help="Varn-...-setup.exe")
    options.add_argument("--wine", required=True, help="windows/wine-run")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
