#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The browser page's budgets, as rows of bench/run.sh's table: the page file's size, the time
from navigation until it takes input, an image opened and its first team shown, and the league
export and a comparison in the page against tolvanek-cli's whole process for the same work, an
edit drawn and the edited image saved, all in headless Chromium driven over the DevTools
protocol.

Usage: page_bench.py PAGE TOLVANEK_CLI IMAGE OTHER RUNS
Prints nothing (and says why on standard error) when there is no chromium.
"""

import base64
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "support"))
from devtools import DevTools, Page  # noqa: E402

PAGE_BUDGET_BYTES = 1.5 * 1000 * 1000
READY_BUDGET_MS = 1000
OPEN_BUDGET_MS = 100
EDIT_BUDGET_MS = 16
SAVE_BUDGET_MS = 50
WHOLE_PROCESS_FACTOR = 3.0


def milliseconds(value):
    return f"{value:.1f} ms" if value < 100 else f"{value:.0f} ms"


def budget_row(figure, values, budget, unit_text):
    median = statistics.median(values)
    verdict = "met" if median <= budget else "missed"
    return (f"| {figure} | {unit_text(median)} ({unit_text(min(values))} – "
            f"{unit_text(max(values))}) | — | — | — | — | ≤ {unit_text(budget)}, {verdict} "
            f"| {len(values)} |")


def ratio_row(figure, floor, page_ms, cli_ms):
    ratios = [p / c for p, c in zip(page_ms, cli_ms)]
    median = statistics.median(ratios)
    verdict = "met" if median <= WHOLE_PROCESS_FACTOR else "missed"
    return (f"| {figure} | {milliseconds(statistics.median(page_ms))} | {floor} | "
            f"{milliseconds(statistics.median(cli_ms))} | {median:.2f}x | "
            f"{min(ratios):.2f} – {max(ratios):.2f} | ≤ {WHOLE_PROCESS_FACTOR:.1f}x, {verdict} "
            f"| {len(ratios)} |")


def whole_process_ms(arguments):
    started = time.monotonic()
    subprocess.run(arguments, capture_output=True)
    return (time.monotonic() - started) * 1000


def fresh_page(browser, url):
    page = Page(browser, 1000, 800, "ja-JP,ja")
    page.send("Page.navigate", {"url": url})
    page.wait_until("document.body && document.body.dataset.ready === 'true'")
    return page


def open_image(page, image):
    """The image given to the page's file input, as the file chooser gives it."""
    page.evaluate("performance.clearMeasures('image-opened'); "
                  "performance.clearMarks('image-chosen')")
    root = page.send("DOM.getDocument")["root"]["nodeId"]
    node = page.send("DOM.querySelector", {"nodeId": root, "selector": "#image-input"})["nodeId"]
    page.send("DOM.setFileInputFiles", {"files": [str(image)], "nodeId": node})
    return page.wait_until("performance.getEntriesByName('image-opened').length > 0 && "
                           "performance.getEntriesByName('image-opened')[0].duration")


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    page_file, cli, image, other = (Path(argument).resolve() for argument in sys.argv[1:5])
    runs = int(sys.argv[5])
    chromium = shutil.which("chromium")
    if chromium is None:
        print("page bench: no chromium; scripts/setup.sh installs it", file=sys.stderr)
        return 0
    url = page_file.resolve().as_uri()
    rows = [budget_row("Browser page file (tolvanek.html)", [page_file.stat().st_size],
                       PAGE_BUDGET_BYTES, lambda size: f"{size / 1e6:.2f} MB")]
    ready, opened, league, compared, cli_league, cli_compared = [], [], [], [], [], []
    edited, saved = [], []
    with tempfile.TemporaryDirectory(prefix="tolvanek-bench-") as work, \
            open(Path(work) / "chromium.log", "wb") as log:
        browser = DevTools(chromium, str(Path(work) / "profile"), log)
        try:
            for _ in range(runs):
                page = fresh_page(browser, url)
                ready.append(page.evaluate(
                    "performance.getEntriesByName('page-ready')[0].startTime"))
                opened.append(open_image(page, image))
                page.browser.send("Target.closeTarget",
                                  {"targetId": page.send("Target.getTargetInfo")["targetInfo"]
                                   ["targetId"]})
            page = fresh_page(browser, url)
            open_image(page, image)
            page.evaluate("window.benchOther = Uint8Array.from(atob('" +
                          base64.b64encode(other.read_bytes()).decode() +
                          "'), character => character.charCodeAt(0)); true")
            for run in range(runs):
                # The page's work from the bytes it holds to the file the user saves.
                times = page.evaluate("""(() => {
                  let started = performance.now();
                  shown.image.export('league', 0, 'shiftJis', 'ja');
                  const league = performance.now() - started;
                  started = performance.now();
                  shown.image.compare(benchOther, 'image', false, 0, false);
                  shown.image.changeFile('text', 'ja');
                  return [league, performance.now() - started];
                })()""")
                # The command line's whole process, first or second by turns.
                commands = [
                    (cli_league, [str(cli), "export", str(image), "-o", f"{work}/league.csv"]),
                    (cli_compared, [str(cli), "diff", str(image), str(other), "-o",
                                    f"{work}/diff.txt"])]
                for times_of, arguments in commands if run % 2 else reversed(commands):
                    times_of.append(whole_process_ms(arguments))
                league.append(times[0])
                compared.append(times[1])
            # An edit by a real click (a batter's side stepped), timed to the next frame drawn
            # after it, and the save that follows it: the image's bytes made by the core.
            page.evaluate("window.benchFrames = []; document.getElementById('batter-grid')"
                          ".addEventListener('click', () => { const start = performance.now(); "
                          "requestAnimationFrame(() => benchFrames.push(performance.now() - "
                          "start)); }); true")
            for run in range(runs):
                page.click(f"#batter-grid tbody tr:nth-child({run % 13 + 1}) td:nth-child(3)")
                edited.append(page.wait_until(f"benchFrames.length > {run} && "
                                              f"benchFrames[{run}]"))
                saved.append(page.evaluate(
                    "performance.clearMeasures('image-saved'); savedBytes(); "
                    "performance.getEntriesByName('image-saved')[0].duration"))
        finally:
            browser.close()
    rows.append(budget_row("Browser page ready for input, from navigation", ready,
                           READY_BUDGET_MS, milliseconds))
    rows.append(budget_row("Browser page: an image opened and its first team shown", opened,
                           OPEN_BUDGET_MS, milliseconds))
    rows.append(ratio_row("Browser page: league export (league CSV made)",
                          "tolvanek-cli export IMAGE -o FILE, whole process", league, cli_league))
    rows.append(ratio_row("Browser page: comparison of two images with its change list",
                          "tolvanek-cli diff IMAGE OTHER -o FILE, whole process", compared,
                          cli_compared))
    rows.append(budget_row("Browser page: an edit drawn, from the click to the next frame", edited,
                           EDIT_BUDGET_MS, milliseconds))
    rows.append(budget_row("Browser page: saving the edited image (its bytes made)", saved,
                           SAVE_BUDGET_MS, milliseconds))
    print("\n".join(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
