// SPDX-License-Identifier: MIT
// Faults put under the running window: an image that cannot be written, that disappears, is
// replaced or cut short, and report or copy targets that cannot take the data. Each fault must
// end in its own message, without a crash, without a byte changed that the editor does not own,
// and without a success claimed that did not happen.

#include "MainWindowFixture.h"
#include "MessageDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using GuiTest::AnswerNextFileDialog;
using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

const QString Broken = QStringLiteral("ファイルが壊れています");
const QString NotWritten = QStringLiteral("ファイルを作成できません");
const QString CopyNotCreated = QStringLiteral("ファイルを作れません");
const QString SourceUnreadable = QStringLiteral("元ファイルを読めません");
const QString ReportNotSaved = QStringLiteral("ファイルを保存できません");

// The immutable attribute: a file that not even root may open for writing. False when the file
// system does not offer it.
bool SetImmutable(const fs::path& path, bool immutable) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(descriptor);
    return done;
}

bool WritableByAnyone(const fs::path& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY);
    if (descriptor >= 0)
        ::close(descriptor);
    return descriptor >= 0;
}

class FaultInjection : public MainWindowFixture {
protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        for (const fs::path& path : immutable)
            SetImmutable(path, false);
    }

    // An edit that a successful save would write, so that an unchanged file proves nothing was.
    static void EditHomeRuns() {
        MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("58"));
    }

    // Runs `action` and answers the message box it shows; the box must be of `kind` and say
    // `text`.
    static void ExpectMessage(const QString& text, const std::function<void()>& action,
                              MessageKind kind = MessageKind::Error) {
        MessageSeen seen;
        AnswerNextMessage(seen);
        action();
        ASSERT_TRUE(GuiTest::WaitFor([&] { return seen.seen; })) << text.toStdString();
        EXPECT_EQ(seen.Headline(), text);
        EXPECT_EQ(seen.title, MessageKindTitle(kind));
        EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }

    static void ExpectFileForgotten() {
        EXPECT_TRUE(MainForm->FilePath().isEmpty());
        EXPECT_EQ(MainForm->windowTitle(), QStringLiteral("TOLVANEK"));
        EXPECT_TRUE(MainForm->BatterTable()->Cells(1, 1).isEmpty());
        EXPECT_TRUE(MainForm->PitcherTable()->Cells(1, 1).isEmpty());
    }

    // A save dialog answered with `target`; when the dialog (or, for a copy of the image, the
    // window) asks before replacing an existing file, the question is answered Yes. Then the one
    // message of the action is expected.
    // The message seen, for a test that looks at its second line too.
    static MessageSeen SaveThroughDialog(const fs::path& target, QAction* command,
                                         const QString& text, MessageKind kind) {
        MessageSeen seen;
        MessageSeen question;
        AnswerNextFileDialog(Q(target));
        if (fs::exists(target) && command == MainForm->MenuSaveNew()) {
            GuiTest::OnNextModal(
                [&seen, &question](QWidget* widget) {
                    auto* box = static_cast<QMessageBox*>(widget);
                    question.text = box->text();
                    question.seen = true;
                    AnswerNextMessage(seen);
                    for (QAbstractButton* button : box->buttons())
                        if (button->text() == QStringLiteral("はい(&Y)"))
                            button->click();
                },
                nullptr, 5000, [](QWidget* widget) { return qobject_cast<QMessageBox*>(widget); });
        } else if (fs::exists(target)) {
            GuiTest::OnNextModal(
                [&seen](QWidget* widget) {
                    auto* question = static_cast<QMessageBox*>(widget);
                    AnswerNextMessage(seen);
                    question->button(QMessageBox::Yes)->click();
                },
                nullptr, 5000,
                [](QWidget* widget) {
                    return qobject_cast<QMessageBox*>(widget) &&
                           qobject_cast<QFileDialog*>(widget->parentWidget());
                });
        } else {
            AnswerNextMessage(seen);
        }
        command->trigger();
        EXPECT_TRUE(GuiTest::WaitFor([&] { return seen.seen; })) << text.toStdString();
        EXPECT_EQ(seen.Headline(), text);
        EXPECT_EQ(seen.title, MessageKindTitle(kind));
        EXPECT_TRUE(GuiTest::NoModalOpen());
        return seen;
    }

    std::vector<fs::path> immutable;
};

