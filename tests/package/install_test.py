#!/usr/bin/env python3
"""The Debian package as a player meets it: installed with dpkg for everyone on this machine, the
game started by its varn command as an unprivileged user with a home of its own on a private X
server, and removed again with dpkg, leaving none of its files behind. dpkg needs root: run by
anyone else the test is skipped. A varn package already installed is left alone and fails the
test."""

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
from x_session import Failure, XSession, wait_until  # noqa: E402

PACKAGE = "varn"
PROGRAM_FOLDER = "/usr/lib/varn"
PLAYER, PLAYER_GROUP = "nobody", "nogroup"
ERROR_TITLE = "Ошибка"
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


def answer_unwritable_folder_box(session):
    """The table is still kept beside the program alone, and a player cannot write there: its
    start brings up "Ошибка" before the main window. Answered here, and told, so that the start
    of the window itself is checked."""
    def first_shown():
        return next((title for title in (ERROR_TITLE, TITLE) if session.find_window(title)), None)
    shown = wait_until(f'the window "{TITLE}" or the box "{ERROR_TITLE}"', first_shown, 10)
    if shown == ERROR_TITLE:
        step(f'known: "{ERROR_TITLE}" at the start, the player cannot write {PROGRAM_FOLDER}; '
             "answered")
        session.keys(session.find_window(ERROR_TITLE), "Return")
        session.wait_gone(ERROR_TITLE)


def play(package, root):
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
    session = XSession()
    try:
        window = GameWindow(session, Launch(home, session.display), home,
                            os.path.join(root, "game.log"), answer_unwritable_folder_box)
        window.exit_from_menu()
    finally:
        session.stop()
    found = sorted(os.listdir(PROGRAM_FOLDER))
    check(found == ["Varn", "Varn.hlp"],
          f"the player's game left {PROGRAM_FOLDER} holding {found}")


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
        play(arguments.package, root)
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
