"""Debian's Chromium, headless, driven over its DevTools protocol through a pipe: one page, its
events, mouse and keys as a player's, and pictures of what it shows."""

import base64
import fcntl
import io
import json
import os
import select
import signal
import subprocess
import tempfile
import time

from PIL import Image

from driver.checks import Failure
from driver.picture import Picture
from driver.processes import die_with_parent

# Without these Chromium reaches for Google's services at start, which a closed network refuses;
# WebGL, which Qt for WebAssembly draws with, runs in software.
FLAGS = ["--headless", "--no-sandbox", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-default-apps",
         "--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--remote-debugging-pipe"]


class Browser:
    """Chromium with pages of the given size and pixel ratio, in tabs, as a context: at its end
    Chromium ends, and a failure inside it gets a picture of the page as a note."""

    def __init__(self, width, height, pixel_ratio=1, mobile=False):
        self._profile = tempfile.TemporaryDirectory(prefix="varn-chromium-",
                                                    ignore_cleanup_errors=True)
        to_browser, self._commands = os.pipe()
        self._replies, from_browser = os.pipe()
        self._process = subprocess.Popen(
            ["chromium", *FLAGS, f"--user-data-dir={self._profile.name}",
             f"--window-size={width},{height}", "about:blank"],
            pass_fds=(3, 4), preexec_fn=lambda: self._pipes_to(to_browser, from_browser),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(to_browser)
        os.close(from_browser)
        self._next_id = 0
        self._pending = b""
        self.events = []  # (method, params) of every event, oldest first
        self._metrics = {"width": width, "height": height, "deviceScaleFactor": pixel_ratio,
                         "mobile": mobile}
        self._tabs = {}  # a tab's session -> its target
        self._session = None
        self.new_tab()

    def new_tab(self):
        """Opens another tab, in front, and sends what follows to it; returns the tab it left."""
        left = self._session
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self._session = self.call("Target.attachToTarget", targetId=target,
                                  flatten=True)["sessionId"]
        self._tabs[self._session] = target
        self.send("Emulation.setDeviceMetricsOverride", **self._metrics)
        self.send("Network.enable")
        return left

    def switch_to(self, tab):
        """Brings a tab to the front, where it draws, and sends what follows to it; returns the
        tab it left."""
        left = self._session
        self.call("Target.activateTarget", targetId=self._tabs[tab])
        self._session = tab
        return left

    def close_tab(self):
        """Closes the tab in front, as a player does, and sends what follows to the tab opened
        last of those left."""
        self.call("Target.closeTarget", targetId=self._tabs.pop(self._session))
        self._session = list(self._tabs)[-1]

    @staticmethod
    def _pipes_to(read_end, write_end):
        # The protocol's pipe: commands on descriptor 3, replies on 4; moved out of the way
        # first, as either end may be 3 or 4 already.
        read_end, write_end = (fcntl.fcntl(end, fcntl.F_DUPFD, 10) for end in (read_end, write_end))
        os.dup2(read_end, 3)
        os.dup2(write_end, 4)
        die_with_parent()

    def __enter__(self):
        return self

    def __exit__(self, kind, failure, trace):
        if isinstance(failure, Failure):
            picture = os.path.abspath("web_failure.png")
            self.picture(0, 0, *self.evaluate("[innerWidth, innerHeight]")).save_png(picture)
            failure.add_note(f"the page at the failure: {picture}")
        self.stop()

    def stop(self):
        # Its renderer and GPU processes too, which still write into the profile.
        os.killpg(self._process.pid, signal.SIGKILL)
        self._process.wait()
        os.close(self._commands)
        os.close(self._replies)
        self._profile.cleanup()

    def call(self, method, session=None, **params):
        """Sends a command and waits for its answer."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._read(timeout=30)
            if reply is None:
                raise Failure(f"Chromium did not answer {method} within 30 s")
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise Failure(f"{method}: {reply['error']}")
                return reply.get("result", {})

    def send(self, method, **params):
        """A command to the page."""
        return self.call(method, self._session, **params)

    def open(self, url):
        """Loads a page and waits for its load event."""
        self.send("Page.enable")
        first = len(self.events)
        self.send("Page.navigate", url=url)
        deadline = time.monotonic() + 30
        while not any(method == "Page.loadEventFired" for method, _ in self.events[first:]):
            message = self._read(timeout=deadline - time.monotonic())
            if message is None:
                raise Failure(f"{url} did not load within 30 s")

    def _read(self, timeout):
        """The next message, None after timeout; an event is also kept in events."""
        deadline = time.monotonic() + timeout
        while b"\0" not in self._pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._replies], [], [], left)[0]:
                return None
            chunk = os.read(self._replies, 1 << 20)
            if not chunk:
                raise Failure("Chromium has ended")
            self._pending += chunk
        text, self._pending = self._pending.split(b"\0", 1)
        message = json.loads(text)
        if "method" in message:
            self.events.append((message["method"], message.get("params", {})))
        return message

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def picture(self, x, y, width, height):
        """What the page shows in a rectangle, a pixel for each CSS pixel of the page."""
        scale = 1 / self._metrics["deviceScaleFactor"]
        shot = self.send("Page.captureScreenshot", format="png", optimizeForSpeed=True,
                         clip={"x": x, "y": y, "width": width, "height": height, "scale": scale})
        rgb = Image.open(io.BytesIO(base64.b64decode(shot["data"]))).convert("RGB")
        return Picture(rgb.width, rgb.height, rgb.tobytes())

    def click(self, x, y, button="left"):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                      clickCount=1)

    def key(self, key, code=None, text=None):
        """One key pressed and released, as the browser reports it to the page."""
        fields = {"key": key, "code": code or key}
        if text:
            fields["text"] = text
        self.send("Input.dispatchKeyEvent", type="keyDown", **fields)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code or key)
