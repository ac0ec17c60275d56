#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Makes the one self-contained page: the template with its style, the core (WebAssembly
inlined in its JavaScript) and the page's script put in, and the translation catalog made from
the window's .ts files, so that the page speaks with the window's words and needs nothing beside
itself, from a disk or from any web host.

Usage: make_page.py TEMPLATE CSS CORE_JS OUTPUT --scripts JS... --translations TS...
The page's scripts are put in in the order given.
"""

import argparse
import json
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# The translation contexts the page words its texts from: its own and the window's it shares.
PAGE_CONTEXTS = {"Web", "ImageFile", "ImageIdentity", "MessageDialogs", "TMainForm", "Changes",
                 "League", "PatchFiles", "TeamWords",
                 "EditCaptions", "TNameForm"}


def catalog_of(ts_file):
    """Context and English source to the translation, for the contexts the page uses. A text
    with a disambiguation is found by context, source and disambiguation, as Qt finds it; by
    context and source too where no text without one has that source."""
    root = ElementTree.parse(ts_file).getroot()
    texts = {}
    plain = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        if name not in PAGE_CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                   "obsolete"):
                continue
            forms = translation.findall("numerusform")
            # A text that depends on a count keeps all its forms, for the page to choose from.
            text = "\u0005".join(form.text or "" for form in forms) if forms else translation.text
            if not text:
                continue
            key = name + "\u0004" + message.findtext("source")
            comment = message.findtext("comment")
            if comment:
                texts[key + "\u0004" + comment] = text
                plain.setdefault(key, text)
            else:
                texts[key] = text
    for key, text in plain.items():
        texts.setdefault(key, text)
    return root.get("language"), texts


def script_safe(text):
    # A "</script" inside an inline script would end it early.
    return text.replace("</script", "<\\/script")


def main():
    arguments = argparse.ArgumentParser(usage=__doc__)
    for name in ("template", "css", "core_js", "output"):
        arguments.add_argument(name, type=Path)
    arguments.add_argument("--scripts", type=Path, nargs="+", required=True)
    arguments.add_argument("--translations", type=Path, nargs="+", required=True)
    given = arguments.parse_args()
    catalog = dict(catalog_of(ts) for ts in given.translations)
    page = given.template.read_text(encoding="utf-8")
    parts = {
        "/*@PAGE_CSS@*/": given.css.read_text(encoding="utf-8"),
        "/*@CATALOG@*/": "window.TOLVANEK_CATALOG = " +
                         json.dumps(catalog, ensure_ascii=False, sort_keys=True) + ";",
        "/*@CORE_JS@*/": given.core_js.read_text(encoding="utf-8"),
        "/*@PAGE_JS@*/": "\n".join(script.read_text(encoding="utf-8")
                                   for script in given.scripts),
    }
    for marker, text in parts.items():
        if page.count(marker) != 1:
            sys.exit(f"{given.template}: {marker} must appear once")
        page = page.replace(marker, script_safe(text) if marker != "/*@PAGE_CSS@*/" else text)
    given.output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
