#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""`tolvanek-cli show` as git's text converter, in a real repository: after one player of a
committed image is edited, `git diff` shows that player's line, old and new, and nothing else of
the league.

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
    print("git diff through tolvanek-cli show: one player's line, old and new")


if __name__ == "__main__":
    main()
