"""The web build's folder over HTTP on 127.0.0.1, on a port of its own, served by a process of its
own, as a context: the test's own work does not slow the page's loading."""

import re
import subprocess
import sys

from driver.processes import die_with_parent


class PageServer:
    def __init__(self, folder):
        self._process = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory",
             folder, "0"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
            preexec_fn=die_with_parent)
        port = re.search(r" port (\d+)", self._process.stdout.readline()).group(1)
        self.origin = f"http://127.0.0.1:{port}/"
        self.page = self.origin + "index.html"

    def __enter__(self):
        return self

    def __exit__(self, *failure):
        self._process.kill()
        self._process.wait()
        self._process.stdout.close()
