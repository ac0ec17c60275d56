// SPDX-License-Identifier: MIT
// ゲームで試す and tolvanek-cli play: the image as a save or an import would make it, played in an
// emulator from a private copy, with the open image and its edits left as they were.
#include "BothFacesFixture.h"

#include "DemoImage.h"

#include "Emulator.h"
#include "Import.h"
#include "LeagueCsv.h"
#include "PlayController.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <filesystem>
#include <fstream>

using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using GuiTest::WaitFor;
using testsupport::ReadFileBytes;
namespace fs = std::filesystem;

namespace {

// A stand-in emulator: writes its arguments, one a line, into `record`, copies each argument that
// is a file beside it as "played.nes" with the modes of that file and its folder, then stays
// running (as an emulator does while played) until it is ended, or exits at once with `status`.
void WriteStandIn(const fs::path& script, const fs::path& record, bool stays, int status = 0) {
    std::ofstream(script) << "#!/bin/sh\n"
                          << "out='" << record.string() << "'\n"
                          << "printf '%s\\n' \"$@\" > \"$out.part\"\n"
                          << "for a; do if [ -f \"$a\" ]; then cp \"$a\" \"$out.nes\"; "
                          << "stat -c %a \"$a\" \"$(dirname \"$a\")\" > \"$out.modes\"; fi; done\n"
                          << "echo $$ > \"$out.pid\"\n"
                          << "mv \"$out.part\" \"$out\"\n"
                          << "echo 'no display to play on' >&2\n"
                          << (stays ? "exec sleep 60\n" : "exit " + std::to_string(status) + "\n");
    fs::permissions(script, fs::perms::owner_all);
}

QStringList Lines(const fs::path& file) {
    QFile in(Q(file));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class PlayBothFaces : public BothFacesFixture {
protected:
    void SetUp() override {
        BothFacesFixture::SetUp();
        savedPath = qgetenv("PATH");
        qunsetenv(exchange::EmulatorVariable);
    }
    void TearDown() override {
        qunsetenv(exchange::EmulatorVariable);
        qputenv("PATH", savedPath);
        exchange::GamesFolders() = {QStringLiteral("/usr/games")};
        for (qint64 pid : startedHere)
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        BothFacesFixture::TearDown();
    }

    // The window's emulator, started with F9 on the open image; waits for it to have read its copy.
    QStringList PlayInWindow() {
        PressKey(Qt::Key_F9);
        EXPECT_TRUE(WaitFor([&] { return fs::exists(record); }));
        for (qint64 pid : MainForm->PlayController().RunningEmulators())
            startedHere << pid;
        return Lines(record);
    }

    const fs::path script = dir.File("emulator.sh");
    const fs::path record = dir.File("played");
    QByteArray savedPath;
    QList<qint64> startedHere;
};

} // namespace

TEST_F(PlayBothFaces, WindowPlaysWhatASaveWouldWriteAndLeavesTheImageAndItsEditsAlone) {
    WriteStandIn(script, record, true);
    qputenv(exchange::EmulatorVariable, Q(script.string() + " --fullscreen 1 %f").toUtf8());
    const fs::path image = Write("team.nes", original);
    OpenImage(image, 3);
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 2, QStringLiteral("44"));
    MainForm->ApplyColors({0x21, 0x3A}, QStringLiteral("色"));

    const QStringList arguments = PlayInWindow();
    // The window learns that its emulator runs when the event loop hears of it, which may come
    // after the emulator has already read its copy.
    ASSERT_TRUE(WaitFor([] { return !MainForm->PlayController().RunningEmulators().isEmpty(); }));
    startedHere = MainForm->PlayController().RunningEmulators();
    ASSERT_EQ(arguments.size(), 3) << arguments.join('|').toStdString();
    EXPECT_EQ(arguments.mid(0, 2), (QStringList{"--fullscreen", "1"}));
    const QString copy = arguments[2];
    EXPECT_TRUE(copy.endsWith("/team.nes"));
    EXPECT_EQ(Lines(dir.File("played.modes")), (QStringList{"600", "700"}));
    const QStringList folders = MainForm->PlayController().CopyFolders();
    ASSERT_EQ(folders.size(), 1);
    EXPECT_EQ(QFileInfo(copy).absolutePath(), folders[0]);

