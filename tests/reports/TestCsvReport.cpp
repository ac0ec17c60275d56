// SPDX-License-Identifier: MIT
#include "KnownTeam.h"
#include "TeamReport.h"

#include <gtest/gtest.h>

#include <algorithm>

using reports::BuildCsv;
using reportstest::KnownTeam;
using reportstest::SplitLines;

TEST(CsvReport, MatchesTheHandWrittenFileOfAKnownTeam) {
    const auto team = KnownTeam();
    EXPECT_EQ(BuildCsv(team.batters, team.pitchers), reportstest::ReadDataFile("giants.csv"));
}

TEST(CsvReport, HasFourteenBatterLinesOfNineFieldsThenSixPitcherLinesOfEleven) {
    const auto team = KnownTeam();
    const std::string csv = BuildCsv(team.batters, team.pitchers);
    ASSERT_TRUE(csv.ends_with("\r\n"));
    const auto lines = SplitLines(csv);
    ASSERT_EQ(lines.size(), 20u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), i < 14 ? 8 : 10);
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos);
    }
}

TEST(CsvReport, KeepsHeaderTextsWithTheirFullWidthAndTrailingSpaces) {
    const auto team = KnownTeam();
    const auto lines = SplitLines(BuildCsv(team.batters, team.pitchers));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "名　　前　,打席　,人気,守備位置,打　率,本　塁　打,　走　力　,守　備　力,"
                        "　肩　");
    EXPECT_EQ(lines[14], "名　　前　,投法　,人気,防御率 ,スタミナ,球速（速）,球速（中）,球速（遅）,"
                         "右変化,左変化,フォーク");
}

TEST(CsvReport, QuotesOnlyFieldsHoldingCommaQuoteOrLineBreak) {
    auto team = KnownTeam();
    team.batters[1][1] = "a,b";
    team.batters[1][2] = "say \"hi\"";
    team.batters[1][3] = "two\nlines";
    team.batters[1][4] = "cr\r";
    team.batters[1][5] = " 12 ";
    team.pitchers[5][11] = "'x';\t";
    const auto lines = SplitLines(BuildCsv(team.batters, team.pitchers));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[1], "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\", 12 ,25,30,4,4");
    EXPECT_EQ(lines[19], "あへ゛　　,右背,2,260,8,146,122,104,0,0,'x';\t");
}

TEST(CsvReport, ReadsCellsMissingFromShortRowsAsEmpty) {
    auto team = KnownTeam();
    team.batters[13].resize(3);
    team.pitchers[1].clear();
    const auto lines = SplitLines(BuildCsv(team.batters, team.pitchers));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[13], "きむら　　,左,,,,,,,");
    EXPECT_EQ(lines[15], ",,,,,,,,,,");
}

TEST(CsvReport, IsEmptyForTablesWithoutRows) {
    EXPECT_EQ(BuildCsv({}, {}), "");
}
