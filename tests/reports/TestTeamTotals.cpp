// SPDX-License-Identifier: MIT
#include "KnownTeam.h"
#include "TeamReport.h"
#include "TextNumbers.h"

#include <gtest/gtest.h>

#include <climits>

using reports::ComputeTotals;
using reportstest::Batters;
using reportstest::KnownTeam;
using reportstest::Pitchers;
using reportstest::TeamWithValues;

TEST(TeamTotals, SumsHomeRunsAndTruncatesEveryMean) {
    const auto team = KnownTeam();
    const auto totals = ComputeTotals(team.batters, team.pitchers);
    EXPECT_EQ(totals.battingAverage, 276); // 3600 / 13 = 276.9
    EXPECT_EQ(totals.homeRuns, 160);
    EXPECT_EQ(totals.speed, 23);             // 305 / 13 = 23.46
    EXPECT_EQ(totals.earnedRunAverage, 252); // 1260 / 5
    EXPECT_EQ(totals.fastBallSpeed, 144);    // 722 / 5 = 144.4
}

TEST(TeamTotals, TruncatesNegativeMeansTowardZero) {
    const auto team = TeamWithValues(Batters("0"), Batters("-1"), Batters("-1"),
                                     {"-3", "-4", "0", "0", "0"}, Pitchers("-1"));
    const auto totals = ComputeTotals(team.batters, team.pitchers);
    EXPECT_EQ(totals.homeRuns, -13);
    EXPECT_EQ(totals.speed, -1);
    EXPECT_EQ(totals.earnedRunAverage, -1); // -7 / 5
}

TEST(TeamTotals, SumsHomeRunsBeyondTheIntRange) {
    const auto max = std::to_string(INT_MAX);
    const auto team =
        TeamWithValues(Batters(max), Batters(max), Batters(max), Pitchers(max), Pitchers(max));
    const auto totals = ComputeTotals(team.batters, team.pitchers);
    EXPECT_EQ(totals.homeRuns, 13LL * INT_MAX);
    EXPECT_EQ(totals.battingAverage, INT_MAX);
    EXPECT_EQ(totals.earnedRunAverage, INT_MAX);
}

TEST(TeamTotals, AreZeroForTablesWithoutDataRows) {
    auto team = KnownTeam();
    team.batters.resize(1);
    team.pitchers.resize(1);
    const auto headersOnly = ComputeTotals(team.batters, team.pitchers);
    EXPECT_EQ(headersOnly.battingAverage, 0);
    EXPECT_EQ(headersOnly.homeRuns, 0);
    EXPECT_EQ(headersOnly.fastBallSpeed, 0);
    const std::string html = reports::BuildHtml("Ｇ", {}, {});
    EXPECT_NE(html.find("チーム打率.0／チーム本塁打0／チーム走力0"), std::string::npos);
    EXPECT_NE(html.find("チーム防御率0.00／平均速球速度0"), std::string::npos);
}

TEST(TeamTotals, ReadsSummedCellsStrictly) {
    for (const std::string text : {"", " 250", "250 ", "2.5", "abc", "１２"}) {
        SCOPED_TRACE(text);
        auto team = KnownTeam();
        team.batters[4][7] = text;
        EXPECT_THROW((void)ComputeTotals(team.batters, team.pitchers), teamdata::NotANumberError);
    }
}

TEST(TeamTotals, ReportsAnEmptyTextForACellMissingFromAShortRow) {
    auto team = KnownTeam();
    team.pitchers[5].resize(4);
    try {
        (void)ComputeTotals(team.batters, team.pitchers);
        FAIL() << "no error for a missing cell";
    } catch (const teamdata::NotANumberError& error) {
        EXPECT_STREQ(error.what(), "'' は数値ではありません");
    }
}

TEST(TeamTotals, ReportsTheFirstBadCellInColumnOrder) {
    auto team = KnownTeam();
    team.batters[1][6] = "home";
    team.batters[13][5] = "average";
    team.pitchers[1][4] = "era";
    try {
        (void)ComputeTotals(team.batters, team.pitchers);
        FAIL() << "no error for non-numeric cells";
    } catch (const teamdata::NotANumberError& error) {
        EXPECT_STREQ(error.what(), "'average' は数値ではありません");
    }
}
