// SPDX-License-Identifier: MIT
// Starts two programs alternately, each as a whole process, and compares them run by run: the
// wall time from spawning to the end of the process, and the peak resident memory the kernel
// reports for it. Used for the editor's start-up against a bare Qt window, and for commands of
// tolvanek-cli against a bare Qt Core program doing the same file traffic.
//
//   bench_startup_runner RUNS WARMUPS TIME_GOAL MEMORY_GOAL FIGURE FLOOR_LABEL
//                        -- FIGURE_PROGRAM [ARGUMENT...] -- FLOOR_PROGRAM [ARGUMENT...]
//
// FIGURE names the time row; the goals are the largest ratios accepted (0 for none).
#include "RatioTable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double microseconds = 0;
    double peakKibibytes = 0;
};

using Command = std::vector<std::string>;

// One run of `command`, its output discarded; exits the runner when the program fails.
Sample RunOnce(const Command& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), environ) != 0) {
        std::perror(arguments[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        std::exit(1);
    }
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    // diff ends with 1 when the two leagues differ, which is what it is timed on.
    static const char* const accepted = std::getenv("BENCH_OK_STATUS");
    const bool ok = WIFEXITED(status) && (WEXITSTATUS(status) == 0 ||
                                          (accepted && WEXITSTATUS(status) == std::atoi(accepted)));
    if (!ok) {
        std::cerr << command[0] << " failed (status " << status << ")\n";
        std::exit(1);
    }
    return {std::chrono::duration<double, std::micro>(end - start).count(),
            static_cast<double>(usage.ru_maxrss)};
}

// The two commands after the fixed arguments, each introduced by "--"; false when either is
// missing.
bool SplitCommands(int argc, char** argv, int first, Command& figure, Command& floor) {
    Command* filling = nullptr;
    for (int i = first; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--" && filling != &floor) {
            filling = filling ? &floor : &figure;
            continue;
        }
        if (!filling)
            return false;
        filling->push_back(argument);
    }
    return !figure.empty() && !floor.empty();
}

} // namespace

int main(int argc, char** argv) {
    constexpr int fixedArguments = 7;
    Command figure;
    Command floor;
    if (argc < fixedArguments || !SplitCommands(argc, argv, fixedArguments, figure, floor)) {
        std::cerr << "usage: " << argv[0]
                  << " RUNS WARMUPS TIME_GOAL MEMORY_GOAL FIGURE FLOOR_LABEL"
                     " -- FIGURE_PROGRAM [ARGUMENT...] -- FLOOR_PROGRAM [ARGUMENT...]\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmups = std::atoi(argv[2]);
    const double timeGoal = std::atof(argv[3]);
    const double memoryGoal = std::atof(argv[4]);
    const std::string figureLabel = argv[5];
    const std::string floorLabel = argv[6];

    for (int i = 0; i < warmups; ++i) {
        RunOnce(figure);
        RunOnce(floor);
    }
    std::vector<double> figureTimes, floorTimes, figureMemory, floorMemory;
    for (int i = 0; i < runs; ++i) {
        // Which one goes first alternates, so that neither always follows the other.
        Sample a, b;
        if (i % 2 == 0) {
            a = RunOnce(figure);
            b = RunOnce(floor);
        } else {
            b = RunOnce(floor);
            a = RunOnce(figure);
        }
        figureTimes.push_back(a.microseconds);
        floorTimes.push_back(b.microseconds);
        figureMemory.push_back(a.peakKibibytes);
        floorMemory.push_back(b.peakKibibytes);
    }
    std::cout << bench::RatioRowText(figureLabel, figureTimes, floorLabel, floorTimes, timeGoal,
                                     bench::MicrosecondsText)
              << '\n'
              << bench::RatioRowText("Peak memory (max RSS) of that process", figureMemory,
                                     floorLabel, floorMemory, memoryGoal, bench::KibibytesText)
              << '\n';
    return 0;
}
