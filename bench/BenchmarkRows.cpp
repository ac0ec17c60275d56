// SPDX-License-Identifier: MIT
#include "BenchmarkRows.h"

#include "RatioTable.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>

namespace bench {

namespace {

// Keeps every repetition's time per iteration (in microseconds) and rate, by function name,
// while the console report goes on as usual. The time compared is the process's CPU time (user
// and system) unless a row asks for wall time: the machines these run on are shared, and wall
// time there mostly measures how long the benchmark waited for a core. The console report keeps
// the wall time too.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            if (run.error_occurred) {
                failed = true;
                continue;
            }
            const std::string& name = run.run_name.function_name;
            const auto iterations = static_cast<double>(run.iterations);
            microseconds[name].push_back(run.cpu_accumulated_time / iterations * 1e6);
            wallMicroseconds[name].push_back(run.real_accumulated_time / iterations * 1e6);
            if (const auto rate = run.counters.find("items_per_second"); rate != run.counters.end())
                perSecond[name].push_back(rate->second.value);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, std::vector<double>> microseconds;
    std::map<std::string, std::vector<double>> wallMicroseconds;
    std::map<std::string, std::vector<double>> perSecond;
    bool failed = false;
};

} // namespace

int RunAndPrintRows(int argc, char** argv, const std::vector<RatioRow>& ratios,
                    const std::vector<RateRow>& rates) {
    std::vector<char*> arguments{argv[0]};
    std::string repetitions = "--benchmark_repetitions=15";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string plain = "--benchmark_color=false";
    arguments.push_back(repetitions.data());
    arguments.push_back(interleaving.data());
    arguments.push_back(plain.data());
    for (int i = 1; i < argc; ++i)
        arguments.push_back(argv[i]);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 2;

    CollectingReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool complete = !reporter.failed;
    for (const RatioRow& row : ratios) {
        auto& times = row.wallTime ? reporter.wallMicroseconds : reporter.microseconds;
        const auto& subject = times[row.subject];
        const auto& floor = times[row.floor];
        if (subject.empty() && floor.empty()) {
            std::cerr << "not measured (filtered out?): " << row.figure << '\n';
            continue;
        }
        if (subject.size() != floor.size()) {
            complete = false;
            continue;
        }
        std::cout << RatioRowText(row.figure, subject, row.floorLabel, floor, row.goal,
                                  MicrosecondsText)
                  << '\n';
    }
    for (const RateRow& row : rates) {
        const auto& perSecond = reporter.perSecond[row.benchmark];
        if (perSecond.empty()) {
            std::cerr << "not measured (filtered out?): " << row.figure << '\n';
            continue;
        }
        std::cout << RateRowText(row.figure, perSecond, row.unit) << '\n';
    }
    return complete ? 0 : 1;
}

} // namespace bench
