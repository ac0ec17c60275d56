#!/usr/bin/env bash
# Builds the benchmarks (Release, in build/bench unless BENCH_BUILD_DIR says otherwise), runs
# them all and prints the results table: each figure beside its floor, measured in the same run,
# with the ratio's median, minimum and maximum over the runs. The full benchmark output goes to
# bench.log in the build directory.
#
#   bench/run.sh            # default: 15 interleaved repetitions, 30 start-up pairs
#   BENCH_STARTUP_RUNS=50 BENCH_REPETITIONS=25 bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BENCH_BUILD_DIR:-build/bench}
repetitions=${BENCH_REPETITIONS:-15}
startup_runs=${BENCH_STARTUP_RUNS:-30}
jobs=${BENCH_JOBS:-2}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANEK_BENCH=ON >/dev/null
cmake --build "$build" --target benchmarks -j"$jobs" >/dev/null

# The windows need no display: Qt draws them off screen, painting included.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
log="$build/bench.log"
: >"$log"
bin="$build/bench"

rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
echo "Data layer..." >&2
"$bin/bench_teamdata" --benchmark_repetitions="$repetitions" >>"$rows" 2>>"$log"
echo "Team switch in the window..." >&2
"$bin/bench_teamswitch" --benchmark_repetitions="$repetitions" >>"$rows" 2>>"$log"
echo "Start-up..." >&2
"$bin/bench_startup_runner" "$startup_runs" 3 1.2 "bare Qt Widgets window, same size" \
    "$bin/bench_startup" "$bin/bench_bare_window" >>"$rows" 2>>"$log"
"$bin/bench_startup_runner" "$startup_runs" 3 0 "same bare window with one line of Japanese text" \
    "$bin/bench_startup" "$bin/bench_bare_text_window" 2>>"$log" | sed 's/^| /| (text floor) /' >>"$rows"
if command -v hyperfine >/dev/null; then
    # A second opinion on the start-up time from a standard tool, in the log only.
    hyperfine -N --style basic --warmup 3 --runs "$startup_runs" "$bin/bench_bare_window" \
        "$bin/bench_bare_text_window" "$bin/bench_startup" >>"$log" 2>&1 || true
fi

echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo) memory," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
echo
echo "| Figure | Median | Floor | Floor median | Ratio (median) | Ratio min – max | Goal | Runs |"
echo "|---|---|---|---|---|---|---|---|"
cat "$rows"
