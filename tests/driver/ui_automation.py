"""A UI Automation client under Wine beside the game (tests/windows/uia_reader.cpp), and what it
reads: a window's elements when asked, and the focus as it moves, heard as a Windows screen reader
that follows the focus would say it. Its Wine is asked to log what it leaves unimplemented."""

import json
import os
import re
import subprocess
import threading

from driver.checks import Failure, wait_until
from driver.processes import die_with_parent, end_process

WINDOW, MENU_ITEM, DATA_ITEM, TEXT, PANE, STATUS_BAR = 50032, 50011, 50029, 50020, 50033, 50017
# Wine's notes of what it leaves undone, from both sides: the client and the game's provider.
STUBS = "-all,fixme+uiautomation"


class Unavailable(Exception):
    """The client could not start: a call it needs failed under this Wine."""


class UiAutomation:
    def __init__(self, wine, reader, log):
        """Starts the reader in the Wine prefix of the game; fails with Unavailable when it
        cannot listen to the focus."""
        self.log = log
        self._events = []
        self._heard = 0  # events already taken by hear()
        self._lock = threading.Lock()
        with open(log, "ab") as output:
            self._process = subprocess.Popen(
                [wine.wine_run, reader], env=dict(os.environ, **wine.environment, WINEDEBUG=STUBS),
                stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=output,
                preexec_fn=die_with_parent)
        threading.Thread(target=self._read, daemon=True).start()
        first = wait_until("the UI Automation client to start", lambda: self._since(0)[:1], 60)[0]
        if first["event"] != "ready":
            self.stop()
            raise Unavailable(f"{first.get('call')} failed with {first.get('hr')}")

    def _read(self):
        for line in self._process.stdout:
            event = json.loads(line)
            with self._lock:
                self._events.append(event)

    def _since(self, index):
        with self._lock:
            return self._events[index:]

    def window(self, title):
        """The window of that title and every element in it, in the tree's order: events with
        their type, name and description. A machine busy with builds makes Wine take many
        seconds over a hundred elements."""
        return self._ask(f"window {title}", f'the window "{title}"', 60)

    def again(self, place):
        """The element at that place of the last window read, and every element in it, read
        anew."""
        return self._ask(f"again {place}", f"the element {place} of the window", 10)

    def _ask(self, command, what, timeout):
        with self._lock:
            start = len(self._events)
        self._process.stdin.write(f"{command}\n".encode("utf-8"))
        self._process.stdin.flush()

        def read():
            events = [event for event in self._since(start)
                      if event["event"] in ("root", "element", "end", "failed")]
            return events[-1:] and events[-1]["event"] == "end" and events[:-1]
        found = wait_until(f"the elements of {what}", read, timeout)
        if found[0]["event"] == "failed":
            raise Failure(f"{what} was not read: {found[0]}")
        return found

    def utterances(self, events):
        """What a screen reader following the focus says: the window the focus enters and its
        texts, the focused element's name and its description."""
        said = []
        for event in events:
            if event["event"] in ("entered", "text", "focus"):
                said += [text for text in (event["name"], event.get("description")) if text]
        return said

    def hear(self, what, heard, timeout=10):
        """Waits until what was said since the last call satisfies heard(list), which gives
        what it found; it is then taken, and the result given back."""
        def check():
            events = self._since(self._heard)
            found = heard(self.utterances(events))
            return found and (found, len(events))
        try:
            found, count = wait_until(what, check, timeout)
        except Failure as failure:
            raise Failure(f"{failure}; the client heard "
                          f"{self.utterances(self._since(self._heard))}") from None
        self._heard += count
        return found

    def unread(self):
        """The calls that failed to give what the client would have read, each once."""
        return sorted({event["unread"] for event in self._since(0) if "unread" in event})

    def stubs(self, *logs):
        """Wine's fixme lines of UI Automation in the logs, each once, without the thread and
        the addresses that make them differ."""
        lines = set()
        for log in (self.log, *logs):
            with open(log, errors="replace") as text:
                lines.update(re.sub(r"\b[0-9A-F]{8,16}\b", "*", line.split(":fixme:", 1)[1].strip())
                             for line in text if ":fixme:uiautomation:" in line)
        return sorted(lines)

    def stop(self):
        if self._process.poll() is None:
            self._process.stdin.close()
        end_process(self._process)
