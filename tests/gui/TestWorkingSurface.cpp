// SPDX-License-Identifier: MIT
// The window as a working surface: players copied and pasted as spreadsheets do it, files dropped
// on the window, unsaved edits shown in the caption, and the current cell acted on from the
// keyboard.

#include "KanjiReader.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MainWindowFixture.h"
#include "Patch.h"
#include "TeamReport.h"
#include "Valuedlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <fstream>

using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
using namespace teamdata;

namespace {

// Rows of cells as a spreadsheet puts them on the clipboard.
template <typename Rows> QString TabSeparated(const Rows& rows) {
    QString text;
    for (const auto& row : rows) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << Q(cell);
        text += cells.join('\t') + "\r\n";
    }
    return text;
}

std::string TeamCsv(const TeamTexts& team) {
    return reports::BuildCsv(reports::BatterGrid(team.batters),
                             reports::PitcherGrid(team.pitchers));
}

class WorkingSurface : public MainWindowFixture {
protected:
    // A key pressed in the window with the focus on `target`.
    static void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
    }

    // Puts `text` on the clipboard and pastes it at cell (col, row) of `grid`, as a user who
    // moved there and pressed Ctrl+V.
    static void PasteAt(StringGrid* grid, int col, int row, const QString& text) {
        QApplication::clipboard()->setText(text);
        grid->SetCurrentCell(col, row);
        Press(grid, Qt::Key_V, Qt::ControlModifier);
    }

    // Drops `urls` on the window as a file manager does: the drag enters, then drops. The window
    // takes the files once the drop has ended, so the test waits for `done`.
    static void Drop(const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPointF at = MainForm->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &drop);
        ASSERT_TRUE(drop.isAccepted());
    }
    static void Drop(const std::filesystem::path& path) { Drop({QUrl::fromLocalFile(Q(path))}); }

    // The caption as the window system shows it, the marker of unsaved edits included.
    static QString ShownCaption() { return MainForm->windowHandle()->title(); }

    static void WriteText(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
};

TEST_F(WorkingSurface, BlocksPastedFromASpreadsheetEqualATeamCsvImportOfTheSameTexts) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 2);
    const TeamTexts before = MainForm->TeamShown();
    // Another team's players, some written as people and spreadsheets write them.
    TeamTexts written = TextsOf(TeamRecordsAt(ValidImage().Bytes(), 5));
    written.batters[0][0] = "ヤマダ";
    written.batters[1][4] = ".300";
    written.batters[2][5] = "３０";
    written.pitchers[0][3] = "2.50";
    written.pitchers[4][1] = " 左横 ";

    PasteAt(MainForm->BatterTable(), 1, 1, TabSeparated(written.batters));
    PasteAt(MainForm->PitcherTable(), 1, 1, TabSeparated(written.pitchers));

    reports::LeagueTexts current;
    current.fill(before);
    const reports::CsvImport imported =
        exchange::ReadCsvFile(QByteArray::fromStdString(TeamCsv(written)), current, 2);
    ASSERT_TRUE(imported.errors.empty());
    ASSERT_EQ(imported.teams.size(), 1u);
    EXPECT_EQ(MainForm->TeamShown(), imported.teams[0].texts);
    EXPECT_EQ(MainForm->BatterTable()->Cells(1, 1), "やまた゛　");
    EXPECT_EQ(MainForm->PitcherTable()->Cells(4, 1), "250");
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
    // Each paste is one step, named as such.
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): 貼り付け");
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(MainForm->PitcherTable()->AllCells()[1][1], Q(before.pitchers[0][0]));
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(MainForm->TeamShown(), before);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(WorkingSurface, AWholeTeamCsvPastedReplacesTheTeamAsTheImportDoes) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 1);
    const TeamTexts before = MainForm->TeamShown();
    TeamTexts team = TextsOf(TeamRecordsAt(ValidImage().Bytes(), 9));
    team.colors = before.colors; // a team CSV carries no colours
    const QString csv = Q(TeamCsv(team));
    // As CSV出力 writes it, and as a spreadsheet that opened that file copies it.
    for (const QString& text : {csv, QString(csv).replace(',', '\t')}) {
        PasteAt(MainForm->PitcherTable(), 3, 2, text);
        EXPECT_EQ(MainForm->TeamShown(), team);
        EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): 貼り付け");
        MainForm->MenuUndo()->trigger();
        EXPECT_EQ(MainForm->TeamShown(), before);
    }
}

