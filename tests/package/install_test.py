#!/usr/bin/env python3
"""The Debian package as a player meets it: installed with dpkg for everyone on this machine, the
game started by its varn command as an unprivileged user with a home of its own on a private X
server, played there to a result in the player's table, and removed again with dpkg, leaving none
of its files behind. dpkg needs root: run by anyone else the test is skipped. A varn package
already installed is left alone and fails the test."""

import argparse
import os
import pwd
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from game_window import TITLE, GameWindow  # noqa: E402
from play_test import NAME, Play  # noqa: E402
from x_session import Failure, XSession, wait_until  # noqa: E402

PACKAGE = "varn"
PROGRAM_FOLDER = "/usr/lib/varn"
PLAYER, PLAYER_GROUP = "nobody", "nogroup"
ERROR_TITLE = "Ошибка"
# The player's data folder, as Qt names it for the program called Varn.
DATA_FILE = ".local/share/Varn/Varn.dat"
EMPTY_TABLE = bytes([0xA0]) * 140
# "Anna" with 120 points, then nine empty rows: each byte of the plain lines with its top bit
# flipped.
ONE_RESULT = bytes(b ^ 0x80 for b in b"Anna       120") + EMPTY_TABLE[14:]
SKIPPED = 77
USER_PATH = "/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"  # Debian's for a user


def step(text):
    print(f"-- {text}", flush=True)


def check(condition, failure):
    if not condition:
        raise Failure(failure)


def installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", PACKAGE], capture_output=True,
                            text=True, check=False).stdout
    return status.endswith(" installed")


def dpkg(*arguments):
    result = subprocess.run(["dpkg", *arguments], capture_output=True, text=True, timeout=300,
                            check=False)
    check(result.returncode == 0, f"dpkg {' '.join(arguments)} failed:\n{result.stdout}"
                                  f"{result.stderr}")


def package_paths(package):
    """Every path the package holds, as installed."""
    listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", package], capture_output=True,
                             check=True).stdout
    names = subprocess.run(["tar", "-t"], input=listing, capture_output=True,
                           check=True).stdout.decode()
    return [os.path.normpath("/" + name) for name in names.splitlines() if name.strip("./")]


class Launch:
    """The varn command found on the PATH and run as the player: root's rights and environment
    dropped, a home of the player's own, and ended with the test like any program it starts."""

    def __init__(self, home, display):
        self.command = ["setpriv", f"--reuid={PLAYER}", f"--regid={PLAYER_GROUP}",
                        "--clear-groups", "--pdeathsig", "TERM",
                        "env", "-i", f"HOME={home}", f"DISPLAY={display}", "LANG=C.UTF-8",
                        f"PATH={USER_PATH}", "QT_QPA_PLATFORM=xcb", PACKAGE]
        self.environment = {}
        self.patience = 10


def start_game(session, home, log):
    """The main window, painted; the "Ошибка" box in its place fails the test, as the table has a
    place the player can write."""
    try:
        return GameWindow(session, Launch(home, session.display), home, log)
    except Failure:
        check(not session.find_window(ERROR_TITLE),
              f'"{ERROR_TITLE}" at the start: the table found no place the player can write')
        raise


def good_game(session, arguments, home, log):
    """A game played by the player to its fifth fox and a name entered: the player's table holds
    it, and the program folder holds no more than the package put there."""
    step(f"a game played to its end and {NAME!r} entered: ~/{DATA_FILE} holds the result")
    player = Play(session, arguments, (PROGRAM_FOLDER, home, log), Launch(home, session.display),
                  data_file=os.path.join(home, DATA_FILE))
    player.start()
    player.learn_empty_board()
    player.panel()
    player.calibration()
    points = player.good_game()
    player.window.exit_from_menu()
    check(os.path.isfile(player.data_file), f"no ~/{DATA_FILE} after the game")
    player.table_after(points)
    found = sorted(os.listdir(PROGRAM_FOLDER))
    check(found == ["Varn", "Varn.hlp"], f"the played game left {PROGRAM_FOLDER} holding {found}")


def play(package, arguments, root):
    step(f"dpkg -i {os.path.basename(package)}")
    dpkg("-i", package)
    check(installed(), "dpkg -i returned, but the package is not installed")
    found = sorted(os.listdir(PROGRAM_FOLDER))
    check(found == ["Varn", "Varn.hlp"], f"{PROGRAM_FOLDER} holds {found}")

    step(f"varn started by {PLAYER} with a home of its own: the window appears and Файл, Выход "
         "ends it")
    player = pwd.getpwnam(PLAYER)
    home = os.path.join(root, "home")
    os.mkdir(home)
    os.chown(home, player.pw_uid, player.pw_gid)
    os.chmod(root, 0o755)  # the player reaches its home through here
    log = os.path.join(root, "game.log")
    session = XSession()
    try:
        start_game(session, home, log).exit_from_menu()
        found = sorted(os.listdir(PROGRAM_FOLDER))
        check(found == ["Varn", "Varn.hlp"],
              f"the player's game left {PROGRAM_FOLDER} holding {found}")
        table = os.path.join(home, DATA_FILE)
        check(os.path.isfile(table) and open(table, "rb").read() == EMPTY_TABLE,
              f"the player cannot write {PROGRAM_FOLDER}, but ~/{DATA_FILE} is not the empty table")

        good_game(session, arguments, home, log)

        step(f"a result in ~/{DATA_FILE}: the next start reads it there and keeps it")
        with open(table, "wb") as stored:
            stored.write(ONE_RESULT)
        os.chown(table, player.pw_uid, player.pw_gid)
        start_game(session, home, log).exit_from_menu()
        check(open(table, "rb").read() == ONE_RESULT,
              f"the next start did not keep the table of ~/{DATA_FILE}")
    finally:
        session.stop()


def removal(package, before):
    step("dpkg -r: no file of the package is left")
    dpkg("-r", PACKAGE)
    check(not installed(), "dpkg -r returned, but the package is still installed")
    left = [path for path in package_paths(package)
            if path not in before and os.path.lexists(path)]
    check(not left, f"left after dpkg -r: {left}")


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--package", required=True, help="varn_<version>_<arch>.deb")
    options.add_argument("--fox", required=True, help="fox.xpm, to tell a fox from a number")
    options.add_argument("--flag", required=True, help="flag.xpm, to tell a flag from a number")
    arguments = options.parse_args()
    if os.geteuid() != 0:
        print("SKIPPED: dpkg -i needs root")
        return SKIPPED
    if installed():
        print(f"FAIL: the package {PACKAGE} is installed already; remove it first",
              file=sys.stderr)
        return 1

    # Folders such as /usr/share/applications are shared and stay; everything else must go.
    before = {path for path in package_paths(arguments.package) if os.path.lexists(path)}
    root = tempfile.mkdtemp(prefix="varn-package-")
    failures = []
    try:
        play(arguments.package, arguments, root)
    except Failure as failure:
        failures.append(failure)
        log = os.path.join(root, "game.log")
        if os.path.exists(log):
            print("the program's output:\n" + open(log, errors="replace").read(), file=sys.stderr)
    finally:
        try:
            removal(arguments.package, before)
        except Failure as failure:
            failures.append(failure)
        shutil.rmtree(root, ignore_errors=True)
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    if failures:
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
