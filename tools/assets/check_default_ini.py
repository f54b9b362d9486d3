#!/usr/bin/env python3
"""Checks the bundled default User.ini and UT2004.ini against the keys the editor relies on.

Usage: check_default_ini.py [--dir DIR] [--keys FILE]

DIR defaults to assets/Default and FILE to tools/assets/managed_keys.txt, both relative to the
repository root. Every line of FILE names one setting as  file|section|key  (see the comments at its
top). Lines are classified the way the editor reads them: a line whose first "]" is its last character
is a section header, an empty line is blank, anything else splits at its first "=". Keys and headers
must be written exactly as listed, because the editor finds the line to store into by exact comparison,
while it reads values ignoring letter case; a setting passes only when both searches land on the same
line, inside the section it belongs to.

Besides the listed keys the script checks the shape of the files: CR LF after every line, ASCII only,
at most 1501 lines (the editor's line tables hold indices 0..1500), a section header on the first line,
no runs of blank lines, the alias lines kept together, the five-line render device block, colour values
and weapon priorities. Exit status 0 when everything passes, 1 otherwise.
"""

import argparse
import pathlib
import re
import sys

MAX_LINES = 1501
COLOUR_VALUE = re.compile(r"^\(B=\d{1,3},G=\d{1,3},R=\d{1,3},A=\d{1,3}\)$")
# The render device block in the order the Render Engine page expects it; the device on the middle line is
# never switched on by the editor, so any device is fine there.
RENDER_BLOCK = ["D3DDrv.D3DRenderDevice", "D3D9Drv.D3D9RenderDevice", None,
                "OpenGLDrv.OpenGLRenderDevice", "PixoDrv.PixoRenderDevice"]


class IniFile:
    """One file split and classified the way the editor does it."""

    def __init__(self, name, data):
        self.name = name
        self.data = data
        text = data.decode("latin-1")
        self.lines = text.split("\r\n") if text else []
        self.keys = []
        self.values = []
        self.unclassified = []
        for i, line in enumerate(self.lines):
            close = line.find("]")
            if line and close == len(line) - 1:
                self.keys.append(line)
                self.values.append("")
            elif not line:
                self.keys.append("")
                self.values.append("")
            elif "=" in line:
                key, value = line.split("=", 1)
                self.keys.append(key)
                self.values.append(value)
            else:
                self.keys.append(line)
                self.values.append("")
                self.unclassified.append(i)

    def is_header(self, i):
        return bool(self.lines[i]) and self.lines[i].find("]") == len(self.lines[i]) - 1

    def find_exact(self, key, start=0):
        for i in range(start, len(self.keys)):
            if self.keys[i] == key:
                return i
        return None

    def find_nocase(self, key, start=0):
        folded = key.lower()
        for i in range(start, len(self.keys)):
            if self.keys[i].lower() == folded:
                return i
        return None

    def section_end(self, header_index):
        for i in range(header_index + 1, len(self.lines)):
            if self.is_header(i):
                return i
        return len(self.lines)


