#!/usr/bin/env python3
"""The Windows installer as a player meets it, under Wine in a prefix of its own: a silent
install for the player alone, the game started from where it went, a silent uninstall that
takes the program away and leaves the player's results."""

import argparse
import glob
import os
import subprocess
import sys
import tempfile
import shutil

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from game_window import GameWindow  # noqa: E402
from x_session import Failure, XSession  # noqa: E402

TITLE = "Зарнак"
INSTALLED = ["Varn.exe", "Varn.hlp", "README.txt", "LICENSE.txt", "Uninstall.exe"]
UNINSTALL_KEY = r"[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Varn]"
WINESERVER = "/usr/lib/wine/wineserver"


class Wine:
    """Programs run under Wine in one prefix; the player's folders as Windows names them."""

    def __init__(self, wine_run, prefix):
        self.wine_run = wine_run
        self.environment = {"WINEPREFIX": prefix, "QT_QPA_PLATFORM": "windows"}
        self.prefix = prefix

    def run(self, *command):
        """Runs a program and waits for it and for every process it left in the prefix."""
        environment = dict(os.environ, **self.environment)
        subprocess.run([self.wine_run, *command], env=environment, check=True, timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([WINESERVER, "-w"], env=environment, check=True, timeout=120)

    def kill(self):
        subprocess.run([WINESERVER, "-k"], env=dict(os.environ, **self.environment),
                       stderr=subprocess.DEVNULL, timeout=30, check=False)

    def user_folder(self, *parts):
        found = glob.glob(os.path.join(self.prefix, "drive_c", "users", "*", *parts))
        found = [path for path in found if "/users/Public/" not in path]
        return found[0] if found else None

    def user_registry(self):
        with open(os.path.join(self.prefix, "user.reg"), encoding="utf-8",
                  errors="replace") as registry:
            return registry.read()


class Launch:
    def __init__(self, wine, program):
        self.command = [wine.wine_run, program]
        self.environment = wine.environment
        self.patience = 30


def check(condition, failure):
    if not condition:
        raise Failure(failure)


def test(wine, arguments, root):
    print("-- the installer, silent, for this player only", flush=True)
    wine.run(arguments.installer, "/S")
    folder = wine.user_folder("AppData", "Local", "Programs", TITLE)
    check(folder is not None, "nothing was installed under %LOCALAPPDATA%\\Programs\\Зарнак")
    missing = [name for name in INSTALLED if not os.path.isfile(os.path.join(folder, name))]
    check(not missing, f"not installed: {missing}")
    shortcut = wine.user_folder("AppData", "Roaming", "Microsoft", "Windows", "Start Menu",
                                "Programs", f"{TITLE}.lnk")
    check(shortcut is not None, 'no Start-menu shortcut "Зарнак" for this player')
    check(UNINSTALL_KEY in wine.user_registry(), "no uninstaller under the player's Uninstall key")

    print("-- the game started from where it was installed, from another folder", flush=True)
    session = XSession()
    try:
        window = GameWindow(session, Launch(wine, os.path.join(folder, "Varn.exe")), root,
                            os.path.join(root, "game.log"))
        window.exit_from_menu()
    finally:
        session.stop()
    data_file = os.path.join(folder, "Varn.dat")
    check(os.path.getsize(data_file) == 140 if os.path.exists(data_file) else False,
          "the installed game kept no 140-byte Varn.dat beside itself")

    print("-- the uninstaller, silent: the program goes, the player's results stay", flush=True)
    wine.run(os.path.join(folder, "Uninstall.exe"), "/S")
    left = [name for name in INSTALLED if os.path.exists(os.path.join(folder, name))]
    check(not left, f"left after the uninstall: {left}")
    check(os.path.isfile(data_file), "the uninstall took Varn.dat, the player's results, too")
    check(not os.path.exists(shortcut), "the Start-menu shortcut outlived the uninstall")
    wine.kill()  # the registry reaches user.reg when the server ends
    check(UNINSTALL_KEY not in wine.user_registry(), "the Uninstall key outlived the uninstall")


def run(test, description, *extra_files):
    """Runs test(wine, arguments, root) in a Wine prefix of its own under a fresh folder, with the
    installer, windows/wine-run and the extra files named as options; returns the exit code."""
    options = argparse.ArgumentParser(description=description)
    options.add_argument("--installer", required=True, help="Varn-...-setup.exe")
    options.add_argument("--wine", required=True, help="windows/wine-run")
    for name in extra_files:
        options.add_argument(f"--{name}", required=True)
    arguments = options.parse_args()

    root = tempfile.mkdtemp(prefix="varn-installer-")
    wine = Wine(arguments.wine, os.path.join(root, "wine"))
    try:
        test(wine, arguments, root)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        wine.kill()
        shutil.rmtree(root, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(run(test, __doc__))
