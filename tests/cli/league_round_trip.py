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
import zlib
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


def read_bps(patch, source):
    """A second BPS reader: (metadata, result) for a patch of this format, checked by its CRCs."""
    if patch[:4] != b"BPS1" or zlib.crc32(patch[:-4]) != int.from_bytes(patch[-4:], "little"):
        sys.exit("the BPS patch is not one by its magic or its own checksum")
    position = 4

    def number():
        nonlocal position
        value, shift = 0, 1
        while True:
            byte = patch[position]
            position += 1
            value += (byte & 0x7F) * shift
            if byte & 0x80:
                return value
            shift <<= 7
            value += shift

    source_size, target_size, metadata_size = number(), number(), number()
    metadata = patch[position:position + metadata_size].decode("utf-8")
    position += metadata_size
    if source_size != len(source) or zlib.crc32(source) != int.from_bytes(patch[-12:-8], "little"):
        sys.exit("the BPS patch is not for this source")
    target = bytearray()
    source_offset = target_offset = 0
    while position < len(patch) - 12:
        data = number()
        command, length = data & 3, (data >> 2) + 1
        if command == 0:  # SourceRead
            target += source[len(target):len(target) + length]
        elif command == 1:  # TargetRead
            target += patch[position:position + length]
            position += length
        else:
            offset = number()
            offset = -(offset >> 1) if offset & 1 else offset >> 1
            if command == 2:  # SourceCopy
                source_offset += offset
                target += source[source_offset:source_offset + length]
                source_offset += length
            else:  # TargetCopy
                target_offset += offset
                for _ in range(length):
                    target.append(target[target_offset])
                    target_offset += 1
    if len(target) != target_size or zlib.crc32(target) != int.from_bytes(patch[-8:-4], "little"):
        sys.exit("the BPS patch gives another image than its own checksum names")
    return metadata, bytes(target)


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
            if extension == "bps":
                metadata, result = read_bps(patch.read_bytes(), original_bytes)
                if result != imported.read_bytes():
                    sys.exit("a second BPS reader gives another image")
                header = original_bytes[:16].hex().upper()
                data_crc = f"{zlib.crc32(original_bytes[16:]):08X}"
                lines = metadata.splitlines()
                if not (lines[0].startswith("Tolvanek ") and f"source-header: {header}" in lines
                        and f"source-data-crc32: {data_crc}" in lines):
                    sys.exit(f"the BPS metadata does not name its source: {metadata!r}")
    print("league round trip: BPS and IPS patches give the imported image")


if __name__ == "__main__":
    main()
