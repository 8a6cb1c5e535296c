#!/usr/bin/env python3
"""Fails on a text of the program that some language leaves unfinished.

Runs Qt's lupdate over the source folders into copies of the translation
files, so a text added to the code and not yet to the files counts too, and
then reads every message of every language: an unfinished or empty
translation, or one that drops or adds a placeholder (%1) or an accelerator
(&File), is named with its context.

Usage: check_translations.py LUPDATE LUPDATE_ARGUMENT... -- TS_FILE...
  (the arguments name the source folders and any -tr-function-alias)
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d+")
# An accelerator is "&" before a letter; "&&" is a plain ampersand.
ACCELERATOR = re.compile(r"(?<!&)&(?=[^&\s])")


def problems_of(source, translation):
    problems = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        problems.append("placeholders differ")
    if "<" not in source and (len(ACCELERATOR.findall(source)) !=
                              len(ACCELERATOR.findall(translation))):
        problems.append("accelerators differ")
    return problems


def check(ts_file):
    """The faults of one translation file, one line each."""
    faults = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            element = message.find("translation")
            if element is None or element.get("type") in ("obsolete", "vanished"):
                continue
            forms = [f.text or "" for f in element.iter("numerusform")] or [element.text or ""]
            where = f"{ts_file.name}: {name}: {source[:70]!r}"
            if element.get("type") == "unfinished" or not all(forms):
                faults.append(f"{where}: not translated")
                continue
            for form in forms:
                faults += [f"{where}: {p}" for p in problems_of(source, form)]
    return faults


def main(argv):
    split = argv.index("--")
    lupdate, sources = argv[1], argv[2:split]
    ts_files = [pathlib.Path(f) for f in argv[split + 1:]]
    faults = []
    with tempfile.TemporaryDirectory() as work:
        copies = [pathlib.Path(work) / f.name for f in ts_files]
        for original, copy in zip(ts_files, copies):
            shutil.copy(original, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        *sources, "-ts", *map(str, copies)],
                       check=True)
        for copy in copies:
            faults += check(copy)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} unfinished or broken translations in {len(ts_files)} files")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
