#!/usr/bin/env python3
"""A whole game played as a blind player plays it, listening to Orca. The built program runs on
its own X server with a private D-Bus session and the AT-SPI accessibility bus, and Debian's Orca
runs there with its default settings; the player knows the game only from what Orca speaks. It
plays only with keys sent through XTest: the arrows, Home and End to move, Enter to open, Space to
flag, and Orca's own command for the status bar. It answers the end box and the name box, and
hears its result in the panel of best results."""

import argparse
import contextlib
import os
import sys
import tempfile

from driver.accessibility_bus import AccessibilityBus
from driver.blind_player import CLOSED, NAME, BlindPlayer, cells_in, values_in
from driver.checks import check, run, step
from driver.game_window import GameWindow
from driver.launch import Launch, copy_program
from driver.orca_speech import Orca
from driver.x_session import XSession

# Orca's command for the status bar: its modifier with the keypad's Enter, twice.
STATUS_BAR = ["Insert+KP_Enter", "Insert+KP_Enter"]


class OrcaPlayer(BlindPlayer):
    def start(self):
        step("the window heard: its title, the board, and its first cell alone")
        self.session.xdotool("windowfocus", "--sync", self.window)
        said = self.listener.hear("the first cell", lambda said: (0, CLOSED) in cells_in(said)
                                  and said, 15)
        # Orca 43 ends the window's title and role with a full stop; Orca 48 does not.
        check(any(line.rstrip(".") == "Зарнак frame" for line in said),
              f"the window's title was not heard: {said}")
        check(cells_in(said) == [(0, CLOSED)], f"entering the board spoke {said}")

    def status(self):
        """The status column, read by Orca's command: caption -> value."""
        self.keys(*STATUS_BAR)
        return values_in(self.listener.hear("the status bar", lambda said: any(
            line.startswith("Очки") for line in said) and said))

    def enter_name(self, name_box):
        """Typed, each letter heard."""
        self.session.xdotool("windowfocus", "--sync", name_box)
        self.session.xdotool("type", "--delay", "100", NAME)
        self.listener.hear(f'the letters of "{NAME}"', lambda said: "".join(
            line.strip() for line in said if len(line.strip()) == 1).endswith(NAME))


def test(arguments):
    with (tempfile.TemporaryDirectory(prefix="varn-screen-reader-",
                                      ignore_cleanup_errors=True) as root,
          contextlib.ExitStack() as stack):
        program = copy_program(root, arguments.program, arguments.help_file)
        session = stack.enter_context(XSession(root))
        # A Russian player's keyboard: Orca 48 stops reading keys that xdotool maps to a spare
        # key for a moment, as it must for letters missing from the layout.
        session.keyboard_layout("ru")
        bus = AccessibilityBus(session.display, session.log)
        stack.callback(bus.stop)
        orca = Orca(bus.address, session.display, root)
        stack.callback(orca.stop)
        window = GameWindow(session, Launch([program], {
            "HOME": os.path.join(root, "home"), "DBUS_SESSION_BUS_ADDRESS": bus.address}), root)
        OrcaPlayer(session, window.id, orca).play()


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--program", required=True, help="the built Varn")
    options.add_argument("--help-file", required=True, help="Varn.hlp")
    return run(test, options.parse_args())


if __name__ == "__main__":
    sys.exit(main())