    EXPECT_EQ(ReadFileBytes(image), original);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    const Bytes played = ReadFileBytes(dir.File("played.nes"));
    ASSERT_TRUE(MainForm->SaveTeam(Q(dir.File("saved.nes"))));
    EXPECT_EQ(played, ReadFileBytes(dir.File("saved.nes")));
    EXPECT_NE(played, original);

    // The emulator plays on after the window has closed; its copy is gone with the window.
    ASSERT_EQ(MainForm->PlayController().RunningEmulators().size(), 1);
    MainForm->close();
    EXPECT_FALSE(QFileInfo::exists(folders[0]));
    const pid_t emulator = static_cast<pid_t>(startedHere.value(0));
    EXPECT_EQ(::kill(emulator, 0), 0);
}

TEST_F(PlayBothFaces, EachPlayHasACopyOfItsOwnAndAnEmulatorThatEndsTakesItsCopyAlong) {
    WriteStandIn(script, record, false);
    qputenv(exchange::EmulatorVariable, Q(script).toUtf8());
    OpenImage(Write("team.nes", original));
    const QStringList first = PlayInWindow();
    ASSERT_EQ(first.size(), 1); // without %f the path is appended
    fs::remove(record);
    EXPECT_TRUE(WaitFor([] { return MainForm->PlayController().CopyFolders().isEmpty(); }));
    EXPECT_FALSE(QFileInfo::exists(first[0]));
    const QStringList second = PlayInWindow();
    ASSERT_EQ(second.size(), 1);
    EXPECT_NE(QFileInfo(second[0]).absolutePath(), QFileInfo(first[0]).absolutePath());
    EXPECT_TRUE(GuiTest::NoModalOpen());
}

TEST_F(PlayBothFaces, AFailureAtOnceIsShownWithTheEmulatorsOwnWords) {
    WriteStandIn(script, record, false, 3);
    qputenv(exchange::EmulatorVariable, Q(script).toUtf8());
    OpenImage(Write("team.nes", original));
    MessageSeen seen;
    AnswerNextMessage(seen);
    PressKey(Qt::Key_F9);
    ASSERT_TRUE(WaitFor([&] { return seen.seen; }));
    EXPECT_TRUE(seen.text.contains("no display to play on")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(Q(script))) << seen.text.toStdString();
    EXPECT_TRUE(MainForm->PlayController().CopyFolders().isEmpty());

    // One that cannot be started at all says so with the system's reason.
    qputenv(exchange::EmulatorVariable, "/nonexistent/emulator");
    MessageSeen notStarted;
    AnswerNextMessage(notStarted);
    MainForm->MenuPlay()->trigger();
    ASSERT_TRUE(WaitFor([&] { return notStarted.seen; }));
    EXPECT_TRUE(notStarted.text.contains("/nonexistent/emulator")) << notStarted.text.toStdString();
    EXPECT_TRUE(MainForm->PlayController().CopyFolders().isEmpty());
}

TEST_F(PlayBothFaces, NoEmulatorFoundNamesThePackagesInBothFaces) {
    exchange::GamesFolders() = {Q(dir.Path())};
    qputenv("PATH", Q(dir.Path()).toUtf8());
    const fs::path image = Write("team.nes", original);
    OpenImage(image);
    MessageSeen seen;
    AnswerNextMessage(seen);
    MainForm->SpeedPlayButton()->click();
    ASSERT_TRUE(seen.seen);
    const CliOutcome cli = RunCli({"play", Q(image)});
    EXPECT_EQ(cli.status, 3);
    for (const char* package : {"fceux", "nestopia", "mednafen"}) {
        EXPECT_TRUE(seen.text.contains(package)) << seen.text.toStdString();
        EXPECT_TRUE(cli.err.contains(package)) << cli.err.toStdString();
    }
    EXPECT_TRUE(MainForm->PlayController().CopyFolders().isEmpty());
}

