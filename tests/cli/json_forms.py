#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The JSON forms as scripts use them. Every JSON tolvanek-cli writes (export of the league and of
a team, show, diff, info) is validated against the installed JSON Schema by Python's jsonschema,
a validator that is not ours; a jq edit is imported and diff lists exactly the changes it made;
random leagues made by editing the JSON go through import and export and come back as edited;
a refused edit names its JSON pointer and leaves the image alone.

Usage: json_forms.py TOLVANEK_CLI TOLVANEK_MAKE_DEMO SCHEMA
"""

import json
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import jsonschema

CLI, MAKE_DEMO, SCHEMA = sys.argv[1:4]

BATTER_VALUES = {"popularity": range(1, 11), "average": range(200, 401, 2),
                 "homeRuns": range(0, 60), "speed": range(0, 51), "fielding": range(1, 6),
                 "arm": range(1, 6)}
PITCHER_VALUES = {"popularity": range(1, 11), "era": range(0, 991, 10),
                  "stamina": range(1, 21), "fast": range(80, 196, 2),
                  "medium": range(80, 196, 2), "slow": range(80, 196, 2),
                  "rightBreak": range(0, 33, 2), "leftBreak": range(0, 33, 2),
                  "fork": range(0, 33, 2)}
KANA = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわん"
OFFERED_COLOURS = [row * 16 + column for row in range(4) for column in range(14)]

validator = jsonschema.Draft202012Validator(json.loads(Path(SCHEMA).read_text("utf-8")))
failures = []


def run(*arguments, status=0, stdin=None):
    result = subprocess.run([CLI, *map(str, arguments)], capture_output=True, input=stdin)
    if result.returncode != status:
        sys.exit(f"tolvanek-cli {' '.join(map(str, arguments))} ended with "
                 f"{result.returncode}, not {status}:\n{result.stderr.decode('utf-8', 'replace')}")
    return result


def checked(raw, what):
    """The JSON of `raw`, once the schema has no objection to it."""
    document = json.loads(raw.decode("utf-8"))
    for error in validator.iter_errors(document):
        failures.append(f"{what}: {error.json_path}: {error.message}")
    return document


def jq(program, path):
    return subprocess.run(["jq", program, str(path)], capture_output=True, check=True).stdout


def edited_at_random(league, rng):
    """A league any editor screen accepts, with only the game's texts changed and the second
    forms (the fan's numbers, the shown names, the RGB) left out, as a script that knows only the
    game's texts writes it."""
    for team in league["teams"]:
        for colour in (team["helmet"], team["uniform"]):
            del colour["rgb"]
        for grid, values in (("batters", BATTER_VALUES), ("pitchers", PITCHER_VALUES)):
            for player in team[grid]:
                for second in [key for key in player if key.endswith(("Fan", "Shown"))]:
                    del player[second]
                for column, allowed in values.items():
                    if rng.random() < 0.3:
                        player[column] = str(rng.choice(allowed))
                if rng.random() < 0.2:
                    player["name"] = "".join(rng.choice(KANA) for _ in range(rng.randint(1, 5)))
        if rng.random() < 0.3:
            team["helmet"]["index"] = rng.choice(OFFERED_COLOURS)
        # The batting order's positions stay 2..9 once each, in another order.
        positions = [batter["position"] for batter in team["batters"][:8]]
        rng.shuffle(positions)
        for batter, position in zip(team["batters"][:8], positions):
            batter["position"] = position
    return league


def primaries(league):
    """The game's texts of every cell and the colour indexes: what an import writes."""
    texts = []
    for team in league["teams"]:
        texts.append((team["initials"], team["helmet"]["index"], team["uniform"]["index"]))
        for grid in ("batters", "pitchers"):
            for player in team[grid]:
                texts.append(tuple((key, value) for key, value in player.items()
                                   if not key.endswith(("Fan", "Shown"))))
    return texts



with tempfile.TemporaryDirectory() as folder:
    folder = Path(folder)
    demo = folder / "demo.nes"
    subprocess.run([MAKE_DEMO, str(demo)], check=True)
    image = demo.read_bytes()

    # Every form, each validated.
    league_json = folder / "league.json"
    run("export", demo, "--format", "json", "-o", league_json)
    league = checked(league_json.read_bytes(), "export --format json")
    if run("show", demo, "--format", "json").stdout != league_json.read_bytes():
        failures.append("show --format json is not the exported league")
    team = checked(run("export", demo, "--team", "G", "--format", "json").stdout,
                   "export --team G --format json")
    if team["team"] != league["teams"][3]:
        failures.append("the team's form is not its part of the league's")
    info = checked(run("info", demo, "--format", "json").stdout, "info --format json")
    if info["check"]["verdict"] != "open" or len(info["teams"]) != 16:
        failures.append(f"info of the demo image: {info['check']}, {len(info.get('teams', []))}")
    identity = checked(run("info", demo, "--identity", "--format", "json").stdout,
                       "info --identity --format json")
    if "teams" in identity or identity["size"] != len(image):
        failures.append("info --identity --format json lists teams or another size")
    cut = folder / "cut.nes"
    cut.write_bytes(image[:4096])
    refused = checked(run("info", cut, "--format", "json", status=1).stdout, "info of a cut image")
    if refused["check"]["verdict"] != "refused" or not refused["check"]["doubt"]:
        failures.append(f"info of a cut image: {refused['check']}")
    # show's one line for a file it cannot show is for git; JSON is not made of it.
    if run("show", cut, "--format", "json", status=1).stdout:
        failures.append("show --format json wrote something for a cut image")

    # A jq edit, imported with exactly the changes it made.
    batter = league["teams"][3]["batters"][5]
    pitcher = league["teams"][0]["pitchers"][0]
    new_average = 320 if batter["average"] != "320" else 330
    new_helmet = 22 if league["teams"][1]["helmet"]["index"] != 22 else 23
    # Each value in one of its forms, the other form left out.
    edit = (f'.teams[3].batters[5].average = "{new_average}"'
            f' | del(.teams[3].batters[5].averageFan)'
            f' | .teams[0].pitchers[0].eraFan = 3.5 | del(.teams[0].pitchers[0].era)'
            f' | .teams[1].helmet = {{index: {new_helmet}}}'
            f' | .teams[7].batters[0].nameShown = "ばんば" | del(.teams[7].batters[0].name)')
    edited = folder / "edited.json"
    edited.write_bytes(jq(edit, league_json))
    changes = checked(run("diff", demo, "--csv", edited, "--format", "json", status=1).stdout,
                      "diff --format json")["changes"]
    summary = [(c["kind"], c.get("teamInitials"), c.get("player"), c.get("column", c.get("slot")),
                c.get("before") if c["kind"] == "cell" else c["before"]["index"],
                c.get("after") if c["kind"] == "cell" else c["after"]["index"])
               for c in changes]
    expected = [
        ("cell", "Ｄ", 0, "era", pitcher["era"], "350"),
        ("color", "Ｃ", None, "helmet", league["teams"][1]["helmet"]["index"], new_helmet),
        ("cell", "Ｇ", 5, "average", batter["average"], str(new_average)),
        ("cell", "Ｌ", 0, "name", league["teams"][7]["batters"][0]["name"], "は゛んは゛"),
    ]
    if summary != expected:
        failures.append(f"the jq edit's changes: {summary}, not {expected}")
    dry = run("import", demo, edited, "--dry-run").stdout.decode("utf-8")
    if "4 of 16 teams would be rewritten" not in dry:
        failures.append(f"import --dry-run of the jq edit said:\n{dry}")
    imported = folder / "imported.nes"
    run("import", demo, edited, "-o", imported)
    after = checked(run("export", imported, "--format", "json").stdout, "export after the import")
    if after["teams"][3]["batters"][5]["averageFan"] != new_average / 1000 or \
            after["teams"][0]["pitchers"][0]["era"] != "350":
        failures.append("the imported image does not hold the jq edit")

    # A refused edit: its pointer, and nothing written.
    wrong = folder / "wrong.json"
    wrong.write_bytes(jq('.teams[2].batters[4].speed = "fast" | .teams[5].extra = 1'
                         ' | .teams[6].batters[0].average = "400"', league_json))
    result = run("import", demo, wrong, status=1)
    message = result.stderr.decode("utf-8")
    for place in (f"{wrong}:/teams/5/extra: ", f"{wrong}:/teams/2/batters/4/speed: ",
                  f"{wrong}:/teams/6/batters/0/averageFan: "):
        if place not in message:
            failures.append(f"the refusal does not name {place!r}:\n{message}")
    if demo.read_bytes() != image:
        failures.append("a refused import changed the image")
    newer = run("import", demo, "-", status=1,
                stdin=jq(".version = 2", league_json)).stderr.decode("utf-8")
    if "<stdin>:/version: " not in newer:
        failures.append(f"a newer version is not refused at /version:\n{newer}")

    # Random leagues through import and export, as edited.
    rng = random.Random(43)
    for round_number in range(6):
        randomised = edited_at_random(json.loads(league_json.read_text("utf-8")), rng)
        source = folder / f"random{round_number}.json"
        source.write_text(json.dumps(randomised, ensure_ascii=False), "utf-8")
        copy = folder / f"random{round_number}.nes"
        run("import", demo, source, "-o", copy)
        back = checked(run("export", copy, "--format", "json").stdout, f"random league {round_number}")
        for team_back in back["teams"]:
            for player in team_back["batters"] + team_back["pitchers"]:
                player["name"] = player["name"].rstrip("　")
        for team_sent in randomised["teams"]:
            for player in team_sent["batters"] + team_sent["pitchers"]:
                player["name"] = player["name"].rstrip("　")
        if primaries(back) != primaries(randomised):
            failures.append(f"random league {round_number} did not come back as edited")
        checked(run("diff", demo, copy, "--format", "json", status=1).stdout,
                f"diff of random league {round_number}")
        checked(run("info", copy, "--format", "json").stdout, f"info of random league {round_number}")

if failures:
    sys.exit("\n".join(failures))
print("every JSON form is valid and reads back")
