// SPDX-License-Identifier: MIT
#include "CsvReader.h"
#include "LeagueCsv.h"
#include "PasteReader.h"
#include "TeamReport.h"

#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace teamdata;
using reports::PasteProblemKind;
using reports::ReadPaste;

namespace {

TeamTexts ValidTeam(int team) {
    testsupport::ImageBuilder image;
    image.FillValidTeams();
    return TextsOf(TeamRecordsAt(image.Bytes(), team));
}

TEST(PasteReader, RaggedRowsWriteTheCellsTheyHaveAndPaddingWritesNothing) {
    const TeamTexts current = ValidTeam(0);
    // The second row is one cell short, the third ends in the separators spreadsheets pad with.
    const auto read = ReadPaste("10\t20\t3\n11\t21\n12\t\t\t\n", {Grid::Batters, 6, 2}, current);
    ASSERT_TRUE(read.Accepted());
    TeamTexts expected = current;
    expected.batters[1][5] = "10";
    expected.batters[1][6] = "20";
    expected.batters[1][7] = "3";
    expected.batters[2][5] = "11";
    expected.batters[2][6] = "21";
    expected.batters[3][5] = "12";
    EXPECT_EQ(read.texts, expected);
    EXPECT_EQ(read.columns, 3);

    // An empty cell inside a row is a text like any other: not a number.
    const auto gap = ReadPaste("10\t\t3\n", {Grid::Batters, 6, 2}, current);
    ASSERT_EQ(gap.problems.size(), 1u);
    EXPECT_EQ(gap.problems[0].kind, PasteProblemKind::CellRefused);
    ASSERT_TRUE(gap.problems[0].cell);
    EXPECT_EQ(gap.problems[0].cell->row, 2);
    EXPECT_EQ(gap.problems[0].cell->column, 7);
    EXPECT_EQ(gap.problems[0].cell->refusal.kind, teamdata::CellRefusalKind::NotANumber);
    EXPECT_EQ(gap.texts, current);
}

TEST(PasteReader, ABlockAsWideAsTheGridIsWholePlayersFromTheFirstColumn) {
    const TeamTexts current = ValidTeam(0);
    const TeamTexts other = ValidTeam(3);
    std::string row;
    for (const std::string& cell : other.pitchers[0])
        row += cell + "\t";
    const auto read = ReadPaste(row + "\r\n", {Grid::Pitchers, 7, 5}, current);
    ASSERT_TRUE(read.Accepted());
    EXPECT_EQ(read.firstColumn, 1);
    TeamTexts expected = current;
    expected.pitchers[4] = other.pitchers[0];
    EXPECT_EQ(read.texts, expected);

    // One cell narrower it is a block like any other, and from column 7 it does not fit.
    const auto narrower =
        ReadPaste(row.substr(0, row.rfind('\t', row.size() - 2)), {Grid::Pitchers, 7, 5}, current);
    ASSERT_EQ(narrower.problems.size(), 1u);
    EXPECT_EQ(narrower.problems[0].kind, PasteProblemKind::DoesNotFit);
    EXPECT_EQ(narrower.problems[0].roomColumns, 5);
}

TEST(PasteReader, TheBattingOrderIsJudgedOnlyWhereThePasteChangesTheBatters) {
    TeamTexts current = ValidTeam(0);
    current.batters[0][3] = current.batters[1][3]; // as a damaged image may hold it
    EXPECT_TRUE(ReadPaste("120", {Grid::Pitchers, 6, 1}, current).Accepted());
    const auto read = ReadPaste("5", {Grid::Batters, 3, 4}, current);
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].kind, PasteProblemKind::FieldingPositions);
    EXPECT_EQ(read.problems[0].row, 1);
    EXPECT_EQ(read.problems[0].otherRow, 2);
}

TEST(PasteReader, ReadsTheWordsOfAnotherLanguageAsTheLabelsTheyStandFor) {
    const TeamTexts current = ValidTeam(0);
    const reports::LabelSpellings english = {
        {"R", "右"}, {"L", "左"}, {"S", "両"}, {"R Sub", "右下"}};
    const auto batters = ReadPaste("L\t3\nS \n右", {Grid::Batters, 2, 1}, current, english);
    ASSERT_TRUE(batters.Accepted());
    EXPECT_EQ(batters.texts.batters[0][1], "左");
    EXPECT_EQ(batters.texts.batters[1][1], "両");
    EXPECT_EQ(batters.texts.batters[2][1], "右");
    const auto pitchers = ReadPaste("R Sub", {Grid::Pitchers, 2, 5}, current, english);
    ASSERT_TRUE(pitchers.Accepted());
    EXPECT_EQ(pitchers.texts.pitchers[4][1], "右下");

    // A word is a label only in the label columns, and a word no language has is refused as
    // written.
    const auto name = ReadPaste("R", {Grid::Batters, 1, 1}, current, english);
    ASSERT_TRUE(name.Accepted());
    EXPECT_NE(name.texts.batters[0][0], "右");
    const auto unknown = ReadPaste("Right", {Grid::Batters, 2, 1}, current, english);
    ASSERT_EQ(unknown.problems.size(), 1u);
    ASSERT_TRUE(unknown.problems[0].cell);
    EXPECT_EQ(unknown.problems[0].cell->text, "Right");
    EXPECT_FALSE(ReadPaste("L", {Grid::Batters, 2, 1}, current).Accepted());
}

TEST(PasteReader, AWholeTeamCopiedFromASpreadsheetReadsAsItsCsvWithFaultsOnTheirLines) {
    const TeamTexts current = ValidTeam(0);
    TeamTexts team = ValidTeam(5);
    team.batters[4][4] = "401";
    const std::string csv =
        reports::BuildCsv(reports::BatterGrid(team.batters), reports::PitcherGrid(team.pitchers));
    std::string tabs = "\n" + csv; // a blank line first, as a careless copy has it
    std::replace(tabs.begin(), tabs.end(), ',', '\t');
    EXPECT_EQ(reports::TeamCsvOfPaste(csv), csv);
    const std::optional<std::string> read = reports::TeamCsvOfPaste(tabs);
    ASSERT_TRUE(read);
    reports::LeagueTexts league;
    league.fill(current);
    const reports::CsvImport imported = reports::ReadCsv(*read, league, 0);
    ASSERT_EQ(imported.errors.size(), 1u);
    EXPECT_EQ(imported.errors[0].line, 1 + 1 + 5); // the blank line, the header, five batters
    EXPECT_EQ(imported.errors[0].column, 5);

    EXPECT_FALSE(reports::TeamCsvOfPaste("300\t20\n"));
}

} // namespace
