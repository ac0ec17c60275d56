// SPDX-License-Identifier: MIT
#include "KnownTeam.h"
#include "TeamReport.h"
#include "TextNumbers.h"

#include <gtest/gtest.h>

using reports::BuildHtml;
using reportstest::Batters;
using reportstest::KnownTeam;
using reportstest::Pitchers;
using reportstest::TeamWithValues;

namespace {

std::string PitcherCaptionFor(const std::string& eraOfEveryPitcher) {
    const auto team = TeamWithValues(Batters("250"), Batters("1"), Batters("1"),
                                     Pitchers(eraOfEveryPitcher), Pitchers("140"));
    const std::string html = BuildHtml("Ｄ", team.batters, team.pitchers);
    const auto begin = html.find("【投手】");
    return html.substr(begin, html.find("／", begin) - begin);
}

} // namespace

TEST(HtmlReport, MatchesTheHandWrittenFileOfAKnownTeam) {
    const auto team = KnownTeam();
    EXPECT_EQ(BuildHtml("Ｇ", team.batters, team.pitchers),
              reportstest::ReadDataFile("giants.html"));
}

// An interface in another language hands over its words for everything but the players: the
// title, the captions, the header rows and the batting side and pitching style labels.
TEST(HtmlReport, TakesEveryWordButThePlayersFromTheLabels) {
    const auto team = KnownTeam();
    reports::TeamReportLabels english;
    english.teamName = "Team %1";
    english.batterCaption = "Batters: AVG %1, HR %2, Speed %3";
    english.pitcherCaption = "Pitchers: ERA %1 & Fast %2";
    for (int c = 1; c <= 9; ++c)
        english.batterHeaders.push_back("B" + std::to_string(c));
    for (int c = 1; c <= 11; ++c)
        english.pitcherHeaders.push_back("P" + std::to_string(c));
    english.labelWords = {{"右", "R"},       {"左", "L"},       {"両", "S"},
                          {"右横", "R Sd"},  {"左横", "L Sd"},  {"右下", "R Sub"},
                          {"左下", "L Sub"}, {"右ま", "R Axe"}, {"左ま", "L Axe"},
                          {"右背", "R BtB"}, {"左背", "L BtB"}};
    const std::string html = BuildHtml("Ｇ", team.batters, team.pitchers, english);
    EXPECT_TRUE(html.starts_with("<html><head><title>Team Ｇ</title></head><body>\r\n"
                                 "<h3>Team Ｇ</h3>\r\n<table><caption>Batters: AVG ."))
        << html;
    EXPECT_NE(html.find("<tr><td>B1<td>B2<td>B3<td>B4<td>B5<td>B6<td>B7<td>B8<td>B9\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<td>P11\r\n"), std::string::npos);
    EXPECT_NE(html.find("<caption>Pitchers: ERA 2.52 &amp; Fast 144</caption>"), std::string::npos);
    // Only the names are left in Japanese.
    for (const char* word : {"チーム", "打者", "投手", "【", "打　率", "防御率", "右", "左", "両"})
        EXPECT_EQ(html.find(word), std::string::npos) << word;
    // A text with no word (a label the data cannot hold) is shown as it is.
    auto odd = team;
    odd.pitchers[1][2] = "ななめ";
    EXPECT_NE(BuildHtml("Ｇ", odd.batters, odd.pitchers, english).find("<td>ななめ<td>"),
              std::string::npos);
}

TEST(HtmlReport, ShowsTheInitialsInTitleAndHeading) {
    const auto team = KnownTeam();
    const std::string html = BuildHtml("Bu", team.batters, team.pitchers);
    EXPECT_TRUE(html.starts_with("<html><head><title>Buチーム</title></head><body>\r\n"
                                 "<h3>Buチーム</h3>\r\n"));
}

TEST(HtmlReport, BeginsThePitcherPartWithAnEmptyLineAfterTheRule) {
    const auto team = KnownTeam();
    const std::string html = BuildHtml("Ｇ", team.batters, team.pitchers);
    EXPECT_NE(html.find("</table>\r\n<hr>\r\n\r\n<table><caption>【投手】"), std::string::npos);
}

TEST(HtmlReport, WritesAPointBeforeTheAverageEvenBelowOneHundred) {
    const auto team =
        TeamWithValues(Batters("95"), Batters("0"), Batters("0"), Pitchers("250"), Pitchers("140"));
    const std::string html = BuildHtml("Ｄ", team.batters, team.pitchers);
    EXPECT_NE(html.find("チーム打率.95／"), std::string::npos);
}

// An earned run average in hundredths as typed in every pitcher row, and the caption's text.
using EraCase = std::pair<std::string, std::string>;

class HtmlEarnedRunAverage : public testing::TestWithParam<EraCase> {};

TEST_P(HtmlEarnedRunAverage, PrintsHundredthsWithTwoDecimals) {
    EXPECT_EQ(PitcherCaptionFor(GetParam().first), "【投手】チーム防御率" + GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(HtmlReport, HtmlEarnedRunAverage,
                         testing::Values(EraCase{"250", "2.50"}, EraCase{"95", "0.95"},
                                         EraCase{"29", "0.29"}, EraCase{"5", "0.05"},
                                         EraCase{"0", "0.00"}, EraCase{"1000", "10.00"},
                                         EraCase{"-5", "-0.05"}));

TEST(HtmlReport, EscapesMarkupInInitialsAndCells) {
    auto team = KnownTeam();
    team.batters[1][1] = "<b>\"A&B\"</b>";
    team.pitchers[2][2] = "&amp;";
    const std::string html = BuildHtml("<i>", team.batters, team.pitchers);
    EXPECT_NE(html.find("<title>&lt;i&gt;チーム</title>"), std::string::npos);
    EXPECT_NE(html.find("<h3>&lt;i&gt;チーム</h3>"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>&lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;<td>右"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>しみす゛　<td>&amp;amp;<td>7"), std::string::npos);
}

TEST(HtmlReport, RefusesANonNumericSummedCellWithItsText) {
    auto team = KnownTeam();
    team.pitchers[3][6] = "１３８";
    try {
        (void)BuildHtml("Ｇ", team.batters, team.pitchers);
        FAIL() << "no error for a full-width number";
    } catch (const teamdata::NotANumberError& error) {
        EXPECT_STREQ(error.what(), "'１３８' は数値ではありません");
    }
}
