"""The phone's window after repaints of its parts, at a fractional ratio of device pixels to the
window's: it must look as the window repainted whole does, with no line of stale pixels at the
edge of a part. A change of zoom repaints it whole, as turning the phone does."""

import time

from driver.checks import step, wait_until
from driver.client_area import CLIENT_HEIGHT, STATUS_COLUMN


def check_as_whole_repaint(window):
    """The board and its frame, left of the status column, whose clock runs, before and after the
    page has been zoomed in for a second and back."""
    step("the board repainted in parts looks as it does repainted whole, after a change of zoom")
    board = lambda: window.board().crop(0, 0, STATUS_COLUMN[0], CLIENT_HEIGHT).rgb  # noqa: E731
    in_parts = board()
    zoom = window.browser.evaluate("visualViewport.scale")
    window.browser.send("Emulation.setPageScaleFactor", pageScaleFactor=zoom * 1.25)
    time.sleep(1)
    window.browser.send("Emulation.setPageScaleFactor", pageScaleFactor=zoom)
    wait_until("the board repainted whole to look as it did in parts",
               lambda: board() == in_parts, 5, 0.1)
