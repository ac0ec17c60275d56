// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "SafeImageWriter.h"

#include "ImageLock.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using GuiTest::AnswerNextFileDialog;
using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A name made of tile codes, spelled with the characters those codes stand for.
QString NameOf(const teamdata::NameTiles& tiles) {
    QString name;
    for (std::uint8_t code : tiles)
        name += Q(teamdata::TileCharTable[code]);
    return name;
}

// Edits made on screen, and the same edits made directly on an expected image.
struct Edits {
    static constexpr teamdata::NameTiles NewName = {45, 86, 70, 36, 36};
    static constexpr std::uint8_t Helmet = 0x21;
    static constexpr std::uint8_t Uniform = 0x3A;

    // Changes batters 1, 2 and 3 and bench batter 10, pitcher 2 and both colours of `team`.
    static void OnScreen() {
        StringGrid* batters = MainForm->BatterTable();
        StringGrid* pitchers = MainForm->PitcherTable();
        batters->SetCells(1, 3, NameOf(NewName));
        batters->SetCells(6, 3, QStringLiteral("42"));
        batters->SetCells(7, 3, QStringLiteral("7"));
        const QString first = batters->Cells(4, 1);
        batters->SetCells(4, 1, batters->Cells(4, 2));
        batters->SetCells(4, 2, first);
        batters->SetCells(2, 10, QStringLiteral("左"));
        pitchers->SetCells(2, 2, QStringLiteral("右下"));
        pitchers->SetCells(3, 2, QStringLiteral("7"));
        pitchers->SetCells(4, 2, QStringLiteral("330"));
        pitchers->SetCells(6, 2, QStringLiteral("150"));
        MainForm->ApplyColors({Helmet, Uniform}, QStringLiteral("色"));
    }

    static void OnImage(ImageBuilder& image, int team) {
        auto lead = [team](int index) {
            return ImageBuilder::ValidLeadByte(team, index);
        };
        teamdata::BatterBytes third = ImageBuilder::ValidBatter(team, 2);
        third.tiles = NewName;
        third.homeRuns = 42;
        third.speed = 7;
        image.SetBatter(team, 2, third, lead(2));
        teamdata::BatterBytes first = ImageBuilder::ValidBatter(team, 0);
        teamdata::BatterBytes second = ImageBuilder::ValidBatter(team, 1);
        const auto positionOf = [](const teamdata::BatterBytes& b) {
            return b.popularityPosition & 0x0F;
        };
        const int firstPosition = positionOf(first);
        first.popularityPosition =
            static_cast<std::uint8_t>((first.popularityPosition & 0xF0) | positionOf(second));
        second.popularityPosition =
            static_cast<std::uint8_t>((second.popularityPosition & 0xF0) | firstPosition);
        image.SetBatter(team, 0, first, lead(0));
        image.SetBatter(team, 1, second, lead(1));
        teamdata::BatterBytes bench = ImageBuilder::ValidBatter(team, 9);
        bench.side = 1;
        image.SetBatter(team, 9, bench, lead(9));
        teamdata::PitcherBytes pitcher = ImageBuilder::ValidPitcher(team, 1);
        pitcher.style = 0xC0;
        pitcher.popularity = 0x71;
        pitcher.eraCode = 33;
        pitcher.fast = 150;
        image.SetPitcher(team, 1, pitcher, lead(teamdata::BatterCount + 1));
        image.SetColors(team, Helmet, Uniform);
    }
};

class SavingTest : public MainWindowFixture {
protected:
    // Runs `action` and checks that it shows exactly the error `message`, or no message at
    // all when there is none. A second message would be answered too and reported.
    static void Expect(const std::optional<QString>& message, const std::function<void()>& action) {
        MessageSeen first;
        MessageSeen second;
        AnswerNextMessage(first, QStringLiteral("OK"), NotTheReplaceQuestion);
        AnswerNextMessage(second, QStringLiteral("OK"), NotTheReplaceQuestion);
        action();
        EXPECT_FALSE(second.seen) << "a second message: " << second.text.toStdString();
        EXPECT_EQ(GuiTest::CancelPendingModalActions(), message ? 1 : 2);
        if (!message) {
            EXPECT_FALSE(first.seen) << "unexpected message: " << first.text.toStdString();
            return;
        }
        ASSERT_TRUE(first.seen) << "no message, expected " << message->toStdString();
        ExpectErrorBox(first, *message);
    }

