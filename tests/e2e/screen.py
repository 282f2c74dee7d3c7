"""Reads pixels back from an X server through libX11, so the test sees what the player sees."""

import ctypes
import struct
import zlib


class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


_Z_PIXMAP = 2
_ALL_PLANES = 0xFFFFFFFF

_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_libc = ctypes.CDLL(None)
_libc.free.argtypes = [ctypes.c_void_p]


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

    def text_rows(self, darkest=96):
        """How many bands of rows hold dark pixels, each band a row of text: what a reader
        counts as lines."""
        bands = 0
        inked = False
        for y in range(self.height):
            row = self.rgb[3 * self.width * y:3 * self.width * (y + 1)]
            now = any(max(row[i:i + 3]) < darkest for i in range(0, len(row), 3))
            bands += now and not inked
            inked = now
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


class Screen:
    """One connection to a display; grabs rectangles of its root window."""

    def __init__(self, display):
        self._display = _x11.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot open display {display}")
        self._root = _x11.XDefaultRootWindow(self._display)

    def close(self):
        _x11.XCloseDisplay(self._display)

    def grab(self, x, y, width, height):
        image = _x11.XGetImage(self._display, self._root, x, y, width, height, _ALL_PLANES,
                               _Z_PIXMAP)
        if not image:
            raise RuntimeError(f"cannot read the screen at {x},{y} {width}x{height}")
        try:
            info = image.contents
            if info.bits_per_pixel != 32 or info.byte_order != 0:
                raise RuntimeError("the test needs a 24-bit little-endian screen")
            raw = ctypes.string_at(info.data, info.bytes_per_line * height)
            rgb = bytearray(3 * width * height)
            for row in range(height):
                line = raw[row * info.bytes_per_line:row * info.bytes_per_line + 4 * width]
                start = 3 * width * row
                # BGRX in memory: blue first.
                rgb[start:start + 3 * width:3] = line[2::4]
                rgb[start + 1:start + 3 * width:3] = line[1::4]
                rgb[start + 2:start + 3 * width:3] = line[0::4]
            return Picture(width, height, bytes(rgb))
        finally:
            # What XDestroyImage, a macro, would do: free the pixels, then the image.
            _libc.free(ctypes.c_void_p(image.contents.data))
            _x11.XFree(image)
