"""The programs a test starts end with it, even when it is killed on its timeout."""

import ctypes
import signal
import subprocess

_PR_SET_PDEATHSIG = 1


def die_with_parent():
    """For preexec_fn: the kernel ends the child when the test ends."""
    ctypes.CDLL(None).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def end_process(process):
    """Asks a process to end, and makes it end if it has not within five seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
