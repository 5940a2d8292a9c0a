#!/usr/bin/env python3
"""Gives many French texts at once to the translation file, for work done
away from Qt Linguist: each line of a TSV file reads
`context<TAB>English source<TAB>French` (the context is the class whose tr()
holds the text, with or without its "scorvane::" namespace; "\\n" stands for
a line break).

    cmake --build build --target update_translations   # the texts are in the .ts
    scripts/import-translations.py new-texts.tsv [more.tsv...]
    cmake --build build --target update_translations   # back to lupdate's layout

A line whose text is not in the file (not yet extracted, or mistyped) is
reported and changes nothing; the exit status is then 1.
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

FRENCH_TS = pathlib.Path(__file__).resolve().parent.parent / \
    "shell/resources/translations/scorvane_fr.ts"


def read_rows(paths):
    rows = {}
    for path in paths:
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 3:
                print(f"{path}:{number}: expected context, source and French", file=sys.stderr)
                continue
            context, source, french = (field.replace("\\n", "\n") for field in fields)
            context = context if context.startswith("scorvane::") else f"scorvane::{context}"
            rows[(context, source)] = (french, f"{path}:{number}")
    return rows


def main(arguments):
    if not arguments:
        print(__doc__, file=sys.stderr)
        return 2
    rows = read_rows([pathlib.Path(argument) for argument in arguments])
    tree = ET.parse(FRENCH_TS)
    done = set()
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = next((key for key in ((name, message.findtext("source")),
                                        (f"scorvane::{name}", message.findtext("source")))
                        if key in rows), None)
            if key is None:
                continue
            translation = message.find("translation")
            translation.text = rows[key][0]
            translation.attrib.pop("type", None)
            done.add(key)
    tree.write(FRENCH_TS, encoding="utf-8", xml_declaration=True)
    left = [where for key, (_, where) in rows.items() if key not in done]
    for where in left:
        print(f"{where}: this text is not in {FRENCH_TS.name}", file=sys.stderr)
    print(f"{len(done)} French text(s) given")
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
