#!/usr/bin/env python3
"""Checks the built-in string table against its identifier header, and the
English resource library's table and dialog texts against the French ones.

Usage: python3 tests/resources/check_strings.py <repo-root> [--english]

Exits 0 when everything holds, otherwise prints each failure and exits 1.
"""

import re
import sys
from pathlib import Path

RC_PATH = Path("resources/strings_fr.rc")
HEADER_PATH = Path("resources/string_ids.h")
ENGLISH_RC_PATH = Path("resources/english/strings_en.rc")
DIALOG_TEXTS_PATH = Path("resources/dialog_texts_fr.h")
ENGLISH_DIALOG_TEXTS_PATH = Path("resources/english/dialog_texts_en.h")

# Texts other code and the settings file depend on verbatim.
PINNED = {
    0: "TAVRO",
    1: "ZEVODAZ",
    2: "VARUR UZ Edazi 1.0",
    3: "Février 2003",
    101: "&A propos du Scanner",
    121: "Transfert",
    133: "Ecran/Internet",
    159: "L'image que vous voulez numériser est trop grande, diminuez la "
         "résolution ou la taille de la zone de numérisation..",
    162: "Impossible de communiquer avec le périphérique.",
    170: "Par défaut",
    177: "Format TIFF - Compressé (*.TIF)",
}

# The same in every language: the manufacturer, the family, and the product
# name that applications select and that names the one-instance mutex.
LANGUAGE_NEUTRAL_IDS = (0, 1, 2)

# printf-style conversions: the text is handed to a formatting function.
CONVERSION = re.compile(r"%[-+ #0]*(?:\*|\d+)?(?:\.(?:\*|\d+))?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfgGcspn%]")
DIALOG_TEXT = re.compile(r'^#define\s+(Z8_DLG_\w+)\s+"((?:[^"\\]|\\.)*)"\s*$')

# TW_IDENTITY strings are TW_STR32: 34 bytes including the terminating zero.
IDENTITY_IDS = (0, 1, 2, 3)
TW_STR32_MAX_TEXT = 33

RC_ENTRY = re.compile(r'^\s*(\d+)\s*,?\s*"((?:[^"]|"")*)"\s*$')
HEADER_ENTRY = re.compile(
    r'^\s*inline\s+constexpr\s+unsigned\s+(kStr\w+)\s*=\s*(\d+)\s*;\s*(?://\s*(.*))?$')
RC_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "\\": "\\"}


def unescape_rc(raw, where, failures):
    """Turns a resource-compiler string body into the text it denotes."""
    out = []
    i = 0
    raw = raw.replace('""', '"')
    while i < len(raw):
        ch = raw[i]
        if ch == "\\":
            nxt = raw[i + 1] if i + 1 < len(raw) else ""
            if nxt in RC_ESCAPES:
                out.append(RC_ESCAPES[nxt])
                i += 2
                continue
            failures.append(f"{where}: unknown escape \\{nxt}")
        out.append(ch)
        i += 1
    return "".join(out)


def parse_rc(path, failures):
    """Returns a list of (id, text, line number) from the one STRINGTABLE,
    or None when the file cannot be read at all."""
    try:
        raw = path.read_bytes()
    except OSError as err:
        failures.append(f"{path}: cannot read ({err})")
        return None
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as err:
        failures.append(f"{path}: not UTF-8 ({err})")
        return None
    if "code_page" in text:
        failures.append(f"{path}: must not set a code page, the build adds it")

    entries = []
    state = "before"
    for number, line in enumerate(text.splitlines(), 1):
        stripped = line.strip()
        if not stripped or stripped.startswith("//"):
            continue
        where = f"{path}:{number}"
        if state == "before":
            if stripped == "STRINGTABLE":
                state = "header"
            else:
                failures.append(f"{where}: unexpected line before STRINGTABLE: {stripped}")
        elif state == "header":
            if stripped in ("BEGIN", "{"):
                state = "body"
            else:
                failures.append(f"{where}: expected BEGIN, got: {stripped}")
        elif state == "body":
            if stripped in ("END", "}"):
                state = "after"
                continue
            match = RC_ENTRY.match(line)
            if not match:
                failures.append(f"{where}: not a string entry: {stripped}")
                continue
            entries.append((int(match.group(1)),
                            unescape_rc(match.group(2), where, failures), number))
        else:
            failures.append(f"{where}: text after END: {stripped}")
    if state != "after":
        failures.append(f"{path}: no complete STRINGTABLE ... END block")
    return entries


def parse_header(path, failures):
    """Returns a list of (name, id, quoted comment text or None, line number),
    or None when the file cannot be read at all."""
    try:
        text = path.read_text(encoding="utf-8")
    except (OSError, UnicodeDecodeError) as err:
        failures.append(f"{path}: cannot read ({err})")
        return None
    if "#pragma once" not in text:
        failures.append(f"{path}: missing #pragma once")
    if not re.search(r"namespace\s+z8::res\s*\{", text):
        failures.append(f"{path}: constants are not in namespace z8::res")
    entries = []
    for number, line in enumerate(text.splitlines(), 1):
        match = HEADER_ENTRY.match(line)
        if match:
            comment = match.group(3)
            quoted = None
            if comment is not None:
                cm = re.fullmatch(r'"(.*)"\s*', comment)
                quoted = cm.group(1) if cm else None
            entries.append((match.group(1), int(match.group(2)), quoted, number))
        elif "constexpr" in line:
            failures.append(f"{path}:{number}: constant not in the expected form: {line.strip()}")
    return entries


