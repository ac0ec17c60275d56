// SPDX-License-Identifier: MIT
// The window's commands that move whole teams through files: the league CSV out and in, a team
// CSV into the grids, and a patch of the open image, each through its real dialogs.

#include "Changes.h"
#include "IssueList.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MainWindowFixture.h"
#include "MainunitShared.h"
#include "Patch.h"
#include "ShiftJis.h"

#include <QAbstractButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <fstream>

using GuiTest::AnswerNextFileDialog;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
using namespace teamdata;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Closes the next issue list, keeping its rows as "line:column: text" lines.
void ReadIssueList(QStringList& rows) {
    GuiTest::OnNextModal(
        [&rows](QWidget* widget) {
            auto* list = static_cast<TIssueListDialog*>(widget);
            for (int r = 0; r < list->IssueTable->rowCount(); ++r)
                rows << list->IssueTable->item(r, 0)->text() + ":" +
                            list->IssueTable->item(r, 1)->text() + ": " +
                            list->IssueTable->item(r, 3)->text();
            list->accept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
}

void WriteText(const std::filesystem::path& path, const std::string& utf8) {
    const QByteArray bytes = ShiftJis::Encode(QString::fromStdString(utf8));
    std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
}

class LeagueAndPatch : public MainWindowFixture {
protected:
    static QByteArray FileAsBytes(const std::filesystem::path& path) {
        const Bytes bytes = ReadFileBytes(path);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    }
    static exchange::LeagueRecords RecordsOfFile(const std::filesystem::path& path) {
        return exchange::RecordsOf(exchange::LoadImage(Q(path)));
    }
};

TEST_F(LeagueAndPatch, LeagueCsvHoldsEveryTeamOnDiskAndTheShownTeamAsShown) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 3);
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 2, QStringLiteral("31"));
    const auto csv = dir.File("league.csv");
    std::vector<MessageSeen> seen;
    AnswerNextFileDialog(Q(csv));
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuSaveLeagueCSV()->trigger();
    ASSERT_TRUE(seen[0].seen);
    EXPECT_EQ(seen[0].text, "ファイルを保存しました");

    reports::LeagueTexts expected = exchange::TextsOf(RecordsOfFile(image));
    expected[3] = MainForm->TeamShown();
    EXPECT_EQ(FileAsBytes(csv), exchange::LeagueCsvBytes(expected));
    EXPECT_EQ(expected[3].batters[1][5], "31");

    // The same league in UTF-8, for spreadsheets that do not read Shift_JIS.
    const auto utf8 = dir.File("league-utf8.csv");
    AnswerNextFileDialog(Q(utf8), nullptr, 1);
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuSaveLeagueCSV()->trigger();
    ASSERT_TRUE(seen[0].seen);
    EXPECT_EQ(FileAsBytes(utf8), exchange::LeagueCsvBytes(expected, exchange::CsvEncoding::Utf8));
    EXPECT_TRUE(FileAsBytes(utf8).startsWith("\xEF\xBB\xBF"));

    // The overview page is made of the same league.
    const auto page = dir.File("league.html");
    AnswerNextFileDialog(Q(page));
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuOutputLeagueOverview()->trigger();
    ASSERT_TRUE(seen[0].seen);
    EXPECT_EQ(seen[0].text, "ファイルを保存しました");
    EXPECT_EQ(FileAsBytes(page), exchange::LeagueOverviewBytes(expected));
}

TEST_F(LeagueAndPatch, ATeamCsvFillsTheShownTeamAsOneStepAndWritesNothing) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 2);
    // Team 5's rows, with a name typed in katakana and a small kana.
    TeamTexts team = TextsOf(TeamRecordsAt(ValidImage().Bytes(), 5));
    team.batters[0][0] = "ジョー";
    const auto csv = dir.File("team.csv");
    WriteText(csv, reports::BuildCsv(reports::BatterGrid(team.batters),
                                     reports::PitcherGrid(team.pitchers)));
    const auto before = MainForm->TeamShown();

    QStringList notes;
    AnswerNextFileDialog(Q(csv));
    ReadIssueList(notes);
    MainForm->MenuImportCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ASSERT_EQ(notes.size(), 1) << notes.join("\n").toStdString();
    EXPECT_TRUE(notes[0].startsWith("2:1: ")) << notes[0].toStdString();

    TeamTexts expected = team;
    expected.batters[0][0] = "し゛よ－　";
    expected.colors = before.colors; // a team CSV carries no colours
    EXPECT_EQ(MainForm->TeamShown(), expected);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): CSV取込");
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(MainForm->TeamShown(), before);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(LeagueAndPatch, ALeagueFileWithErrorsIsListedByLineAndChangesNothing) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    reports::LeagueTexts league = exchange::TextsOf(RecordsOfFile(image));
    league[4].batters[2][4] = "333";   // line 5 of team 4's block: an odd average
    league[9].pitchers[0][1] = "右上"; // no pitching style
    const auto csv = dir.File("league.csv");
    WriteText(csv, reports::BuildLeagueCsv(league));

    QStringList errors;
    AnswerNextFileDialog(Q(csv));
    ReadIssueList(errors);
    MainForm->MenuImportLeagueCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ASSERT_EQ(errors.size(), 2) << errors.join("\n").toStdString();
    const int team4 = 4 * 21 + 1;
    EXPECT_TRUE(errors[0].startsWith(QString("%1:5: ").arg(team4 + 4))) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith(QString("%1:2: ").arg(9 * 21 + 1 + 16)))
        << errors[1].toStdString();
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
}