def read_entries(path):
    entries = []
    for number, raw in enumerate(path.read_text(encoding="ascii").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        parts = line.split("|")
        if len(parts) != 3:
            raise SystemExit(f"{path}:{number}: expected file|section|key, got {raw!r}")
        file_name, section, key = parts
        entries.append((number, file_name, section.replace("\\x1b", "\x1b"), key))
    return entries


def printable(text):
    return text.replace("\x1b", "\\x1b")


def check_shape(ini, problems):
    name = ini.name
    if any(b > 0x7F for b in ini.data):
        problems.append(f"{name}: contains bytes outside ASCII")
    if any(b < 0x20 and b not in (0x0D, 0x0A, 0x1B) for b in ini.data):
        problems.append(f"{name}: contains control characters other than CR, LF and ESC")
    if not ini.data.endswith(b"\r\n"):
        problems.append(f"{name}: last line is not ended by CR LF")
    for i, line in enumerate(ini.lines):
        if "\r" in line or "\n" in line:
            problems.append(f"{name}:{i + 1}: lone CR or LF inside the line")
    if len(ini.lines) > MAX_LINES:
        problems.append(f"{name}: {len(ini.lines)} lines, the editor holds at most {MAX_LINES}")
    if ini.lines and not ini.is_header(0):
        problems.append(f"{name}: first line is not a section header")
    for i in ini.unclassified:
        problems.append(f"{name}:{i + 1}: neither header, blank nor key=value: {printable(ini.lines[i])!r}")
    for i in range(1, len(ini.lines) - 1):
        if not ini.lines[i] and not ini.lines[i - 1]:
            problems.append(f"{name}:{i + 1}: second blank line in a row (saving folds runs of blanks)")
    if len(ini.lines) >= 2 and not ini.lines[-2]:
        problems.append(f"{name}: blank line at the end of the file")
    for i, line in enumerate(ini.lines):
        if ini.is_header(i) and "=" in line:
            problems.append(f"{name}:{i + 1}: key=value line ends in ']' and would read as a header")


def check_entries(files, entries, problems):
    for number, file_name, section, key in entries:
        ini = files.get(file_name)
        where = f"{file_name} {printable(section) or '(anywhere)'} {key}".rstrip()
        if ini is None:
            problems.append(f"keys:{number}: unknown file {file_name}")
            continue
        if not key:
            count = ini.keys.count(section)
            if count != 1:
                problems.append(f"{where}: header present {count} times, expected once")
            continue
        if not section:
            exact = ini.find_exact(key)
            if exact is None:
                problems.append(f"{where}: missing")
                continue
            if ini.find_nocase(key) != exact:
                problems.append(f"{where}: another spelling of the key comes first")
            # Commented lines (";RenderDevice") repeat by nature; the block check covers them.
            count = sum(1 for k in ini.keys if k.lower() == key.lower())
            if count != 1 and not key.startswith(";"):
                problems.append(f"{where}: present {count} times, the first one wins")
            continue
        header = ini.find_exact(section)
        if header is None:
            problems.append(f"{where}: section header missing")
            continue
        if ini.find_nocase(section) != header:
            problems.append(f"{where}: another spelling of the header comes first")
        end = ini.section_end(header)
        own = [i for i in range(header, end) if ini.keys[i] == key]
        if len(own) != 1:
            problems.append(f"{where}: present {len(own)} times in its own section, expected once")
            continue
        if ini.find_nocase(key, header) != own[0]:
            problems.append(f"{where}: another spelling of the key comes first in the section")


def check_render_block(ini, problems):
    active = ini.find_exact("RenderDevice")
    commented = ini.find_exact(";RenderDevice")
    if active is None or commented is None:
        problems.append(f"{ini.name}: render device block needs both RenderDevice and ;RenderDevice lines")
        return
    start = min(active, commented)
    block = list(range(start, start + len(RENDER_BLOCK)))
    if block[-1] >= len(ini.lines):
        problems.append(f"{ini.name}: render device block runs past the end of the file")
        return
    keys = [ini.keys[i] for i in block]
    if any(k not in ("RenderDevice", ";RenderDevice") for k in keys):
        problems.append(f"{ini.name}:{start + 1}: render device block is not five RenderDevice lines: {keys}")
    if keys.count("RenderDevice") != 1:
        problems.append(f"{ini.name}:{start + 1}: render device block needs exactly one active line")
    for i, expected in zip(block, RENDER_BLOCK):
        if expected is not None and ini.values[i] != expected:
            problems.append(f"{ini.name}:{i + 1}: expected {expected}, found {ini.values[i]}")
    later = [i + 1 for i, k in enumerate(ini.keys) if k.lower() in ("renderdevice", ";renderdevice")
             and i not in block]
    if later:
        problems.append(f"{ini.name}: RenderDevice lines outside the block at lines {later}")


def check_alias_runs(ini, problems):
    # The alias pages are written back where the first alias line stood; scattered lines would move.
    for label, match in (("Aliases", lambda k: k == "Aliases"),
                         ("Aliases[n]", lambda k: "liases[" in k.lower())):
        rows = [i for i, k in enumerate(ini.keys) if match(k)]
        if not rows:
            problems.append(f"{ini.name}: no {label} lines")
        elif rows != list(range(rows[0], rows[-1] + 1)):
            problems.append(f"{ini.name}: {label} lines are not one contiguous run")
    for i, k in enumerate(ini.keys):
        if "liases[" in k.lower() and ini.values[i].lower() == "(command=,alias=)":
            problems.append(f"{ini.name}:{i + 1}: empty alias slot (saving drops it)")


def check_values(files, entries, problems):
    priorities = []
    for number, file_name, section, key in entries:
        ini = files.get(file_name)
        if ini is None or not key:
            continue
        start = ini.find_exact(section) if section else 0
        if start is None:
            continue
        i = ini.find_exact(key, start)
        if i is None:
            continue
        value = ini.values[i]
        is_colour = re.search(r"Colors?(\[\d+\])?$", key) and "Use" not in key
        if is_colour and not COLOUR_VALUE.match(value):
            problems.append(f"{file_name}:{i + 1}: {key}={value} is not a (B=,G=,R=,A=) colour")
        if key == "Priority":
            priorities.append(value)
    if priorities and sorted(priorities, key=lambda v: int(v) if v.isdigit() else -1) != \
            [str(n) for n in range(len(priorities))]:
        problems.append(f"weapon priorities are not 0..{len(priorities) - 1} once each: {priorities}")


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", type=pathlib.Path, default=root / "assets" / "Default")
    parser.add_argument("--keys", type=pathlib.Path, default=root / "tools" / "assets" / "managed_keys.txt")
    args = parser.parse_args()

    files = {}
    for name in ("User.ini", "UT2004.ini"):
        path = args.dir / name
        if not path.is_file():
            print(f"missing {path}")
            return 1
        files[name] = IniFile(name, path.read_bytes())

    entries = read_entries(args.keys)
    problems = []
    for ini in files.values():
        check_shape(ini, problems)
    check_entries(files, entries, problems)
    check_render_block(files["UT2004.ini"], problems)
    check_alias_runs(files["User.ini"], problems)
    check_values(files, entries, problems)

    for problem in problems:
        print(problem)
    sizes = ", ".join(f"{n} {len(f.lines) - 1} lines" for n, f in files.items())
    status = "FAILED" if problems else "ok"
    print(f"{status}: {len(entries)} entries checked ({sizes}), {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
