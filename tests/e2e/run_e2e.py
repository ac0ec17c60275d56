#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end test: the built editor on its own X server, driven by real key and mouse events.

A user opens an image through the open dialog, switches to the fourth team, sets a batter's
home runs with the value dialog, types a pitcher's name on the kana keyboard, saves with F5,
exports the team as CSV through the menu and quits with F10. Afterwards the image must differ
from the original in exactly the edited bytes and the CSV file must hold the team as edited.

Every wait has a time limit, and the X server and the program are ended on every way out.
"""

import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
import cartridge  # noqa: E402

TEAM = 3  # picked with three presses of Down in the team box
HR_BATTER = 1  # batter row 2: its home runs become 59
NAMED_PITCHER = 0  # pitcher row 1: gets the name やまだ
NEW_PITCHER_NAME = "やまた゛"

SCREEN = "1024x768x24"
OVERALL_LIMIT = 180  # seconds; below the CTest timeout so that cleanup always runs

# Main window layout below the menu bar: a 41-pixel band, then the two grids.
BAND = 41
BATTER_TABLE_HEIGHT = 192
PITCHER_TABLE_HEIGHT = 150
COLUMN_WIDTHS = [24, 60, 36, 24, 42, 48, 60, 60, 60, 36, 36, 48]
ROW_HEIGHT = 20
WINDOW_WIDTH = sum(COLUMN_WIDTHS) + 40
TEAM_BOX = (WINDOW_WIDTH - 73 - 20, 8, 73, 20)

# Kana keyboard: key (left, top) inside the window; keys are 20 x 20.
KEYS = {"や": (64, 16), "ま": (88, 16), "た": (160, 16), "゛": (40, 168)}


class StepFailed(Exception):
    pass


def end_with_parent():
    """Run in each child before exec: if this script is killed outright (no cleanup can run
    then), the kernel sends the child SIGTERM."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class Session:
    """The X server, the program and the helpers that act on them."""

    def __init__(self, output):
        self.output = output
        self.started = time.monotonic()
        self.xvfb = None
        self.program = None
        self.env = None

    # ---- processes ----

    def start_xvfb(self):
        read_end, write_end = os.pipe()
        # -noreset: by default the server resets when its last client leaves (here the
        # readiness probe) and refuses connections meanwhile, so the program could not start.
        with open(os.path.join(self.output, "xvfb.log"), "w") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten",
                 "tcp", "-noreset"], pass_fds=(write_end,), preexec_fn=end_with_parent,
                stdout=subprocess.DEVNULL, stderr=log)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise StepFailed("Xvfb did not report a display number (see xvfb.log)")
            number += chunk
        os.close(read_end)
        display = ":" + number.decode().strip()
        home = os.path.join(self.output, "home")
        runtime = os.path.join(self.output, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=home,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        # The window speaks the locale's language: Japanese under C, with no LANGUAGE from outside
        # to say otherwise.
        for name in ("LANGUAGE", "LC_MESSAGES"):
            self.env.pop(name, None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("XAUTHORITY", None)
        self.wait_for(lambda: self.x("xdotool", "getdisplaygeometry", check=False) is not None,
                      "the X server answers", 20)
        print(f"X server {display}")

    def start_program(self, path):
        with open(os.path.join(self.output, "program.log"), "w") as log:
            self.program = subprocess.Popen(
                [os.path.abspath(path)], env=self.env, cwd=self.output,
                preexec_fn=end_with_parent, stdout=subprocess.DEVNULL, stderr=log)

    def stop_all(self):
        for process in (self.program, self.xvfb):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(5)

    # ---- X helpers ----

    def x(self, *command, check=True):
        """Runs an X tool against the test's display; its output, or None if it failed."""
        if time.monotonic() - self.started > OVERALL_LIMIT:
            raise StepFailed(f"the whole run took longer than {OVERALL_LIMIT} s")
        result = subprocess.run(command, env=self.env, capture_output=True, text=True,
                                timeout=20)
        if result.returncode != 0:
            if check:
                raise StepFailed(f"{' '.join(command)} failed: {result.stderr.strip()}")
            return None
        return result.stdout

    def wait_for(self, condition, what, timeout=15):
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise StepFailed(f"timed out after {timeout} s waiting until {what}")
            if self.program is not None and self.program.poll() is not None:
                raise StepFailed(f"the program ended (status {self.program.returncode}) "
                                 f"while waiting until {what}")
            time.sleep(0.1)

    def windows(self, pattern):
        found = self.x("xdotool", "search", "--onlyvisible", "--name", pattern, check=False)
        return found.split() if found else []

    def window_name(self, window):
        name = self.x("xdotool", "getwindowname", window, check=False)
        return name.rstrip("\n") if name is not None else None

    def wait_window(self, pattern, what):
        """The one visible window whose name matches `pattern`, once it is there."""
        found = self.wait_for(lambda: self.windows(pattern), f"{what} is shown")
        if len(found) != 1:
            raise StepFailed(f"{len(found)} windows match {pattern!r}, expected one")
        return found[0]

    def wait_gone(self, window, what):
        self.wait_for(lambda: window not in self.windows("."), f"{what} has closed")

    def geometry(self, window):
        text = self.x("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in text.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, window):
        self.x("xdotool", "windowfocus", "--sync", window)

    def click(self, window, x, y):
        self.x("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")

    def keys(self, *names):
        for name in names:
            self.x("xdotool", "key", "--clearmodifiers", name)
            time.sleep(0.05)

    def type_text(self, text):
        self.x("xdotool", "type", "--delay", "20", text)

    def screenshot(self, name):
        path = os.path.join(self.output, name)
        self.x("import", "-window", "root", path, check=False)
        return path

    def answer_file_dialog(self, pattern, path, what):
        dialog = self.wait_window(pattern, what)
        self.focus(dialog)
        self.keys("ctrl+a")
        self.type_text(path)
        self.keys("Return")
        self.wait_gone(dialog, what)


def cell_centre(menu_height, table_top, col, row):
    left = sum(COLUMN_WIDTHS[:col])
    return left + COLUMN_WIDTHS[col] // 2, menu_height + table_top + ROW_HEIGHT * row + 10


def read_file(path):
    with open(path, "rb") as f:
        return f.read()


def first_difference(actual, expected):
    for offset, (a, e) in enumerate(zip(actual, expected)):
        if a != e:
            return offset
    return min(len(actual), len(expected))


def check_bytes(actual, expected, what, describe=None):
    if actual == expected:
        return
    offset = first_difference(actual, expected)
    where = f" ({describe(offset)})" if describe else ""
    raise StepFailed(
        f"{what} differs first at byte {offset}{where}: "
        f"got {actual[offset:offset + 12].hex(' ')}, expected {expected[offset:offset + 12].hex(' ')}"
        f" (lengths {len(actual)} and {len(expected)})")


def run(session, program):
    output = session.output
    image_path = os.path.join(output, "e2e.nes")
    csv_path = os.path.join(output, "e2e-team.csv")
    original = cartridge.make_image()
    with open(image_path, "wb") as f:
        f.write(original)

    # What the edits must leave, worked out from the original bytes.
    expected = bytearray(original)
    expected[cartridge.batter_offset(TEAM, HR_BATTER) + 9] = 59
    name_at = cartridge.pitcher_offset(TEAM, NAMED_PITCHER) + 1
    expected[name_at:name_at + 5] = bytes(cartridge.tiles_of(NEW_PITCHER_NAME))
    assert expected != original and original[name_at:name_at + 5] != expected[name_at:name_at + 5]
    hr_player = cartridge.name_text(cartridge.batter_record(original, TEAM, HR_BATTER)[1:6])

    session.start_xvfb()
    session.start_program(program)
    main = session.wait_window("^TOLVANEK$", "the main window")
    _, _, width, height = session.geometry(main)
    menu_height = height - BAND - BATTER_TABLE_HEIGHT - PITCHER_TABLE_HEIGHT
    if width != WINDOW_WIDTH or not 10 <= menu_height <= 40:
        raise StepFailed(f"main window is {width}x{height}, expected {WINDOW_WIDTH} wide with "
                         "a menu bar above the 383-pixel client area")

    print("open the image with F1")
    session.focus(main)
    session.keys("F1")
    session.answer_file_dialog("^開く$", image_path, "the open dialog")
    title = "TOLVANEK -e2e.nes"
    try:
        session.wait_for(lambda: session.window_name(main) == title,
                         f"the title reads {title!r}", 10)
    except StepFailed as failure:
        raise StepFailed(f"{failure}; it reads {session.window_name(main)!r}") from None

    print("switch to team 3 in the team box")
    box_x, box_y, _, box_h = TEAM_BOX
    session.click(main, box_x + 20, menu_height + box_y + box_h // 2)
    session.keys("Down", "Down", "Down")

    print("set the home runs of batter row 2 with the value dialog")
    session.click(main, *cell_centre(menu_height, BAND, 6, HR_BATTER + 1))
    caption = f"本塁打（{hr_player}）"
    dialog = session.wait_window("^本塁打（", "the value dialog")
    if session.window_name(dialog) != caption:
        raise StepFailed(f"value dialog reads {session.window_name(dialog)!r}, expected "
                         f"{caption!r}: the wrong team or row is shown")
    session.focus(dialog)
    session.keys("End", "Return")
    session.wait_gone(dialog, "the value dialog")

    print("type a pitcher's name on the kana keyboard")
    session.click(main, *cell_centre(menu_height, BAND + BATTER_TABLE_HEIGHT, 1,
                                     NAMED_PITCHER + 1))
    keyboard = session.wait_window("^名前入力$", "the name keyboard")
    for character in NEW_PITCHER_NAME:
        left, top = KEYS[character]
        session.click(keyboard, left + 10, top + 10)
    session.focus(keyboard)
    session.keys("Return")
    session.wait_gone(keyboard, "the name keyboard")

    print("save with F5")
    session.focus(main)
    session.keys("F5")
    try:
        session.wait_for(lambda: read_file(image_path) == expected,
                         "the image holds the edits", 10)
    except StepFailed:
        check_bytes(read_file(image_path), bytes(expected), "after F5 the image",
                    cartridge.describe_offset)
        raise

    print("export the team as CSV through the menu")
    session.keys("alt+f")
    time.sleep(0.3)
    session.keys("o")
    time.sleep(0.3)
    session.keys("c")
    session.answer_file_dialog("^名前を付けて保存$", csv_path, "the CSV save dialog")
    message = session.wait_window("^確認$", "the message after the export")
    session.focus(message)
    session.keys("Return")
    session.wait_gone(message, "the message after the export")

    session.screenshot("e2e-screenshot.png")

    print("quit with F10")
    session.focus(main)
    session.keys("F10")
    try:
        status = session.program.wait(15)
    except subprocess.TimeoutExpired:
        raise StepFailed("the program did not end after F10")
    if status != 0:
        raise StepFailed(f"the program ended with status {status}")

    check_bytes(read_file(image_path), bytes(expected), "the saved image",
                cartridge.describe_offset)
    if not os.path.exists(csv_path):
        raise StepFailed("no CSV file was written")
    check_bytes(read_file(csv_path), cartridge.expected_csv(expected, TEAM), "the CSV report")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--output", required=True, help="folder for the files of the run")
    args = parser.parse_args()

    missing = [tool for tool in ("Xvfb", "xdotool", "import") if shutil.which(tool) is None]
    if missing:
        print(f"FAIL: missing tools {', '.join(missing)} (scripts/setup.sh installs them)")
        return 1
    shutil.rmtree(args.output, ignore_errors=True)
    os.makedirs(args.output)

    # CTest and the shell end a run with a signal; the finally block must still clean up.
    def stop(signum, _frame):
        raise SystemExit(f"stopped by signal {signum}")
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)

    session = Session(args.output)
    try:
        run(session, args.program)
    except StepFailed as failure:
        shot = session.screenshot("e2e-failure.png") if session.env else None
        print(f"FAIL: {failure}" + (f"\nscreen at the failure: {shot}" if shot else ""))
        return 1
    finally:
        session.stop_all()
    print(f"PASS in {time.monotonic() - session.started:.1f} s; "
          f"screenshot {os.path.join(args.output, 'e2e-screenshot.png')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