TEST_F(FaultInjection, EveryWayOfSavingAnImageThatCannotBeWrittenIsRefusedAndLeavesIt) {
    const fs::path path = WriteImage(ValidImage());
    if (!SetImmutable(path, true))
        GTEST_SKIP() << "the file system has no immutable attribute";
    immutable.push_back(path);
    if (WritableByAnyone(path))
        GTEST_SKIP() << "an immutable file can still be written here";
    const Bytes before = ReadFileBytes(path);

    OpenImage(path);
    EditHomeRuns();
    ExpectMessage(NotWritten, [] { PressKey(Qt::Key_F5); });
    ExpectMessage(NotWritten, [] { MainForm->MenuSave()->trigger(); });
    ExpectMessage(NotWritten, [] { MainForm->SpeedUpdateButton()->click(); });
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    EXPECT_EQ(MainForm->BatterTable()->Cells(6, 1), QStringLiteral("58"));

    // Reading still works: the edits can go into a copy.
    const fs::path copy = dir.File("copy.nes");
    AnswerNextFileDialog(Q(copy));
    MainForm->MenuSaveNew()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->DataChanged(), 0);
    EXPECT_EQ(ReadFileBytes(copy)[teamdata::BatterRecordOffset(0, 0).value + 9], 58);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(FaultInjection, ACopyOntoAFileThatCannotBeWrittenIsRefusedAndLeavesIt) {
    const fs::path path = WriteImage(ValidImage());
    const fs::path target = WriteImage(ImageBuilder(4096), "locked.nes");
    if (!SetImmutable(target, true))
        GTEST_SKIP() << "the file system has no immutable attribute";
    immutable.push_back(target);
    if (WritableByAnyone(target))
        GTEST_SKIP() << "an immutable file can still be written here";
    const Bytes before = ReadFileBytes(target);
    OpenImage(path);
    EditHomeRuns();
    SaveThroughDialog(target, MainForm->MenuSaveNew(), CopyNotCreated, MessageKind::Error);
    EXPECT_EQ(ReadFileBytes(target), before);
    EXPECT_EQ(ReadFileBytes(path), ValidImage().Bytes());
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(FaultInjection, AnImageDeletedAfterOpeningIsNeitherRecreatedNorCopiedAndCannotBeShown) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path);
    EditHomeRuns();
    fs::remove(path);

    ExpectMessage(NotWritten, [] { PressKey(Qt::Key_F5); });
    EXPECT_FALSE(fs::exists(path));
    const fs::path copy = dir.File("copy.nes");
    SaveThroughDialog(copy, MainForm->MenuSaveNew(), SourceUnreadable, MessageKind::Error);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(MainForm->DataChanged(), 1);

    MainForm->UndoStack().setClean();
    ExpectMessage(Broken, [] { PickTeam(3); });
    ExpectFileForgotten();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(fs::directory_iterator(dir.Path()), fs::directory_iterator());
}

// Shorter files put where the image was: nothing at all, part of the header, and an image cut
// inside the shown team's records. None of them holds all the records the save would write: the
// save stops at the first record missing, after overwriting those before it in place, and the
// file never grows.
class ReplacedImage : public FaultInjection, public ::testing::WithParamInterface<std::size_t> {
protected:
    static void ExpectOnlyTeamZeroRecordsChanged(const Bytes& after, const Bytes& before) {
        ASSERT_EQ(after.size(), before.size());
        const std::size_t teamEnd = teamdata::TeamBlockOffset(1).value;
        for (std::size_t offset = 0; offset < after.size(); ++offset) {
            if (!testsupport::IsWritableTeamByte(offset) || offset >= teamEnd) {
                ASSERT_EQ(after[offset], before[offset]) << "offset " << offset;
            }
        }
    }
};

TEST_P(ReplacedImage, IsNotLengthenedBySavingAndCannotBeShown) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path);
    EditHomeRuns();
    ImageBuilder shorter(GetParam());
    for (std::size_t offset = 0; offset < GetParam(); ++offset)
        shorter.SetByte(offset, static_cast<std::uint8_t>(offset * 7 + 3));
    shorter.WriteTo(path);
    const Bytes replacement = ReadFileBytes(path);

    ExpectMessage(NotWritten, [] { PressKey(Qt::Key_F5); });
    const Bytes saved = ReadFileBytes(path);
    ExpectOnlyTeamZeroRecordsChanged(saved, replacement);
    EXPECT_EQ(MainForm->DataChanged(), 1);

    MainForm->UndoStack().setClean();
    ExpectMessage(Broken, [] { PickTeam(1); });
    ExpectFileForgotten();
    EXPECT_EQ(ReadFileBytes(path), saved);
}

INSTANTIATE_TEST_SUITE_P(Shorter, ReplacedImage,
                         ::testing::Values(std::size_t{0}, std::size_t{100},
                                           std::size_t{teamdata::TeamAreaBase + 100}));

