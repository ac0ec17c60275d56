#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks (Release, in build/bench unless BENCH_BUILD_DIR says otherwise), runs
# them all and prints the results table: each figure beside its floor, measured in the same run,
# with the ratio's median, minimum and maximum over the runs. The full benchmark output goes to
# bench.log in the build directory. The command line's image and files go to a temporary folder.
#
#   bench/run.sh            # default: 15 interleaved repetitions, 30 start-up pairs
#   BENCH_STARTUP_RUNS=50 BENCH_REPETITIONS=25 bench/run.sh
#   BENCH_WEB_BUILD_DIR=build-wasm-x bench/run.sh   # the browser page built elsewhere
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
work=$(mktemp -d)
trap 'rm -f "$rows"; rm -rf "$work"' EXIT
echo "Data layer..." >&2
"$bin/bench_teamdata" --benchmark_repetitions="$repetitions" >>"$rows" 2>>"$log"
echo "Team switch in the window..." >&2
"$bin/bench_teamswitch" --benchmark_repetitions="$repetitions" >>"$rows" 2>>"$log"
echo "Start-up..." >&2
startup="Start-up to the first paint of the main window, whole process"
"$bin/bench_startup_runner" "$startup_runs" 3 1.2 1.1 "$startup" \
    "same bare window with one line of Japanese text" \
    -- "$bin/bench_startup" -- "$bin/bench_bare_text_window" >>"$rows" 2>>"$log"
"$bin/bench_startup_runner" "$startup_runs" 3 0 0 "$startup" "bare Qt Widgets window, same size" \
    -- "$bin/bench_startup" -- "$bin/bench_bare_window" 2>>"$log" |
    sed 's/^| /| (empty window floor) /' >>"$rows"

echo "Command line..." >&2
cli="$build/cli/tolvanek-cli"
image="$work/demo.nes"
"$build/tools/tolvanek-make-demo" "$image" >/dev/null
"$cli" info "$image" >"$work/info.txt"
"$cli" export "$image" -o "$work/league.csv"
info_size=$(stat -c %s "$work/info.txt")
league_size=$(stat -c %s "$work/league.csv")
core_floor="bare Qt Core program: reads the image, writes a file of the same size"
"$bin/bench_startup_runner" "$startup_runs" 3 2.0 1.2 "tolvanek-cli info IMAGE, whole process" \
    "$core_floor" -- "$cli" info "$image" \
    -- "$bin/bench_bare_core_copy" "$image" "$work/info-floor.txt" "$info_size" \
    >>"$rows" 2>>"$log"
"$bin/bench_startup_runner" "$startup_runs" 3 2.0 1.2 \
    "tolvanek-cli export IMAGE -o FILE (league CSV), whole process" "$core_floor" \
    -- "$cli" export "$image" -o "$work/league.csv" \
    -- "$bin/bench_bare_core_copy" "$image" "$work/league-floor.csv" "$league_size" \
    >>"$rows" 2>>"$log"
# The same export against a floor that writes its file the way the program writes every file.
"$bin/bench_startup_runner" "$startup_runs" 3 0 0 \
    "tolvanek-cli export IMAGE -o FILE (league CSV), whole process" \
    "the same, written beside the target, fsync, rename, fsync of the folder" \
    -- "$cli" export "$image" -o "$work/league.csv" \
    -- "$bin/bench_bare_core_safe_copy" "$image" "$work/league-safe.csv" "$league_size" \
    2>>"$log" | sed 's/^| /| (safe-write floor) /' >>"$rows"

# The comparison of two leagues, and the overview page, against the same kind of floor.
other="$work/other.nes"
"$cli" export "$image" | LC_ALL=C sed '3s/^\([^,]*,[^,]*,[^,]*,[^,]*,[^,]*,\)[0-9]*/\112/' \
    | "$cli" import "$image" - -o "$other" >/dev/null
