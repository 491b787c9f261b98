#!/usr/bin/env python3
"""Fills translations into a Qt .ts file.

usage: ts_translate.py FILE.ts [--identity] [PAIRS.tsv]
  --identity  every unfinished message gets its source text (the English module)
  PAIRS.tsv   lines "source<TAB>translation" (\\n for a line break) for the others
"""
import sys
import xml.etree.ElementTree as ET


def main(argv):
    path = argv[1]
    identity = "--identity" in argv
    pairs = {}
    for arg in argv[2:]:
        if arg == "--identity":
            continue
        with open(arg, encoding="utf-8") as handle:
            for line in handle:
                line = line.rstrip("\n")
                if not line or line.startswith("#") or "\t" not in line:
                    continue
                source, translation = line.split("\t", 1)
                pairs[source.replace("\\n", "\n")] = translation.replace("\\n", "\n")
    tree = ET.parse(path)
    missing = []
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if translation.get("type") != "unfinished":
            continue
        text = source if identity else pairs.get(source)
        if text is None:
            missing.append(source)
            continue
        translation.text = text
        del translation.attrib["type"]
    with open(path, "wb") as handle:
        handle.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(handle, encoding="utf-8", xml_declaration=False)
        handle.write(b"\n")
    for source in missing:
        print("untranslated:", source, file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
