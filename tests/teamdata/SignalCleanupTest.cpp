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

TEST(FolderCleanup, RemovesItsFolderWithItsFilesTogetherWithAWritesFile) {
    const testsupport::TempDir dir;
    const auto kept = dir.File("kept");
    const auto released = dir.File("released");
    const auto armed = dir.File("armed");
    for (const auto& folder : {kept, released}) {
        std::filesystem::create_directory(folder);
        Touch(folder / "copy.nes");
        Touch(folder / "errors.txt");
    }
    Touch(armed);
    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        const FolderCleanup keep(kept.string(), {"copy.nes", "errors.txt"});
        { const FolderCleanup gone(released.string(), {"copy.nes", "errors.txt"}); }
        // A write made while the folder is kept still has its own file removed, and the folder
        // stays covered once the write is over.
        {
            SignalCleanup write;
            write.Arm(armed.string());
            raise(SIGTERM);
        }
    })));
    EXPECT_FALSE(std::filesystem::exists(kept));
    EXPECT_FALSE(std::filesystem::exists(armed));
    EXPECT_TRUE(std::filesystem::exists(released / "copy.nes"));

    std::filesystem::create_directory(kept);
    Touch(kept / "copy.nes");
    EXPECT_TRUE(EndedByTerm(StatusOfChild([&] {
        const FolderCleanup keep(kept.string(), {"copy.nes"});
        { SignalCleanup write; }
        raise(SIGTERM);
    })));
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(FolderCleanup, GivesTheSignalsBackWhenTheLastFolderGoes) {
    struct sigaction before {};
    sigaction(SIGHUP, nullptr, &before);
    {
        const FolderCleanup first("/nonexistent/a", {"x"});
        const FolderCleanup second("/nonexistent/b", {"x"});
        EXPECT_TRUE(first.Covered() && second.Covered());
        struct sigaction during {};
        sigaction(SIGHUP, nullptr, &during);
        if (before.sa_handler == SIG_DFL) {
            EXPECT_NE(during.sa_handler, SIG_DFL);
        }
    }
    struct sigaction after {};
    sigaction(SIGHUP, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}
