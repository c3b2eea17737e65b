#!/usr/bin/python3
"""Writes a zip that is the same bytes from any clone, folder and day: the
entries in the order given, each with one fixed time and mode and nothing
else about the machine that packed it (no owner, no access or change times).
Text for Windows players (the .txt files) gets what every Notepad needs to
read it: a UTF-8 byte-order mark and CR LF line ends.
Usage: fixed_zip.py <zip> <file>...   (each file goes in under its own name)"""

import pathlib
import sys
import zipfile

FIXED_TIME = (1980, 1, 1, 0, 0, 0)  # the earliest a zip can say


def for_notepad(text):
    return b"\xef\xbb\xbf" + text.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def write(zip_path, entries):
    """entries: (name, bytes) in the order they go in."""
    with zipfile.ZipFile(zip_path, "w") as packed:
        for name, data in entries:
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            packed.writestr(info, for_notepad(data) if name.endswith(".txt") else data)


if __name__ == "__main__":
    write(sys.argv[1], [(pathlib.Path(f).name, pathlib.Path(f).read_bytes()) for f in sys.argv[2:]])
