#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""`tolvanek-cli show` as git's text converter, in a real repository: after one player of a
committed image is edited, `git diff` shows that player's line, old and new, and nothing else of
the league. Versions of the file that are no image (cut short, empty, another file, too large)
are described in one line each, and `git diff`, `git log -p` and `git show` still work.

Usage: git_textconv.py TOLVANEK_CLI TOLVANEK_MAKE_DEMO
"""

import subprocess
import sys
import tempfile
from pathlib import Path


def run(*arguments, cwd=None, stdin=None):
    result = subprocess.run(arguments, cwd=cwd, input=stdin, capture_output=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(map(str, arguments))} ended with {result.returncode}:\n"
                 f"{result.stderr.decode('utf-8', 'replace')}")
    return result.stdout


def main():
    cli, make_demo = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tolvanek-git-") as folder:
        repo = Path(folder)
        git = ["git", "-c", "user.name=Test", "-c", "user.email=test@example.org"]
        run("git", "init", "-q", cwd=repo)
        # The two lines the README gives.
        (repo / ".gitattributes").write_text("*.nes diff=tolvanek\n")
        run("git", "config", "diff.tolvanek.textconv", f"{cli} show", cwd=repo)
        run(make_demo, repo / "league.nes")
        run("git", "add", ".", cwd=repo)
        run(*git, "commit", "-q", "-m", "league", cwd=repo)

        # The first batter of the fourth team gets other home runs, through the league file.
        league = run(cli, "export", repo / "league.nes").decode("cp932").split("\r\n")
        line = 3 * 21 + 2
        fields = league[line].split(",")
        fields[5] = str((int(fields[5]) + 1) % 60)
        league[line] = ",".join(fields)
        run(cli, "import", repo / "league.nes", "-", stdin="\r\n".join(league).encode("cp932"))

        diff = run("git", "diff", "--no-color", "-U0", cwd=repo).decode("utf-8")
        removed = [l for l in diff.splitlines() if l.startswith("-") and not l.startswith("---")]
        added = [l for l in diff.splitlines() if l.startswith("+") and not l.startswith("+++")]
        if len(removed) != 1 or len(added) != 1:
            sys.exit(f"git diff does not show exactly one player's line:\n{diff}")
        old, new = removed[0][1:].split("\t"), added[0][1:].split("\t")
        if old[:3] != ["Ｇ", "打者", "1"] or new[:3] != old[:3] or old[8] == new[8] \
                or old[:8] != new[:8] or old[9:] != new[9:]:
            sys.exit(f"git diff shows another change than the one made:\n{diff}")
        run(*git, "commit", "-q", "-am", "edited", cwd=repo)
        image = (repo / "league.nes").read_bytes()
        odd_versions = {
            "cut short": image[:1000],
            "empty": b"",
            "another file": b"no image at all\n",
            "too large": b"NES\x1a" + bytes(64 * 1024 * 1024 - 3),
        }
        for name, content in odd_versions.items():
            (repo / "league.nes").write_bytes(content)
            diff = run("git", "diff", "--no-color", cwd=repo).decode("utf-8")
            added = [l[1:] for l in diff.splitlines() if l.startswith("+") and not l.startswith("+++")]
            if len(added) != 1 or "whose teams cannot be shown" not in added[0]:
                sys.exit(f"git diff does not describe the {name} version in one line:\n{diff}")
            run(*git, "commit", "-q", "-am", name, cwd=repo)
        log = run("git", "log", "-p", "--no-color", cwd=repo).decode("utf-8")
        described = [l for l in log.splitlines() if l.startswith("+") and "cannot be shown" in l]
        if len(described) != len(odd_versions) or "+tolvanek-show 1" not in log:
            sys.exit(f"git log -p does not show every version:\n{log[:4000]}")
        # The log starts at the newest version.
        for name, line in zip(odd_versions, reversed(described)):
            print(f"{name}: {line[1:]}")
        shown = run("git", "show", "--no-color", "HEAD", cwd=repo).decode("utf-8")
        if "-an empty file" not in shown and "-a file of" not in shown:
            sys.exit(f"git show does not show the last change:\n{shown}")
        # Back to the league: the whole league comes back in place of the line.
        run("git", "diff", "--no-color", "HEAD~5", "HEAD", cwd=repo)
    print("git diff through tolvanek-cli show: one player's line, old and new; odd versions "
          "described in one line")


if __name__ == "__main__":
    main()