    static bool IsReplaceQuestion(const QString& text) {
        return text.endsWith(QStringLiteral("は既に存在します。置き換えますか？"));
    }
    static bool NotTheReplaceQuestion(const QString& text) { return !IsReplaceQuestion(text); }

    // Saves into a copy named `target`; when it exists already, the window asks first and
    // `replace` answers (empty: no question is expected, as for the open file itself).
    static void SaveAs(const fs::path& target, std::optional<bool> replace = true) {
        AnswerNextFileDialog(Q(target));
        if (replace && fs::exists(target)) {
            static MessageSeen question;
            question = {};
            AnswerNextMessage(question,
                              *replace ? QStringLiteral("はい(&Y)") : QStringLiteral("いいえ(&N)"),
                              IsReplaceQuestion);
        }
        MainForm->MenuSaveNew()->trigger();
    }

    // What the window shows about the open file, which no way of saving changes.
    struct Attachment {
        QString filePath;
        QString caption;
        int team;
        friend bool operator==(const Attachment&, const Attachment&) = default;
    };
    static Attachment AttachmentNow() {
        return {MainForm->FilePath(), MainForm->windowTitle(), MainForm->TeamBox()->currentIndex()};
    }
};

const QString NothingToSave = QStringLiteral("保存するデータが存在しません");
const QString CannotWrite = QStringLiteral("ファイルを作成できません");
const QString BadPositions = QStringLiteral("守備位置がおかしい");
const QString SourceUnreadable = QStringLiteral("元ファイルを読めません");
const QString CopyUnwritable = QStringLiteral("ファイルを作れません");

} // namespace

// ---- Saving in place ----

TEST_F(SavingTest, SavingWithoutEditsLeavesEveryTeamsBytesAsTheyWere) {
    const fs::path path = WriteImage(ValidImage());
    const Bytes before = ReadFileBytes(path);
    OpenImage(path);
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        if (team > 0)
            PickTeam(team);
        Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
        ASSERT_EQ(ReadFileBytes(path), before) << "team " << team;
    }
    Expect(std::nullopt, [] { QTest::mouseClick(MainForm->SpeedUpdateButton(), Qt::LeftButton); });
    Expect(std::nullopt, [] { MainForm->MenuSave()->trigger(); });
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(SavingTest, SavingAfterEditsRewritesOnlyTheShownTeamsRecordsAndColours) {
    const int team = 6;
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, team);
    const Attachment attached = AttachmentNow();
    Edits::OnScreen();
    Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });

    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, team);
    EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
    EXPECT_EQ(MainForm->DataChanged(), 0);
    EXPECT_EQ(AttachmentNow(), attached);
}

TEST_F(SavingTest, EachWayOfSavingWritesTheEdits) {
    const std::function<void()> ways[] = {
        [] { PressKey(Qt::Key_F5); },
        [] { QTest::mouseClick(MainForm->SpeedUpdateButton(), Qt::LeftButton); },
        [] { MainForm->MenuSave()->trigger(); },
    };
    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, 2);
    for (const auto& save : ways) {
        const fs::path path = WriteImage(ValidImage());
        OpenImage(path, 2);
        Edits::OnScreen();
        Expect(std::nullopt, save);
        EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
        EXPECT_EQ(MainForm->DataChanged(), 0);
        MainForm->MenuClose()->trigger();
    }
}

TEST_F(SavingTest, WithNoFileOpenThereIsNothingToSaveAndNothingIsWritten) {
    Expect(NothingToSave, [] { PressKey(Qt::Key_F5); });
    Expect(NothingToSave, [] { QTest::mouseClick(MainForm->SpeedUpdateButton(), Qt::LeftButton); });
    Expect(NothingToSave, [] { MainForm->MenuSave()->trigger(); });
    // Saving into a copy asks for no name when there is nothing to copy.
    Expect(QStringLiteral("データがありません"), [] { MainForm->MenuSaveNew()->trigger(); });
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

// ---- Saving into a copy ----

TEST_F(SavingTest, SavingIntoACopyWritesTheEditsThereAndStaysWithTheOpenFile) {
    const int team = 9;
    const fs::path path = WriteImage(ValidImage());
    const Bytes original = ReadFileBytes(path);
    OpenImage(path, team);
    const Attachment attached = AttachmentNow();
    Edits::OnScreen();
    const fs::path copy = dir.File("copy.nes");
    Expect(std::nullopt, [&] { SaveAs(copy); });

    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, team);
    EXPECT_EQ(ReadFileBytes(copy), expected.Bytes());
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(AttachmentNow(), attached);
    EXPECT_EQ(MainForm->DataChanged(), 0);

    // The next save in place goes into the open file, not into the copy.
    MainForm->ApplyCellText(MainForm->BatterTable(), 8, 5, QStringLiteral("5"));
    Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
    teamdata::BatterBytes fifth = ImageBuilder::ValidBatter(team, 4);
    fifth.fielding = 5;
    expected.SetBatter(team, 4, fifth, ImageBuilder::ValidLeadByte(team, 4));
    EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
    EXPECT_NE(ReadFileBytes(copy), expected.Bytes());
    EXPECT_EQ(AttachmentNow(), attached);
}

