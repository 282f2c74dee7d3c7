"""How an end-to-end test speaks: its steps announced, a check that fails with what the player
would have seen, waiting for something to come true, and the test's outcome as its exit code."""

import sys
import time


class Failure(Exception):
    """A check failed; the message says what the player would have seen."""


class Skip(Exception):
    """The test cannot run here; the message says why."""


# What ctest takes for a skipped test (SKIP_RETURN_CODE).
SKIPPED = 77


def step(text):
    print(f"-- {text}", flush=True)


def check(condition, failure):
    if not condition:
        raise Failure(failure)


def wait_until(what, look, timeout, interval=0.02):
    """Polls look() until it gives something true, and returns that; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = look()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def run(test, *arguments):
    """Runs test(*arguments); prints PASS and its time, SKIP and why, or FAIL with the notes the
    drivers added (the screen, the program's output), and the failure that a clean-up met after
    it; returns the exit code."""
    started = time.monotonic()
    try:
        test(*arguments)
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIPPED
    except Failure as failure:
        while isinstance(failure, Failure):
            print(f"FAIL: {failure}", *getattr(failure, "__notes__", []), sep="\n",
                  file=sys.stderr)
            failure = None if failure.__suppress_context__ else failure.__context__
        return 1
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0