TEST_F(WorkingSurface, ARefusedCellOrABrokenBattingOrderRefusesTheWholePasteAndListsEveryProblem) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    const TeamTexts before = MainForm->TeamShown();

    std::vector<QStringList> problems;
    ReadNextIssueList(problems);
    PasteAt(MainForm->BatterTable(), 5, 2, "300\t20\t10\n401\t20\tabc\n");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0],
              (QStringList{"３", "打率", "401",
                           "エディタでは設定できない値です。.200から.400まで.002刻みの値が"
                           "使えます"}));
    EXPECT_EQ(problems[1],
              (QStringList{"３", "走力", "abc", "数値ではありません。0から50までの値が使えます"}));

    // Team 0's batting order holds 2 to 9 from the top: a second 3 breaks it.
    problems.clear();
    ReadNextIssueList(problems);
    PasteAt(MainForm->BatterTable(), 4, 1, "3");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0][0], "１");
    EXPECT_EQ(problems[0][3],
              "２番の打者も同じ守備位置です。打順の守備位置は2から9までひとつずつ必要です");
    EXPECT_EQ(problems[1][0], "２");

    // A block that does not fit is refused as a whole too.
    problems.clear();
    ReadNextIssueList(problems);
    PasteAt(MainForm->PitcherTable(), 2, 4, "1\n2\n3\n");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0][3],
              "貼り付ける範囲は3行×1列です。このセルからは2行×10列までしか入りません");

    // A text longer than any team's data is refused before it is read.
    MessageSeen tooLong;
    AnswerNextMessage(tooLong);
    PasteAt(MainForm->BatterTable(), 6, 1, QString(2 << 20, '1'));
    ExpectErrorBox(tooLong, "クリップボードのテキストが1024 KiBを超えています。チームのデータより"
                            "大きいため、貼り付けませんでした");

    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->TeamShown(), before);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    EXPECT_FALSE(MainForm->MenuUndo()->isEnabled());
}