TEST_F(SavingTest, SavingIntoAnExistingFileAsksFirstAndReplacesItOnYes) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, 1);
    Edits::OnScreen();
    // Longer than the image, so a copy that only overwrote the start would show.
    const fs::path existing =
        WriteImage(ImageBuilder(testsupport::DefaultImageSize + 4321), "existing.nes");
    const Bytes before = ReadFileBytes(existing);
    Expect(std::nullopt, [&] { SaveAs(existing, false); });
    EXPECT_EQ(ReadFileBytes(existing), before);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    Expect(std::nullopt, [&] { SaveAs(existing, true); });

    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, 1);
    EXPECT_EQ(ReadFileBytes(existing), expected.Bytes());
    EXPECT_EQ(ReadFileBytes(path), ValidImage().Bytes());
}

TEST_F(SavingTest, SavingIntoTheOpenFileItselfSavesInPlaceWhateverItsName) {
    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, 5);
    const fs::path path = dir.File("team.nes");
    const std::pair<const char*, std::function<fs::path()>> spellings[] = {
        {"the same path",
         [&] {
             return path;
         }},
        {"a path through dot",
         [&] {
             return dir.Path() / "." / "team.nes";
         }},
        {"a path through the parent",
         [&] {
             return dir.Path() / ".." / dir.Path().filename() / "team.nes";
         }},
        {"a symbolic link",
         [&] {
             fs::create_symlink(path, dir.File("link.nes"));
             return dir.File("link.nes");
         }},
        {"a hard link",
         [&] {
             fs::create_hard_link(path, dir.File("hard.nes"));
             return dir.File("hard.nes");
         }},
    };
    for (const auto& [how, target] : spellings) {
        SCOPED_TRACE(how);
        WriteImage(ValidImage());
        OpenImage(path, 5);
        const Attachment attached = AttachmentNow();
        Edits::OnScreen();
        const fs::path named = target();
        Expect(std::nullopt, [&] { SaveAs(named, std::nullopt); });
        EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
        EXPECT_EQ(MainForm->DataChanged(), 0);
        EXPECT_EQ(AttachmentNow(), attached);
        MainForm->MenuClose()->trigger();
        for (const char* link : {"link.nes", "hard.nes"})
            fs::remove(dir.File(link));
    }
}

// ---- Refused saves write nothing ----

namespace {

struct Refusal {
    const char* what;
    StringGrid* (*grid)();
    int column;
    int row;
    QString text;
    QString message;
};

StringGrid* Batters() {
    return MainForm->BatterTable();
}
StringGrid* Pitchers() {
    return MainForm->PitcherTable();
}

} // namespace

