# SPDX-License-Identifier: MIT
"""Headless Chromium driven over the DevTools protocol on a pipe, for the tests that look at pages
in a real browser: the overview page the command line writes and the browser page itself. Only
Python's standard library and Debian's chromium."""

import base64
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import time
from pathlib import Path

TIMEOUT_SECONDS = 60
SKIPPED = 77


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

    def wait_for(self, method, seconds=None):
        deadline = time.monotonic() + (TIMEOUT_SECONDS if seconds is None else seconds)
        for event in self.events:
            if event.get("method") == method:
                return event
        while True:
            message = self._message(deadline)
            self.events.append(message)
            if message.get("method") == method:
                return message


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


class Page:
    """One tab of a DevTools browser, with the user's input sent as real input events."""

    def __init__(self, browser, width, height, languages="ja"):
        self.browser = browser
        target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = browser.send("Target.attachToTarget",
                                    {"targetId": target, "flatten": True})["sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network", "DOM", "Accessibility"):
            self.send(f"{domain}.enable")
        self.resize(width, height)
        self.send("Emulation.setUserAgentOverride",
                  {"userAgent": "Mozilla/5.0 (X11; Linux x86_64) HeadlessChrome",
                   "acceptLanguage": languages})

    def send(self, method, params=None):
        return self.browser.send(method, params, self.session)

    def resize(self, width, height, scale=1):
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": scale,
                   "mobile": False})

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate",
                           {"expression": expression, "returnByValue": True,
                            "awaitPromise": True})
        if "exceptionDetails" in result:
            thrown = result["exceptionDetails"].get("exception", {}).get("description")
            raise RuntimeError(f"{expression[:200]!r} failed in the page: {thrown}")
        return result["result"].get("value")

    def wait_until(self, expression, timeout=TIMEOUT_SECONDS):
        """Polls a page expression until it is true; its last value otherwise raises."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise TimeoutError(f"the page never made {expression!r} true")
            time.sleep(0.02)

    def center_of(self, selector):
        box = self.evaluate(
            f"(() => {{ const r = document.querySelector({json.dumps(selector)})"
            ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
        return box[0], box[1]

    def click(self, selector):
        x, y = self.center_of(selector)
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent",
                      {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    # Keys by their DOM name, with the Windows key codes Chromium needs for the default actions.
    KEY_CODES = {"Tab": 9, "Enter": 13, "Escape": 27, " ": 32, "PageUp": 33, "PageDown": 34,
                 "End": 35, "Home": 36, "ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39,
                 "ArrowDown": 40}

    def press(self, key, modifiers=0):
        code = self.KEY_CODES.get(key, ord(key.upper()) if len(key) == 1 else 0)
        base = {"key": key, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code,
                "modifiers": modifiers}
        if len(key) == 1:
            self.send("Input.dispatchKeyEvent", {**base, "type": "keyDown", "text": key})
        else:
            self.send("Input.dispatchKeyEvent", {**base, "type": "rawKeyDown"})
        self.send("Input.dispatchKeyEvent", {**base, "type": "keyUp"})

    def drop_file(self, selector, path):
        """Drags a file from outside the browser onto an element and drops it there."""
        x, y = self.center_of(selector)
        data = {"items": [], "files": [str(path)], "dragOperationsMask": 1}
        for kind in ("dragEnter", "dragOver", "drop"):
            self.send("Input.dispatchDragEvent", {"type": kind, "x": x, "y": y, "data": data})

    def screenshot(self, path):
        size = self.send("Page.getLayoutMetrics")["cssContentSize"]
        shot = self.send("Page.captureScreenshot",
                         {"format": "png", "captureBeyondViewport": True,
                          "clip": {"x": 0, "y": 0, "width": size["width"],
                                   "height": size["height"], "scale": 1}})
        path.write_bytes(base64.b64decode(shot["data"]))


def page_test_setup(usage):
    """What a page test's command line (PAGE CLI MAKE_DEMO OUTPUT) names, with Chromium and the
    demo image written into OUTPUT: (chromium, page_file, cli, output, image), or None when the
    test cannot run on this machine, said on standard output."""
    if len(sys.argv) != 5:
        sys.exit(usage)
    page_file, cli, make_demo, output = Path(sys.argv[1]), sys.argv[2], sys.argv[3], \
        Path(sys.argv[4])
    chromium = shutil.which("chromium")
    if chromium is None:
        print("SKIPPED: chromium is not installed; scripts/setup.sh installs it")
        return None
    if not page_file.is_file():
        print(f"SKIPPED: {page_file} has not been built; scripts/build-web.sh builds it")
        return None
    output.mkdir(parents=True, exist_ok=True)
    image = output / "demo.nes"
    subprocess.run([make_demo, "--force", image], check=True, capture_output=True)
    return chromium, page_file, cli, output, image


def cli_lines(cli, *arguments):
    """What tolvanek-cli prints for `arguments`, as lines of text without a byte order mark."""
    result = subprocess.run([cli, *arguments], check=True, capture_output=True)
    return result.stdout.decode("utf-8").lstrip("\ufeff").splitlines()
