// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// Runs the Google Benchmark cases of one program and prints its rows of the results table.
namespace bench {

// A figure compared with its floor, both registered benchmarks (named by function).
struct RatioRow {
    std::string figure;
    std::string subject;
    std::string floorLabel;
    std::string floor;
    double goal = 0; // largest ratio accepted; 0 for none
    // Compared by wall time instead of CPU time: for work that mostly waits for the disk, whose
    // waiting is what the user sees and no CPU time counts.
    bool wallTime = false;
};

// A throughput with no floor, from the benchmark's items-per-second counter.
struct RateRow {
    std::string figure;
    std::string benchmark;
    std::string unit; // what one item is, e.g. " names"
};

// Runs every registered benchmark, repeated and interleaved in random order so that a figure
// and its floor see the same state of the machine; the usual --benchmark_* flags override
// these defaults. The benchmark's own report goes to standard error, the table rows to standard
// output. Returns nonzero when a benchmark failed or a row has no measurements.
int RunAndPrintRows(int argc, char** argv, const std::vector<RatioRow>& ratios,
                    const std::vector<RateRow>& rates);

} // namespace bench
