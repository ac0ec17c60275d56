#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the core (teamdata/, reports/, plans/ and their tests) with Debian's emscripten into build-wasm/
# and runs its tests under node. scripts/setup.sh installs emscripten.
#   scripts/test-wasm.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's emscripten runs its own tools with node; a node that is not Debian's finds Debian's
# node modules (acorn) only through NODE_PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
# Debian ships emscripten's system libraries prebuilt in a frozen cache, used read-only, so no
# EM_CACHE is needed; a cache of one's own would start empty and, frozen, be refused.

started=$SECONDS
emcmake cmake -S . -B build-wasm -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-wasm -j"$(nproc)"
built=$SECONDS
ctest --test-dir build-wasm --output-on-failure -j"$(nproc)"
echo "WebAssembly core: built in $((built - started)) s, tested in $((SECONDS - built)) s"
