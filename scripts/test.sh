#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds and runs every test: the unit and GUI tests, the end-to-end test
# on a virtual X server, and (where their scripts exist) the sanitizer run, short fuzz runs, the
# package check and the core's tests built with emscripten and run under node. The browser page is
# built with emscripten before the tests, which drive it in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The browser page first: the browser tests among ctest's open it, and the package ships it.
scripts/build-web.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
for extra in scripts/test-sanitizers.sh scripts/test-fuzz.sh scripts/test-package.sh \
    scripts/test-wasm.sh; do
    if [ -x "$extra" ]; then
        "$extra"
    fi
done
