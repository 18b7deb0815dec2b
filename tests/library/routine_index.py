#!/usr/bin/env python3
"""The library's routines are the same in its headers, its reference and velto-run.

  routine_index.py <src folder> <docs/library.md> [velto-run command...]

A routine is a function declared at namespace level in src/host/host_routines.h or in a
public header of the library (src/library/<family>/*.h; internal/ holds none). Each must
have a row in a "Routine" table of the reference, and, when a velto-run command is given,
be named by `velto-run --list`; and neither may name a routine that no header declares.
"""

import glob
import os
import re
import subprocess
import sys

# A declaration at namespace level starts at the line's first column with its return type.
DECLARATION = re.compile(r"^(?:inline\s+|constexpr\s+|static\s+)*[\w:<>,\s*&]*?[\s*&]([A-Z]\w*)\(")


def declared_routines(source):
    headers = [os.path.join(source, "host", "host_routines.h")]
    headers += glob.glob(os.path.join(source, "library", "*", "*.h"))
    routines = {}
    for header in sorted(headers):
        text = re.sub(r"//[^\n]*", "", open(header, encoding="utf-8").read())
        for line in text.splitlines():
            if line[:1].isspace() or line.startswith(("#", "}", "namespace", "class", "struct")):
                continue
            match = DECLARATION.match(line)
            if match:
                routines[match.group(1)] = os.path.relpath(header, source)
    return routines


def names_in_cell(cell):
    """The routines a table row names: `A` / `B`, and ranges written `A01` … `A28`."""
    names = re.findall(r"`([A-Z]\w*)`", cell)
    for stem, start, end in re.findall(r"`([A-Z]\w*?)(\d+)`\s*…\s*`[A-Z]\w*?(\d+)`", cell):
        width = len(start)
        names += [f"{stem}{n:0{width}d}" for n in range(int(start), int(end) + 1)]
    return names


def documented_routines(reference):
    documented = set()
    in_routine_table = False
    for line in open(reference, encoding="utf-8"):
        if not line.startswith("|"):
            in_routine_table = False
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if cells[0] == "Routine":
            in_routine_table = True
        elif in_routine_table and not set(cells[0]) <= set("-: "):
            documented.update(names_in_cell(cells[0]))
    return documented


def runnable_routines(command):
    listing = subprocess.run(command + ["--list"], check=True, capture_output=True, text=True)
    return {line.split()[0] for line in listing.stdout.splitlines() if line.strip()}


def differences(declared, other, where):
    problems = [f"{name} ({declared[name]}) is missing from {where}"
                for name in sorted(set(declared) - other)]
    problems += [f"{where} names {name}, which no header declares"
                 for name in sorted(other - set(declared))]
    return problems


def main():
    source, reference, velto_run = sys.argv[1], sys.argv[2], sys.argv[3:]
    declared = declared_routines(source)
    if len(declared) < 100:
        sys.exit(f"only {len(declared)} routines found in the headers: the reading is broken")
    problems = differences(declared, documented_routines(reference), "docs/library.md")
    if velto_run:
        problems += differences(declared, runnable_routines(velto_run), "velto-run --list")
    for problem in problems:
        print(problem)
    print(f"{len(declared)} routines; {len(problems)} differences")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