// Names in kanji pasted from a roster: the list of problems offers readings, which take each
// name's first reading that fits and list every name read; a name no reading fits stays a problem.
TEST_F(WorkingSurface, NamesInKanjiPastedAreReadWhenTheUserAsksForReadings) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    const TeamTexts before = MainForm->TeamShown();
    std::vector<QStringList> problems, notes;
    QString offered;
    ReadNextIssueList(problems, &TIssueListDialog::ReadingsButton, &offered);
    ReadNextIssueList(notes);
    PasteAt(MainForm->BatterTable(), BatterColumn::Name, 2, "中田\r\n髙橋\r\n中田\r\n");
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(offered, QStringLiteral("読みを付けて読み込む"));
    ASSERT_EQ(problems.size(), 3u);
    ASSERT_EQ(notes.size(), 4u);
    // The second 中田 is named with the row of the first: the game shows the two alike.
    EXPECT_EQ(notes[3][0], QStringLiteral("４"));
    EXPECT_TRUE(notes[3][3].contains(QStringLiteral("２"))) << notes[3][3].toStdString();
    EXPECT_EQ(notes[0][2], QStringLiteral("中田"));
    EXPECT_TRUE(notes[0][3].contains(QStringLiteral("なかだ"))) << notes[0][3].toStdString();
    const TeamTexts read = MainForm->TeamShown();
    EXPECT_EQ(read.batters[1][BatterColumn::Name - 1], "なかた　　");
    EXPECT_EQ(read.batters[2][BatterColumn::Name - 1], "たかはし　");

    // Six places fit no cell: the list after reading names the reading and offers nothing more.
    MainForm->ApplyTeam(before, QStringLiteral("back"));
    problems.clear();
    offered.clear();
    std::vector<QStringList> still;
    QString offeredAgain;
    ReadNextIssueList(problems, &TIssueListDialog::ReadingsButton, &offered);
    ReadNextIssueList(still, &TIssueListDialog::ReadingsButton, &offeredAgain);
    PasteAt(MainForm->BatterTable(), BatterColumn::Name, 2, "中田\r\n勅使河原\r\n");
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_FALSE(offered.isEmpty());
    EXPECT_TRUE(offeredAgain.isEmpty());
    ASSERT_EQ(still.size(), 1u);
    EXPECT_TRUE(still[0][3].contains(QStringLiteral("てしがわら"))) << still[0][3].toStdString();
    EXPECT_EQ(MainForm->TeamShown(), before);

    // Without the dictionary the list after reading names the package to install.
    testsupport::TempDir empty;
    const std::string variable(readings::DictionaryFolderVariable);
    ASSERT_EQ(setenv(variable.c_str(), empty.Path().c_str(), 1), 0);
    problems.clear();
    still.clear();
    ReadNextIssueList(problems, &TIssueListDialog::ReadingsButton);
    ReadNextIssueList(still);
    PasteAt(MainForm->BatterTable(), BatterColumn::Name, 2, "中田\r\n");
    unsetenv(variable.c_str());
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ASSERT_EQ(still.size(), 1u);
    EXPECT_TRUE(still[0][3].contains(QStringLiteral("mecab-ipadic-utf8")))
        << still[0][3].toStdString();
    EXPECT_EQ(MainForm->TeamShown(), before);
}

TEST_F(WorkingSurface, ACopiedPlayerPastedOnAnotherTeamMovesWhole) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 1);
    const TeamTexts from = MainForm->TeamShown();
    StringGrid* batters = MainForm->BatterTable();
    StringGrid* pitchers = MainForm->PitcherTable();
    batters->SetCurrentCell(3, 4);
    Press(batters, Qt::Key_C, Qt::ControlModifier);
    // Only text, as spreadsheets paste it: the whole row, each cell as shown.
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->formats(), QStringList{"text/plain"});
    EXPECT_EQ(copied->text(), TabSeparated(std::vector{from.batters[3]}));

    PickTeam(7);
    const TeamTexts to = MainForm->TeamShown();
    PasteAt(batters, 6, 10, copied->text());
    TeamTexts traded = to;
    traded.batters[9] = from.batters[3];
    EXPECT_EQ(MainForm->TeamShown(), traded);

    // Two pitchers selected as a range, pasted over the last two of another team.
    MainForm->MenuUndo()->trigger();
    PickTeam(1);
    pitchers->setFocus();
    pitchers->SetCurrentCell(5, 2);
    pitchers->setRangeSelected(QTableWidgetSelectionRange(1, 2, 2, 6), true);
    MainForm->MenuCopy()->trigger();
    PickTeam(7);
    PasteAt(pitchers, 1, 4, QApplication::clipboard()->text());
    traded = to;
    traded.pitchers[3] = from.pitchers[1];
    traded.pitchers[4] = from.pitchers[2];
    EXPECT_EQ(MainForm->TeamShown(), traded);
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): 貼り付け");
}

// The grid shows a name joined (ぽーる), the clipboard gets the game's spelling, as the CSV files
// do: pasted back, even a name with a leading blank is the very same name.
TEST_F(WorkingSurface, NamesAreShownJoinedAndCopiedAsTheGameSpellsThem) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* batters = MainForm->BatterTable();
    const QString name = QStringLiteral("　ほ゜－る");
    MainForm->ApplyCellText(batters, BatterColumn::Name, 2, name);
    EXPECT_EQ(batters->ShownText(BatterColumn::Name, 2), QStringLiteral("　ぽーる"));
    batters->SetCurrentCell(BatterColumn::Speed, 2);
    Press(batters, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(name + QLatin1Char('\t'))) << copied.toStdString();

    const TeamTexts before = MainForm->TeamShown();
    PasteAt(batters, BatterColumn::Name, 2, copied);
    EXPECT_EQ(MainForm->TeamShown(), before);
    EXPECT_EQ(batters->Cells(BatterColumn::Name, 2), name);
}

