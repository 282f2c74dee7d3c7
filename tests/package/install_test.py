#!/usr/bin/env python3
"""The Debian package as a player meets it: installed with dpkg for everyone on this machine, the
game started by its varn command as an unprivileged user with a home of its own on a private X
server, played there to a result in the player's table, started again on that table, and removed
again with dpkg, leaving none of its files behind. dpkg needs root: run by anyone else the test is
skipped. A varn package already installed is left alone and fails the test."""

import argparse
import os
import pwd
import subprocess
import sys
import tempfile

from driver.checks import Failure, check, run, step
from driver.game_window import GameWindow
from driver.launch import Launch
from driver.player import NAME, Player, add_picture_options
from driver.titles import ERROR_TITLE
from driver.x_session import XSession

PACKAGE = "varn"
PROGRAM_FOLDER = "/usr/lib/varn"
PLAYER, PLAYER_GROUP = "nobody", "nogroup"
# The player's data folder, as Qt names it for the program called Varn.
DATA_FILE = ".local/share/Varn/Varn.dat"
SKIPPED = 77
USER_PATH = "/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"  # Debian's for a user


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


def program_folder_untouched(when):
    found = sorted(os.listdir(PROGRAM_FOLDER))
    check(found == ["Varn", "Varn.hlp"], f"{when} {PROGRAM_FOLDER} holds {found}")


def start_game(session, home):
    """The varn command found on the PATH and run as the player, root's rights and environment
    dropped; its main window, painted. The "Ошибка" box in its place fails the test, as the table
    has a place the player can write."""
    launch = Launch(["setpriv", f"--reuid={PLAYER}", f"--regid={PLAYER_GROUP}", "--clear-groups",
                     "--pdeathsig", "TERM", "env", "-i", f"HOME={home}",
                     f"DISPLAY={session.display}", "LANG=C.UTF-8", f"PATH={USER_PATH}",
                     "QT_QPA_PLATFORM=xcb", PACKAGE])
    try:
        return GameWindow(session, launch, home)
    except Failure:
        check(not session.find_window(ERROR_TITLE),
              f'"{ERROR_TITLE}" at the start: the table found no place the player can write')
        raise


def play(arguments, root):
    step(f"dpkg -i {os.path.basename(arguments.package)}")
    dpkg("-i", arguments.package)
    check(installed(), "dpkg -i returned, but the package is not installed")
    program_folder_untouched("installed,")

    step(f"varn started by {PLAYER} with a home of its own, its table in ~/{DATA_FILE}, and a "
         f"game played to its end with {NAME!r} entered")
    player = pwd.getpwnam(PLAYER)
    home = os.path.join(root, "home")
    os.mkdir(home)
    os.chown(home, player.pw_uid, player.pw_gid)
    os.chmod(root, 0o755)  # the player reaches its home through here
    with XSession(root) as session:
        game = Player(lambda: start_game(session, home), arguments.fox, arguments.flag,
                      os.path.join(home, DATA_FILE))
        game.start()
        game.first_look()
        game.panel()
        game.calibration()
        points = game.good_game()
        game.window.exit_from_menu()
        stored = game.table_after(points)
        program_folder_untouched("after the player's game,")
        game.restart(stored)


def test(arguments):
    # Folders such as /usr/share/applications are shared and stay; everything else must go.
    before = {path for path in package_paths(arguments.package) if os.path.lexists(path)}
    with tempfile.TemporaryDirectory(prefix="varn-package-", ignore_cleanup_errors=True) as root:
        try:
            play(arguments, root)
        finally:
            step("dpkg -r: no file of the package is left")
            dpkg("-r", PACKAGE)
            check(not installed(), "dpkg -r returned, but the package is still installed")
            left = [path for path in package_paths(arguments.package)
                    if path not in before and os.path.lexists(path)]
            check(not left, f"left after dpkg -r: {left}")


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--package", required=True, help="varn_<version>_<arch>.deb")
    add_picture_options(options)
    arguments = options.parse_args()
    if os.geteuid() != 0:
        print("SKIPPED: dpkg -i needs root")
        return SKIPPED
    if installed():
        print(f"FAIL: the package {PACKAGE} is installed already; remove it first",
              file=sys.stderr)
        return 1
    return run(test, arguments)


if __name__ == "__main__":
    sys.exit(main())