# Timed on two leagues that differ; diff's status 1 says they do (the edit above must have held).
status=0
"$cli" diff "$image" "$other" -o "$work/diff.txt" || status=$?
[ "$status" -eq 1 ] || { echo "bench: the edited league is not different ($status)" >&2; exit 1; }
"$cli" overview "$image" -o "$work/overview.html"
diff_size=$(stat -c %s "$work/diff.txt")
overview_size=$(stat -c %s "$work/overview.html")
BENCH_OK_STATUS=1 "$bin/bench_startup_runner" "$startup_runs" 3 2.0 0 \
    "tolvanek-cli diff IMAGE OTHER -o FILE, whole process" \
    "bare Qt Core program: reads both images, writes a file of the same size" \
    -- "$cli" diff "$image" "$other" -o "$work/diff.txt" \
    -- "$bin/bench_bare_core_read_two" "$other" "$image" "$work/diff-floor.txt" "$diff_size" \
    >>"$rows" 2>>"$log"
"$bin/bench_startup_runner" "$startup_runs" 3 2.0 0 \
    "tolvanek-cli overview IMAGE -o FILE, whole process" "$core_floor" \
    -- "$cli" overview "$image" -o "$work/overview.html" \
    -- "$bin/bench_bare_core_copy" "$image" "$work/overview-floor.html" "$overview_size" \
    >>"$rows" 2>>"$log"

# A season of 16 teams rated by the default rules into a league file, against a bare program
# that reads the same sheet and the image and writes a file of the same size.
sheet="$work/season.csv"
"$cli" info "$image" | tail -n 16 | cut -f1 | python3 -c '
import sys
rows = ["team,name,role,bats,POS,AVG,HR,SB,E,A,throws,W,ERA,IP,velocity,SO,BB"]
for t, team in enumerate(line.strip() for line in sys.stdin):
    for b in range(13):
        position = ["C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"][b] if b < 8 else "1B"
        rows.append(f"{team},た{b:02},B,R,{position},.{250 + 7 * b + t},{(b * 7 + t) % 50},{b + t},{b % 9},{t % 11},,,,,,,")
    for p in range(5):
        rows.append(f"{team},と{p:02},P,,,,,,,,R,{p + t},{2 + p * 0.37 + t * 0.05:.2f},{150 + 9 * p},{140 + p + t % 9},{120 + t},{40 + p}")
print("\n".join(rows))' >"$sheet"
"$cli" season "$sheet" --image "$image" -o "$work/season-league.csv"
season_size=$(stat -c %s "$work/season-league.csv")
"$bin/bench_startup_runner" "$startup_runs" 3 2.0 0 \
    "tolvanek-cli season SHEET --image IMAGE -o FILE (16 teams), whole process" \
    "bare Qt Core program: reads the sheet and the image, writes a file of the same size" \
    -- "$cli" season "$sheet" --image "$image" -o "$work/season-league.csv" \
    -- "$bin/bench_bare_core_read_two" "$sheet" "$image" "$work/season-floor.csv" "$season_size" \
    >>"$rows" 2>>"$log"

echo "Kanji readings..." >&2
"$bin/bench_readings" "$repetitions" >>"$rows" 2>>"$log"
# The browser page's budgets in headless Chromium, against the same command line on the same
# images; the page is built (or brought up to date) first.
echo "Browser page..." >&2
web_build=${BENCH_WEB_BUILD_DIR:-build-wasm}
BUILD_DIR="$web_build" scripts/build-web.sh >>"$log" 2>&1
python3 bench/page_bench.py "$web_build/web/tolvanek.html" "$cli" "$image" "$other" \
    "$startup_runs" >>"$rows" 2>>"$log"

if command -v hyperfine >/dev/null; then
    # A second opinion on the whole-process times from a standard tool, in the log only.
    hyperfine -N --style basic --warmup 3 --runs "$startup_runs" "$bin/bench_bare_window" \
        "$bin/bench_bare_text_window" "$bin/bench_startup" >>"$log" 2>&1 || true
    hyperfine -N --style basic --warmup 3 --runs "$startup_runs" \
        "$bin/bench_bare_core_copy $image $work/league-floor.csv $league_size" \
        "$cli info $image" "$cli export $image -o $work/league.csv" >>"$log" 2>&1 || true
fi

echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo) memory," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
echo
echo "| Figure | Median | Floor | Floor median | Ratio (median) | Ratio min – max | Goal | Runs |"
echo "|---|---|---|---|---|---|---|---|"
cat "$rows"
