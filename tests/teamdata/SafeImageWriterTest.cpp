// SPDX-License-Identifier: MIT
#include "SafeImageWriter.h"

#include "ImageBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace teamdata;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

namespace fs = std::filesystem;

namespace {

// The records and colours ImageBuilder gives `team`.
TeamRecords ValidRecords(int team) {
    TeamRecords records;
    for (int i = 0; i < BatterCount; ++i)
        records.batters[static_cast<std::size_t>(i)] = ImageBuilder::ValidBatter(team, i);
    for (int i = 0; i < PitcherCount; ++i)
        records.pitchers[static_cast<std::size_t>(i)] = ImageBuilder::ValidPitcher(team, i);
    records.colors = {ImageBuilder::ValidHelmetColor(team), ImageBuilder::ValidUniformColor(team)};
    return records;
}

// The builder's image once `records` are saved as `team`: the lead bytes stay as they were.
std::vector<std::uint8_t> ImageWith(ImageBuilder builder, int team, const TeamRecords& records) {
    for (int i = 0; i < BatterCount; ++i)
        builder.SetBatter(team, i, records.batters[static_cast<std::size_t>(i)],
                          builder.Bytes()[BatterRecordOffset(team, i).value]);
    for (int i = 0; i < PitcherCount; ++i)
        builder.SetPitcher(team, i, records.pitchers[static_cast<std::size_t>(i)],
                           builder.Bytes()[PitcherRecordOffset(team, i).value]);
    builder.SetColors(team, records.colors.helmet, records.colors.uniform);
    return builder.Bytes();
}

ImageWriteOutcome Save(const fs::path& source, const fs::path& target, TeamWrite team,
                       bool acceptQuestionable = false) {
    return WriteImage({source.string(), target.string(), {std::move(team)}, acceptQuestionable});
}

// What a writer left behind in `folder` under a temporary name.
std::vector<std::string> TemporaryFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(TemporaryFileMarker) != std::string::npos)
            names.push_back(entry.path().filename().string());
    return names;
}

fs::perms ModeOf(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

class SafeImageWriter : public testing::Test {
protected:
    SafeImageWriter() { builder.FillValidTeams(); }
    void TearDown() override { SetWriteStepHookForTests(nullptr); }
    void ExpectEveryStepCanFailHarmlessly(const fs::path& target, const TeamWrite& write);

    TempDir dir;
    fs::path image = dir.File("image.nes");
    ImageBuilder builder;
    // What every save here writes: team 9's players and colours as team 5.
    static constexpr int SavedTeam = 5;
    TeamRecords saved = ValidRecords(9);
};

} // namespace

// Saves `write` from the image into `target` once undisturbed, counting its steps, and then
// once more for every step, failing that one: no failure may leave anything but the old image.
void SafeImageWriter::ExpectEveryStepCanFailHarmlessly(const fs::path& target,
                                                       const TeamWrite& write) {
    builder.WriteTo(image);
    const std::vector<std::uint8_t> before = builder.Bytes();
    const bool intoNewFile = target != image;
    int steps = 0;
    SetWriteStepHookForTests([&](WriteStep) { return ++steps, true; });
    ASSERT_EQ(Save(image, target, write), ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(target), ImageWith(builder, SavedTeam, saved));
    // Create, copy, 13 + 5 records and the colour entry, flush, rename.
    EXPECT_EQ(steps, 23);

    for (int failing = 0; failing < steps; ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        builder.WriteTo(image);
        if (intoNewFile)
            fs::remove(target);
        int step = 0;
        SetWriteStepHookForTests([&](WriteStep) { return step++ != failing; });
        EXPECT_NE(Save(image, target, write), ImageWriteOutcome::Written);
        EXPECT_EQ(ReadFileBytes(image), before);
        EXPECT_EQ(fs::exists(target), !intoNewFile);
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
    }
}