TEST_F(WorkingSurface, ADroppedImageOpensAfterTheQuestionAboutUnsavedEdits) {
    const auto first = WriteImage(ValidImage(), "first.nes");
    ImageBuilder other = ValidImage();
    other.SetBatter(0, 0, ImageBuilder::ValidBatter(4, 4), ImageBuilder::ValidLeadByte(0, 0));
    const auto second = WriteImage(other, "second.nes");
    OpenImage(first);
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("7"));

    MessageSeen question;
    AnswerNextMessage(question, QStringLiteral("いいえ(&N)"));
    Drop(second);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return question.seen; }));
    EXPECT_EQ(question.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(MainForm->FilePath(), Q(first));
    EXPECT_EQ(MainForm->BatterTable()->Cells(6, 1), "7");

    // Edits given up for an image that is then refused, or not agreed to at its own question,
    // are still there and still unsaved.
    std::ofstream(dir.File("broken.nes")) << "no image";
    ImageBuilder odd = ValidImage();
    odd.Resize(testsupport::DefaultImageSize + 1);
    const auto questionable = WriteImage(odd, "odd.nes");
    for (const auto& [dropped, buttons] :
         {std::pair{dir.File("broken.nes"),
                    std::vector<QString>{QStringLiteral("はい(&Y)"), QStringLiteral("OK")}},
          std::pair{questionable, std::vector<QString>{QStringLiteral("はい(&Y)"),
                                                       QStringLiteral("いいえ(&N)")}}}) {
        std::vector<MessageSeen> answers;
        AnswerMessages(answers, buttons);
        Drop(dropped);
        ASSERT_TRUE(GuiTest::WaitFor([&] { return answers.back().seen; }));
        EXPECT_EQ(MainForm->FilePath(), Q(first));
        EXPECT_EQ(MainForm->BatterTable()->Cells(6, 1), "7");
        EXPECT_EQ(MainForm->DataChanged(), 1);
    }

    AnswerNextMessage(question, QStringLiteral("はい(&Y)"));
    Drop(second);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return MainForm->FilePath() == Q(second); }));
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK -second.nes");
    EXPECT_EQ(MainForm->TeamShown(), TextsOf(TeamRecordsAt(other.Bytes(), 0)));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(WorkingSurface, ADroppedLeagueFileOrPatchRunsItsCommandWithItsQuestions) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    reports::LeagueTexts league =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    league[4].batters[0][5] = "41";
    const auto csv = dir.File("league.csv");
    WriteText(csv, reports::BuildLeagueCsv(league));

    ChangeListSeen question;
    MessageSeen done;
    AnswerNextChangeList(question, true);
    AnswerNextMessage(done);
    Drop(csv);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return done.seen; }));
    EXPECT_EQ(question.caption, "リーグCSV取込");
    EXPECT_EQ(question.rows.size(), 1);
    EXPECT_EQ(done.text, "1チームを書き換えました");
    const auto written = ReadFileBytes(image);
    EXPECT_EQ(exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))))[4], league[4]);

    // A patch that would undo that edit: its question is asked, and Enter keeps everything.
    const MadePatch patch = MakePatch(PatchFormat::Bps, written, ValidImage().Bytes());
    ASSERT_EQ(patch.outcome, PatchMaking::Made);
    const auto bps = dir.File("undo.bps");
    WriteText(bps, std::string(patch.bytes.begin(), patch.bytes.end()));
    question = {};
    AnswerNextChangeList(question, false);
    Drop(bps);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return question.seen; }));
    EXPECT_EQ(question.caption, "パッチ適用");
    EXPECT_EQ(question.rows.size(), 1);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(ReadFileBytes(image), written);
    EXPECT_EQ(MainForm->FilePath(), Q(image));
}

