#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang into build/fuzz and runs each for a short, bounded time
# on a copy of its seed corpus (the repository is never written to). Prints executions and time
# per target; any crash, sanitizer report or broken check fails the run and keeps the input that
# caused it under build/fuzz/crashes/.
#   FUZZ_SECONDS=600 scripts/test-fuzz.sh    # a longer run, per target
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
targets=(fuzz_read_image fuzz_write_records fuzz_name_codec fuzz_reports fuzz_patch fuzz_csv_import
    fuzz_compare fuzz_shift_jis fuzz_season fuzz_kanji_reader fuzz_json)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANEK_FUZZ=ON -DTOLVANEK_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz --target fuzz_targets -j"$(nproc)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
crashes="$PWD/build/fuzz/crashes"
failed=0
summary=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
    cp -r "fuzz/corpus/$target/." "$work/$target/corpus/"
    log="$work/$target/log"
    status=0
    "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/$target/artifacts/" "$work/$target/corpus" >"$log" 2>&1 ||
        status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    took="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)"
    if [ "$status" -ne 0 ]; then
        failed=1
        mkdir -p "$crashes"
        cp "$work/$target/artifacts/"* "$crashes/" 2>/dev/null || true
        echo "== $target FAILED (exit $status); last lines of its log:"
        tail -40 "$log"
        summary+=("$(printf '%-20s %10s %6s  FAILED' "$target" "${runs:-?}" "${took:-?}")")
    else
        summary+=("$(printf '%-20s %10s %6s  0 crashes' "$target" "$runs" "$took")")
    fi
done

echo
printf '%-20s %10s %6s\n' "fuzz target" executions seconds
printf '%s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
    echo "fuzzing found a fault; the inputs are in $crashes"
    exit 1
fi