TEST_F(SafeImageWriter, LeavesTheOldImageWhereverASaveOfTextsFails) {
    ExpectEveryStepCanFailHarmlessly(image, {SavedTeam, TextsOf(saved)});
}

TEST_F(SafeImageWriter, LeavesTheOldImageWhereverASaveOfRecordBytesFails) {
    ExpectEveryStepCanFailHarmlessly(image, {SavedTeam, saved});
}

TEST_F(SafeImageWriter, LeavesNoNewFileWhereverASaveIntoOneFails) {
    ExpectEveryStepCanFailHarmlessly(dir.File("new.nes"), {SavedTeam, TextsOf(saved)});
}

TEST_F(SafeImageWriter, ChangesNothingButTheSavedTeamsRecordsAndColourEntry) {
    // Every byte the save may write gets a new value, so the bytes that change are exactly the
    // ones it wrote.
    builder.WriteTo(image);
    const std::vector<std::uint8_t> before = builder.Bytes();
    constexpr int Team = 15;
    const auto inTeam = [](std::size_t offset) {
        const std::size_t block = TeamBlockOffset(Team).value;
        const std::size_t entry = ColorEntryOffset(Team).value;
        return (offset >= block && offset < block + TeamBlockSize) ||
               (offset >= entry && offset < entry + ColorEntrySize);
    };
    std::vector<std::uint8_t> expected = before;
    std::size_t flipped = 0;
    for (std::size_t offset = 0; offset < expected.size(); ++offset)
        if (testsupport::IsWritableTeamByte(offset) && inTeam(offset)) {
            expected[offset] = static_cast<std::uint8_t>(~expected[offset]);
            ++flipped;
        }
    ASSERT_EQ(flipped, 13u * 12 + 5u * 15 + 2);
    ASSERT_EQ(Save(image, image, {Team, TeamRecordsAt(expected, Team)}),
              ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(image), expected);
}

TEST_F(SafeImageWriter, KeepsThePermissionBitsOfTheImageItReplaces) {
    builder.WriteTo(image);
    fs::permissions(image, fs::perms(0640));
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}), ImageWriteOutcome::Written);
    EXPECT_EQ(ModeOf(image), fs::perms(0640));
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, SavesThroughASymbolicLinkIntoItsTargetAndKeepsTheLink) {
    builder.WriteTo(image);
    // A relative link in another folder: it leads from its own folder, not from ours.
    fs::create_directory(dir.File("links"));
    const fs::path link = dir.File("links") / "team.nes";
    fs::create_symlink("../image.nes", link);
    ASSERT_EQ(Save(link, link, {SavedTeam, saved}), ImageWriteOutcome::Written);
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "../image.nes");
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
    EXPECT_EQ(TemporaryFilesIn(dir.File("links")), std::vector<std::string>{});
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, KeepsBothNamesOfAHardLinkedImageOneFile) {
    builder.WriteTo(image);
    const fs::path second = dir.File("second name.nes");
    fs::create_hard_link(image, second);
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}), ImageWriteOutcome::Written);
    EXPECT_TRUE(fs::equivalent(image, second));
    EXPECT_EQ(fs::hard_link_count(image), 2u);
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
    EXPECT_EQ(ReadFileBytes(second), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, RefusesTextsThatMakeNoRecordBeforeWritingAnything) {
    // A hard-linked image is written in place, where a refusal half way would be too late.
    for (bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "hard-linked" : "replaced");
        builder.WriteTo(image);
        if (hardLinked)
            fs::create_hard_link(image, dir.File("second name.nes"));
        TeamTexts texts = TextsOf(saved);
        texts.pitchers[PitcherCount - 1][PitcherColumn::Name - 1] = "ＡＢＣ";
        const ImageWriteRequest request{
            image.string(), image.string(), {{SavedTeam, TextsOf(saved)}, {SavedTeam + 1, texts}}};
        EXPECT_EQ(WriteImage(request), ImageWriteOutcome::TextRefused);
        EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
    }
}