TEST_F(SavingTest, ARefusedSaveLeavesEveryTargetAsItWasUntilTheTextIsCorrected) {
    const Refusal refusals[] = {
        {"katakana name", Batters, 1, 1, QStringLiteral("カタカナ　"),
         QStringLiteral("打者の1行目の名前「カタカナ　」は保存できません")},
        {"four-character name", Batters, 1, 13, QStringLiteral("あいうえ"),
         QStringLiteral("打者の13行目の名前「あいうえ」は保存できません")},
        {"pitcher name", Pitchers, 1, 5, QStringLiteral("あいうえおか"),
         QStringLiteral("投手の5行目の名前「あいうえおか」は保存できません")},
        {"style", Pitchers, 2, 4, QStringLiteral("右上"), CannotWrite},
        {"repeated position", Batters, 4, 8, QString(), BadPositions},
    };
    const int team = 11;
    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, team);
    const Bytes original = ValidImage().Bytes();
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        const fs::path path = WriteImage(ValidImage());
        const fs::path other = WriteImage(ValidImage(), "other.nes");
        const fs::path fresh = dir.File("fresh.nes");
        OpenImage(path, team);
        Edits::OnScreen();
        StringGrid* grid = refusal.grid();
        const QString good = grid->Cells(refusal.column, refusal.row);
        // A repeated position takes the one of the first batter.
        grid->SetCells(refusal.column, refusal.row,
                       refusal.text.isNull() ? grid->Cells(4, 1) : refusal.text);

        Expect(refusal.message, [] { PressKey(Qt::Key_F5); });
        EXPECT_EQ(ReadFileBytes(path), original);
        Expect(refusal.message, [&] { SaveAs(other); });
        EXPECT_EQ(ReadFileBytes(other), original);
        Expect(refusal.message, [&] { SaveAs(fresh); });
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(MainForm->DataChanged(), 1);

        grid->SetCells(refusal.column, refusal.row, good);
        Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
        EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
        EXPECT_EQ(MainForm->DataChanged(), 0);
        MainForm->MenuClose()->trigger();
        fs::remove(other);
    }
}

// ---- Files that cannot be read or written ----

TEST_F(SavingTest, AnOpenFileThatCannotBeWrittenIsReportedAndTheEditsStayUnsaved) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, 2);
    Edits::OnScreen();

    // Permissions do not stop the superuser; a directory under the file's name stops everyone.
    fs::remove(path);
    fs::create_directory(path);
    Expect(CannotWrite, [] { PressKey(Qt::Key_F5); });
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_EQ(MainForm->DataChanged(), 1);

    // A file that has gone is not made anew by saving in place.
    fs::remove(path);
    Expect(CannotWrite, [] { PressKey(Qt::Key_F5); });
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(SavingTest, AWriteThatFailsPartWayIsReportedAndLeavesTheImageWhole) {
    // A process that may not write a file as long as the image: the new image beside the old
    // one cannot be completed, as on a full disk, and the old one stays exactly as it was.
    const int team = 4;
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, team);
    Edits::OnScreen();

    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = testsupport::DefaultImageSize - 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    Expect(CannotWrite, [] { PressKey(Qt::Key_F5); });
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadFileBytes(path), ValidImage().Bytes());
    EXPECT_EQ(MainForm->DataChanged(), 1);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tolvanek-"), std::string::npos)
            << entry.path();

    // Once the file may be written again, the same save goes through.
    Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
    EXPECT_EQ(MainForm->DataChanged(), 0);
    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, team);
    EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
}

// A save goes through, but an older copy of a stopped save beside the image cannot be removed:
// the save counts, and the window says what is left. The next save that removes it is quiet.
TEST_F(SavingTest, ASaveThatCannotRemoveAnOlderCopyBesideTheImageSaysSo) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, 2);
    Edits::OnScreen();
    const fs::path copy = dir.File("." + path.filename().string() + ".tolvanek-new-0badc0de.nes");
    ValidImage().WriteTo(copy);

    teamdata::SetWriteStepHookForTests(
        [](teamdata::WriteStep step) { return step != teamdata::WriteStep::RemoveCopy; });
    const QString expected =
        QStringLiteral("%1 には新しい内容が入りましたが、横にある古いコピー %2 を削除できません"
                       "でした。このコピーはもう要りません：アクセスが許可されていません")
            .arg(Q(path), Q(copy));
    Expect(expected, [] { PressKey(Qt::Key_F5); });
    teamdata::SetWriteStepHookForTests(nullptr);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    ImageBuilder edited = ValidImage();
    Edits::OnImage(edited, 2);
    EXPECT_EQ(ReadFileBytes(path), edited.Bytes());
    EXPECT_TRUE(fs::exists(copy));

    Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
    EXPECT_FALSE(fs::exists(copy));
}

