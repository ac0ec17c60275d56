#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser page, one self-contained file, with Debian's emscripten:
# build-wasm/web/tolvanek.html (or BUILD_DIR/web/tolvanek.html). scripts/setup.sh installs
# emscripten.
#   scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-wasm}

# Debian's emscripten runs its own tools with node; a node that is not Debian's finds Debian's
# node modules (acorn) only through NODE_PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolvanek-page
page="$build/web/tolvanek.html"
echo "$page: $(stat -c %s "$page") bytes"
