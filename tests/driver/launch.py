"""How the program under test starts: where it is copied, its command and environment, and how
long its window may take; a Windows build under Wine, in a prefix of the test's own."""

import glob
import os
import shutil
import subprocess

from driver.checks import check
from driver.titles import TITLE

WINESERVER = "/usr/lib/wine/wineserver"


def copy_program(root, program, help_file, name="Varn"):
    """The built program and its rules file copied into a folder of their own under root, as a
    player unpacks them; returns the copy's path."""
    folder = os.path.join(root, "program")
    os.makedirs(folder)
    copy = os.path.join(folder, name)
    shutil.copy2(program, copy)
    shutil.copy2(help_file, os.path.join(folder, "Varn.hlp"))
    return copy


class Launch:
    def __init__(self, command, environment=None, patience=10, windows=False):
        self.command = command
        self.environment = dict(environment or {})
        self.patience = patience  # seconds for the main window to appear
        self.windows = windows  # a Windows build: its message boxes copy their text on Ctrl+C


class Wine:
    """Programs run under windows/wine-run in one prefix, as a context that ends every Wine
    process of the prefix, which outlive the programs' own; the player's folders as Windows
    names them."""

    def __init__(self, wine_run, prefix):
        self.wine_run = wine_run
        self.prefix = prefix
        self.environment = {"WINEPREFIX": prefix, "QT_QPA_PLATFORM": "windows"}

    def __enter__(self):
        return self

    def __exit__(self, *failure):
        self.kill()

    def launch(self, program, *arguments):
        # Wine starts its own services with the program.
        return Launch([self.wine_run, program, *arguments], self.environment, patience=30,
                      windows=True)

    def exit_code(self, *command):
        """Runs a program to its end; Wine's server, which a running game keeps up, is not
        waited for."""
        return subprocess.run([self.wine_run, *command], env=dict(os.environ, **self.environment),
                              timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              check=False).returncode

    def run(self, *command):
        """Runs a program that must succeed, and waits for every process it left in the
        prefix."""
        code = self.exit_code(*command)
        check(code == 0, f"{' '.join(command)} ended with code {code}")
        subprocess.run([WINESERVER, "-w"], env=dict(os.environ, **self.environment), check=True,
                       timeout=120)

    def install(self, installer):
        """Runs the installer silently, for the player alone; returns the folder the game went
        into."""
        self.run(installer, "/S")
        folder = self.user_folder("AppData", "Local", "Programs", TITLE)
        check(folder is not None, "nothing was installed under %LOCALAPPDATA%\\Programs\\Зарнак")
        return folder

    def kill(self):
        subprocess.run([WINESERVER, "-k"], env=dict(os.environ, **self.environment),
                       stderr=subprocess.DEVNULL, timeout=30, check=False)

    def user_folder(self, *parts):
        found = glob.glob(os.path.join(self.prefix, "drive_c", "users", "*", *parts))
        found = [path for path in found if "/users/Public/" not in path]
        return found[0] if found else None

    def user_registry(self):
        """The player's registry, as user.reg holds it once the server has ended."""
        with open(os.path.join(self.prefix, "user.reg"), encoding="utf-8",
                  errors="replace") as registry:
            return registry.read()
