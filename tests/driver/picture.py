"""A picture of what the player sees, read back from the X server or the browser."""

import struct
import zlib


class Picture:
    """An RGB picture, three bytes a pixel, rows top to bottom."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def crop(self, x, y, width, height):
        rows = [self.rgb[3 * ((y + r) * self.width + x):3 * ((y + r) * self.width + x + width)]
                for r in range(height)]
        return Picture(width, height, b"".join(rows))

    def colours(self):
        """Every pixel's colour, as (r, g, b) tuples."""
        return [tuple(self.rgb[i:i + 3]) for i in range(0, len(self.rgb), 3)]

    def count(self, wanted):
        """How many pixels have one of the wanted colours."""
        return sum(1 for colour in self.colours() if colour in wanted)

    def ink_bands(self, darkest=96):
        """(top, bottom) of each band of rows that hold dark pixels, each band a row of text:
        what a reader counts as lines."""
        bands, top = [], None
        for y in range(self.height + 1):
            row = self.rgb[3 * self.width * y:3 * self.width * (y + 1)]
            inked = any(max(row[i:i + 3]) < darkest for i in range(0, len(row), 3))
            if inked and top is None:
                top = y
            elif not inked and top is not None:
                bands.append((top, y))
                top = None
        return bands

    def save_png(self, path):
        """For a person reading a failure: the picture as a PNG file."""
        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data)))

        rows = b"".join(b"\0" + self.rgb[3 * self.width * r:3 * self.width * (r + 1)]
                        for r in range(self.height))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as png:
            png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
