#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A league kept in files, the way a script maintains one: export it from a demo image, edit the
CSV as a text tool would (in Shift_JIS, as exported), import it into a copy, make a patch against
the original, apply the patch to the original into a third file: the third file must be the
imported copy byte for byte, with a BPS and with an IPS patch.

Usage: league_round_trip.py TOLVANEK_CLI TOLVANEK_MAKE_DEMO
"""

import subprocess
import sys
import tempfile
from pathlib import Path

# One team block: its team line and 20 lines; batters start on the block's third line.
BLOCK_LINES = 21
FIRST_BATTER = 2
FIRST_PITCHER = FIRST_BATTER + 13 + 1


def run(*arguments):
    result = subprocess.run(arguments, capture_output=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(map(str, arguments))} ended with {result.returncode}:\n"
                 f"{result.stderr.decode('utf-8', 'replace')}")
    return result.stdout


def edit_league(text):
    """A new name in katakana for the second team's first batter, his home runs, and the
    stamina of the fourth team's first pitcher."""
    lines = text.split("\r\n")
    batter = lines[BLOCK_LINES + FIRST_BATTER].split(",")
    batter[0] = "スズキ"
    batter[5] = str((int(batter[5]) + 7) % 60)
    lines[BLOCK_LINES + FIRST_BATTER] = ",".join(batter)
    pitcher = lines[3 * BLOCK_LINES + FIRST_PITCHER].split(",")
    pitcher[4] = str(int(pitcher[4]) % 20 + 1)
    lines[3 * BLOCK_LINES + FIRST_PITCHER] = ",".join(pitcher)
    return "\r\n".join(lines)


def main():
    cli, make_demo = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tolvanek-cli-") as folder:
        work = Path(folder)
        original = work / "original.nes"
        run(make_demo, original)
        league = run(cli, "export", original)
        edited = edit_league(league.decode("cp932")).encode("cp932")
        if edited == league:
            sys.exit("the edit changed nothing")
        (work / "league.csv").write_bytes(edited)

        imported = work / "imported.nes"
        original_bytes = original.read_bytes()
        run(cli, "import", original, work / "league.csv", "-o", imported)
        if original.read_bytes() != original_bytes:
            sys.exit("import -o changed the original image")
        if imported.read_bytes() == original_bytes:
            sys.exit("the imported image is the original")
        if run(cli, "export", imported) != run(cli, "export", imported, "-o", "-"):
            sys.exit("export to - differs from export to standard output")
        exported = run(cli, "export", imported).decode("cp932")
        # Katakana are stored as the game's hiragana, a voiced kana as the kana and its mark.
        if "すす゛き　," not in exported:
            sys.exit("the katakana name was not stored as the game writes it")

        for extension in ("bps", "ips"):
            patch = work / f"league.{extension}"
            patched = work / f"patched-{extension}.nes"
            run(cli, "patch", original, imported, "-o", patch)
            run(cli, "apply", original, patch, "-o", patched)
            if patched.read_bytes() != imported.read_bytes():
                sys.exit(f"the image patched with {patch.name} is not the imported one")
    print("league round trip: BPS and IPS patches give the imported image")


if __name__ == "__main__":
    main()
