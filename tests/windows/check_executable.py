#!/usr/bin/python3
"""Varn.exe as Windows shows it to a player: a GUI program with its version block and icon, that
needs no DLL beside it. Read back from the built file with pefile (Debian: python3-pefile)."""

import struct
import sys

import pefile

VERSION = (1, 10, 0, 12)
STRINGS = {
    "FileVersion": "1.10.0012",
    "ProductVersion": "1.10.0012",
    "FileDescription": 'Игра "Зарнак"',
    "ProductName": "Зарнак",
    "InternalName": "Varn",
    "OriginalFilename": "Varn.exe",
}
# What only a MinGW or Qt install would have: a player's Windows has none of these.
FOREIGN_DLLS = ("lib", "qt")


def version_block(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = {
        "file": (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                 fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF),
        "product": (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
                    fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF),
    }
    strings = {}
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            strings.update({key.decode(): value.decode() for key, value in table.entries.items()})
    return numbers, strings


def icon_sizes(pe):
    """(width, height, bits per pixel) of every image of the icon groups."""
    sizes = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            continue
        for group in kind.directory.entries:
            for language in group.directory.entries:
                data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                _, _, count = struct.unpack_from("<HHH", data)
                for index in range(count):
                    width, height, _, _, _, bits, _, _ = struct.unpack_from(
                        "<BBBBHHIH", data, 6 + 14 * index)
                    sizes.append((width or 256, height or 256, bits))
    return sizes


def failures(path):
    pe = pefile.PE(path)
    numbers, strings = version_block(pe)
    for kind, version in numbers.items():
        if version != VERSION:
            yield f"{kind} version is {version}, not {VERSION}"
    for key, value in STRINGS.items():
        if strings.get(key) != value:
            yield f"{key} is {strings.get(key)!r}, not {value!r}"
    if (16, 16, 8) not in icon_sizes(pe):
        yield f"no 16 × 16 icon in 256 colours among {icon_sizes(pe)}"
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        yield f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not a GUI program"
    for entry in pe.DIRECTORY_ENTRY_IMPORT:
        if entry.dll.decode().lower().startswith(FOREIGN_DLLS):
            yield f"imports {entry.dll.decode()}, which a player's Windows does not have"


def main():
    found = list(failures(sys.argv[1]))
    for failure in found:
        print(f"FAIL: {failure}")
    print(f"{sys.argv[1]}: {'looks' if not found else 'does not look'} as a Windows player expects")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
