"""Where things lie in the main window's client area, the same on every platform, and what a
picture of it shows: each cell's nothing, flag, fox or number, the status column, the panel."""

import re

ORIGIN = 24  # the top left corner of cell 0
PITCH = 32
CLIENT_WIDTH = 460
CLIENT_HEIGHT = 368
# Inside the grid lines: a cell's own 31 × 31 pixels.
INSIDE = PITCH - 1
STATUS_COLUMN = (392, 56, 33, 204)
TEXT_BOX = (133, 80, 200, 188)  # the panel's text box
TEXT_BOX_COLOUR = (0, 192, 192)
CLOSE_BUTTON = (150 + 32, 280 + 11)

BLANK, FLAG, FOX, NUMBER = "blank", "flag", "fox", "number"


def cell_corner(index):
    row, column = divmod(index, 10)
    return ORIGIN + PITCH * column + 1, ORIGIN + PITCH * row + 1


def cell_centre(index):
    x, y = cell_corner(index)
    return x + INSIDE // 2, y + INSIDE // 2


def cell_picture(client, index):
    return client.crop(*cell_corner(index), INSIDE, INSIDE)


def status_column(client):
    return client.crop(*STATUS_COLUMN)


def text_box(client):
    return client.crop(*TEXT_BOX)


def panel_shown(client):
    box = text_box(client)
    return box.count({TEXT_BOX_COLOUR}) > box.width * box.height // 2


def xpm_colours(path):
    """The colours of an XPM picture, without its transparent one."""
    with open(path, encoding="ascii") as picture:
        text = picture.read()
    return {tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
            for value in re.findall(r'"\S+\s+c\s+#([0-9A-Fa-f]{6})"', text)}


def _greys_removed(colours):
    return {c for c in colours if not c[0] == c[1] == c[2]}


class BoardReader:
    """Knows the fox and flag by the colours only each of them uses, and an empty cell by its
    picture at the start of a game."""

    def __init__(self, fox_xpm, flag_xpm, blank_cell):
        fox = xpm_colours(fox_xpm)
        flag = xpm_colours(flag_xpm)
        self.fox_colours = _greys_removed(fox - flag)
        self.flag_colours = _greys_removed(flag - fox)
        self.blank_cell = blank_cell.rgb

    def kind(self, client, index):
        picture = cell_picture(client, index)
        if picture.rgb == self.blank_cell:
            return BLANK
        if picture.count(self.fox_colours) >= 20:
            return FOX
        if picture.count(self.flag_colours) >= 20:
            return FLAG
        return NUMBER
