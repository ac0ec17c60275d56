#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The league overview page of the demo image, as others' programs see it: Debian's tidy (HTML5)
must find nothing to report, and headless Chromium, driven over the DevTools protocol, must load
it without a console error or any request besides the page, show every bar chart with its 16
bars and their values (the same as the league table's), and lay it out at 1,000 pixels wide
without a horizontal scroll bar. The page, a full-page PNG, the DOM as rendered and Chromium's
log are left in the output folder for a person to look at.

The page is the one `tolvanek-cli overview` writes for the demo image.

Usage: overview_in_browser.py TOLVANEK_CLI TOLVANEK_MAKE_DEMO OUTPUT_FOLDER

Exits 77 (skipped) when there is no chromium; scripts/setup.sh installs it.
"""

import base64
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from devtools import SKIPPED, DevTools, errors_among  # noqa: E402
VIEWPORT_WIDTH = 1000
VIEWPORT_HEIGHT = 800
TEAM_COUNT = 16

# Everything the page check needs, gathered in the page in one evaluation.
PAGE_FACTS = r"""
(() => {
  const root = document.documentElement;
  const table = document.getElementById("league");
  const values = {};
  const figures = [];
  if (table) {
    for (const cell of table.tHead.rows[0].cells) figures.push(cell.textContent.trim());
    for (const row of table.tBodies[0].rows) {
      // The initials, without the colour swatch's title.
      const team = Array.from(row.cells[0].childNodes)
        .filter(node => node.nodeType === Node.TEXT_NODE).map(node => node.textContent).join("");
      values[team] = Array.from(row.cells).slice(1).map(
        cell => [cell.querySelector(".value").textContent, Number(cell.dataset.rank)]);
    }
  }
  const charts = Array.from(document.querySelectorAll("svg.bar-chart")).map(svg => {
    const box = svg.viewBox.baseVal;
    return {
      title: svg.querySelector(":scope > title")?.textContent ?? "",
      desc: svg.querySelector(":scope > desc")?.textContent ?? "",
      bars: Array.from(svg.querySelectorAll("g.bar")).map(bar => {
        const value = bar.querySelector("text.value");
        const rect = bar.querySelector("rect.value-bar");
        const reach = value ? value.getBBox() : null;
        return {
          team: bar.querySelector("text.team")?.textContent ?? "",
          value: value ? value.textContent : null,
          hasBar: rect !== null,
          fill: rect ? rect.getAttribute("fill") : null,
          stroke: rect ? rect.getAttribute("stroke") : null,
          inside: reach !== null && reach.x >= box.x && reach.x + reach.width <= box.x + box.width,
        };
      }),
    };
  });
  const scatter = Array.from(document.querySelectorAll("svg.scatter-chart")).map(svg => ({
    points: svg.querySelectorAll("g.point circle:last-of-type").length,
    desc: svg.querySelector(":scope > desc")?.textContent ?? "",
  }));
  const unnamed = Array.from(document.querySelectorAll("svg.chart")).filter(
    svg => svg.getAttribute("role") !== "img" || !svg.querySelector(":scope > title") ||
           !svg.querySelector(":scope > desc")).length;
  return {
    scrollWidth: root.scrollWidth,
    clientWidth: root.clientWidth,
    figures, values, charts, scatter, unnamed,
  };
})()
"""


def check_with_tidy(page, problems):
    tidy = shutil.which("tidy")
    if tidy is None:
        problems.append("tidy is not installed (scripts/setup.sh installs it)")
        return
    result = subprocess.run([tidy, "-q", "-e", "--doctype", "html5", str(page)],
                            capture_output=True, text=True)
    report = (result.stdout + result.stderr).strip()
    if result.returncode != 0 or report:
        problems.append(f"tidy reports (exit {result.returncode}):\n{report}")


def check_facts(facts, problems):
    if facts["scrollWidth"] > facts["clientWidth"]:
        problems.append(f"the page is {facts['scrollWidth']} px wide in a "
                        f"{facts['clientWidth']} px window: it scrolls sideways")
    if facts["unnamed"]:
        problems.append(f"{facts['unnamed']} charts lack role=img, <title> or <desc>")
    figures = facts["figures"][1:]
    values = facts["values"]
    if len(values) != TEAM_COUNT:
        problems.append(f"the league table has {len(values)} teams, not {TEAM_COUNT}")
    charts = facts["charts"]
    if len(charts) != len(figures) or not charts:
        problems.append(f"{len(charts)} bar charts for {len(figures)} figures")
    for index, chart in enumerate(charts[:len(figures)]):
        name = chart["title"] or f"bar chart {index + 1}"
        bars = chart["bars"]
        if len(bars) != TEAM_COUNT:
            problems.append(f"{name}: {len(bars)} bars, not {TEAM_COUNT}")
        if sorted(bar["team"] for bar in bars) != sorted(values):
            problems.append(f"{name}: the bars are not the table's teams")
            continue
        ranks = []
        for bar in bars:
            value, rank = values[bar["team"]][index]
            ranks.append(rank)
            if not bar["hasBar"] or not bar["fill"] or not bar["stroke"]:
                problems.append(f"{name}: {bar['team']} has no coloured bar")
            if bar["value"] != value:
                problems.append(f"{name}: {bar['team']} reads {bar['value']!r}, "
                                f"the table {value!r}")
            elif value not in chart["desc"]:
                problems.append(f"{name}: the text alternative lacks {bar['team']}'s {value}")
            if not bar["inside"]:
                problems.append(f"{name}: {bar['team']}'s value runs out of the chart")
        if ranks != sorted(ranks):
            problems.append(f"{name}: the bars are not sorted best first: ranks {ranks}")
    if [chart["points"] for chart in facts["scatter"]] != [TEAM_COUNT]:
        problems.append(f"the scatter charts hold {facts['scatter']} points, expected one "
                        f"chart of {TEAM_COUNT}")


def render(chromium, page, output, problems):
    page_url = page.resolve().as_uri()
    with tempfile.TemporaryDirectory(prefix="tolvanek-chromium-") as profile, \
            open(output / "chromium.log", "wb") as log:
        browser = DevTools(chromium, profile, log)
        try:
            target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = browser.send("Target.attachToTarget",
                                   {"targetId": target, "flatten": True})["sessionId"]
            for domain in ("Page", "Runtime", "Log", "Network"):
                browser.send(f"{domain}.enable", session=session)
            browser.send("Emulation.setDeviceMetricsOverride",
                         {"width": VIEWPORT_WIDTH, "height": VIEWPORT_HEIGHT,
                          "deviceScaleFactor": 1, "mobile": False}, session)
            browser.events.clear()
            browser.send("Page.navigate", {"url": page_url}, session)
            browser.wait_for("Page.loadEventFired")

            facts = browser.send("Runtime.evaluate",
                                 {"expression": PAGE_FACTS, "returnByValue": True},
                                 session)
            if "exceptionDetails" in facts:
                problems.append(f"the page check failed in the page: {facts['exceptionDetails']}")
            else:
                check_facts(facts["result"]["value"], problems)

            dom = browser.send("Runtime.evaluate",
                               {"expression": "document.documentElement.outerHTML",
                                "returnByValue": True}, session)
            (output / "overview-dom.html").write_text(dom["result"]["value"], encoding="utf-8")
            size = browser.send("Page.getLayoutMetrics", session=session)["cssContentSize"]
            shot = browser.send("Page.captureScreenshot",
                                {"format": "png", "captureBeyondViewport": True,
                                 "clip": {"x": 0, "y": 0, "width": VIEWPORT_WIDTH,
                                          "height": size["height"], "scale": 1}},
                                session)
            (output / "overview.png").write_bytes(base64.b64decode(shot["data"]))

            errors, requests = errors_among(browser.events, page_url)
            problems.extend(errors)
            problems.extend(f"a request besides the page: {url}" for url in requests)
        finally:
            browser.close()


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cli, make_demo, output = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    chromium = shutil.which("chromium")
    if chromium is None:
        print("SKIPPED: chromium is not installed; scripts/setup.sh installs it")
        return SKIPPED

    output.mkdir(parents=True, exist_ok=True)
    page = output / "overview.html"
    demo = output / "demo.nes"
    subprocess.run([make_demo, "--force", demo], check=True, capture_output=True)
    subprocess.run([cli, "overview", demo, "-o", page], check=True)

    problems = []
    check_with_tidy(page, problems)
    render(chromium, page, output, problems)
    if problems:
        print("\n".join(problems))
        print(f"(the page, its PNG and DOM are in {output})")
        return 1
    print(f"the overview page passes; its PNG and DOM are in {output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
