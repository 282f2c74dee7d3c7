"""A private D-Bus session with the AT-SPI accessibility bus on it, as a desktop session starts
them for a screen reader: programs started with its address speak to no other session."""

import os
import shutil
import signal
import subprocess

from driver.checks import Failure, wait_until
from driver.processes import die_with_parent

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def _own_group_dying_with_parent():
    # A group of its own, so that stop() ends the buses the daemons start too.
    os.setsid()
    die_with_parent()


class AccessibilityBus:
    """dbus-daemon for the session, and at-spi-bus-launcher with the accessibility bus and its
    registry; stop() ends them all."""

    def __init__(self, display, log):
        for program in ("dbus-daemon", "dbus-send", LAUNCHER):
            if shutil.which(program) is None:
                raise Failure(f"{program} is not installed (scripts/setup --tests installs it)")
        self._processes = []
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith(("DBUS_", "AT_SPI_"))}
        environment["DISPLAY"] = display
        try:
            with open(log, "ab") as output:
                session = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                      environment, subprocess.PIPE, output)
                self.address = session.stdout.readline().decode().strip()
                if not self.address:
                    raise Failure("the private D-Bus session did not start")
                environment["DBUS_SESSION_BUS_ADDRESS"] = self.address
                self._start([LAUNCHER, "--launch-immediately"], environment, output, output)
            self._environment = environment
            wait_until("the accessibility bus on the private session", self._accessibility_bus, 10,
                       interval=0.1)
        except BaseException:
            self.stop()
            raise

    def _start(self, command, environment, stdout, stderr):
        process = subprocess.Popen(command, env=environment, stdout=stdout, stderr=stderr,
                                   preexec_fn=_own_group_dying_with_parent)
        self._processes.append(process)
        return process

    def _accessibility_bus(self):
        # Asked without starting it: the session's own service file would start a second one.
        answer = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            env=self._environment, capture_output=True, text=True, timeout=10)
        return "boolean true" in answer.stdout

    def stop(self):
        for process in reversed(self._processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            if process.stdout:
                process.stdout.close()
        self._processes = []
