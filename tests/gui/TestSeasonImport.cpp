// SPDX-License-Identifier: MIT
// シーズン成績取込 through its real dialogs: the sheet and the rules beside it, the league import's
// question, and the image as the command line's season command leaves it for the same files.

#include "IssueList.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MainWindowFixture.h"
#include "Season.h"

#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <fstream>

using GuiTest::AnswerNextFileDialog;
using GuiTest::MessageSeen;
using testsupport::ReadFileBytes;

namespace {

const char* const Positions[] = {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};

std::string Sheet(std::string_view team) {
    std::string sheet = "team,name,role,POS,AVG,HR,SB,ERA,IP,velocity\n";
    for (int i = 0; i < 13; ++i)
        sheet += std::string(team) + ",ｾﾝｼｭ" + std::to_string(i % 10) + ",B," +
                 (i < 8 ? Positions[i] : "LF") + ",.3" + std::to_string(11 + i) + "," +
                 std::to_string(i * 4) + "," + std::to_string(i * 3) + ",,,\n";
    for (int i = 0; i < 5; ++i)
        sheet += std::string(team) + ",ﾄｳｼｭ" + std::to_string(i) + ",P,,,,,2.3" +
                 std::to_string(i) + "," + std::to_string(120 + i * 30) + ",15" +
                 std::to_string(i) + "\n";
    return sheet;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class SeasonImport : public MainWindowFixture {};

TEST_F(SeasonImport, ASheetIsRatedByTheRulesBesideItAndWrittenAfterTheQuestionAsTheCliWritesIt) {
    const auto image = WriteImage(ValidImage());
    const auto cliImage = WriteImage(ValidImage(), "cli.nes");
    OpenImage(image);
    const auto sheet = dir.File("season.csv");
    WriteFile(sheet, Sheet("Giants"));
    std::string rules(plans::DefaultSeasonRules());
    rules.replace(rules.find("[teams]\n"), 8, "[teams]\nGiants = \"Ｇ\"\n");
    WriteFile(dir.File("season-rules.toml"), rules);

    std::vector<MessageSeen> seen;
    ChangeListSeen question;
    AnswerNextFileDialog(Q(sheet));
    AnswerNextChangeList(question, true);
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuImportSeason()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_TRUE(question.message.startsWith("1チームのデータを")) << question.message.toStdString();
    ASSERT_TRUE(seen[0].seen);

    QProcess cli;
    cli.start(QStringLiteral(TOLVANEK_CLI),
              {QStringLiteral("season"), Q(sheet), QStringLiteral("--image"), Q(cliImage),
               QStringLiteral("--rules"), Q(dir.File("season-rules.toml"))});
    ASSERT_TRUE(cli.waitForFinished(-1));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFileBytes(image), ReadFileBytes(cliImage));
    EXPECT_NE(ReadFileBytes(image), ValidImage().Bytes());
}

// A sheet in kanji: its list of errors offers readings, and the league import's question lists
// every name read, the two players read alike among them, before anything is written.
TEST_F(SeasonImport, NamesInKanjiAreReadWhenChosenAndListedWithTheChanges) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    std::string sheet = Sheet("Ｇ");
    for (const int line : {2, 4}) {
        std::size_t at = 0;
        for (int l = 1; l < line; ++l)
            at = sheet.find('\n', at) + 1;
        at = sheet.find(',', at) + 1;
        sheet.replace(at, sheet.find(',', at) - at, "中田");
    }
    const auto path = dir.File("season.csv");
    WriteFile(path, sheet);

