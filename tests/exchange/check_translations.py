#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a text of the program has no translation in one of its .ts files, or when a file
still holds the translation of a text the program no longer has. lupdate is run over the sources
into copies of the committed files (scripts/update-translations.sh FOLDER), which stay as they
are; its verdicts are read from the copies."""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("ja", "en")


def problems_of(path):
    problems = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                problems.append(f"[{name}] {source!r}: no longer in the sources "
                                "(run scripts/update-translations.sh)")
                continue
            forms = [form.text for form in translation.iter("numerusform")]
            texts = forms if message.get("numerus") == "yes" else [translation.text]
            if kind == "unfinished" or not texts or not all(text and text.strip() for text in texts):
                problems.append(f"[{name}] {source!r}: not translated")
    return problems


def main():
    source_dir = os.path.abspath(sys.argv[1])
    committed = os.path.join(source_dir, "exchange", "translations")
    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for language in LANGUAGES:
            shutil.copy(os.path.join(committed, f"tolvanek_{language}.ts"), folder)
        subprocess.run([os.path.join(source_dir, "scripts", "update-translations.sh"), folder],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for language in LANGUAGES:
            problems = problems_of(os.path.join(folder, f"tolvanek_{language}.ts"))
            for problem in problems:
                print(f"tolvanek_{language}.ts: {problem}")
            failed = failed or bool(problems)
    if failed:
        print("Translate these in exchange/translations (scripts/update-translations.sh brings "
              "the files up to date).")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
