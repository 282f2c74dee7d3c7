"""Debian's Orca on a private accessibility bus, with preferences of its own, and what it speaks.
Orca writes each utterance to its debug file; a pseudo-terminal as that file makes it write each
line at once, where a plain file would keep the latest ones in its buffer."""

import codecs
import os
import re
import shutil
import subprocess
import threading
import tty

from driver.checks import Failure, wait_until
from driver.processes import die_with_parent, end_process

UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{'", re.DOTALL)


class Orca:
    def __init__(self, bus_address, display, root):
        if shutil.which("orca") is None:
            raise Failure("orca is not installed (scripts/setup --tests installs it)")
        home = os.path.join(root, "orca-home")
        preferences = os.path.join(home, "preferences")
        os.makedirs(preferences)
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith(("DBUS_", "AT_SPI_", "XDG_"))}
        environment.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=bus_address, HOME=home,
                           XDG_RUNTIME_DIR=home, GSETTINGS_BACKEND="memory")
        # Both ends stay open here: a terminal that no one holds gives its reader an error.
        self._reader, self._writer = os.openpty()
        tty.setraw(self._writer)
        self._text = ""
        self._heard = 0  # utterances already taken by hear()
        self._lock = threading.Lock()
        # What Orca prints itself, such as why it would not start, goes into the failure.
        self._output = open(os.path.join(home, "output.txt"), "w+")
        self._process = subprocess.Popen(
            ["orca", "--user-prefs", preferences, "--debug-file", os.ttyname(self._writer)],
            env=environment, stdout=self._output, stderr=subprocess.STDOUT,
            preexec_fn=die_with_parent)
        threading.Thread(target=self._read, daemon=True).start()
        # Orca starts in seconds, but a machine busy with builds can take it many times longer.
        self.hear("Orca to start", lambda said: "Screen reader on." in said, 90)

    def _read(self):
        # A letter may be split between two reads.
        decoder = codecs.getincrementaldecoder("utf-8")(errors="replace")
        while True:
            try:
                chunk = os.read(self._reader, 65536)
            except OSError:
                return
            if not chunk:
                return
            with self._lock:
                self._text += decoder.decode(chunk)

    def utterances(self):
        with self._lock:
            return UTTERANCE.findall(self._text)

    def hear(self, what, heard, timeout=10):
        """Waits until the utterances spoken since the last call satisfy heard(list), which gives
        what it found; they are then taken, and the result given back."""
        def check():
            said = self.utterances()[self._heard:]
            found = heard(said)
            return found and (found, len(said))
        try:
            found, count = wait_until(what, check, timeout)
        except Failure as failure:
            self._output.seek(0)
            printed = self._output.read().strip()
            raise Failure(f"{failure}; Orca said {self.utterances()[self._heard:]}"
                          + (f", and printed: {printed}" if printed else "")) from None
        self._heard += count
        return found

    def stop(self):
        end_process(self._process)
        os.close(self._writer)
        os.close(self._reader)
        self._output.close()
