// SPDX-License-Identifier: MIT
#include "SignalCleanup.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using namespace teamdata;

namespace {

// Runs `body` in a child with SIGTERM's default; the child's status.
int StatusOfChild(const std::function<void()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGTERM, SIG_DFL);
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

bool EndedByTerm(int status) {
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
}

void Touch(const std::filesystem::path& file) {
    std::ofstream(file) << "x";
}

} // namespace

TEST(SignalCleanup, RemovesTheFileItIsArmedWithAndNoneOnceDisarmed) {
    const testsupport::TempDir dir;
    const auto armed = dir.File("armed");
    const auto disarmed = dir.File("disarmed");
    Touch(armed);
    Touch(disarmed);

    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        SignalCleanup cleanup;
        cleanup.Arm(disarmed.string());
        cleanup.Arm(armed.string()); // a new arming takes the place of the last
        raise(SIGTERM);
    })));
    EXPECT_FALSE(std::filesystem::exists(armed));
    EXPECT_TRUE(std::filesystem::exists(disarmed));

    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        SignalCleanup cleanup;
        cleanup.Arm(disarmed.string());
        cleanup.Disarm();
        raise(SIGTERM);
    })));
    EXPECT_TRUE(std::filesystem::exists(disarmed));
}

TEST(SignalCleanup, KeepsItsHoldWhileASecondOneInsideComesAndGoes) {
    const testsupport::TempDir dir;
    const auto armed = dir.File("armed");
    Touch(armed);
    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        SignalCleanup outer;
        outer.Arm(armed.string());
        {
            SignalCleanup inner;
            inner.Arm(dir.File("never made").string());
            inner.Disarm();
        }
        raise(SIGTERM);
    })));
    EXPECT_FALSE(std::filesystem::exists(armed));
}

TEST(SignalsHeldBack, DelaysAnEndingSignalUntilItGoes) {
    const testsupport::TempDir dir;
    const auto armed = dir.File("armed");
    const auto reached = dir.File("reached");
    Touch(armed);
    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        SignalCleanup cleanup;
        cleanup.Arm(armed.string());
        {
            const SignalsHeldBack held;
            raise(SIGTERM);
            Touch(reached);
        }
    })));
    EXPECT_TRUE(std::filesystem::exists(reached));
    EXPECT_FALSE(std::filesystem::exists(armed));
}
