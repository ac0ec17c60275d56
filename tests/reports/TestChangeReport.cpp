// SPDX-License-Identifier: MIT
#include "ChangeReport.h"
#include "KnownTeam.h"

#include <gtest/gtest.h>

using namespace teamdata;
using reports::ChangeLabels;

namespace {

// One change of every kind, in the comparison's order: Ｇ is team 3, Ｔ team 5.
const std::vector<LeagueChange> EveryKind = {
    PlayerMove{3, Grid::Batters, 3, 5, "やまた゛　"},
    CellChange{3, Grid::Batters, 7, BatterColumn::Name, "すす゛き　", "いとう　　", "すす゛き　",
               "いとう　　"},
    CellChange{3, Grid::Batters, 7, BatterColumn::Average, "280", "310", "すす゛き　",
               "いとう　　"},
    CellChange{3, Grid::Pitchers, 2, PitcherColumn::Era, "250", "300", "かわかみ　", "かわかみ　"},
    ColorChange{3, ColorSlot::Helmet, 0x16, 0x27},
    PlayerTransfer{Grid::Pitchers, 3, 1, 5, 4, "はやし　　", "もりた　　"},
    ByteRange{0x4, 2},
    ByteRange{0xF30A, 1},
};

// The league after those changes: every team as the known team's grids show it, with the
// changed rows' texts.
reports::LeagueTexts KnownLeague() {
    const reportstest::Team known = reportstest::KnownTeam();
    TeamTexts team;
    for (std::size_t r = 0; r < team.batters.size(); ++r)
        for (std::size_t c = 0; c < team.batters[r].size(); ++c)
            team.batters[r][c] = known.batters[r + 1][c + 1];
    for (std::size_t r = 0; r < team.pitchers.size(); ++r)
        for (std::size_t c = 0; c < team.pitchers[r].size(); ++c)
            team.pitchers[r][c] = known.pitchers[r + 1][c + 1];
    reports::LeagueTexts league;
    league.fill(team);
    league[3].batters[4][0] = "やまた゛　";
    league[3].batters[6][0] = "いとう　　";
    league[3].batters[6][4] = "310";
    league[3].pitchers[1][0] = "かわかみ　";
    league[3].pitchers[1][3] = "300";
    league[5].pitchers[3][0] = "はやし　　";
    return league;
}

} // namespace

TEST(ChangeReport, WritesOneReadableLinePerChangeAndCountsTheByteRanges) {
    EXPECT_EQ(reports::BuildChangeText(EveryKind),
              "Ｇ 打順: やまた゛　 3 → 5\n"
              "Ｇ 打者 7 いとう　　（旧 すす゛き　） 名　　前: すす゛き　 → いとう　　\n"
              "Ｇ 打者 7 いとう　　（旧 すす゛き　） 打　率: 280 → 310\n"
              "Ｇ 投手 2 かわかみ　 防御率: 250 → 300\n"
              "Ｇ ヘルメット: 0x16 → 0x27\n"
              "Ｔ 投手 移籍: はやし　　 Ｇ 1 → Ｔ 4（旧 もりた　　）\n"
              "その他のバイト 0x000004-0x000005（2 バイト）\n"
              "その他のバイト 0x00F30A-0x00F30A（1 バイト）\n"
              "その他のバイト: 2 か所、計 3 バイト\n");
    EXPECT_EQ(reports::BuildChangeText({}), "");
}

TEST(ChangeReport, WritesOneCsvLinePerChangeUnderTheFixedHeader) {
    EXPECT_EQ(reports::BuildChangeCsv(EveryKind),
              "チーム,区分,行,名前,項目,変更前,変更後\r\n"
              "Ｇ,打者,5,やまた゛　,打順,3,5\r\n"
              "Ｇ,打者,7,いとう　　,名　　前,すす゛き　,いとう　　\r\n"
              "Ｇ,打者,7,いとう　　,打　率,280,310\r\n"
              "Ｇ,投手,2,かわかみ　,防御率,250,300\r\n"
              "Ｇ,色,,,ヘルメット,0x16,0x27\r\n"
              "Ｔ,投手,4,はやし　　,移籍,Ｇ 1,Ｔ 4\r\n"
              ",バイト,,,0x000004-0x000005,,\r\n"
              ",バイト,,,0x00F30A-0x00F30A,,\r\n");
}

