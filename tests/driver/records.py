"""Varn.dat as the player's table: ten rows of a name and a points field, each byte of the
Windows-1251 text stored with its top bit flipped."""

ROWS = 10
ROW_LENGTH = 14
EMPTY_NAME = " " * 10
EMPTY_TABLE = b"\xa0" * (ROWS * ROW_LENGTH)


def _flipped(data):
    return bytes(b ^ 0x80 for b in data)


def read_rows(path):
    """(name, points field) for rows 1 to 10."""
    with open(path, "rb") as table:
        data = table.read()
    if len(data) != len(EMPTY_TABLE):
        raise ValueError(f"{path} holds {len(data)} bytes, not {len(EMPTY_TABLE)}")
    plain = _flipped(data).decode("cp1251")
    lines = [plain[i:i + ROW_LENGTH] for i in range(0, len(plain), ROW_LENGTH)]
    return [(line[:10], line[10:]) for line in lines]


def points_field(points):
    return str(points).rjust(4) if points else " " * 4


def table_file(results):
    """The bytes of a table that holds the (name, points) results in their order, then empty
    rows, as the program writes it."""
    lines = [name.ljust(10) + points_field(points) for name, points in results]
    lines += [EMPTY_NAME + points_field(0)] * (ROWS - len(lines))
    return _flipped("".join(lines).encode("cp1251"))