TEST_F(SafeImageWriter, RefusesASourceItCannotReadOrDoesNotTrust) {
    builder.WriteTo(image);
    const fs::path target = dir.File("new.nes");
    EXPECT_EQ(Save(dir.File("missing.nes"), target, {0, saved}),
              ImageWriteOutcome::SourceUnreadable);
    EXPECT_EQ(Save(dir.Path(), target, {0, saved}), ImageWriteOutcome::SourceUnreadable);

    const fs::path noMagic = dir.File("no magic.nes");
    ImageBuilder(builder).SetByte(0, 'n').WriteTo(noMagic);
    EXPECT_EQ(Save(noMagic, target, {0, saved}, true), ImageWriteOutcome::SourceRefused);

    // A plausible header over nothing but zeros: shaped like an image, but not of this game.
    const fs::path zeros = dir.File("zeros.nes");
    ImageBuilder(testsupport::InesHeaderSize).WriteTo(zeros);
    fs::resize_file(zeros, testsupport::DefaultImageSize);
    EXPECT_EQ(Save(zeros, target, {0, saved}), ImageWriteOutcome::SourceRefused);
    EXPECT_FALSE(fs::exists(target));
    ASSERT_EQ(Save(zeros, target, {0, saved}, true), ImageWriteOutcome::Written);
    EXPECT_EQ(TeamRecordsAt(ReadFileBytes(target), 0), saved);

    const fs::path noFolder = dir.File("no folder") / "new.nes";
    EXPECT_EQ(Save(image, noFolder, {0, saved}), ImageWriteOutcome::TargetUncreatable);
    EXPECT_FALSE(fs::exists(noFolder.parent_path()));
    EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
}

namespace {

// Runs `body` and returns what it returns; under root in a child process as the user "nobody",
// since root may write any file and only another user shows whether the mode bits are honoured.
// -1 when no such user can be taken on.
int AsUnprivilegedUser(const std::vector<fs::path>& ownedPaths, const std::function<int()>& body) {
    if (geteuid() != 0)
        return body();
    const passwd* nobody = getpwnam("nobody");
    if (!nobody)
        return -1;
    for (const fs::path& path : ownedPaths)
        if (chown(path.c_str(), nobody->pw_uid, nobody->pw_gid) != 0)
            return -1;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
            setuid(nobody->pw_uid) != 0)
            _exit(255);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST_F(SafeImageWriter, RefusesAReadOnlyImageAndLeavesIt) {
    // As root the writer, like every write, ignores the mode bits; the rule is for everyone else.
    builder.WriteTo(image);
    const auto save = [&] {
        return static_cast<int>(Save(image, image, {SavedTeam, saved}));
    };
    fs::permissions(image, fs::perms(0444));
    const int readOnly = AsUnprivilegedUser({dir.Path(), image}, save);
    if (readOnly < 0)
        GTEST_SKIP() << "running as root, and no unprivileged user to save as";
    EXPECT_EQ(readOnly, static_cast<int>(ImageWriteOutcome::TargetUncreatable));
    EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
    EXPECT_EQ(ModeOf(image), fs::perms(0444));
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});

    // The same user may save once the file is writable again: it was the mode that refused.
    fs::permissions(image, fs::perms(0644));
    EXPECT_EQ(AsUnprivilegedUser({}, save), static_cast<int>(ImageWriteOutcome::Written));
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, WritesAnOutputFileAndReplacesAnOldOneKeepingItsMode) {
    const fs::path report = dir.File("team.csv");
    const std::vector<std::uint8_t> first = {'a', ',', 'b', '\n'};
    const std::vector<std::uint8_t> second = {'c', '\n'};
    ASSERT_EQ(WriteFileSafely(report.string(), first), FileWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(report), first);
    fs::permissions(report, fs::perms(0600));
    ASSERT_EQ(WriteFileSafely(report.string(), second), FileWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(report), second);
    EXPECT_EQ(ModeOf(report), fs::perms(0600));
    EXPECT_EQ(WriteFileSafely(dir.File("no folder/team.csv").string(), first),
              FileWriteOutcome::TargetUncreatable);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, WritesIntoAPipeOrADeviceRatherThanReplacingIt) {
    const std::vector<std::uint8_t> bytes = {'h', 't', 'm', 'l'};
    const fs::path pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Opened first, so that the writer's own open finds a reader and nothing here blocks.
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    auto writing =
        std::async(std::launch::async, [&] { return WriteFileSafely(pipe.string(), bytes); });
    if (writing.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "the write into a pipe does not return";
        // Whatever it waits for on the pipe, a writer coming and going releases it.
        close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(writing.get(), FileWriteOutcome::Written);
    std::vector<std::uint8_t> received(16);
    const ssize_t count = read(reader, received.data(), received.size());
    close(reader);
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    EXPECT_EQ(received, bytes);
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);

    EXPECT_EQ(WriteFileSafely("/dev/null", bytes), FileWriteOutcome::Written);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
    EXPECT_EQ(WriteFileSafely("/dev/full", bytes), FileWriteOutcome::WriteFailed);
    EXPECT_EQ(fs::status("/dev/full").type(), fs::file_type::character);
}

