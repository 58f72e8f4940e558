#!/usr/bin/env python3
"""Fails when a folder includes a header of a folder above it.

Each folder may include its own headers and those of the folders listed for
it; the Win32 edge files (*_win32.*) may also include what they wire. The
folders not named here (ui, tools, tests, ...) may include anything.
"""
import pathlib
import re
import sys

BELOW = {
    "twain": set(),
    "platform": set(),
    "resources": set(),
    "settings": {"twain", "platform"},
    "device": {"platform"},
    "imaging": {"twain", "platform"},
    "debuglog": {"platform"},
    "scanning": {"twain", "platform", "resources", "settings", "device", "imaging"},
    "datasource": {"twain", "platform", "resources", "settings", "device", "imaging", "scanning"},
    "launcher": {"platform", "debuglog"},
}
# What the Win32 edge files of a folder add to its list.
EDGE = {"datasource": {"ui"}, "launcher": {"ui"}}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z0-9_]+)/', re.MULTILINE)

root = pathlib.Path(sys.argv[1])
faults = []
for folder, allowed in BELOW.items():
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        edge = "_win32." in path.name
        for target in INCLUDE.findall(path.read_text(errors="replace")):
            if target == folder or target in allowed or (edge and target in EDGE.get(folder, ())):
                continue
            faults.append(f"{path.relative_to(root)} includes {target}/")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
