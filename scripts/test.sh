#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds and runs every test: the unit and GUI tests, the end-to-end test
# on a virtual X server, and (where their scripts exist) the sanitizer run and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
for extra in scripts/test-sanitizers.sh scripts/test-fuzz.sh scripts/test-package.sh; do
    if [ -x "$extra" ]; then
        "$extra"
    fi
done