namespace {

// SAVE_LOOP_TOOL IMAGE, with its output (one byte per finished save) on a pipe read here.
class SaveLoopProcess {
public:
    explicit SaveLoopProcess(const fs::path& image) {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        std::string tool = SAVE_LOOP_TOOL, path = image.string();
        char* const argv[] = {tool.data(), path.data(), nullptr};
        if (posix_spawn(&pid_, tool.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        saves_ = fds[0];
    }
    SaveLoopProcess(const SaveLoopProcess&) = delete;
    SaveLoopProcess& operator=(const SaveLoopProcess&) = delete;
    ~SaveLoopProcess() {
        if (pid_ > 0)
            (void)KillAndWait();
        if (saves_ >= 0)
            close(saves_);
    }

    // True once a save has gone through, false when none does within ten seconds.
    [[nodiscard]] bool WaitForASave() {
        pollfd ready{saves_, POLLIN, 0};
        char saved = 0;
        return pid_ > 0 && poll(&ready, 1, 10000) == 1 && read(saves_, &saved, 1) == 1;
    }

    // True when the process was still saving and the kill is what ended it.
    [[nodiscard]] bool KillAndWait() {
        kill(pid_, SIGKILL);
        int status = 0;
        const bool waited = waitpid(pid_, &status, 0) == pid_;
        pid_ = -1;
        return waited && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    int saves_ = -1;
};

} // namespace

TEST_F(SafeImageWriter, LeavesOneWholeVersionWhereverAKillStopsASave) {
    builder.WriteTo(image);
    const std::vector<std::uint8_t> versionA = builder.Bytes();
    const std::vector<std::uint8_t> versionB = ImageWith(builder, 0, ValidRecords(1));
    std::mt19937 random(1992);
    std::uniform_int_distribution<int> delayMs(1, 60);
    int leftovers = 0;
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        SaveLoopProcess loop(image);
        ASSERT_TRUE(loop.WaitForASave());
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ASSERT_TRUE(loop.KillAndWait()) << "the save loop stopped by itself";

        const std::vector<std::uint8_t> now = ReadFileBytes(image);
        ASSERT_TRUE(now == versionA || now == versionB)
            << "the image is neither whole version (" << now.size() << " bytes)";
        // The writer cannot clean up after a kill; what it left is never the image itself.
        for (const std::string& name : TemporaryFilesIn(dir.Path())) {
            fs::remove(dir.File(name));
            ++leftovers;
        }
    }
    // Saving is nearly all the loop does, so some kill must have landed inside a save.
    EXPECT_GT(leftovers, 0) << "no kill stopped a save half way";
    RecordProperty("LeftoverTemporaryFiles", leftovers);
}
