"""Reads pixels back from an X server through libX11, so the test sees what the player sees."""

import ctypes

from driver.picture import Picture


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