TEST_F(FaultInjection, ADirectoryInPlaceOfTheImageIsNeitherWrittenNorCopiedNorShown) {
    const fs::path path = WriteImage(ValidImage());
    OpenImage(path);
    EditHomeRuns();
    fs::remove(path);
    fs::create_directory(path);

    ExpectMessage(NotWritten, [] { PressKey(Qt::Key_F5); });
    const fs::path copy = dir.File("copy.nes");
    SaveThroughDialog(copy, MainForm->MenuSaveNew(), SourceUnreadable, MessageKind::Error);
    EXPECT_FALSE(fs::exists(copy));

    MainForm->UndoStack().setClean();
    ExpectMessage(Broken, [] { PickTeam(2); });
    ExpectFileForgotten();
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(fs::is_empty(path));
}

// Images cut at the boundaries of the team data: none of them holds every team and the colour
// table, so each is refused when it is opened, and nothing of it is shown or written.
class TruncatedImage : public FaultInjection, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(TruncatedImage, IsRefusedOnOpeningAndLeftAsItWas) {
    const std::size_t size = GetParam();
    const fs::path path = WriteImage(ValidImage().Resize(size));
    const Bytes before = ReadFileBytes(path);
    AnswerNextFileDialog(Q(path));
    ExpectMessage(Broken, [] { MainForm->MenuOpen()->trigger(); });
    ExpectFileForgotten();
    EXPECT_EQ(ReadFileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    AtRecordBoundaries, TruncatedImage,
    ::testing::Values(std::size_t{0}, std::size_t{testsupport::InesHeaderSize},
                      std::size_t{teamdata::TeamAreaBase},
                      std::size_t{teamdata::TeamAreaBase + teamdata::BatterRecordSize},
                      std::size_t{65544}, std::size_t{65545}, testsupport::TeamBlocksEnd,
                      std::size_t{teamdata::ColorTableBase}, testsupport::ColorTableEnd - 1));

// Report and copy targets that cannot take the data: a device that is always full (reached
// through a link with the file type's extension, which the dialogs add otherwise) and a folder
// that no longer exists.
class UnwritableTarget : public FaultInjection {
protected:
    void SetUp() override {
        FaultInjection::SetUp();
        if (!fs::exists(FullDevice))
            GTEST_SKIP() << "no /dev/full on this system";
        image = WriteImage(ValidImage());
        OpenImage(image);
        EditHomeRuns();
        fs::create_directory(dir.File("gone"));
        fs::remove(dir.File("gone"));
    }

    void ExpectDeviceKept() {
        EXPECT_TRUE(fs::is_character_file(FullDevice));
        EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
        EXPECT_FALSE(fs::exists(dir.File("gone")));
    }

    fs::path LinkToFullDevice(const char* name) {
        const fs::path link = dir.File(name);
        fs::create_symlink(FullDevice, link);
        return link;
    }

    static inline const fs::path FullDevice = "/dev/full";
    fs::path image;
};

TEST_F(UnwritableTarget, ACsvExportIsReportedAsNotSaved) {
    // Below the editor's message, the system's reason and what the device holds now.
    const MessageSeen full =
        SaveThroughDialog(LinkToFullDevice("full.csv"), MainForm->MenuSaveCSV(), ReportNotSaved,
                          MessageKind::Confirmation);
    EXPECT_TRUE(full.text.section(QLatin1Char('\n'), 1)
                    .contains(QStringLiteral("ディスクに空きがありません")))
        << full.text.toStdString();
    SaveThroughDialog(dir.File("gone") / "team.csv", MainForm->MenuSaveCSV(), ReportNotSaved,
                      MessageKind::Confirmation);
    ExpectDeviceKept();
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(UnwritableTarget, AnHtmlExportIsReportedAsNotSaved) {
    SaveThroughDialog(LinkToFullDevice("full.html"), MainForm->MenuOutputHTML(), ReportNotSaved,
                      MessageKind::Confirmation);
    SaveThroughDialog(dir.File("gone") / "team.html", MainForm->MenuOutputHTML(), ReportNotSaved,
                      MessageKind::Confirmation);
    ExpectDeviceKept();
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(UnwritableTarget, ACopyIsReportedAsNotMadeAndTheEditsStayUnsaved) {
    const fs::path link = LinkToFullDevice("full.nes");
    SaveThroughDialog(link, MainForm->MenuSaveNew(), CopyNotCreated, MessageKind::Error);
    EXPECT_TRUE(fs::is_symlink(link));
    SaveThroughDialog(dir.File("gone") / "copy.nes", MainForm->MenuSaveNew(), CopyNotCreated,
                      MessageKind::Error);
    ExpectDeviceKept();
    EXPECT_EQ(MainForm->DataChanged(), 1);
    EXPECT_EQ(MainForm->FilePath(), Q(image));
}

} // namespace
