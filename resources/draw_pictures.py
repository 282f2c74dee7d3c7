#!/usr/bin/env python3
"""Draws the game's pictures and writes them beside this script.

fox.xpm, flag.xpm, icon.xpm and logo.xpm are what the program embeds; varn.ico carries the same
icon for the Windows executable and varn.png for the Linux desktop entry. varn_32.png to
varn_512.png are the icon's design drawn afresh at the sizes a desktop's menu and app grid show,
and a phone's home screen and installer (192 and 512) for the web page.
Only the standard library is used, so anyone can redraw them:  python3 resources/draw_pictures.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# A picture is a list of equal-length strings, one character per pixel, and a palette that maps
# each character to "None" (transparent) or "#RRGGBB".


def inside(polygon, x, y):
    """Even-odd test of the point (x, y) against a closed polygon."""
    result = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def mirrored(polygon, width):
    return [(width - x, y) for x, y in polygon]


def fill(rows, shape, char):
    """Paints every pixel whose centre lies inside the shape, a polygon or an ellipse test."""
    for y, row in enumerate(rows):
        for x in range(len(row)):
            cx, cy = x + 0.5, y + 0.5
            hit = shape(cx, cy) if callable(shape) else inside(shape, cx, cy)
            if hit:
                row[x] = char


def ellipse(centre_x, centre_y, radius_x, radius_y):
    return lambda x, y: ((x - centre_x) / radius_x) ** 2 + ((y - centre_y) / radius_y) ** 2 <= 1


def outline(rows, char):
    """Rings the figure with a one-pixel border so it stands out on the grey board."""
    height, width = len(rows), len(rows[0])
    ring = []
    for y in range(height):
        for x in range(width):
            if rows[y][x] != ".":
                continue
            neighbours = [(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)]
            if any(0 <= nx < width and 0 <= ny < height and rows[ny][nx] != "."
                   for nx, ny in neighbours):
                ring.append((x, y))
    for x, y in ring:
        rows[y][x] = char


def fox():
    """A fox's face seen from the front: orange head, white cheeks, black eyes and nose."""
    size = 32
    rows = [["."] * size for _ in range(size)]
    head = [(4, 2), (12, 9.5), (20, 9.5), (28, 2), (29.5, 13), (31, 18.5), (16, 31),
            (1, 18.5), (2.5, 13)]
    ear = [(5.5, 5), (10.5, 9.5), (5.5, 12)]
    cheek = [(1.5, 18.5), (9, 18), (13.5, 25), (16, 30.5), (15, 30.5)]
    fill(rows, head, "o")
    for shape in (ear, mirrored(ear, size)):
        fill(rows, shape, "k")
    fill(rows, [(12, 9.5), (20, 9.5), (18, 12), (14, 12)], "d")
    for shape in (cheek, mirrored(cheek, size)):
        fill(rows, shape, "w")
    fill(rows, ellipse(11, 15.5, 1.8, 1.3), "k")
    fill(rows, ellipse(21, 15.5, 1.8, 1.3), "k")
    rows[15][10] = rows[15][20] = "w"  # a glint in each eye
    fill(rows, ellipse(16, 27.5, 2.3, 1.7), "k")
    outline(rows, "b")
    palette = {".": "None", "o": "#F07818", "d": "#C85A0C", "w": "#FFFFFF", "k": "#000000",
               "b": "#3C1E08"}
    return ["".join(row) for row in rows], palette


def flag():
    """A red flag flying from a wooden pole on a small base."""
    size = 32
    rows = [["."] * size for _ in range(size)]
    cloth = [(10, 4), (18, 3), (26, 5), (27.5, 9), (26, 15), (18, 13.5), (10, 15)]
    shade = [(10, 11.5), (18, 10), (26.5, 12), (26, 15), (18, 13.5), (10, 15)]
    fill(rows, cloth, "r")
    fill(rows, shade, "s")
    fill(rows, [(7, 3), (9.5, 3), (9.5, 28), (7, 28)], "p")
    fill(rows, [(7, 3), (8, 3), (8, 28), (7, 28)], "l")
    fill(rows, ellipse(8.25, 3, 2, 2), "g")
    fill(rows, [(4, 27), (13, 27), (14, 30), (3, 30)], "p")
    outline(rows, "k")
    palette = {".": "None", "r": "#E01010", "s": "#A00808", "p": "#6B4423", "l": "#9A6A3C",
               "g": "#C0C0C0", "k": "#000000"}
    return ["".join(row) for row in rows], palette


def icon():
    """A tiny fox's face on green: the program icon, every pixel opaque."""
    left_half = [
        "gggggggg",
        "gbgggggg",
        "bobggggg",
        "bkobgggg",
        "bkkobbbb",
        "booooooo",
        "booooooo",
        "boookooo",
        "bwwwoooo",
        "gbwwwooo",
        "ggbwwwoo",
        "gggbwwwo",
        "ggggbwwk",
        "gggggbwk",
        "ggggggbb",
        "gggggggg",
    ]
    rows = [half + half[::-1] for half in left_half]
    palette = {"g": "#2E7D32", "o": "#F07818", "w": "#FFFFFF", "k": "#000000", "b": "#3C1E08"}
    return rows, palette


# 5 × 7 letters, drawn upright; the logo turns them so the word reads from bottom to top.
LETTERS = {
    "З": [".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."],
    "А": ["..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"],
    "Р": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Н": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "К": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
}


