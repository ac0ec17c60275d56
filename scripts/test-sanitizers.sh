#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the editor and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build/asan and runs every unit and GUI test there (the end-to-end test needs a real X server
# and runs in the normal build). A leak, an invalid memory access or undefined behaviour in any
# test fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTOLVANEK_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build/asan -LE e2e --output-on-failure -j"$(nproc)"
