#!/usr/bin/env python3
"""Checks that the program's translation files are complete and in step
with the code, so that no text reaches a French user in English.

lupdate is run on scratch copies of shell/resources/translations/*.ts over
the Qt sources (widgets/, pages/, shell/), exactly as the build's
update_translations target does, and the result is read back. The check
fails, naming each one, on:

- a tr() text without a finished French translation;
- an obsolete entry (a text the code no longer has: run update_translations);
- a translation whose placeholders (%1, %n, %L1...) or "&" accelerator marks
  differ from its source text.

The English file holds the same texts; the code's texts are English, so an
English entry is translated only where it must read otherwise (an empty one
shows the text as written in the code).

    scripts/check-translations.py [--lupdate PATH]
    scripts/check-translations.py --self-test
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
TRANSLATIONS = pathlib.Path("shell/resources/translations")
QT_FOLDERS = ("widgets", "pages", "shell")
DEFAULT_LUPDATE = "/usr/lib/qt6/bin/lupdate"

# %1..%99 with the optional L of localised numbers, and %n of plural forms.
PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")
# An accelerator is one "&" before a character; "&&" is a plain ampersand
# and "&amp;" style entities of rich texts are no accelerators either.
ACCELERATOR = re.compile(r"&(?![A-Za-z]+;|#\d+;|\s|$)")


def qt_sources(root):
    files = []
    for folder in QT_FOLDERS:
        for pattern in ("*.cpp", "*.h"):
            files.extend((root / folder).rglob(pattern))
    return sorted(files)


def marks(text):
    """The placeholders and accelerator count a translation must keep."""
    text = (text or "").replace("&&", "")
    return sorted(PLACEHOLDER.findall(text)), len(ACCELERATOR.findall(text))


def run_lupdate(lupdate, root, ts_files):
    sources = [str(path) for path in qt_sources(root)]
    command = [lupdate, "-silent", "-locations", "none", "-I", str(root), *sources, "-ts",
               *map(str, ts_files)]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError(f"lupdate failed:\n{result.stdout}{result.stderr}")


def problems_in(ts_file, must_be_finished):
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type")
            where = f"{ts_file.name}: {name}: {source!r}"
            if kind in ("vanished", "obsolete"):
                found.append(f"obsolete entry (no longer in the code) in {where}")
                continue
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            if not any(forms) or kind == "unfinished":
                if must_be_finished:
                    found.append(f"no finished French for {where}")
                continue
            for form in forms:
                if marks(form) != marks(source) and not (source.count("%n") and form):
                    found.append(f"placeholders or accelerators differ in {where}: {form!r}")
    return found


def check(root, lupdate):
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for language in ("fr", "en"):
            copy = pathlib.Path(scratch) / f"scorvane_{language}.ts"
            shutil.copy(root / TRANSLATIONS / copy.name, copy)
            copies.append(copy)
        run_lupdate(lupdate, root, copies)
        return problems_in(copies[0], True) + problems_in(copies[1], False)


def plant_faults(tree):
    """A tr() text without French, a French entry the code lost and a French
    accelerator dropped: returns how each one must be named."""
    (tree / "pages" / "planted.h").write_text(
        "#include <QObject>\nnamespace scorvane {\nclass PLANTED : public QObject {\n"
        "  Q_OBJECT\n public:\n  QString Text() const { return tr(\"A planted text\"); }\n"
        "};\n}  // namespace scorvane\n")
    french = tree / TRANSLATIONS / "scorvane_fr.ts"
    document = ET.parse(french)
    root = document.getroot()
    dropped = next((context.findtext("name"), message) for context in root.iter("context")
                   for message in context.iter("message")
                   if marks(message.findtext("translation"))[1] == 1)
    translation = dropped[1].find("translation")
    translation.text = translation.text.replace("&", "", 1)
    gone = ET.SubElement(root, "context")
    ET.SubElement(gone, "name").text = "scorvane::GONE"
    message = ET.SubElement(gone, "message")
    ET.SubElement(message, "source").text = "A text the code lost"
    ET.SubElement(message, "translation").text = "Un texte perdu"
    document.write(french, encoding="utf-8", xml_declaration=True)
    return ["no finished French for scorvane_fr.ts: scorvane::PLANTED: 'A planted text'",
            "obsolete entry (no longer in the code) in scorvane_fr.ts: scorvane::GONE",
            f"placeholders or accelerators differ in scorvane_fr.ts: {dropped[0]}: "
            f"{dropped[1].findtext('source')!r}"]


def self_test(lupdate):
    """Plants each fault in a copy of the tree and shows that it is named."""
    with tempfile.TemporaryDirectory() as scratch:
        tree = pathlib.Path(scratch)
        for folder in QT_FOLDERS:
            shutil.copytree(ROOT / folder, tree / folder)
        before = set(check(tree, lupdate))
        expected = plant_faults(tree)
        faults = [fault for fault in check(tree, lupdate) if fault not in before]
    missed = [want for want in expected if not any(fault.startswith(want) for fault in faults)]
    for fault in faults:
        print("self-test caught:", fault)
    if missed or len(faults) != len(expected):
        print("self-test: not caught as expected:", *(missed or faults), sep="\n  ")
        return 1
    print("self-test: every planted fault was caught")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--lupdate", default=DEFAULT_LUPDATE)
    parser.add_argument("--self-test", action="store_true")
    options = parser.parse_args()
    if options.self_test:
        return self_test(options.lupdate)
    problems = check(ROOT, options.lupdate)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} translation problem(s): run `cmake --build build --target "
              "update_translations`, then finish the French in Qt Linguist "
              "(or in the .ts file)", file=sys.stderr)
        return 1
    print("translations: every text has its French")
    return 0


if __name__ == "__main__":
    sys.exit(main())