// The window waits for nobody: while another program holds the lock on the image or on the copy
// to be replaced, a save is refused at once, naming the holder, and the edits stay unsaved.
TEST_F(SavingTest, ASaveWhileAnotherHoldsTheLockIsRefusedAtOnceNamingTheHolder) {
    const int team = 3;
    const fs::path path = WriteImage(ValidImage());
    const fs::path copy = WriteImage(ValidImage(), "copy.nes");
    OpenImage(path, team);
    Edits::OnScreen();
    const QString holder = QStringLiteral("プロセス %1").arg(::getpid());
    for (const fs::path& locked : {path, copy}) {
        SCOPED_TRACE(locked.string());
        const teamdata::ImageLock lock = teamdata::ImageLock::Acquire(locked.string());
        ASSERT_TRUE(lock.Held());
        MessageSeen refusal;
        AnswerNextMessage(refusal, QStringLiteral("OK"), NotTheReplaceQuestion);
        const auto start = std::chrono::steady_clock::now();
        if (locked == path)
            PressKey(Qt::Key_F5);
        else
            SaveAs(copy);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        GuiTest::CancelPendingModalActions();
        ASSERT_TRUE(refusal.seen);
        ExpectErrorBox(refusal, CannotWrite);
        EXPECT_TRUE(refusal.text.contains(holder)) << refusal.text.toStdString();
        EXPECT_EQ(ReadFileBytes(locked), ValidImage().Bytes());
        EXPECT_EQ(MainForm->DataChanged(), 1);
    }
    Expect(std::nullopt, [] { PressKey(Qt::Key_F5); });
    ImageBuilder expected = ValidImage();
    Edits::OnImage(expected, team);
    EXPECT_EQ(ReadFileBytes(path), expected.Bytes());
}

TEST_F(SavingTest, ACopyFromAnOpenFileThatCannotBeReadLeavesNoCopy) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path, 7);
    Edits::OnScreen();
    const fs::path copy = dir.File("copy.nes");

    fs::remove(path);
    Expect(SourceUnreadable, [&] { SaveAs(copy); });
    EXPECT_FALSE(fs::exists(copy));

    fs::create_directory(path);
    Expect(SourceUnreadable, [&] { SaveAs(copy); });
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(MainForm->DataChanged(), 1);
    EXPECT_EQ(MainForm->FilePath(), Q(path));
}

TEST_F(SavingTest, ASourceWithoutAnEndIsRefusedWhenOpenedInsteadOfReadForever) {
    // A link to an endless device: reading it whole could never finish, so it is no image.
    const fs::path zero = dir.File("zero.nes");
    fs::create_symlink("/dev/zero", zero);
    Expect(QStringLiteral("ファイルが壊れています"), [&] { OpenThroughMenu(zero); });
    EXPECT_TRUE(MainForm->FilePath().isEmpty());

    // A file that cannot be read at all gets the system's reason below.
    MessageSeen missing;
    AnswerNextMessage(missing);
    EXPECT_FALSE(MainForm->OpenCartridgeFile(Q(dir.File("missing.nes"))));
    EXPECT_EQ(missing.text, QStringLiteral("ファイルが壊れています\nファイルを読めません："
                                           "そのファイルまたはフォルダーはありません"));
}

TEST_F(SavingTest, ACopyThatCannotBeCreatedIsReported) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path);
    Edits::OnScreen();
    const fs::path missing = dir.File("missing");
    Expect(CopyUnwritable, [&] { SaveAs(missing / "copy.nes"); });
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(ReadFileBytes(path), ValidImage().Bytes());
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(SavingTest, ACopyThatCannotBeWrittenIsReportedAndWhatWasNamedIsKept) {
    // The dialog adds ".nes" to a bare device name, so the device is named through a link.
    const fs::path full = "/dev/full";
    if (!fs::exists(full))
        GTEST_SKIP() << "no /dev/full on this system";
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path);
    Edits::OnScreen();
    const fs::path link = dir.File("full.nes");
    fs::create_symlink(full, link);
    Expect(CopyUnwritable, [&] { SaveAs(link); });
    EXPECT_TRUE(fs::is_character_file(full));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(path), ValidImage().Bytes());
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

// Below the refusal of a batting order without the positions 2 to 9 once each, the position that
// is missing and the one held twice, with the batters who hold it.
TEST_F(SavingTest, ARefusalForPositionsNamesTheMissingAndTheRepeatedOnes) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* batters = MainForm->BatterTable();
    const QString missing = batters->Cells(4, 5);
    const QString repeated = batters->Cells(4, 2);
    MainForm->ApplyCellText(batters, 4, 5, repeated);
    MessageSeen seen;
    AnswerNextMessage(seen);
    PressKey(Qt::Key_F5);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.Headline(), BadPositions);
    EXPECT_EQ(
        seen.text.section(QLatin1Char('\n'), 1),
        QStringLiteral("打順にない守備位置：%1。守備位置 %2 が 2、5 番の打者に重なっています。")
            .arg(missing, repeated));
}
