// Starts two programs alternately, each as a whole process, and compares them run by run: the
// wall time from spawning to the end of the process, and the peak resident memory the kernel
// reports for it. Used for the editor's start-up against a bare Qt window.
//
//   bench_startup_runner RUNS WARMUPS GOAL FLOOR_LABEL FIGURE_PROGRAM FLOOR_PROGRAM
//
// GOAL is the largest ratio accepted (0 for none).
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

// One run of `program`, its output discarded; exits the runner when the program fails.
Sample RunOnce(const std::string& program) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environ) != 0) {
        std::perror(program.c_str());
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
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << program << " failed (status " << status << ")\n";
        std::exit(1);
    }
    return {std::chrono::duration<double, std::micro>(end - start).count(),
            static_cast<double>(usage.ru_maxrss)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage: " << argv[0]
                  << " RUNS WARMUPS GOAL FLOOR_LABEL FIGURE_PROGRAM FLOOR_PROGRAM\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmups = std::atoi(argv[2]);
    const double goal = std::atof(argv[3]);
    const std::string floorLabel = argv[4];
    const std::string figure = argv[5];
    const std::string floor = argv[6];

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
    std::cout << bench::RatioRowText(
                     "Start-up to the first paint of the main window, whole process", figureTimes,
                     floorLabel, floorTimes, goal, bench::MicrosecondsText)
              << '\n'
              << bench::RatioRowText("Peak memory (max RSS) of that process", figureMemory,
                                     floorLabel, floorMemory, goal, bench::KibibytesText)
              << '\n';
    return 0;
}