def check(root):
    failures = []
    rc_path = root / RC_PATH
    header_path = root / HEADER_PATH
    rc_entries = parse_rc(rc_path, failures)
    header_entries = parse_header(header_path, failures)
    if rc_entries is None or header_entries is None:
        # Comparing against an unreadable file would only repeat one fault.
        return failures, 0

    texts = {}
    for ident, text, number in rc_entries:
        if ident in texts:
            failures.append(f"{rc_path}:{number}: id {ident} given twice")
            continue
        texts[ident] = text
        check_table_text(rc_path, number, ident, text, failures)
    rc_ids = [ident for ident, _, _ in rc_entries]
    if rc_ids != sorted(rc_ids):
        failures.append(f"{rc_path}: entries are not sorted by id")

    ids_by_name = {}
    names_by_id = {}
    for name, ident, quoted, number in header_entries:
        if name in ids_by_name:
            failures.append(f"{header_path}:{number}: name {name} defined twice")
        ids_by_name[name] = ident
        if ident in names_by_id:
            failures.append(f"{header_path}:{number}: id {ident} used by both "
                            f"{names_by_id[ident]} and {name}")
        names_by_id.setdefault(ident, name)
        if ident not in texts:
            failures.append(f"{header_path}:{number}: {name} = {ident} has no text in the .rc")
        elif quoted is None:
            failures.append(f"{header_path}:{number}: {name} lacks a comment quoting its text")
        elif quoted != texts[ident]:
            failures.append(f"{header_path}:{number}: comment of {name} quotes {quoted!r},"
                            f" the .rc has {texts[ident]!r}")
    header_ids = [ident for _, ident, _, _ in header_entries]
    if header_ids != sorted(header_ids):
        failures.append(f"{header_path}: constants are not sorted by id")
    for ident in sorted(set(texts) - set(names_by_id)):
        failures.append(f"{rc_path}: id {ident} has no constant in the header")

    for ident, expected in PINNED.items():
        actual = texts.get(ident)
        if actual != expected:
            failures.append(f"id {ident}: expected {expected!r}, found {actual!r}")

    return failures, len(texts)


def check_table_text(path, number, ident, text, failures):
    """What every table holds for each entry: 16-bit ids and cp1252 texts."""
    if ident > 65535:
        failures.append(f"{path}:{number}: id {ident} exceeds 16 bits")
    try:
        text.encode("cp1252")
    except UnicodeEncodeError as err:
        failures.append(f"{path}:{number}: id {ident} not encodable in cp1252 ({err.reason}"
                        f" at {err.start}: {text[err.start:err.end]!r})")
    if ident in IDENTITY_IDS:
        size = len(text.encode("cp1252", errors="replace"))
        if size > TW_STR32_MAX_TEXT:
            failures.append(f"id {ident}: {size} bytes do not fit a TW_STR32"
                            f" ({TW_STR32_MAX_TEXT} at most)")


def parse_dialog_texts(path, failures):
    """{macro: text} of a dialog texts header."""
    try:
        lines = path.read_text(encoding="utf-8").splitlines()
    except (OSError, UnicodeDecodeError) as err:
        failures.append(f"{path}: cannot read ({err})")
        return {}
    texts = {}
    for number, line in enumerate(lines, 1):
        if line.startswith("#define"):
            match = DIALOG_TEXT.match(line)
            if match:
                texts[match.group(1)] = match.group(2)
            else:
                failures.append(f"{path}:{number}: not a dialog text: {line.strip()}")
    return texts


def check_english(root):
    """The English table against the French one: the same ids, none missing,
    the same printf-style conversions in the same order; the dialog texts
    for the same macros."""
    failures = []
    english_path = root / ENGLISH_RC_PATH
    french = parse_rc(root / RC_PATH, failures)
    english = parse_rc(english_path, failures)
    if french is None or english is None:
        return failures, 0
    french_texts = {ident: text for ident, text, _ in french}
    english_texts = {}
    for ident, text, number in english:
        if ident in english_texts:
            failures.append(f"{english_path}:{number}: id {ident} given twice")
            continue
        english_texts[ident] = text
        check_table_text(english_path, number, ident, text, failures)
        if ident not in french_texts:
            failures.append(f"{english_path}:{number}: id {ident} is not in the French table")
        elif CONVERSION.findall(text) != CONVERSION.findall(french_texts[ident]):
            failures.append(f"{english_path}:{number}: id {ident} formats "
                            f"{CONVERSION.findall(text)}, the French text "
                            f"{CONVERSION.findall(french_texts[ident])}")
    for ident in sorted(set(french_texts) - set(english_texts)):
        failures.append(f"{english_path}: id {ident} has no English text")
    ids = [ident for ident, _, _ in english]
    if ids != sorted(ids):
        failures.append(f"{english_path}: entries are not sorted by id")
    for ident in LANGUAGE_NEUTRAL_IDS:
        if ident in english_texts and english_texts[ident] != french_texts.get(ident):
            failures.append(f"{english_path}: id {ident} must read as in French,"
                            f" {french_texts.get(ident)!r}")

    french_dialogs = parse_dialog_texts(root / DIALOG_TEXTS_PATH, failures)
    english_dialogs = parse_dialog_texts(root / ENGLISH_DIALOG_TEXTS_PATH, failures)
    if set(french_dialogs) != set(english_dialogs):
        failures.append(f"{ENGLISH_DIALOG_TEXTS_PATH}: defines {sorted(english_dialogs)},"
                        f" the French texts {sorted(french_dialogs)}")
    return failures, len(english_texts)


def main(argv):
    if len(argv) not in (2, 3) or argv[2:] not in ([], ["--english"]):
        print("usage: check_strings.py <repo-root> [--english]", file=sys.stderr)
        return 1
    english = argv[2:] == ["--english"]
    failures, count = (check_english if english else check)(Path(argv[1]))
    for failure in failures:
        print(f"FAIL: {failure}")
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    print(f"ok: {count} {'English ' if english else ''}strings")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