TEST_F(WorkingSurface, AnythingElseDroppedIsRefusedWithOneMessageAndChangesNothing) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("7"));
    const TeamTexts before = MainForm->TeamShown();
    const auto text = dir.File("notes.txt");
    WriteText(text, "７");
    const std::vector<QList<QUrl>> drops = {
        {QUrl::fromLocalFile(Q(text))},
        {QUrl::fromLocalFile(Q(image)), QUrl::fromLocalFile(Q(text))},
        {QUrl::fromLocalFile(Q(dir.File("")))},
        {QUrl("https://example.org/team.nes")},
    };
    for (const QList<QUrl>& urls : drops) {
        SCOPED_TRACE(urls.front().toString().toStdString());
        MessageSeen seen;
        AnswerNextMessage(seen);
        Drop(urls);
        ASSERT_TRUE(GuiTest::WaitFor([&] { return seen.seen; }));
        ExpectErrorBox(seen,
                       "ここにドロップできるのはファイル1つです：開くイメージ（.nes）、"
                       "取り込むチームCSVまたはリーグCSV（.csv）、当てるパッチ（.bps、.ips）");
        EXPECT_EQ(MainForm->FilePath(), Q(image));
        EXPECT_EQ(MainForm->TeamShown(), before);
        EXPECT_EQ(MainForm->DataChanged(), 1);
    }
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
}

TEST_F(WorkingSurface, TheCaptionMarksUnsavedEditsUntilTheyAreSavedOrUndone) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    const QString caption = "TOLVANEK -team.nes";
    EXPECT_EQ(ShownCaption(), caption);
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("7"));
    EXPECT_EQ(ShownCaption(), caption + "*");
    EXPECT_TRUE(MainForm->isWindowModified());

    // Ctrl+S saves as F5 does; the menu still shows F5.
    Press(MainForm->BatterTable(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ShownCaption(), caption);
    EXPECT_EQ(MainForm->windowTitle(), caption);
    EXPECT_NE(ReadFileBytes(image), ValidImage().Bytes());
    EXPECT_EQ(MainForm->MenuSave()->shortcut(), QKeySequence(Qt::Key_F5));

    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("8"));
    EXPECT_EQ(ShownCaption(), caption + "*");
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(ShownCaption(), caption);
    EXPECT_FALSE(MainForm->isWindowModified());

    // Saved into a copy: the marker goes, and a note that soon goes too names the copy.
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, QStringLiteral("9"));
    const auto copy = dir.File("copy.nes");
    GuiTest::AnswerNextFileDialog(Q(copy));
    MainForm->MenuSaveNew()->trigger();
    EXPECT_EQ(ShownCaption(), caption);
    QLabel* note = MainForm->SavedCopyNote();
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("copy.nes")) << note->text().toStdString();
    EXPECT_TRUE(GuiTest::WaitFor([note] { return !note->isVisible(); }, 10000));
}

TEST_F(WorkingSurface, EnterF2AndSpaceActOnTheCurrentCellAsAClick) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    StringGrid* batters = MainForm->BatterTable();
    batters->SetCurrentCell(2, 3);
    const QString side = batters->Cells(2, 3);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_F2, Qt::Key_Return})
        Press(batters, key);
    // Three steps of 右 → 左 → 両 come back to the start, one step each.
    EXPECT_EQ(batters->Cells(2, 3), side);
    EXPECT_EQ(MainForm->UndoStack().count(), 3);

    bool opened = false;
    GuiTest::OnNextModal([&](QWidget* dialog) {
        opened = dialog == ValueDialog;
        static_cast<QDialog*>(dialog)->reject();
    });
    batters->SetCurrentCell(6, 3);
    Press(batters, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(opened);
}

} // namespace