    std::vector<QStringList> errors;
    QString offered;
    std::vector<MessageSeen> seen;
    ChangeListSeen question;
    AnswerNextFileDialog(Q(path));
    ReadNextIssueList(errors, &TIssueListDialog::ReadingsButton, &offered);
    AnswerNextChangeList(question, true);
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuImportSeason()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(offered, QStringLiteral("読みを付けて読み込む"));
    EXPECT_EQ(errors.size(), 2u);
    ASSERT_TRUE(question.seen);
    EXPECT_TRUE(question.message.contains(QStringLiteral("2行目：")) &&
                question.message.contains(QStringLiteral("なかだ")))
        << question.message.toStdString();
    EXPECT_TRUE(question.message.contains(QStringLiteral("4行目：")));
    const reports::LeagueTexts written =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    EXPECT_EQ(written[3].batters[0][teamdata::BatterColumn::Name - 1], "なかた　　");
    EXPECT_EQ(written[3].batters[2][teamdata::BatterColumn::Name - 1], "なかた　　");
}

TEST_F(SeasonImport, ErrorsOfTheSheetAreListedAndNothingChanges) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    const auto sheet = dir.File("season.csv");
    WriteFile(sheet, Sheet("Giants")); // no rules beside it: the built-in ones map no names

    int rows = 0;
    AnswerNextFileDialog(Q(sheet));
    GuiTest::OnNextModal(
        [&rows](QWidget* widget) {
            auto* list = static_cast<TIssueListDialog*>(widget);
            rows = list->IssueTable->rowCount();
            list->accept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
    MainForm->MenuImportSeason()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(rows, 18); // every player's team is unknown
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
}

} // namespace

namespace {

class RoundAndImport : public MainWindowFixture {};

TEST_F(RoundAndImport, OffersRoundingWhenEveryErrorIsANumberAndImportsTheRoundedValues) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    reports::LeagueTexts league =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    league[3].batters[0][teamdata::BatterColumn::Average - 1] = ".313";
    league[3].pitchers[1][teamdata::PitcherColumn::Era - 1] = "2.35";
    const auto csv = dir.File("league.csv");
    WriteFile(csv, reports::BuildLeagueCsv(league));

    QString offered;
    ChangeListSeen question;
    AnswerNextFileDialog(Q(csv));
    GuiTest::OnNextModal(
        [&offered](QWidget* widget) {
            auto* list = static_cast<TIssueListDialog*>(widget);
            ASSERT_NE(list->RoundButton, nullptr);
            offered = list->RoundButton->text();
            list->RoundButton->click();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
    AnswerNextChangeList(question, true);
    // After the write, every rounded cell is listed with the text read and the value stored.
    QStringList notes;
    GuiTest::OnNextModal(
        [&notes](QWidget* widget) {
            auto* list = static_cast<TIssueListDialog*>(widget);
            for (int r = 0; r < list->IssueTable->rowCount(); ++r)
                notes << list->IssueTable->item(r, 3)->text();
            list->accept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
    MainForm->MenuImportLeagueCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(offered, QStringLiteral("丸めて読み込む"));
    ASSERT_EQ(notes.size(), 2);
    EXPECT_TRUE(notes[0].contains("314")) << notes[0].toStdString();
    const reports::LeagueTexts written =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    EXPECT_EQ(written[3].batters[0][teamdata::BatterColumn::Average - 1], "314");
    EXPECT_EQ(written[3].pitchers[1][teamdata::PitcherColumn::Era - 1], "240");
}

TEST_F(RoundAndImport, OffersNoRoundingWhileATextIsNoNumber) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    reports::LeagueTexts league =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    league[3].batters[0][teamdata::BatterColumn::Average - 1] = ".313";
    league[3].batters[1][teamdata::BatterColumn::HomeRuns - 1] = "many";
    const auto csv = dir.File("league.csv");
    WriteFile(csv, reports::BuildLeagueCsv(league));

    bool offered = true;
    AnswerNextFileDialog(Q(csv));
    GuiTest::OnNextModal(
        [&offered](QWidget* widget) {
            auto* list = static_cast<TIssueListDialog*>(widget);
            offered = list->RoundButton != nullptr;
            list->accept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
    MainForm->MenuImportLeagueCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_FALSE(offered);
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
}

} // namespace
