// SPDX-License-Identifier: MIT
#include "SafeImageWriter.h"

#include "ImageBuilder.h"
#include "ImageCheck.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
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

ImageWriteResult Save(const fs::path& source, const fs::path& target, TeamWrite team,
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
    void ExpectEveryStepCanFailHarmlessly(const fs::path& target, const TeamWrite& write,
                                          bool hardLinked = false);

    TempDir dir;
    fs::path image = dir.File("image.nes");
    ImageBuilder builder;
    // What every save here writes: team 9's players and colours as team 5.
    static constexpr int SavedTeam = 5;
    TeamRecords saved = ValidRecords(9);
};

} // namespace

// Saves `write` from the image into `target` once undisturbed, counting its steps, and then
// once more for every step, failing that one: no failure may leave anything but the old image,
// and the result says what it left and why.
void SafeImageWriter::ExpectEveryStepCanFailHarmlessly(const fs::path& target,
                                                       const TeamWrite& write, bool hardLinked) {
    builder.WriteTo(image);
    if (hardLinked)
        fs::create_hard_link(image, dir.File("second name.nes"));
    const std::vector<std::uint8_t> before = builder.Bytes();
    const bool intoNewFile = target != image;
    int steps = 0;
    SetWriteStepHookForTests([&](WriteStep) { return ++steps, true; });
    ASSERT_EQ(Save(image, target, write).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(target), ImageWith(builder, SavedTeam, saved));
    // Create, copy, 13 + 5 records and the colour entry, flush, rename, sync of the folder; in
    // place the rename names the complete copy, the folder is synced, the copy goes over the
    // image and is removed.
    EXPECT_EQ(steps, hardLinked ? 26 : 24);

    for (int failing = 0; failing < steps; ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        builder.WriteTo(image);
        if (intoNewFile)
            fs::remove(target);
        int step = 0;
        std::optional<WriteStep> failed;
        SetWriteStepHookForTests([&](WriteStep current) {
            if (step++ != failing)
                return true;
            failed = current;
            return false;
        });
        const ImageWriteResult result = Save(image, target, write);
        // Once the new content has the target's place, what fails is only said.
        if (failed == WriteStep::RemoveCopy || (failed == WriteStep::SyncFolder && !hardLinked)) {
            EXPECT_EQ(result.outcome, ImageWriteOutcome::Written);
            EXPECT_FALSE(result.aftermath.Clean());
            EXPECT_EQ(ReadFileBytes(target), ImageWith(builder, SavedTeam, saved));
            for (const std::string& copy : result.aftermath.unremovedCopies)
                fs::remove(copy);
            continue;
        }
        EXPECT_NE(result.outcome, ImageWriteOutcome::Written);
        EXPECT_EQ(result.systemError, ENOSPC);
        EXPECT_EQ(result.target,
                  failed == WriteStep::Overwrite ? TargetState::Restored : TargetState::Unchanged);
        EXPECT_TRUE(result.aftermath.Clean());
        EXPECT_EQ(ReadFileBytes(image), before);
        EXPECT_EQ(fs::exists(target), !intoNewFile);
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
        if (hardLinked) {
            EXPECT_EQ(fs::hard_link_count(image), 2u);
        }
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

TEST_F(SafeImageWriter, LeavesTheWholeOldHardLinkedImageWhereverASaveFails) {
    // Half the new image is in place when the copy over it fails; the old one must go back.
    ExpectEveryStepCanFailHarmlessly(image, {SavedTeam, saved}, true);
}

TEST_F(SafeImageWriter, KeepsTheCompleteNewImageBesideAHardLinkedOneItCouldNotPutBack) {
    builder.WriteTo(image);
    fs::create_hard_link(image, dir.File("second name.nes"));
    const std::vector<std::uint8_t> after = ImageWith(builder, SavedTeam, saved);
    SetWriteStepHookForTests(
        [](WriteStep step) { return step != WriteStep::Overwrite && step != WriteStep::Restore; });
    const ImageWriteResult result = Save(image, image, {SavedTeam, saved});
    EXPECT_EQ(result.outcome, ImageWriteOutcome::WriteFailed);
    EXPECT_EQ(result.target, TargetState::Damaged);
    ASSERT_EQ(InterruptedSaveCopies(image.string()), std::vector{result.completeCopy});
    EXPECT_EQ(ReadFileBytes(result.completeCopy), after);
    fs::remove(result.completeCopy);

    // A kill half way through the copy over the image leaves the same for the next opening.
    builder.WriteTo(image);
    const pid_t child = fork();
    if (child == 0) {
        SetWriteStepHookForTests([](WriteStep step) {
            if (step == WriteStep::Restore)
                raise(SIGKILL);
            return step != WriteStep::Overwrite;
        });
        (void)Save(image, image, {SavedTeam, saved});
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    const std::vector<std::string> copies = InterruptedSaveCopies(image.string());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadFileBytes(copies[0]), after);
    EXPECT_EQ(fs::path(copies[0]).filename().string().rfind(".image.nes.tolvanek-new-", 0), 0u);
    EXPECT_EQ(fs::path(copies[0]).extension(), ".nes");
}

TEST_F(SafeImageWriter, NeverCutsAHardLinkedOutputBeforeItsNewContentIsWhole) {
    const fs::path report = dir.File("team.csv");
    const std::vector<std::uint8_t> old = {'o', 'l', 'd', '\n'};
    ASSERT_TRUE(WriteFileSafely(report.string(), old).Written());
    fs::create_hard_link(report, dir.File("second name.csv"));
    // A disk that fills at the 1000th byte of any file.
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(255);
        const FileWriteResult result =
            WriteFileSafely(report.string(), std::vector<std::uint8_t>(5000, 'n'));
        _exit(result.outcome == FileWriteOutcome::WriteFailed &&
                      result.target == TargetState::Unchanged && result.systemError == EFBIG
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileBytes(report), old);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

// A file-size limit (ulimit -f) would end the program with SIGXFSZ and leave the temporary file;
// it is a full disk instead, for a file replaced and for one written in place, whose content a
// failure at its first byte leaves intact: it is not called damaged.
TEST_F(SafeImageWriter, TakesAFileSizeLimitForAFailedWriteThatLeavesTheImage) {
    for (const bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "hard-linked" : "replaced");
        builder.WriteTo(image);
        if (hardLinked)
            fs::create_hard_link(image, dir.File("second name.nes"));
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_DFL);
            // In place, the limit comes once the complete copy is written, just before it goes
            // over the image.
            const auto limit = [] {
                const rlimit small{1000, 1000};
                return setrlimit(RLIMIT_FSIZE, &small) == 0;
            };
            if (!hardLinked && !limit())
                _exit(255);
            SetWriteStepHookForTests(
                [&](WriteStep step) { return step != WriteStep::Overwrite || limit(); });
            const ImageWriteResult result = Save(image, image, {SavedTeam, saved});
            _exit(result.outcome == ImageWriteOutcome::WriteFailed &&
                          result.target == TargetState::Unchanged && result.systemError == EFBIG &&
                          result.completeCopy.empty()
                      ? 0
                      : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
        EXPECT_EQ(InterruptedSaveCopies(image.string()), std::vector<std::string>{});
        fs::remove(dir.File("second name.nes"));
    }
}

// The complete copies stopped saves left beside an image are announced at every opening until a
// later write of the image succeeds; then the image holds newer content and they go. One that
// cannot be removed is said, as is a folder that cannot be synced after the rename.
TEST_F(SafeImageWriter, RemovesTheCopiesOfStoppedSavesOnceASaveSucceedsAndSaysWhatItCannot) {
    builder.WriteTo(image);
    const fs::path stale = dir.File(".image.nes.tolvanek-new-0badc0de.nes");
    builder.WriteTo(stale);
    builder.WriteTo(dir.File("other.nes"));
    const fs::path otherImagesCopy = dir.File(".other.nes.tolvanek-new-0badc0de.nes");
    builder.WriteTo(otherImagesCopy);
    ASSERT_EQ(InterruptedSaveCopies(image.string()), std::vector{stale.string()});

    SetWriteStepHookForTests([](WriteStep step) { return step != WriteStep::RemoveCopy; });
    const ImageWriteResult kept = Save(image, image, {SavedTeam, saved});
    EXPECT_EQ(kept.outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(kept.aftermath.unremovedCopies, std::vector{stale.string()});
    EXPECT_EQ(kept.aftermath.removalError, EACCES);
    EXPECT_EQ(kept.aftermath.folderSyncError, 0);

    SetWriteStepHookForTests([](WriteStep step) { return step != WriteStep::SyncFolder; });
    const ImageWriteResult unsynced = Save(image, image, {SavedTeam, saved});
    EXPECT_EQ(unsynced.outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(unsynced.aftermath.folderSyncError, ENOSPC);
    EXPECT_EQ(unsynced.aftermath.unremovedCopies, std::vector<std::string>{});
    EXPECT_EQ(InterruptedSaveCopies(image.string()), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(otherImagesCopy));

    SetWriteStepHookForTests(nullptr);
    const ImageWriteResult clean = Save(image, image, {SavedTeam, saved});
    EXPECT_TRUE(clean.Written() && clean.aftermath.Clean());
}

// Extended attributes (a user's tags, POSIX access lists) belong to the file, not to its
// content: a save that replaces the file gives them to the new one.
TEST_F(SafeImageWriter, KeepsTheExtendedAttributesOfTheFileItReplaces) {
    builder.WriteTo(image);
    const std::string tag = "season 1992";
    if (setxattr(image.c_str(), "user.tolvanek.test", tag.data(), tag.size(), 0) != 0)
        GTEST_SKIP() << "the file system keeps no user attributes: " << std::strerror(errno);
    // Held open, so that no new file can be given the old one's inode number.
    const int old = open(image.c_str(), O_RDONLY);
    ASSERT_GE(old, 0);
    struct stat before {};
    ASSERT_EQ(fstat(old, &before), 0);
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    ASSERT_TRUE(WriteFileSafely(image.string(), ImageWith(builder, SavedTeam, saved)).Written());
    char value[64] = {};
    const ssize_t length = getxattr(image.c_str(), "user.tolvanek.test", value, sizeof value);
    EXPECT_EQ(std::string(value, static_cast<std::size_t>(std::max<ssize_t>(length, 0))), tag);
    struct stat after {};
    ASSERT_EQ(stat(image.c_str(), &after), 0);
    close(old);
    EXPECT_NE(after.st_ino, before.st_ino) << "not replaced: the attribute proves nothing";
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, WritesTheFileALinkChainLeadsToFromEachLinksRealFolder) {
    // home/games/link.nes is disk/games/link.nes, whose "../saves" is disk/saves and not
    // home/saves, which a path cut short by its text would reach.
    for (const char* folder : {"home/saves", "disk/games", "disk/saves"})
        fs::create_directories(dir.File(folder));
    fs::create_directory_symlink("../disk/games", dir.File("home/games"));
    fs::create_symlink("../saves/x.nes", dir.File("disk/games/link.nes"));
    const fs::path linked = dir.File("disk/saves/x.nes");
    const fs::path unrelated = dir.File("home/saves/x.nes");
    builder.WriteTo(linked);
    builder.WriteTo(unrelated);
    const fs::path link = dir.File("home/games/link.nes");
    ASSERT_EQ(Save(link, link, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(linked), ImageWith(builder, SavedTeam, saved));
    EXPECT_EQ(ReadFileBytes(unrelated), builder.Bytes());
    EXPECT_TRUE(fs::is_symlink(dir.File("disk/games/link.nes")));

    // A dangling link at the end of the chain leads to where its target would be.
    fs::remove(linked);
    ASSERT_TRUE(WriteFileSafely(link.string(), builder.Bytes()).Written());
    EXPECT_EQ(ReadFileBytes(linked), builder.Bytes());
    EXPECT_EQ(ReadFileBytes(unrelated), builder.Bytes());
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
    ASSERT_EQ(Save(image, image, {Team, TeamRecordsAt(expected, Team)}).outcome,
              ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(image), expected);
}

TEST_F(SafeImageWriter, KeepsThePermissionBitsOfTheImageItReplaces) {
    builder.WriteTo(image);
    fs::permissions(image, fs::perms(0640));
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(ModeOf(image), fs::perms(0640));
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, SavesThroughASymbolicLinkIntoItsTargetAndKeepsTheLink) {
    builder.WriteTo(image);
    // A relative link in another folder: it leads from its own folder, not from ours.
    fs::create_directory(dir.File("links"));
    const fs::path link = dir.File("links") / "team.nes";
    fs::create_symlink("../image.nes", link);
    ASSERT_EQ(Save(link, link, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
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
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
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
        EXPECT_EQ(WriteImage(request).outcome, ImageWriteOutcome::TextRefused);
        EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
    }
}

TEST_F(SafeImageWriter, RefusesASourceItCannotReadOrDoesNotTrust) {
    builder.WriteTo(image);
    const fs::path target = dir.File("new.nes");
    const ImageWriteResult missing = Save(dir.File("missing.nes"), target, {0, saved});
    EXPECT_EQ(missing.outcome, ImageWriteOutcome::SourceUnreadable);
    EXPECT_EQ(missing.systemError, ENOENT);
    EXPECT_EQ(Save(dir.Path(), target, {0, saved}).outcome, ImageWriteOutcome::SourceUnreadable);

    const fs::path noMagic = dir.File("no magic.nes");
    ImageBuilder(builder).SetByte(0, 'n').WriteTo(noMagic);
    EXPECT_EQ(Save(noMagic, target, {0, saved}, true).outcome, ImageWriteOutcome::SourceRefused);

    // A plausible header over nothing but zeros: shaped like an image, but not of this game.
    const fs::path zeros = dir.File("zeros.nes");
    ImageBuilder(testsupport::InesHeaderSize).WriteTo(zeros);
    fs::resize_file(zeros, testsupport::DefaultImageSize);
    EXPECT_EQ(Save(zeros, target, {0, saved}).outcome, ImageWriteOutcome::SourceRefused);
    EXPECT_FALSE(fs::exists(target));
    ASSERT_EQ(Save(zeros, target, {0, saved}, true).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(TeamRecordsAt(ReadFileBytes(target), 0), saved);

    const fs::path noFolder = dir.File("no folder") / "new.nes";
    const ImageWriteResult noFolderResult = Save(image, noFolder, {0, saved});
    EXPECT_EQ(noFolderResult.outcome, ImageWriteOutcome::TargetUncreatable);
    EXPECT_EQ(noFolderResult.systemError, ENOENT);
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
        return static_cast<int>(Save(image, image, {SavedTeam, saved}).outcome);
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

// An attribute this user may read but not set (a security label root gave the file) cannot go
// to a new file: the file itself is written, and keeps it.
TEST_F(SafeImageWriter, KeepsAnAttributeItCannotGiveToANewFileByWritingTheFileItself) {
    builder.WriteTo(image);
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file an attribute its owner cannot set";
    const std::string label = "kept";
    if (setxattr(image.c_str(), "security.tolvanek", label.data(), label.size(), 0) != 0)
        GTEST_SKIP() << "the file system keeps no such attribute: " << std::strerror(errno);
    struct stat before {};
    ASSERT_EQ(stat(image.c_str(), &before), 0);
    const int outcome = AsUnprivilegedUser({dir.Path(), image}, [&] {
        return static_cast<int>(Save(image, image, {SavedTeam, saved}).outcome);
    });
    ASSERT_EQ(outcome, static_cast<int>(ImageWriteOutcome::Written));
    struct stat after {};
    ASSERT_EQ(stat(image.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    char value[16] = {};
    const ssize_t length = getxattr(image.c_str(), "security.tolvanek", value, sizeof value);
    EXPECT_EQ(std::string(value, static_cast<std::size_t>(std::max<ssize_t>(length, 0))), label);
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, GivesTheNewFileTheOldOnesOwnerAndModeBeforeItsFirstByte) {
    builder.WriteTo(image);
    fs::permissions(image, fs::perms(0600));
    int looks = 0;
    SetWriteStepHookForTests([&](WriteStep) {
        for (const std::string& name : TemporaryFilesIn(dir.Path())) {
            EXPECT_EQ(ModeOf(dir.File(name)) & fs::perms(077), fs::perms::none) << name;
            ++looks;
        }
        return true;
    });
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    EXPECT_GT(looks, 0);
    EXPECT_EQ(ModeOf(image), fs::perms(0600));
    SetWriteStepHookForTests(nullptr);

    // Another user's image that this one may write through its group: a new file would be this
    // user's, so the image itself is written and keeps its owner.
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        GTEST_SKIP() << "only root can give the image to another user than the one saving";
    builder.WriteTo(image);
    ASSERT_EQ(chown(image.c_str(), 0, nobody->pw_gid), 0);
    fs::permissions(image, fs::perms(0660));
    struct stat before {};
    ASSERT_EQ(stat(image.c_str(), &before), 0);
    const int outcome = AsUnprivilegedUser({dir.Path()}, [&] {
        return static_cast<int>(Save(image, image, {SavedTeam, saved}).outcome);
    });
    ASSERT_EQ(outcome, static_cast<int>(ImageWriteOutcome::Written));
    struct stat after {};
    ASSERT_EQ(stat(image.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, nobody->pw_gid);
    EXPECT_EQ(ModeOf(image), fs::perms(0660));
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, RemovesItsTemporaryFileWhenASignalEndsASave) {
    builder.WriteTo(image);
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    for (const int ending : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE,
                             SIGVTALRM, SIGPROF}) {
        SCOPED_TRACE(strsignal(ending));
        const pid_t child = fork();
        if (child == 0) {
            const rlimit noCore{0, 0}; // SIGQUIT's default leaves a core dump
            setrlimit(RLIMIT_CORE, &noCore);
            signal(ending, SIG_DFL);
            SetWriteStepHookForTests([ending](WriteStep step) {
                if (step == WriteStep::Flush)
                    raise(ending);
                return true;
            });
            (void)Save(image, image, {SavedTeam, saved});
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == ending) << "status " << status;
        EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
    }

    // A signal the program handles itself (a profiler's, a timer's) ends nothing, so the save
    // goes on with its file.
    static volatile std::sig_atomic_t handled = 0;
    struct sigaction counting {};
    counting.sa_handler = [](int) {
        handled = handled + 1;
    };
    struct sigaction previous {};
    sigaction(SIGALRM, &counting, &previous);
    SetWriteStepHookForTests([](WriteStep step) {
        if (step == WriteStep::Flush)
            raise(SIGALRM);
        return true;
    });
    EXPECT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    SetWriteStepHookForTests(nullptr);
    sigaction(SIGALRM, &previous, nullptr);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
    builder.WriteTo(image);

    // The handling the program had is back once a save returns.
    ASSERT_EQ(Save(image, image, {SavedTeam, saved}).outcome, ImageWriteOutcome::Written);
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

TEST_F(SafeImageWriter, ReportsARelativeTargetWithNoWorkingFolderWithoutThrowing) {
    builder.WriteTo(image);
    const fs::path gone = dir.File("gone");
    fs::create_directory(gone);
    const fs::path previous = fs::current_path();
    fs::current_path(gone);
    fs::remove(gone);
    ImageWriteResult imageResult;
    FileWriteResult fileResult;
    std::vector<std::string> copies;
    EXPECT_NO_THROW({
        imageResult = Save(image, "image.nes", {SavedTeam, saved});
        fileResult = WriteFileSafely("team.csv", builder.Bytes());
        copies = InterruptedSaveCopies("image.nes");
    });
    fs::current_path(previous);
    EXPECT_EQ(imageResult.outcome, ImageWriteOutcome::TargetUncreatable);
    EXPECT_EQ(imageResult.systemError, ENOENT);
    EXPECT_EQ(fileResult.outcome, FileWriteOutcome::TargetUncreatable);
    EXPECT_EQ(copies, std::vector<std::string>{});
    EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
}

TEST_F(SafeImageWriter, ReadsAnImageWithoutWaitingForAPipeSwappedIntoItsPlace) {
    // The image's name goes back and forth between a plain file and a pipe as fast as it can; a
    // reader that looks at the name and then opens it opens the pipe sooner or later, and waits
    // there for a writer that never comes. It is read through a chain of links, each of which
    // the system follows again on every look, to give the swap its moment more often.
    const fs::path pipe = dir.File("pipe");
    const fs::path next = dir.File("next");
    builder.WriteTo(dir.File("plain"));
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::path read = image;
    for (int link = 0; link < 30; ++link) {
        const fs::path before = dir.File("link " + std::to_string(link));
        fs::create_symlink(read.filename(), before);
        read = before;
    }
    std::atomic<bool> stop = false;
    std::thread swapper([&] {
        for (int i = 0; !stop; ++i) {
            std::error_code ignored;
            fs::create_hard_link(i % 2 ? dir.File("plain") : pipe, next, ignored);
            fs::rename(next, image, ignored);
        }
    });
    auto reading = std::async(std::launch::async, [&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        std::vector<std::uint8_t> bytes;
        while (!stop && std::chrono::steady_clock::now() < end)
            (void)ReadWholeFile(read.string(), bytes);
    });
    const bool waited = reading.wait_for(std::chrono::seconds(4)) != std::future_status::ready;
    stop = true;
    // A writer coming and going releases a reader waiting in the pipe.
    while (reading.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    swapper.join();
    EXPECT_FALSE(waited) << "a read waited for the pipe's writer";
}

TEST_F(SafeImageWriter, WritesALockedImageOnlyUnderItsLockAndOnlyAsItsCallerReadIt) {
    builder.WriteTo(image);
    const ImageLock lock = ImageLock::Acquire(image.string());
    ASSERT_TRUE(lock.Held());
    EXPECT_EQ(ImageLock::Acquire(image.string()).State(), ImageLockState::Busy);
    ImageWriteRequest request{image.string(), image.string(), {{SavedTeam, saved}}};
    EXPECT_EQ(WriteImage(request).outcome, ImageWriteOutcome::Busy);

    request.lock = &lock;
    const std::vector<std::uint8_t> readEarlier = ImageWith(builder, 0, ValidRecords(1));
    request.expectedSource = readEarlier;
    EXPECT_EQ(WriteImage(request).outcome, ImageWriteOutcome::SourceChanged);
    EXPECT_EQ(ReadFileBytes(image), builder.Bytes());
    request.expectedSource = builder.Bytes();
    EXPECT_EQ(WriteImage(request).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(image), ImageWith(builder, SavedTeam, saved));
}

TEST_F(SafeImageWriter, WritesAnOutputFileAndReplacesAnOldOneKeepingItsMode) {
    const fs::path report = dir.File("team.csv");
    const std::vector<std::uint8_t> first = {'a', ',', 'b', '\n'};
    const std::vector<std::uint8_t> second = {'c', '\n'};
    ASSERT_EQ(WriteFileSafely(report.string(), first).outcome, FileWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(report), first);
    fs::permissions(report, fs::perms(0600));
    ASSERT_EQ(WriteFileSafely(report.string(), second).outcome, FileWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(report), second);
    EXPECT_EQ(ModeOf(report), fs::perms(0600));
    EXPECT_EQ(WriteFileSafely(dir.File("no folder/team.csv").string(), first).outcome,
              FileWriteOutcome::TargetUncreatable);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, RefusesAPipeAtOnceAndWritesIntoADeviceRatherThanReplacingIt) {
    const std::vector<std::uint8_t> bytes = {'h', 't', 'm', 'l'};
    const fs::path pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("pipe", dir.File("link.csv"));
    builder.WriteTo(image);
    // Refused with a reader and without one: a write into a pipe may wait for ever.
    for (const bool withReader : {false, true}) {
        SCOPED_TRACE(withReader ? "a reader waits" : "nobody reads");
        const int reader = withReader ? open(pipe.c_str(), O_RDONLY | O_NONBLOCK) : -1;
        auto writing = std::async(std::launch::async, [&] {
            return std::pair(WriteFileSafely(pipe.string(), bytes),
                             WriteFileSafely(dir.File("link.csv").string(), bytes));
        });
        if (writing.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "the write into a pipe does not return";
            // Whatever it waits for on the pipe, a reader coming and going releases it.
            close(open(pipe.c_str(), O_RDONLY | O_NONBLOCK));
        }
        const auto [named, linked] = writing.get();
        for (const FileWriteResult& result : {named, linked}) {
            EXPECT_EQ(result.outcome, FileWriteOutcome::TargetUncreatable);
            EXPECT_EQ(result.systemError, ESPIPE);
        }
        if (reader >= 0) {
            char received = 0;
            EXPECT_LE(read(reader, &received, 1), 0) << "something went into the pipe";
            close(reader);
        }
    }
    const ImageWriteResult intoPipe = Save(image, pipe, {SavedTeam, saved});
    EXPECT_EQ(intoPipe.outcome, ImageWriteOutcome::TargetUncreatable);
    EXPECT_EQ(intoPipe.systemError, ESPIPE);
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});

    EXPECT_EQ(WriteFileSafely("/dev/null", bytes).outcome, FileWriteOutcome::Written);
    // An image is only ever a plain file, and the result says that this is what refused it.
    builder.WriteTo(image);
    const ImageWriteResult intoDevice = Save(image, "/dev/null", {SavedTeam, saved});
    EXPECT_EQ(intoDevice.outcome, ImageWriteOutcome::TargetUncreatable);
    EXPECT_TRUE(intoDevice.targetNotPlainFile);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
    EXPECT_EQ(WriteFileSafely("/dev/full", bytes).outcome, FileWriteOutcome::WriteFailed);
    EXPECT_EQ(fs::status("/dev/full").type(), fs::file_type::character);
}

// This process's own name, as the system gives it for a lock's holder.
std::string OwnCommandName() {
    std::ifstream command("/proc/self/comm");
    std::string name;
    std::getline(command, name);
    return name;
}

TEST_F(SafeImageWriter, WaitsForAnothersLockOnlyAsLongAsAskedAndNamesWhoHoldsIt) {
    const fs::path report = dir.File("team.csv");
    const std::vector<std::uint8_t> old = {'o', 'l', 'd', '\n'};
    const std::vector<std::uint8_t> fresh = {'n', 'e', 'w', '\n'};
    ASSERT_EQ(WriteFileSafely(report.string(), old).outcome, FileWriteOutcome::Written);
    builder.WriteTo(image);
    auto held = std::make_optional(ImageLock::Acquire(report.string()));
    ASSERT_TRUE(held->Held());

    int told = 0;
    LockHolder toldOf;
    const LockWait shortWait{std::chrono::milliseconds(300), [&](const LockHolder& holder) {
                                 ++told;
                                 toldOf = holder;
                             }};
    const auto start = std::chrono::steady_clock::now();
    const FileWriteResult refused = WriteFileSafely(report.string(), fresh, {nullptr, shortWait});
    EXPECT_GE(std::chrono::steady_clock::now() - start, shortWait.limit);
    EXPECT_EQ(refused.outcome, FileWriteOutcome::Busy);
    EXPECT_EQ(told, 1);
    for (const LockHolder& holder : {refused.holder, toldOf}) {
        EXPECT_EQ(holder.pid, getpid());
        EXPECT_EQ(holder.name, OwnCommandName());
    }
    // No wait at all: refused at once, saying nothing first.
    EXPECT_EQ(WriteFileSafely(report.string(), fresh).outcome, FileWriteOutcome::Busy);
    ImageWriteRequest copy{image.string(), report.string(), {{SavedTeam, saved}}};
    copy.wait = shortWait;
    EXPECT_EQ(WriteImage(copy).outcome, ImageWriteOutcome::Busy);
    EXPECT_EQ(told, 2);
    EXPECT_EQ(ReadFileBytes(report), old);

    // The holder's own write goes through its lock; another's waits until it lets go.
    EXPECT_EQ(WriteFileSafely(report.string(), old, {&*held}).outcome, FileWriteOutcome::Written);
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        held.reset();
    });
    EXPECT_EQ(
        WriteFileSafely(report.string(), fresh, {nullptr, {std::chrono::seconds(20)}}).outcome,
        FileWriteOutcome::Written);
    letGo.join();
    EXPECT_EQ(ReadFileBytes(report), fresh);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(SafeImageWriter, ReplacesNoTargetThatAnotherWroteAfterItWasSeen) {
    const fs::path report = dir.File("team.csv");
    const std::vector<std::uint8_t> theirs = {'t', 'h', 'e', 'i', 'r', 's', '\n'};
    const std::vector<std::uint8_t> ours = {'o', 'u', 'r', 's', '\n'};
    const std::vector<std::uint8_t> later = {'l', 'a', 't', 'e', 'r', '\n'};
    builder.WriteTo(image);

    // Missing when seen, and made by another in the meantime.
    FileStamp seen = StampOf(report.string());
    EXPECT_FALSE(seen.exists);
    ASSERT_EQ(WriteFileSafely(report.string(), theirs).outcome, FileWriteOutcome::Written);
    EXPECT_EQ(WriteFileSafely(report.string(), ours, {nullptr, {}, seen}).outcome,
              FileWriteOutcome::TargetChanged);
    ImageWriteRequest copy{image.string(), report.string(), {{SavedTeam, saved}}};
    copy.expectedTarget = seen;
    EXPECT_EQ(WriteImage(copy).outcome, ImageWriteOutcome::TargetChanged);
    EXPECT_EQ(ReadFileBytes(report), theirs);

    // Replaced by another writer while this one waited for its lock.
    seen = StampOf(report.string());
    auto held = std::make_optional(ImageLock::Acquire(report.string()));
    ASSERT_TRUE(held->Held());
    std::thread other([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        (void)WriteFileSafely(report.string(), later, {&*held});
        held.reset();
    });
    EXPECT_EQ(
        WriteFileSafely(report.string(), ours, {nullptr, {std::chrono::seconds(20)}, seen}).outcome,
        FileWriteOutcome::TargetChanged);
    other.join();
    EXPECT_EQ(ReadFileBytes(report), later);

    // Written in place, keeping its inode, but with another size.
    seen = StampOf(report.string());
    {
        std::ofstream append(report, std::ios::app | std::ios::binary);
        append << "more\n";
    }
    EXPECT_EQ(WriteFileSafely(report.string(), ours, {nullptr, {}, seen}).outcome,
              FileWriteOutcome::TargetChanged);

    // Unchanged since it was seen: written.
    seen = StampOf(report.string());
    EXPECT_EQ(WriteFileSafely(report.string(), ours, {nullptr, {}, seen}).outcome,
              FileWriteOutcome::Written);
    EXPECT_EQ(ReadFileBytes(report), ours);
    copy.expectedTarget = StampOf(report.string());
    EXPECT_EQ(WriteImage(copy).outcome, ImageWriteOutcome::Written);
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

namespace {

// SAVE_LOOP_TOOL IMAGE [ARGUMENTS], with its output on a pipe read here.
class SaveLoopProcess {
public:
    explicit SaveLoopProcess(const fs::path& image, std::vector<std::string> arguments = {}) {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        arguments.insert(arguments.begin(), {SAVE_LOOP_TOOL, image.string()});
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
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

    // What the process printed, once it has ended by itself and with success within a minute.
    [[nodiscard]] std::optional<std::string> OutputAtExit() {
        std::string output;
        pollfd ready{saves_, POLLIN, 0};
        char buffer[256];
        for (ssize_t count = 1; count > 0; output.append(buffer, static_cast<std::size_t>(count)))
            if (pid_ <= 0 || poll(&ready, 1, 60000) != 1 ||
                (count = read(saves_, buffer, sizeof buffer)) < 0)
                return std::nullopt;
        int status = 0;
        const bool exited = waitpid(pid_, &status, 0) == pid_;
        pid_ = -1;
        if (!exited || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        return output;
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

TEST_F(SafeImageWriter, LosesNoSaveOfTwoProcessesSavingOneImageAtOnce) {
    // Each adds one to the counter SaveLoop keeps in the image, from the image as it read it.
    const auto counter = [&] {
        return int{TeamRecordsAt(ReadFileBytes(image), 0).batters[BatterCount - 1].homeRuns};
    };
    constexpr int Times = 40;
    for (const std::string mode : {"wait", "try"}) {
        SCOPED_TRACE(mode);
        builder.WriteTo(image);
        const int start = counter();
        SaveLoopProcess first(image, {mode, std::to_string(Times)});
        SaveLoopProcess second(image, {mode, std::to_string(Times)});
        const std::optional<std::string> firstOutput = first.OutputAtExit();
        const std::optional<std::string> secondOutput = second.OutputAtExit();
        ASSERT_TRUE(firstOutput && secondOutput) << "a save failed, or one waited for ever";
        // Waiting for the lock, every save goes through in turn; trying without it, a save that
        // would have come between another's read and its write is refused.
        const int saves =
            mode == "wait" ? 2 * Times : std::stoi(*firstOutput) + std::stoi(*secondOutput);
        EXPECT_GT(saves, 0);
        EXPECT_EQ(counter(), (start + saves) % 256);
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
    }
}
