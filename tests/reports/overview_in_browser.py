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
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIPPED = 77
VIEWPORT_WIDTH = 1000
VIEWPORT_HEIGHT = 800
TIMEOUT_SECONDS = 60
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


class DevTools:
    """One Chromium over --remote-debugging-pipe: JSON messages ended by NUL, on fd 3 to the
    browser and fd 4 from it."""

    def __init__(self, chromium, profile, log):
        to_browser_read, to_browser_write = os.pipe()
        from_browser_read, from_browser_write = os.pipe()
        # Move all four above the numbers the child needs, so that placing its ends on 3 and 4
        # cannot overwrite one of them.
        to_browser_read, to_browser_write, from_browser_read, from_browser_write = (
            self._lifted(fd) for fd in
            (to_browser_read, to_browser_write, from_browser_read, from_browser_write))

        def place_pipes():
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-extensions",
             "--hide-scrollbars", f"--user-data-dir={profile}", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, close_fds=False,
            preexec_fn=place_pipes)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.writer = to_browser_write
        self.reader = from_browser_read
        self.buffer = b""
        self.next_id = 0
        self.events = []

    @staticmethod
    def _lifted(fd):
        lifted = fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10)
        os.close(fd)
        return lifted

    def close(self):
        try:
            self.send("Browser.close")
        except (OSError, RuntimeError, TimeoutError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.writer)
        os.close(self.reader)

    def _message(self, deadline):
        while b"\0" not in self.buffer:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise TimeoutError("Chromium did not answer in time")
            ready, _, _ = select.select([self.reader], [], [], remaining)
            if ready:
                chunk = os.read(self.reader, 1 << 20)
                if not chunk:
                    raise RuntimeError("Chromium closed its end of the pipe")
                self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None):
        self.next_id += 1
        request = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            request["sessionId"] = session
        os.write(self.writer, json.dumps(request).encode() + b"\0")
        deadline = time.monotonic() + TIMEOUT_SECONDS
        while True:
            message = self._message(deadline)
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def wait_for(self, method):
        deadline = time.monotonic() + TIMEOUT_SECONDS
        for event in self.events:
            if event.get("method") == method:
                return event
        while True:
            message = self._message(deadline)
            self.events.append(message)
            if message.get("method") == method:
                return message


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


def errors_among(events, page_url):
    errors = []
    requests = []
    for event in events:
        method = event.get("method")
        params = event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            errors.append("console: " + " ".join(
                str(argument.get("value", argument.get("description", "")))
                for argument in params.get("args", [])))
        elif method == "Log.entryAdded" and params.get("entry", {}).get("level") == "error":
            errors.append("log: " + params["entry"].get("text", ""))
        elif method == "Runtime.exceptionThrown":
            details = params.get("exceptionDetails", {})
            errors.append("exception: " + details.get("exception", {}).get(
                "description", details.get("text", "")))
        elif method == "Network.requestWillBeSent":
            url = params.get("request", {}).get("url", "")
            if url != page_url:
                requests.append(url)
    return errors, requests


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
