#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A season sheet as a spreadsheet writes it: the test writes the sheet with numbers spelled as a
fan types them (.313, 2.35, 4.00, 151), has Gnumeric (ssconvert) or LibreOffice (soffice
--headless) read it and write it out again as CSV (4.00 comes out as 4, .313 as 0.313), and runs
that through `season` into an image. Every value the image then holds is checked against the
value worked out here from the default rules, and the --explain lines, read back, give the same
values.

Skipped (exit status 77) when the spreadsheet is not installed; scripts/setup.sh installs both.

Usage: season_spreadsheet.py gnumeric|libreoffice TOLVANEK_CLI TOLVANEK_MAKE_DEMO
"""

import csv
import io
import shutil
import sys
import tempfile
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from spreadsheet_utf8 import READERS, SKIPPED, run  # noqa: E402

POSITIONS = ["C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"]
POSITION_NUMBERS = {"C": 2, "1B": 3, "2B": 4, "3B": 5, "SS": 6, "LF": 7, "CF": 8, "RF": 9}


def nearest(value, step, lowest, highest):
    """The nearest multiple of step, a tie to the higher one, within lowest..highest."""
    steps = (Decimal(value) / step).quantize(Decimal(1), rounding=ROUND_HALF_UP)
    return int(min(max(steps * step, lowest), highest))


def threshold(value, table):
    reached = table[0][1]
    for at_least, given in table:
        if value >= at_least:
            reached = given
    return reached


def sheet_rows():
    """The batters and pitchers of team Ｇ, with the values the default rules make of them."""
    batters, pitchers = [], []
    for i in range(13):
        avg = f".{313 + i * 7}" if i % 2 else f"0.{301 + i * 9}0"
        sb = i * 4
        batters.append({
            "row": [f"Ｇ", f"ﾀﾞｼｬ{i % 10}", "B", POSITIONS[i] if i < 8 else "LF", avg, str(i * 6),
                    str(sb), "", "", "", "L" if i % 3 else "R"],
            "side": "左" if i % 3 else "右",
            "position": POSITION_NUMBERS[POSITIONS[i]] if i < 8 else 7,
            "avg": nearest(Decimal(avg) * 1000, 2, 200, 400),
            "hr": min(i * 6, 59),
            "speed": threshold(sb, [(0, 10), (5, 20), (15, 30), (25, 40), (40, 50)]),
        })
    for i in range(5):
        era = ["4.00", "2.35", "3.125", "12.5", "0.99"][i]
        velocity = 146 + i * 2 + (1 if i == 2 else 0)
        ip = 90 + i * 45
        pitchers.append({
            "row": ["Ｇ", f"ﾄｳｼｭ{i}", "P", "", "", "", "", era, str(ip), str(velocity), ""],
            "era": nearest(Decimal(era) * 100, 10, 0, 990),
            "stamina": threshold(ip, [(0, 5), (50, 8), (100, 11), (150, 14), (200, 17), (250, 20)]),
            "fast": nearest(velocity, 2, 80, 194),
        })
    return batters, pitchers


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in READERS:
        sys.exit(__doc__)
    program, title, read = READERS[sys.argv[1]]
    cli, make_demo = sys.argv[2], sys.argv[3]
    if shutil.which(program) is None:
        print(f"skipped: {title} ({program}) is not installed; scripts/setup.sh installs it")
        return SKIPPED
    batters, pitchers = sheet_rows()
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        image = folder / "demo.nes"
        run(make_demo, image)
        typed = folder / "season.csv"
        with typed.open("w", encoding="utf-8", newline="") as out:
            writer = csv.writer(out)
            writer.writerow(["team", "name", "role", "POS", "AVG", "HR", "SB", "ERA", "IP",
                             "velocity", "bats"])
            for player in batters + pitchers:
                writer.writerow(player["row"])
        written = folder / "season-spreadsheet.csv"
        written.write_text(read(typed, folder), encoding="utf-8")
        if "4.00" in written.read_text(encoding="utf-8"):
            sys.exit(f"{title} kept 4.00 as typed; the test expects a spreadsheet's 4")
        explained = run(cli, "season", written, "--image", image, "--explain",
                        "--lang", "en").decode("utf-8")
        shown = run(cli, "show", image).decode("utf-8")
        lines = {}
        for line in shown.splitlines():
            fields = line.split("\t")
            if len(fields) > 3 and fields[0] == "Ｇ" and fields[1] in ("打者", "投手"):
                lines[(fields[1], int(fields[2]))] = fields[4:]
        for row, player in enumerate(batters, start=1):
            side, _, position, avg, hr, speed = lines[("打者", row)][:6]
            want = (player["side"], str(player["position"]), str(player["avg"]),
                    str(player["hr"]), str(player["speed"]))
            if (side, position, avg, hr, speed) != want:
                sys.exit(f"batter {row}: the image holds {(side, position, avg, hr, speed)}, "
                         f"the rules make {want} of {player['row']}")
        for row, player in enumerate(pitchers, start=1):
            values = lines[("投手", row)]
            got = (values[2], values[3], values[4])
            want = (str(player["era"]), str(player["stamina"]), str(player["fast"]))
            if got != want:
                sys.exit(f"pitcher {row}: the image holds {got}, the rules make {want} "
                         f"of {player['row']}")
        # After the explanation the import says what it rewrote, in lines of its own.
        rows = [row for row in csv.reader(io.StringIO(explained), delimiter="\t")
                if len(row) == 7]
        if len(rows) != 13 * 8 + 5 * 10:
            sys.exit(f"--explain gave {len(rows)} lines, not one per player and column")
        for team, grid, row, _, column, rule, value in rows:
            if team != "Ｇ" or not rule:
                sys.exit(f"--explain line for {team} {grid} {row} {column} is incomplete")
            if grid == "batters" and column == "AVG" and value != str(batters[int(row) - 1]["avg"]):
                sys.exit(f"--explain gives {value} for batter {row}'s average")
            if grid == "pitchers" and column == "ERA" and value != str(pitchers[int(row) - 1]["era"]):
                sys.exit(f"--explain gives {value} for pitcher {row}'s ERA")
    print(f"a season sheet written by {title} goes into the image as the rules say")
    return 0


if __name__ == "__main__":
    sys.exit(main())
