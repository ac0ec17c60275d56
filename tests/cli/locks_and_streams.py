#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What a shell does around tolvanek-cli: flock(1) holding a file to be written, the holder
stopped with SIGSTOP, "<" and ">>" redirections onto the command's own files, a named pipe as
an output. Every command must end within its --wait, name the holder, and leave every file as it
was.

Usage: locks_and_streams.py TOLVANEK_CLI TOLVANEK_MAKE_DEMO
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# Long enough for any command to have finished here; a command still running then waits for
# something that never comes.
PATIENCE = 20


def run(arguments, **redirections):
    try:
        return subprocess.run([str(a) for a in arguments], capture_output="stdout" not in
                              redirections, timeout=PATIENCE, **redirections)
    except subprocess.TimeoutExpired:
        sys.exit(f"{' '.join(map(str, arguments))} did not end within {PATIENCE} seconds")


def expect(result, status, *says):
    message = result.stderr.decode("utf-8", "replace")
    command = " ".join(map(str, result.args))
    if result.returncode != status:
        sys.exit(f"{command} ended with {result.returncode}, not {status}:\n{message}")
    for text in says:
        if text not in message:
            sys.exit(f"{command} does not say \"{text}\":\n{message}")


def main():
    cli, make_demo = sys.argv[1], sys.argv[2]
    flock = shutil.which("flock")
    with tempfile.TemporaryDirectory() as folder:
        work = Path(folder)
        os.chdir(work)
        subprocess.run([make_demo, "game.nes"], check=True, capture_output=True)
        subprocess.run([cli, "export", "game.nes", "-o", "edit.csv"], check=True)
        shutil.copy("game.nes", "c.nes")
        # d.nes: the first team in another helmet colour.
        league = Path("edit.csv").read_bytes()
        at = league.index(b",0x") + 3
        colour = b"22" if league[at:at + 2] == b"21" else b"21"
        Path("helmet.csv").write_bytes(league[:at] + colour + league[at + 2:])
        shutil.copy("game.nes", "d.nes")
        subprocess.run([cli, "import", "d.nes", "helmet.csv"], check=True, capture_output=True)
        subprocess.run([cli, "patch", "game.nes", "d.nes", "-o", "z.bps"], check=True)
        kept = {name: Path(name).read_bytes() for name in ("game.nes", "c.nes", "edit.csv")}

        def unchanged():
            for name, content in kept.items():
                if Path(name).read_bytes() != content:
                    sys.exit(f"{name} was changed")

        if flock:
            # A shell's lock, held and then held by a stopped process: the same to a waiter.
            # In a session of its own, so that its sleep, which holds the lock too, goes with it.
            holder = subprocess.Popen([flock, "c.nes", "sleep", "60"], start_new_session=True)
            try:
                time.sleep(0.5)
                for stopped in (False, True):
                    if stopped:
                        holder.send_signal(signal.SIGSTOP)
                    for writer in (["apply", "game.nes", "z.bps", "-o", "c.nes"],
                                   ["export", "game.nes", "-o", "c.nes"],
                                   ["overview", "game.nes", "-o", "c.nes"],
                                   ["import", "c.nes", "edit.csv"],
                                   ["import", "game.nes", "edit.csv", "-o", "c.nes"]):
                        started = time.monotonic()
                        result = run([cli, "--lang", "en", *writer, "--wait", "0.5"])
                        expect(result, 3, f"locked by process {holder.pid} (flock)",
                               "nothing was written")
                        if time.monotonic() - started < 0.5:
                            sys.exit(f"{' '.join(writer)} gave up before its --wait")
                        unchanged()
            finally:
                os.killpg(holder.pid, signal.SIGKILL)
                holder.wait()

        # Redirections make files inputs as surely as naming them does.
        for command in (f"'{cli}' import game.nes - -o edit.csv < edit.csv",
                        f"'{cli}' diff game.nes --csv - -o edit.csv < edit.csv",
                        f"'{cli}' export game.nes >> game.nes",
                        f"'{cli}' show game.nes >> game.nes"):
            expect(run(["sh", "-c", command]), 2, "standard")
            unchanged()

        # A named pipe that nobody reads: refused as the import refuses one, never waited on.
        os.mkfifo("pipe")
        os.symlink("pipe", "pipe.bps")
        for writer in (["apply", "game.nes", "z.bps", "-o", "pipe"],
                       ["export", "game.nes", "-o", "pipe"],
                       ["patch", "game.nes", "d.nes", "-o", "pipe.bps"],
                       ["overview", "game.nes", "-o", "pipe"],
                       ["diff", "game.nes", "d.nes", "-o", "pipe"],
                       ["import", "game.nes", "edit.csv", "-o", "pipe"]):
            expect(run([cli, "--lang", "en", *writer]), 3, "named pipe")
        unchanged()
    if not flock:
        print("flock(1) is not installed: the held locks were not tried")


if __name__ == "__main__":
    main()