TEST_F(LeagueAndPatch, AnEditedLeagueIsWrittenAfterTheQuestionAndTheShownTeamReadAgain) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 1);
    const exchange::LeagueRecords records = RecordsOfFile(image);
    reports::LeagueTexts league = exchange::TextsOf(records);
    league[1].batters[0][5] = "40";
    league[12].pitchers[4][0] = "ヤマダ";
    league[12].colors.helmet = 0x16;
    const auto csv = dir.File("league.csv");
    WriteText(csv, reports::BuildLeagueCsv(league));

    std::vector<MessageSeen> seen;
    ChangeListSeen question;
    AnswerNextFileDialog(Q(csv));
    AnswerNextChangeList(question, true);
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuImportLeagueCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ASSERT_TRUE(seen[0].seen);
    EXPECT_TRUE(question.message.startsWith("2チームのデータを")) << question.message.toStdString();
    EXPECT_EQ(seen[0].text, "2チームを書き換えました");

    ImageBuilder expected = ValidImage();
    BatterBytes batter = records[1].batters[0];
    batter.homeRuns = 40;
    expected.SetBatter(1, 0, batter, ImageBuilder::ValidLeadByte(1, 0));
    PitcherBytes pitcher = records[12].pitchers[4];
    pitcher.tiles = {75, 70, 55, 86, 36}; // やまた゛　
    expected.SetPitcher(12, 4, pitcher, ImageBuilder::ValidLeadByte(12, BatterCount + 4));
    expected.SetColors(12, 0x16, records[12].colors.uniform);
    EXPECT_EQ(ReadFileBytes(image), expected.Bytes());
    EXPECT_EQ(MainForm->BatterTable()->Cells(6, 1), "40");
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(LeagueAndPatch, APatchOfTheOpenImageTurnsTheOriginalIntoIt) {
    const auto original = WriteImage(ValidImage(), "original.nes");
    const auto image = WriteImage(ValidImage());
    OpenImage(image, 6);
    MainForm->ApplyCellText(MainForm->PitcherTable(), 5, 3, QStringLiteral("7"));
    for (const char* name : {"roster.bps", "roster.ips"}) {
        SCOPED_TRACE(name);
        const auto patch = dir.File(name);
        std::vector<MessageSeen> seen;
        // Unsaved edits are saved first, after asking; then the original and the patch's name.
        const bool asks = MainForm->DataChanged() == 1;
        GuiTest::OnNextModal(
            [&](QWidget* widget) {
                AnswerNextFileDialog(Q(original));
                static_cast<QMessageBox*>(widget)->buttons().constFirst()->click();
            },
            nullptr, 5000, [asks](QWidget* w) { return asks && qobject_cast<QMessageBox*>(w); });
        if (!asks) {
            GuiTest::CancelPendingModalActions();
            AnswerNextFileDialog(Q(original));
        }
        GuiTest::OnNextModal(
            [&](QWidget* dialog) {
                AnswerMessages(seen, {QStringLiteral("OK")});
                AnswerNextFileDialog(Q(patch));
                static_cast<void>(dialog);
            },
            nullptr, 5000, [](QWidget* w) { return w->inherits("QFileDialog"); });
        MainForm->MenuOutputPatch()->trigger();
        ASSERT_TRUE(GuiTest::WaitFor([&] { return !seen.empty() && seen[0].seen; }));
        EXPECT_TRUE(seen[0].text.startsWith("パッチを保存しました")) << seen[0].text.toStdString();
        EXPECT_EQ(MainForm->DataChanged(), 0);
        const AppliedPatch applied = ApplyPatch(ReadFileBytes(original), ReadFileBytes(patch));
        ASSERT_EQ(applied.refusal, PatchRefusal::None);
        EXPECT_EQ(applied.result, ReadFileBytes(image));
        EXPECT_NE(ReadFileBytes(image), ReadFileBytes(original));
        EXPECT_LT(ReadFileBytes(patch).size(), 1024u);
    }
}

// The change lists name players as the grids show them; the files keep the game's spelling.
TEST_F(LeagueAndPatch, ChangeListsShowNamesAsTheGridsDo) {
    const std::vector<LeagueChange> changes = {
        PlayerMove{3, Grid::Batters, 3, 5, "やまた゛　"},
        CellChange{3, Grid::Batters, 7, BatterColumn::Name, "すす゛き　", "ほ゜－る　",
                   "すす゛き　", "ほ゜－る　"},
    };
    const std::vector<QStringList> rows = mainunit::ChangeListRows(changes);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][3], QStringLiteral("やまだ　"));
    EXPECT_EQ(rows[1][3], QStringLiteral("ぽーる　"));
    EXPECT_EQ(rows[1][5], QStringLiteral("すずき　"));
    EXPECT_TRUE(
        exchange::ChangeCsvBytes(changes).contains(ShiftJis::Encode(QStringLiteral("ほ゜－る　"))));
}

} // namespace
