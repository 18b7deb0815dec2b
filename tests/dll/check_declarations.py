"""The examples of every language declare only functions of velto.h, with the same number
of arguments (the Python module's table: the same kinds of parameters); with --dll, the DLL exports exactly velto.h's names, undecorated (its .def is
made from velto.h); with --velto-run, velto-run runs each of them with velto.h's parameters.
  check_declarations.py <repo> [--dll velto.dll --objdump <objdump>] [--velto-run <command...>]"""
import argparse
import importlib.util
import pathlib
import re
import subprocess
import sys


def split_arguments(text):
    """Top-level comma-separated arguments, quotes respected."""
    parts, depth, quoted, current = [], 0, False, ""
    for c in text:
        if c == '"':
            quoted = not quoted
        elif not quoted and c in "([":
            depth += 1
        elif not quoted and c in ")]":
            depth -= 1
        if c == "," and not quoted and depth == 0:
            parts.append(current.strip())
            current = ""
        else:
            current += c
    if current.strip():
        parts.append(current.strip())
    return parts


def header(repo):
    """Each function of velto.h with its parameters, as (type, name) pairs."""
    text = (repo / "src/dll/velto.h").read_text()
    found = {}
    for name, params in re.findall(r"VELTO_API (?:const )?\w+\*? VELTO_CALL velto_(\w+)\(([^)]*)\);", text):
        parameters = [] if params.strip() == "void" else split_arguments(params)
        found[name] = [tuple(re.match(r"(.*?)\s*(\w+)$", " ".join(p.split())).groups()) for p in parameters]
    return found


def kinds(parameters):
    """The parameters as the Python module's table writes them: a buffer with its size is
    one in/out text, or the result's buffer when it is named result."""
    found, i = [], 0
    while i < len(parameters):
        kind, name = parameters[i]
        if kind == "VELTO_CHAR*" and i + 1 < len(parameters) and parameters[i + 1] == ("int", name + "Size"):
            found.append("out" if name == "result" else "inout")
            i += 2
            continue
        found.append({"const VELTO_CHAR*": "text", "int": "int", "VELTO_WINDOW": "window"}.get(kind, kind))
        i += 1
    return tuple(found)


def visual_basic(repo):
    text = (repo / "examples/dll/vb/velto.bas").read_text()
    return {name: len(split_arguments(params))
            for name, params in re.findall(r'Declare Function velto_(\w+) Lib "velto.dll" \(([^)]*)\)', text)}


def autohotkey(repo):
    found = {}
    for line in (repo / "examples/dll/autohotkey/velto_demo.ahk").read_text().splitlines():
        for call in re.finditer(r'DllCall\("velto\.dll\\velto_(\w+)"(.*)\)', line):
            arguments = split_arguments(call.group(2).lstrip(", "))
            found[call.group(1)] = (len(arguments) - 1) // 2  # type-value pairs, then the result type
        for call in re.finditer(r'TextResult\("velto_(\w+)"(.*)\)', line):
            arguments = split_arguments(call.group(2).lstrip(", "))
            found[call.group(1)] = len(arguments) // 2 + 2  # and the result buffer with its size
    return found


def python(repo):
    module_location = importlib.util.spec_from_file_location("velto", repo / "examples/dll/python/velto.py")
    module = importlib.util.module_from_spec(module_location)
    module_location.loader.exec_module(module)
    return {name: parameters for name, (parameters, _) in module.ROUTINES.items()}


def velto_run(command):
    """Each routine `velto-run --list` names, with its parameters as it lists them."""
    listing = subprocess.run(command + ["--list"], check=True, capture_output=True, text=True).stdout
    return {line.split()[0]: re.findall(r"<([^>]*)>", line) for line in listing.splitlines() if line.strip()}


def command_line_parameters(parameters):
    """velto.h's parameters as velto-run's command line takes them, each with whether it
    is a window: a result buffer is printed, an in/out text is one argument, a number or a
    window is written with '#'."""
    found, i = [], 0
    while i < len(parameters):
        kind, name = parameters[i]
        if kind == "VELTO_CHAR*" and i + 1 < len(parameters) and parameters[i + 1] == ("int", name + "Size"):
            if name != "result":
                found.append((name, False))
            i += 2
            continue
        found.append(("#" + name if kind in ("int", "VELTO_WINDOW") else name, kind == "VELTO_WINDOW"))
        i += 1
    return found


def velto_run_faults(listed, parameters):
    """velto-run runs every routine of velto.h (but the outcome's own functions, and
    TraceTo, which is velto-run's --trace) under its
    name, with velto.h's parameters in velto.h's order; it may leave out a window that it
    fills itself (a list whose items it prints)."""
    faults = []
    for name, each in parameters.items():
        if name in ("LastOutcome", "OutcomeName", "TraceTo"):
            continue
        if name not in listed:
            faults.append(f"velto-run: no routine {name}")
            continue
        given = listed[name]
        wanted = [parameter for parameter, window in command_line_parameters(each)
                  if parameter in given or not window]
        if wanted != given:
            faults.append(f"velto-run: {name} takes {given}, velto.h says {wanted}")
    faults += [f"velto-run: {name} is not in velto.h" for name in listed if name not in parameters]
    return faults


def exports(dll, objdump):
    text = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
    table = text.split("[Ordinal/Name Pointer] Table", 1)[1]
    return set(re.findall(r"^\s+\[\s*\d+\]\s+(\S+)$", table, re.M))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("repo", type=pathlib.Path)
    parser.add_argument("--dll")
    parser.add_argument("--objdump")
    parser.add_argument("--velto-run", nargs="+", help="the velto-run command, emulator first if any")
    arguments = parser.parse_args()
    parameters = header(arguments.repo)
    declared = {name: len(each) for name, each in parameters.items()}
    faults = []
    if len(declared) < 100:
        faults.append(f"velto.h: only {len(declared)} functions read")
    sources = {"velto.bas": visual_basic(arguments.repo), "velto_demo.ahk": autohotkey(arguments.repo)}
    for name, written in python(arguments.repo).items():
        if name not in parameters:
            faults.append(f"velto.py: velto_{name} is not in velto.h")
        elif written != kinds(parameters[name]):
            faults.append(f"velto.py: velto_{name} takes {written}, velto.h says {kinds(parameters[name])}")
    for source, functions in sources.items():
        for name, count in functions.items():
            if name not in declared:
                faults.append(f"{source}: velto_{name} is not in velto.h")
            elif count != declared[name]:
                faults.append(f"{source}: velto_{name} takes {count} arguments, velto.h says {declared[name]}")
    if arguments.velto_run:
        faults += velto_run_faults(velto_run(arguments.velto_run), parameters)
    if arguments.dll:
        exported = exports(arguments.dll, arguments.objdump)
        wanted = {"velto_" + name for name in declared}
        if exported != wanted:
            faults.append(f"the DLL's exports differ from velto.h in: {sorted(exported ^ wanted)}")
    for fault in faults:
        print("FAIL:", fault)
    if not faults:
        print(f"{len(declared)} functions: velto.h, VB, AutoHotkey and Python agree"
              + (", velto-run runs them" if arguments.velto_run else "")
              + (", and the DLL exports them undecorated" if arguments.dll else ""))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
