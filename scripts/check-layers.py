#!/usr/bin/env python3
"""Keeps the source folders in layers, each using only itself and the layers
before it, and keeps Qt out of the core.

Core:  base -> ranking -> records -> estimates -> stats -> finances -> cli
Qt:    widgets -> pages -> shell   (on top of every core layer but cli)

Every `#include "..."` of a program file is checked against that order; a
page folder (pages/<page>/) may use only itself, pages/common/ (the dialogs
and rules several pages share) and the layers before pages, and
pages/common/ may use no page folder; a file of a core layer, or a source of the Qt-free rules library
(scorvane_ui_rules), that includes a Qt header fails too. Test files follow
the layer of their folder under tests/, and may also use tests/ and the
command-line library (which builds demo documents); the Qt Test programs
(tests/<layer>/ui/) drive real widgets inside the real window, so they may
use every Qt layer. Each fault is printed as
"file:line: reason" and the exit status is 1.

    scripts/check-layers.py            check the tree this script is in
    scripts/check-layers.py --root DIR check another tree
    scripts/check-layers.py --self-test
                                       plant faults in a scratch tree and
                                       show that each one is caught
"""

import argparse
import pathlib
import re
import sys
import tempfile

CORE = ["base", "ranking", "records", "estimates", "stats", "finances", "cli"]
QT = ["widgets", "pages", "shell"]
# Folders outside the layers: what they may include.
FREE = {"tests", "bench", "fuzz", "tools"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qt|Qt)")
SOURCE_SUFFIXES = {".h", ".cpp"}


def allowed_layers(layer):
    """The layers a file of `layer` may include."""
    if layer in CORE:
        return set(CORE[: CORE.index(layer) + 1])
    core_below_cli = set(CORE) - {"cli"}
    return core_below_cli | set(QT[: QT.index(layer) + 1])


def layer_of(relative):
    """The layer a path belongs to, or None outside the layers."""
    parts = relative.parts
    if not parts:
        return None
    if parts[0] == "tests" and len(parts) > 1 and parts[1] in CORE + QT:
        return parts[1]
    return parts[0] if parts[0] in CORE + QT else None


def page_folder_fault(relative, name):
    """Why a program file under pages/ may not include `name`, or None. The
    files of pages/ itself (the page factory) may use every page folder."""
    parts = relative.parts
    target = pathlib.PurePosixPath(name).parts
    if parts[0] != "pages" or len(parts) < 3 or len(target) < 3 or target[0] != "pages":
        return None
    here, there = parts[1], target[1]
    if there in (here, "common"):
        return None
    if here == "common":
        return f"pages/common may not use the page folder pages/{there}"
    return (f"page folder pages/{here} may not use pages/{there}; "
            "what pages share goes to pages/common")


def ui_rules_sources(root):
    """Sources listed in target_sources(scorvane_ui_rules ...) blocks, with
    their headers."""
    files = set()
    block = re.compile(r"target_sources\(\s*scorvane_ui_rules\b(.*?)\)", re.S)
    for cmake in root.rglob("CMakeLists.txt"):
        if "build" in cmake.relative_to(root).parts[:1]:
            continue
        for match in block.finditer(cmake.read_text(encoding="utf-8")):
            for word in match.group(1).split():
                if word in ("PRIVATE", "PUBLIC", "INTERFACE"):
                    continue
                source = (cmake.parent / word).resolve()
                files.add(source)
                files.add(source.with_suffix(".h"))
    return files


def check(root):
    root = root.resolve()
    qt_free_rules = ui_rules_sources(root)
    faults = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root)
        top = relative.parts[0]
        if top.startswith(".") or top == "build" or top.startswith("build-"):
            continue
        layer = layer_of(relative)
        in_tests = top == "tests"
        if layer is None:
            continue
        must_be_qt_free = layer in CORE or path.resolve() in qt_free_rules
        allowed = allowed_layers(layer)
        if in_tests:
            allowed = allowed | {"tests", "cli"}
            if "ui" in relative.parts[2:-1]:
                allowed = allowed | set(QT)
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, start=1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            where = f"{relative}:{number}"
            if bracket == "<":
                if must_be_qt_free and QT_HEADER.match(name):
                    faults.append(f"{where}: includes the Qt header <{name}> in Qt-free code")
                continue
            target = pathlib.PurePosixPath(name).parts[0]
            if not in_tests and (reason := page_folder_fault(relative, name)):
                faults.append(f'{where}: includes "{name}": {reason}')
                continue
            if target in allowed or target not in CORE + QT + ["tests"]:
                continue
            faults.append(
                f'{where}: includes "{name}": layer {layer} may not use {target}, '
                f"which comes after it or beside it")
    return faults


def self_test():
    """Plants an upward include, a Qt header in the core and in a rules file,
    includes between page folders, and checks that each is reported while a
    sound tree passes."""
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch)

        def write(name, text):
            path = root / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")

        write("base/a.h", '#include "base/b.h"\n')
        write("records/c.cpp", '#include "base/a.h"\n#include "ranking/d.h"\n')
        write("pages/p.cpp", '#include "widgets/w.h"\n#include <QWidget>\n')
        write("widgets/CMakeLists.txt", "target_sources(scorvane_ui_rules PRIVATE rules.cpp)\n")
        write("widgets/rules.cpp", '#include "records/c.h"\n')
        write("pages/matches/m.cpp", '#include "pages/matches/m.h"\n#include "pages/common/v.h"\n')
        write("pages/common/v.cpp", '#include "pages/common/v.h"\n#include "widgets/w.h"\n')
        write("pages/page_factory.cpp", '#include "pages/matches/m.h"\n')
        write("shell/s.cpp", '#include "pages/matches/m.h"\n')
        write("tests/pages/t.cpp", '#include "pages/matches/m.h"\n#include "pages/own/o.h"\n')
        sound = check(root)
        if sound:
            print("self-test: a sound tree was refused:", *sound, sep="\n  ")
            return 1

        write("base/up.cpp", '#include "records/document.h"\n')
        write("estimates/qt.cpp", "#include <QString>\n")
        write("widgets/rules.cpp", "#include <QColor>\n")
        write("widgets/up.h", '#include "shell/window/main_window.h"\n')
        write("cli/gui.cpp", '#include "widgets/settings.h"\n')
        write("pages/own/o.cpp", '#include "pages/own/o.h"\n#include "pages/seasons/viewer.h"\n')
        write("pages/common/w.h", '#include "pages/matches/m.h"\n')
        faults = check(root)
        expected = ["base/up.cpp:1", "estimates/qt.cpp:1", "widgets/rules.cpp:1",
                    "widgets/up.h:1", "cli/gui.cpp:1", "pages/own/o.cpp:2", "pages/common/w.h:1"]
        missed = [e for e in expected if not any(f.startswith(e + ":") for f in faults)]
        for fault in faults:
            print("self-test caught:", fault)
        if missed or len(faults) != len(expected):
            print("self-test: not caught as expected:", missed or faults)
            return 1
    print("self-test: every planted fault was caught")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parent.parent)
    parser.add_argument("--self-test", action="store_true")
    options = parser.parse_args()
    if options.self_test:
        return self_test()
    faults = check(options.root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layers")
        return 1
    print("layers kept: every include points to the same or an earlier layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
