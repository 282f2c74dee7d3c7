"""Validates the package's AppStream metadata with appstreamcli: fails on any error, warning or
note but two that tell of no fault. AppStream 1.0 (Debian 13) warns that no homepage is named, and
the game has none to name; AppStream 0.16 (Debian 12) notes that it does not know the developer
block, which 1.0 asks for in place of the developer's name alone."""

import re
import subprocess
import sys

ACCEPTED = {"url-homepage-missing", "unknown-tag developer"}

result = subprocess.run(["appstreamcli", "validate", "--no-net", "--explain", sys.argv[1]],
                        capture_output=True, text=True, check=False)
print(result.stdout, result.stderr, sep="\n")
# An issue's line: its severity's letter, the component and where, then the issue and its subject.
issues = re.findall(r"^[EWI]: \S+ (.+?)\s*$", result.stdout, re.M)
failing = [issue for issue in issues if issue not in ACCEPTED]
# A failure with no issue named is a failure to validate at all: no file, a file not XML.
if failing or (result.returncode != 0 and not issues):
    sys.exit(f"the metadata does not validate: {failing or 'see above'}")
