"""Gathers, from a Qt source tree and the build made of it, the licence of Qt and the notices of
the third-party code that build compiled into the libraries and plugins the game links: Varn.exe
for Windows, Varn.wasm for the web.

Usage: qt_notices.py QT_SOURCE QT_BUILD OUTPUT_FOLDER

Qt names each piece of third-party code, with its licence, in qt_attribution.json files; a piece
counts when a file it covers was compiled or included by an object of those libraries (Ninja's
record of the compiler's dependencies says which).
"""

import json
import os
import re
import subprocess
import sys

# Build folders of what the static game is made from: Qt Core, Gui and Widgets, the Windows or
# the web platform plugin, the style plugins, the picture formats and the bundled libraries they
# use; the resources they compile in, such as the web plugin's fonts, count as compiled.
LINKED = ("src/corelib/", "src/gui/", "src/widgets/", "src/3rdparty/", "src/entrypoint/",
          "src/plugins/platforms/windows/", "src/plugins/platforms/wasm/", "src/plugins/styles/",
          "src/plugins/imageformats/", "src/opengl/")


def compiled_files(build):
    """Every source and header the linked objects were built from, as real paths."""
    listing = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True,
                             capture_output=True, text=True).stdout
    files, counts = set(), False
    for line in listing.splitlines():
        if not line.strip():
            continue
        if not line.startswith(" "):
            counts = line.startswith(LINKED)
        elif counts:
            files.add(os.path.realpath(os.path.join(build, line.strip())))
    return files


def resource_files(build):
    """Every file that rcc compiled in, as the linked folders' .qrc files list them."""
    files = set()
    for prefix in LINKED:
        for folder, _, names in os.walk(os.path.join(build, prefix)):
            for name in (n for n in names if n.endswith(".qrc")):
                with open(os.path.join(folder, name), encoding="utf-8") as qrc:
                    listed = re.findall(r"<file[^>]*>([^<]+)</file>", qrc.read())
                files.update(os.path.realpath(os.path.join(folder, path)) for path in listed)
    return files


def components(source):
    """Each qt_attribution.json entry under src/, with the folder its paths are relative to."""
    for folder, _, names in os.walk(os.path.join(source, "src")):
        if "qt_attribution.json" in names:
            with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as file:
                entries = json.loads(file.read(), strict=False)
            for entry in entries if isinstance(entries, list) else [entries]:
                yield folder, entry


def listed(entry, key):
    """The names an entry gives under a key: Qt 6.4 writes them as one string, Qt 6.8 also as a
    list."""
    value = entry.get(key, [])
    return value.split() if isinstance(value, str) else value


def covers(folder, entry, files):
    """Whether any compiled file is one the entry names, or lies under the folder it names."""
    base = os.path.realpath(os.path.join(folder, entry.get("Path", "")))
    named = [os.path.join(base, name) for name in listed(entry, "Files")] or [base]
    return any(path == file or file.startswith(path + os.sep) for path in named for file in files)


def read(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as file:
        return file.read().strip()


def notice(folder, entry):
    lines = [entry["Name"] + (" " + entry["Version"] if "Version" in entry else "")]
    lines += [entry[key] for key in ("Homepage",) if key in entry]
    lines.append("Licence: " + entry["License"])
    if "Copyright" in entry:
        # One string in Qt 6.4, also a list of lines in Qt 6.8.
        copyright = entry["Copyright"]
        lines.append(copyright.strip() if isinstance(copyright, str) else "\n".join(copyright))
    if "CopyrightFile" in entry:
        lines.append(read(folder, entry["CopyrightFile"]))
    licence_files = listed(entry, "LicenseFiles") or listed(entry, "LicenseFile")
    texts = [read(folder, name) for name in licence_files]
    return "\n".join(lines) + "".join("\n\n" + text for text in texts)


def main(source, build, output):
    files = compiled_files(build) | resource_files(build)
    used = sorted(((folder, entry) for folder, entry in components(source)
                   if covers(folder, entry, files)), key=lambda item: item[1]["Name"].lower())
    if not used:
        sys.exit("No third-party code found in the build: is it complete?")
    os.makedirs(output, exist_ok=True)
    rule = "\n\n" + "=" * 78 + "\n\n"
    with open(os.path.join(output, "THIRD-PARTY-NOTICES.txt"), "w", encoding="utf-8") as file:
        file.write("The game contains Qt, under the GNU Lesser General Public License version 3"
                   " (LGPL-3.0.txt), and within Qt the following third-party code, each under"
                   " the licence given with it." + rule)
        file.write(rule.join(notice(folder, entry) for folder, entry in used) + "\n")
    with open(os.path.join(output, "LGPL-3.0.txt"), "w", encoding="utf-8") as file:
        file.write(read(os.path.join(source, "LICENSES"), "LGPL-3.0-only.txt") + "\n")
    print("\n".join(entry["Name"] for _, entry in used), file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
