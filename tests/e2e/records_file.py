"""Reads Varn.dat as the player's table: ten rows of a name and a points field."""

ROWS = 10
ROW_LENGTH = 14
EMPTY_NAME = " " * 10


def read_rows(path):
    """(name, points field) for rows 1 to 10; each byte is stored with its top bit flipped."""
    data = open(path, "rb").read()
    if len(data) != ROWS * ROW_LENGTH:
        raise ValueError(f"{path} holds {len(data)} bytes, not {ROWS * ROW_LENGTH}")
    plain = bytes((b + 128) % 256 for b in data).decode("cp1251")
    lines = [plain[i:i + ROW_LENGTH] for i in range(0, len(plain), ROW_LENGTH)]
    return [(line[:10], line[10:]) for line in lines]


def points_field(points):
    return str(points).rjust(4) if points else " " * 4