TEST_F(PlayBothFaces, AnEditTheSaveRefusesStartsNothing) {
    WriteStandIn(script, record, false);
    qputenv(exchange::EmulatorVariable, Q(script).toUtf8());
    OpenImage(Write("team.nes", original));
    // Two batters on one position: the batting order a save refuses.
    MainForm->ApplyCellText(MainForm->BatterTable(), 4, 1, MainForm->BatterTable()->Cells(4, 2));
    MessageSeen seen;
    AnswerNextMessage(seen);
    PressKey(Qt::Key_F9);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.Headline(), QStringLiteral("守備位置がおかしい"));
    QTest::qWait(200);
    EXPECT_FALSE(fs::exists(record));
    EXPECT_TRUE(MainForm->PlayController().CopyFolders().isEmpty());
}

TEST_F(PlayBothFaces, CommandLinePlaysWhatTheImportWouldWriteAndReturnsTheEmulatorsStatus) {
    WriteStandIn(script, record, false, 7);
    reports::LeagueTexts league = plans::LeagueTextsOf(original);
    league[9].batters[0][teamdata::BatterColumn::HomeRuns - 1] = "40";
    league[12].colors.helmet = 0x16;
    const auto csv = Write("league.csv", reports::BuildLeagueCsv(league));
    const fs::path image = Write("team.nes", original);

    const CliOutcome played =
        RunCli({"play", Q(image), "--csv", Q(csv), "--emulator", Q(script) + " %f --quiet"});
    EXPECT_EQ(played.status, 7) << played.err.toStdString();
    const QStringList arguments = Lines(record);
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(arguments[1], "--quiet");
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(arguments[0]).absolutePath()));
    EXPECT_EQ(Lines(dir.File("played.modes")), (QStringList{"600", "700"}));
    EXPECT_EQ(ReadFileBytes(image), original);
    ASSERT_EQ(RunCli({"import", Q(image), Q(csv), "-o", Q(dir.File("imported.nes"))}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("played.nes")), ReadFileBytes(dir.File("imported.nes")));

    // A file with errors is refused as the import refuses it, before any emulator is started.
    fs::remove(record);
    const auto broken = Write("broken.csv", std::string_view("not,a,league\n"));
    EXPECT_NE(RunCli({"play", Q(image), "--csv", Q(broken), "--emulator", Q(script)}).status, 0);
    EXPECT_FALSE(fs::exists(record));
}

// The demo image holds no game program: that fceux opens its window on it is all there is to see.
TEST_F(PlayBothFaces, RealFceuxOpensItsWindowOnTheDemoImage) {
    const QString fceux = QStandardPaths::findExecutable("fceux", {"/usr/games", "/usr/bin"});
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    if (fceux.isEmpty() || xvfb.isEmpty() || xdotool.isEmpty())
        GTEST_SKIP() << "fceux, Xvfb or xdotool is not installed (scripts/setup.sh installs them)";
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QByteArray display = ":" + server.readLine().trimmed();
    const QByteArray savedDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb"); // for fceux, a Qt program itself
    exchange::GamesFolders() = {QFileInfo(fceux).absolutePath()};

    const fs::path demo = Write("demo.nes", demoimage::MakeDemoImage());
    OpenImage(demo);
    PressKey(Qt::Key_F9);
    EXPECT_TRUE(WaitFor([] { return !MainForm->PlayController().RunningEmulators().isEmpty(); }));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QList<qint64> emulators = MainForm->PlayController().RunningEmulators();
    ASSERT_EQ(emulators.size(), 1);
    startedHere << emulators[0];
    const auto windowShown = [&] {
        QProcess search;
        search.start(xdotool, {"search", "--pid", QString::number(emulators[0])});
        search.waitForFinished(2000);
        return !search.readAllStandardOutput().trimmed().isEmpty();
    };
    // fceux is a Qt program with SDL beside it: on a machine busy with other tests its first
    // window can take several seconds.
    EXPECT_TRUE(WaitFor(windowShown, 30000));
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ::kill(static_cast<pid_t>(emulators[0]), SIGTERM);
    qputenv("DISPLAY", savedDisplay);
    server.terminate();
    server.waitForFinished(5000);
}