def logo():
    """The maker's mark: the title in dark letters on khaki, running up a 35 × 110 strip."""
    width, height = 35, 110
    rows = [["."] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            for inset in (2, 4):  # a double frame
                on_x = x in (inset, width - 1 - inset) and inset <= y <= height - 1 - inset
                on_y = y in (inset, height - 1 - inset) and inset <= x <= width - 1 - inset
                if on_x or on_y:
                    rows[y][x] = "k"
    across, along, gap = 3, 2, 3  # a letter row is 3 pixels across the strip, a column 2 along
    word = "ЗАРНАК"
    length = len(word) * 5 * along + (len(word) - 1) * gap
    left = (width - 7 * across) // 2
    pen = (height + length) // 2  # the baseline runs upward from here
    for letter in word:
        for glyph_y, line in enumerate(LETTERS[letter]):
            for glyph_x, pixel in enumerate(line):
                if pixel != "#":
                    continue
                for dx in range(across):
                    for dy in range(along):
                        rows[pen - 1 - glyph_x * along - dy][left + glyph_y * across + dx] = "k"
        pen -= 5 * along + gap
    for centre in (11, height - 12):  # a diamond at each end
        for y in range(centre - 4, centre + 5):
            for x in range(width):
                if abs(x - width // 2) + abs(y - centre) <= 4:
                    rows[y][x] = "k" if abs(x - width // 2) + abs(y - centre) != 2 else "."
    palette = {".": "#C3B091", "k": "#3B3222"}
    return ["".join(row) for row in rows], palette


def used_palette(rows, palette):
    used = sorted({pixel for row in rows for pixel in row})
    return [(char, palette[char]) for char in used]


def write_xpm(name, rows, palette):
    colours = used_palette(rows, palette)
    lines = ["/* XPM */", f"static const char *const {name}_xpm[] = {{",
             f'"{len(rows[0])} {len(rows)} {len(colours)} 1",']
    lines += [f'"{char} c {value}",' for char, value in colours]
    lines += [f'"{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open(os.path.join(HERE, f"{name}.xpm"), "w", encoding="ascii", newline="\n") as file:
        file.write("\n".join(lines) + "\n")


def rgb(value):
    return tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))


def write_ico(rows, palette):
    """One 16 × 16 image in 256 colours: a palette bitmap and an all-opaque mask."""
    colours = used_palette(rows, palette)
    index = {char: i for i, (char, _) in enumerate(colours)}
    size = len(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in (rgb(value) for _, value in colours))
    table += bytes(4 * (256 - len(colours)))
    pixels = b"".join(bytes(index[char] for char in row) for row in reversed(rows))
    mask = bytes(4 * size)  # 16 bits a row, padded to 32
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0,
                         len(pixels) + len(mask), 0, 0, 256, 0)
    image = header + table + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), 6 + 16)
    with open(os.path.join(HERE, "varn.ico"), "wb") as file:
        file.write(directory + entry + image)


def write_png(name, pixels):
    """An opaque RGB picture from rows of (r, g, b) tuples."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + b"".join(bytes(pixel) for pixel in row) for row in pixels)
    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 2, 0, 0, 0)
    with open(os.path.join(HERE, name), "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                   + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def distance_to_edges(polygon, x, y):
    """How far the point (x, y) lies from the nearest edge of a closed polygon."""
    nearest = math.inf
    for (ax, ay), (bx, by) in zip(polygon, polygon[1:] + polygon[:1]):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        nearest = min(nearest, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return nearest


# The icon's design on a 16 × 16 grid, as icon() draws it pixel by pixel.
ICON_HEAD = [(0.8, 0.8), (4.6, 4), (11.4, 4), (15.2, 0.8), (16, 2.5), (16, 9), (8, 15.6),
             (0, 9), (0, 2.5)]
ICON_EAR = [(0.9, 2.3), (3.6, 5), (0.9, 5)]
ICON_CHEEK = [(0, 8), (4, 8), (8, 12), (8, 16), (0, 16)]


def icon_colour(x, y, border):
    """The icon's colour at a point of the 16 × 16 grid, the head ringed border units wide."""
    if not inside(ICON_HEAD, x, y):
        return "g"
    if distance_to_edges(ICON_HEAD, x, y) < border:
        return "b"
    eyes = (ellipse(4.5, 7.5, 0.75, 0.75), ellipse(11.5, 7.5, 0.75, 0.75))
    if ellipse(8, 13.2, 1.25, 1.0)(x, y) or any(eye(x, y) for eye in eyes):
        return "k"
    if inside(ICON_EAR, x, y) or inside(mirrored(ICON_EAR, 16), x, y):
        return "k"
    if inside(ICON_CHEEK, x, y) or inside(mirrored(ICON_CHEEK, 16), x, y):
        return "w"
    return "o"


def large_icon(size, samples=4):
    """The icon drawn at size × size from its shapes, each pixel the mean of samples² points, so
    its edges are smooth rather than the 16 × 16 pixels blown up."""
    palette = {char: rgb(value) for char, value in icon()[1].items()}
    unit = 16 / size
    border = max(1, round(size / 20)) * unit  # the ring stays a few pixels wide at any size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = palette[icon_colour((px + (sx + 0.5) / samples) * unit,
                                                 (py + (sy + 0.5) / samples) * unit, border)]
                    total = [t + c for t, c in zip(total, colour)]
            row.append(tuple(round(t / samples ** 2) for t in total))
        pixels.append(row)
    return pixels


LARGE_ICON_SIZES = (32, 48, 64, 128, 192, 256, 512)


def main():
    for name, draw in (("fox", fox), ("flag", flag), ("icon", icon), ("logo", logo)):
        write_xpm(name, *draw())
    write_ico(*icon())
    rows, palette = icon()
    write_png("varn.png", [[rgb(palette[char]) for char in row] for row in rows])
    for size in LARGE_ICON_SIZES:
        write_png(f"varn_{size}.png", large_icon(size))


if __name__ == "__main__":
    main()
