#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The league file and a team CSV exported with --encoding utf-8, opened by a spreadsheet that
does not read Shift_JIS (Gnumeric refuses such a file) or reads it only when told: Gnumeric
(ssconvert) or LibreOffice (soffice --headless). The cells the spreadsheet reads, written back out
by it as UTF-8 CSV, must be the cells of the file, character for character, and the byte-order
mark must not end up in the first cell. The same file must hold the text of the Shift_JIS export.

Skipped (exit status 77) when the spreadsheet is not installed; scripts/setup.sh installs both.

Usage: spreadsheet_utf8.py gnumeric|libreoffice TOLVANEK_CLI TOLVANEK_MAKE_DEMO
"""

import csv
import io
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SKIPPED = 77
BYTE_ORDER_MARK = b"\xef\xbb\xbf"


def run(*arguments, **options):
    result = subprocess.run(arguments, capture_output=True, timeout=300, **options)
    if result.returncode != 0:
        sys.exit(f"{' '.join(map(str, arguments))} ended with {result.returncode}:\n"
                 f"{result.stderr.decode('utf-8', 'replace')}")
    return result.stdout


def rows_of(text):
    return list(csv.reader(io.StringIO(text, newline="")))


def read_with_gnumeric(source, folder):
    target = folder / (source.stem + "-gnumeric.csv")
    run("ssconvert", "--export-type=Gnumeric_stf:stf_csv", source, target)
    return target.read_text(encoding="utf-8")


def read_with_libreoffice(source, folder):
    # Without a window there is no import dialog, whose guess a byte-order mark steers: converting
    # on the command line, LibreOffice reads the character set the import options name (Windows-1252
    # when none is named), so UTF-8 (76) is named both ways. What is tested is that it then reads
    # every cell as the file means it, with the mark taken as a mark and not as text.
    out = folder / "libreoffice"
    out.mkdir(exist_ok=True)
    profile = (folder / "profile").as_uri()
    run("soffice", f"-env:UserInstallation={profile}", "--headless",
        "--infilter=Text - txt - csv (StarCalc):44,34,76",
        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76",
        "--outdir", out, source)
    return (out / source.name).read_text(encoding="utf-8")


READERS = {
    "gnumeric": ("ssconvert", "Gnumeric", read_with_gnumeric),
    "libreoffice": ("soffice", "LibreOffice", read_with_libreoffice),
}


def check(name, exported, read_back):
    expected = rows_of(exported)
    seen = rows_of(read_back)
    if len(seen) != len(expected):
        sys.exit(f"{name}: the spreadsheet read {len(seen)} lines, the file has {len(expected)}")
    for number, (want, got) in enumerate(zip(expected, seen), start=1):
        # A spreadsheet writes every line as wide as its widest one: the extra cells are empty.
        if got[:len(want)] != want or any(got[len(want):]):
            sys.exit(f"{name} line {number}: the spreadsheet read {got!r}, the file holds {want!r}")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in READERS:
        sys.exit(__doc__)
    program, title, read = READERS[sys.argv[1]]
    cli, make_demo = sys.argv[2], sys.argv[3]
    if shutil.which(program) is None:
        print(f"skipped: {title} ({program}) is not installed; scripts/setup.sh installs it")
        return SKIPPED
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        image = folder / "demo.nes"
        run(make_demo, image)
        for stem, team in (("league", []), ("team", ["--team", "G"])):
            utf8 = folder / f"{stem}.csv"
            run(cli, "export", image, *team, "--encoding", "utf-8", "-o", utf8)
            shift_jis = run(cli, "export", image, *team)
            data = utf8.read_bytes()
            if not data.startswith(BYTE_ORDER_MARK):
                sys.exit(f"{utf8.name}: no byte-order mark")
            text = data[len(BYTE_ORDER_MARK):].decode("utf-8")
            if text != shift_jis.decode("cp932"):
                sys.exit(f"{utf8.name}: not the text of the Shift_JIS export")
            check(f"{title}, {utf8.name}", text, read(utf8, folder))
    print(f"{title} reads the UTF-8 league file and team CSV cell for cell")
    return 0


if __name__ == "__main__":
    sys.exit(main())
