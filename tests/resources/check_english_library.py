#!/usr/bin/env python3
"""Checks the English resource library against the source's own resources, as
the resource compiler reads them back from the two built files: the same
resources by type and name; the dialogs identical but for their texts; the
icons and bitmaps byte for byte the same; the string tables with the same ids;
an English version block; and no entry point, so loading it runs nothing.

Usage: python3 tests/resources/check_english_library.py <windres> <twainZ8.ds> <twainZ8.dll>

Exits 0 when everything holds, otherwise prints each failure and exits 1.
"""

import re
import struct
import subprocess
import sys
from pathlib import Path

# The first resource of a type shares its comment with the type's line.
NAME = re.compile(r"^(?:/\*)?\s*Name: (.*)\.  \*/$")
TYPE = re.compile(r"^/\* Type: (.*)$")
LITERAL = r'L?"(?:[^"\\]|\\.|"")*"'
# A dialog line that starts with its text: CAPTION, LTEXT, CONTROL, ...
TEXT_FIRST = re.compile(r"^(\s*[A-Z]+\s+)" + LITERAL)
STRING_ENTRY = re.compile(r"^\s+(\d+),\s*" + LITERAL)


def resources(windres, path):
    """{(type, name): [lines]} of one PE file, without the LANGUAGE lines."""
    text = subprocess.run([windres, "-i", str(path), "-O", "rc"], check=True,
                          capture_output=True, text=True, encoding="latin-1").stdout
    blocks, kind, key = {}, None, None
    for line in text.splitlines():
        match = TYPE.match(line)
        if match:
            kind = match.group(1).strip()
            continue
        match = NAME.match(line)
        if match:
            key = (kind, match.group(1))
            blocks[key] = []
            continue
        if key is not None and not line.startswith("LANGUAGE"):
            blocks[key].append(line)
    return blocks


def without_texts(lines):
    """A dialog with every text emptied and the empty captions left out."""
    out = []
    for line in lines:
        line = TEXT_FIRST.sub(r'\1""', line)
        if line.strip() != 'CAPTION ""':
            out.append(line)
    return out


def entry_point(path):
    data = Path(path).read_bytes()
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    (address,) = struct.unpack_from("<I", data, pe + 24 + 16)
    return address


def check(windres, source, library):
    failures = []
    french, english = resources(windres, source), resources(windres, library)
    for key in sorted(set(french) - set(english)):
        failures.append("the library lacks %s %s" % key)
    for key in sorted(set(english) - set(french)):
        failures.append("the library has %s %s, the source has not" % key)
    for key in sorted(set(french) & set(english)):
        kind, name = key
        mine, theirs = english[key], french[key]
        if kind == "dialog":
            if without_texts(mine) != without_texts(theirs):
                failures.append("dialog %s: controls, positions or styles differ" % name)
        elif kind == "stringtable":
            ids = [m.group(1) for m in map(STRING_ENTRY.match, mine) if m]
            if ids != [m.group(1) for m in map(STRING_ENTRY.match, theirs) if m]:
                failures.append("string block %s: the ids differ" % name)
        elif kind == "version":
            text = "\n".join(mine)
            if '"040904E4"' not in text.upper() or "0x409" not in text.lower():
                failures.append("the version block is not US English")
            if '"twainZ8.dll"' not in text:
                failures.append("the version block does not name twainZ8.dll")
        elif mine != theirs:
            failures.append("%s %s: not the same data as the source's" % key)
    if entry_point(library) != 0:
        failures.append("the library has an entry point")
    return failures, len(english)


def main(argv):
    if len(argv) != 4:
        print("usage: check_english_library.py <windres> <twainZ8.ds> <twainZ8.dll>",
              file=sys.stderr)
        return 1
    failures, count = check(*argv[1:])
    for failure in failures:
        print("FAIL: %s" % failure)
    if failures:
        print("%d failure(s)" % len(failures))
        return 1
    print("ok: %d resources" % count)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