// The window's lists show names as its grids do; the text form, for scripts, and the CSV keep
// the game's spelling.
TEST(ChangeReport, ShowsNamesInTheirDisplayFormWhenAsked) {
    ChangeLabels shown;
    shown.namesForDisplay = true;
    EXPECT_EQ(reports::BuildChangeText({EveryKind[0], EveryKind[1]}, shown),
              "Ｇ 打順: やまだ　 3 → 5\n"
              "Ｇ 打者 7 いとう　　（旧 すずき　） 名　　前: すずき　 → いとう　　\n");
    const reports::ChangeFields fields = reports::FieldsOf(EveryKind[1], shown);
    EXPECT_EQ(fields.name, "いとう　　");
    EXPECT_EQ(fields.before, "すずき　");
    EXPECT_EQ(reports::FieldsOf(EveryKind[0], shown).name, "やまだ　");
    EXPECT_EQ(reports::FieldsOf(EveryKind[1]).before, "すす゛き　");
}

TEST(ChangeReport, MatchesTheReviewedReviewPage) {
    EXPECT_EQ(reports::BuildChangeHtml(EveryKind, KnownLeague()),
              reportstest::ReadDataFile("changes.html"));
}

// An interface in another language hands over its own words: none of the Japanese ones may be
// left in the text form or on the page, and the page escapes what it is given.
TEST(ChangeReport, TakesEveryWordFromTheLabelsAndEscapesThemOnThePage) {
    ChangeLabels english;
    english.batter = "<Batter>";
    english.pitcher = "Pitcher";
    english.helmet = "Helmet";
    english.uniform = "Uniform";
    english.battingOrder = "Batting order";
    english.pitchingOrder = "Pitching order";
    english.transfer = "transfer";
    english.color = "Colour";
    english.bytes = "Bytes";
    for (std::size_t c = 0; c < english.batterColumns.size(); ++c)
        english.batterColumns[c] = "B" + std::to_string(c + 1);
    for (std::size_t c = 0; c < english.pitcherColumns.size(); ++c)
        english.pitcherColumns[c] = "P" + std::to_string(c + 1);
    english.formerName = " (was %1)";
    english.byteRange = "Bytes %1-%2 (%3)";
    english.byteTotal = "Other bytes: %1 ranges, %2 bytes";
    english.language = "en";
    english.pageTitle = "Changes & more";
    english.teamHeading = "Team %1";
    english.bytesHeading = "Other bytes";
    english.legend = "Legend";
    english.noChanges = "No changes";
    english.labelWords = {{"右", "R"},       {"左", "L"},       {"両", "S"},
                          {"右横", "R Sd"},  {"左横", "L Sd"},  {"右下", "R Sub"},
                          {"左下", "L Sub"}, {"右ま", "R Axe"}, {"左ま", "L Axe"},
                          {"右背", "R BtB"}, {"左背", "L BtB"}};

    const ChangeLabels japanese;
    std::vector<std::string> words = {japanese.batter,
                                      japanese.pitcher,
                                      japanese.helmet,
                                      japanese.uniform,
                                      japanese.battingOrder,
                                      japanese.pitchingOrder,
                                      japanese.transfer,
                                      japanese.bytes,
                                      japanese.color,
                                      "旧",
                                      "その他",
                                      japanese.pageTitle,
                                      "チーム",
                                      japanese.legend,
                                      japanese.noChanges,
                                      "右",
                                      "左",
                                      "両"};
    words.insert(words.end(), japanese.batterColumns.begin(), japanese.batterColumns.end());
    words.insert(words.end(), japanese.pitcherColumns.begin(), japanese.pitcherColumns.end());

    const std::string text = reports::BuildChangeText(EveryKind, english);
    const std::string page = reports::BuildChangeHtml(EveryKind, KnownLeague(), english);
    for (const std::string& word : words) {
        EXPECT_EQ(text.find(word), std::string::npos) << word;
        EXPECT_EQ(page.find(word), std::string::npos) << word;
    }
    EXPECT_NE(text.find("Ｇ Batting order: やまた゛　 3 → 5\n"), std::string::npos);
    EXPECT_EQ(page.find("<Batter>"), std::string::npos);
    EXPECT_NE(page.find("<th>&lt;Batter&gt;"), std::string::npos);
    EXPECT_NE(page.find("<title>Changes &amp; more</title>"), std::string::npos);
}
