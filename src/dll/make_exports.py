#!/usr/bin/env python3
"""Writes velto.dll's exports from their declarations in velto.h, a file per family.

  make_exports.py [--native] <velto.h> <output folder> [hand-written.cpp ...]

velto.h is where a routine's C shape is written: its name (the library routine's own), its
family (the section it is in), its parameters and its result. Each export written here
passes the caller's arguments as they came to dll::Export and its kin
(src/dll/dll_boundary.h), which read them as the routine's C++ parameters want them; so a
declaration that does not fit its routine fails to compile. A function defined in one of
the hand-written exports files is left to it. With --native, only the families that need
no host are written (libvelto.so), and those without the Win32 boundary.
"""

import argparse
import pathlib
import re
import sys

# The families whose routines need no host, and where each family's routines are declared.
PURE_FAMILIES = ("text", "art")
NAMESPACES = {"host": "velto::host"}
HEADERS = {
    "host": ["host/host_routines.h"],
    "text": ["library/text/text_tools.h"],
    "art": ["library/text/text_art.h"],
    "chat": ["library/chat/chat_people.h", "library/chat/instant_messages.h"],
    "windows": ["library/windows/host_menus.h", "library/windows/primitives.h"],
    "mail": ["library/mail/account_windows.h", "library/mail/filed_mail.h",
             "library/mail/mail_errors.h", "library/mail/mail_windows.h", "library/mail/mailbox.h"],
    "files": ["library/files/files_and_settings.h"],
    "inspect": ["library/inspect/host_window_tree.h"],
}

DECLARATION = re.compile(r"/\* ---- (\w+) ---- \*/|VELTO_API ((?:const )?\w+\*?) VELTO_CALL velto_(\w+)\(([^)]*)\);")


def declarations(header):
    """(family, result type, name, [(type, name)]) for each function, in velto.h's order."""
    family = None
    for match in DECLARATION.finditer(header.read_text()):
        if match.group(1):
            family = match.group(1)
            continue
        result, name, text = match.group(2), match.group(3), match.group(4)
        parameters = [] if text.strip() == "void" else [" ".join(p.split()) for p in text.split(",")]
        yield family, result, name, [tuple(re.match(r"(.*?)\s*(\w+)$", p).groups()) for p in parameters]


def arguments(parameters):
    """The export's arguments as it passes them on, and the result buffer's, if any."""
    passed, result, i = [], None, 0
    while i < len(parameters):
        kind, name = parameters[i]
        if kind == "VELTO_CHAR*" and i + 1 < len(parameters) and parameters[i + 1] == ("int", name + "Size"):
            if name == "result":
                result = f"dll::ResultText{{{name}, {name}Size}}"
            else:
                passed.append(f"dll::EditedText{{{name}, {name}Size}}")
            i += 2
            continue
        passed.append(f"dll::CallerWindow{{{name}}}" if kind == "VELTO_WINDOW" else name)
        i += 1
    return passed, result


def export(family, result_type, name, parameters, native):
    routine = f"&{NAMESPACES.get(family, 'velto::library')}::{name}"
    passed, result = arguments(parameters)
    on_host = "" if native or family in PURE_FAMILIES else "OnHost"
    if result_type == "VELTO_WINDOW":
        body = f"dll::ExportFinder({routine})"
    elif result:
        body = f"dll::ExportText{on_host}({', '.join([result, routine] + passed)})"
    else:
        body = f"dll::Export{on_host}({', '.join([routine] + passed)})"
    signature = ", ".join(f"{kind} {parameter}" for kind, parameter in parameters) or "void"
    return f"{result_type} VELTO_CALL velto_{name}({signature}) {{\n  return {body};\n}}\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("header", type=pathlib.Path)
    parser.add_argument("output", type=pathlib.Path)
    parser.add_argument("--native", action="store_true")
    parser.add_argument("hand_written", nargs="*", type=pathlib.Path)
    options = parser.parse_args()
    written_by_hand = set()
    for source in options.hand_written:
        written_by_hand |= set(re.findall(r"VELTO_CALL velto_(\w+)\(", source.read_text()))
    families = PURE_FAMILIES if options.native else tuple(HEADERS)
    exports = {family: [] for family in families}
    for family, result_type, name, parameters in declarations(options.header):
        if family in exports and name not in written_by_hand:
            exports[family].append(export(family, result_type, name, parameters, options.native))
    boundary = "dll/dll_boundary.h" if options.native else "dll/win32_dll_boundary.h"
    options.output.mkdir(parents=True, exist_ok=True)
    for family, bodies in exports.items():
        includes = "".join(f'#include "{header}"\n' for header in [boundary, "dll/velto.h"] + HEADERS[family])
        text = (f"// Written by make_exports.py from velto.h: the {family} family's exports.\n"
                f"{includes}\nnamespace dll = velto::dll;\n\n" + "\n".join(bodies))
        path = options.output / f"velto_{family}_exports.cpp"
        if not path.exists() or path.read_text() != text:
            path.write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
