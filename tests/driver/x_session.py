"""A private X server, the programs started on it, and real input through xdotool."""

import os
import shutil
import subprocess

from driver.checks import Failure, wait_until
from driver.processes import die_with_parent, end_process
from driver.screen import Screen


class XSession:
    """Xvfb on a free display number, as a context: at its end every program started on it ends
    too, and a failure inside it gets the screen and the programs' output as notes. Their output
    goes to program.log in the folder given, outside the folders they run in."""

    def __init__(self, folder):
        for tool in ("Xvfb", "xdotool"):
            if shutil.which(tool) is None:
                raise Failure(f"{tool} is not installed (scripts/setup --tests installs it)")
        self.log = os.path.join(folder, "program.log")
        read_end, write_end = os.pipe()
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=die_with_parent)
        os.close(write_end)
        self._programs = []
        self.screen = None
        try:
            with os.fdopen(read_end) as answer:
                number = answer.readline().strip()
            if not number:
                raise Failure("Xvfb did not start")
            self.display = f":{number}"
            self.screen = Screen(self.display)
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, kind, failure, trace):
        if isinstance(failure, Failure):
            picture = os.path.abspath("e2e_failure.png")
            self.screen.grab(0, 0, 1024, 768).save_png(picture)
            failure.add_note(f"the screen at the failure: {picture}")
            if os.path.exists(self.log):
                with open(self.log, errors="replace") as output:
                    failure.add_note("the program's output:\n" + output.read())
        self.stop()

    def start(self, command, working_directory, environment=None):
        """Starts a command from another folder with the real xcb platform."""
        environment = {**os.environ, "DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb",
                       **(environment or {})}
        with open(self.log, "ab") as output:
            process = subprocess.Popen(command, cwd=working_directory, env=environment,
                                       stdout=output, stderr=output,
                                       preexec_fn=die_with_parent)
        self._programs.append(process)
        return process

    def stop(self):
        for process in self._programs:
            if process.poll() is None:
                process.kill()
                process.wait()
        if self.screen:
            self.screen.close()
            self.screen = None
        end_process(self._server)

    def xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True,
                                text=True, timeout=10,
                                env=dict(os.environ, DISPLAY=self.display))
        if result.returncode != 0 and arguments[0] != "search":
            raise Failure(f"xdotool {' '.join(map(str, arguments))}: {result.stderr.strip()}")
        return result.stdout.strip()

    def find_window(self, title):
        """The id of the one visible window titled exactly title, or None."""
        ids = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
        return int(ids[0]) if ids else None

    def wait_window(self, title, timeout=10):
        return wait_until(f'a window titled "{title}"', lambda: self.find_window(title), timeout)

    def wait_gone(self, title, timeout=5):
        wait_until(f'the window "{title}" to close', lambda: self.find_window(title) is None,
                   timeout)

    def geometry(self, window):
        """x, y, width, height of a window on the screen."""
        fields = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return tuple(int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def click(self, window, x, y, button=1):
        """A real press and release at a point of the window."""
        self.xdotool("mousemove", "--window", window, x, y, "click", button)

    def keys(self, window, *keys):
        """Key presses to a window given the keyboard focus first: there is no window manager."""
        self.xdotool("windowfocus", "--sync", window, "key", "--clearmodifiers", *keys)

    def clipboard(self):
        """The text of the clipboard, as a program put it there."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-out"], capture_output=True,
                                timeout=10, env=dict(os.environ, DISPLAY=self.display))
        return result.stdout.decode("utf-8", errors="replace")

    def keyboard_layout(self, layout):
        """The keyboard's layout, as a player's desktop sets it: xdotool then types its letters
        with keys of their own, which every program reads as a player's."""
        subprocess.run(["setxkbmap", "-display", self.display, layout], timeout=10, check=True)

    def paste(self, window, text):
        """Enters text through the clipboard. Typing letters missing from the keyboard map, as
        Cyrillic is from Xvfb's, makes xdotool remap a spare key for a moment: Wine never sees
        the remapping, and a busy program may read the key after the next one."""
        environment = dict(os.environ, DISPLAY=self.display)
        subprocess.run(["xclip", "-selection", "clipboard", "-in"], input=text.encode("utf-8"),
                       env=environment, timeout=10, check=True)
        wait_until("the text in the clipboard", lambda: self.clipboard() == text, 5)
        self.keys(window, "ctrl+v")
