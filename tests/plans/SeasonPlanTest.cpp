// SPDX-License-Identifier: MIT
// A season's statistics into the league by rules: every kind of rule against values worked out
// here by hand, and every error the rules or the sheet can hold, as data.

#include "Season.h"

#include "Compare.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace plans;
using testsupport::ImageBuilder;

namespace {

const reports::LeagueTexts Current = LeagueTextsOf(ImageBuilder().FillValidTeams().Bytes());

std::string NoShiftJis(std::string_view) {
    ADD_FAILURE() << "a UTF-8 sheet was given to the Shift_JIS decoder";
    return {};
}

const char* const Positions[] = {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};

// A team of 13 batters and 5 pitchers with statistics that vary by row.
std::string TeamRows(std::string_view team, int batters = 13, int pitchers = 5) {
    std::string rows;
    for (int i = 0; i < batters; ++i)
        rows += std::string(team) + ",ﾀﾞｼｬ" + std::to_string(i % 10) + ",B," +
                (i < 8 ? Positions[i] : "LF") + "," + ".3" + std::to_string(10 + i) + "," +
                std::to_string(i * 5) + "," + std::to_string(i * 4) + ",,,,,\n";
    for (int i = 0; i < pitchers; ++i)
        rows += std::string(team) + ",ﾄｳｼｭ" + std::to_string(i) + ",P,,,,,2.3" + std::to_string(i) +
                "," + std::to_string(100 + 40 * i) + "," + std::to_string(147 + i) + ",L\n";
    return rows;
}

const std::string Header = "team,name,role,POS,AVG,HR,SB,ERA,IP,velocity,throws\n";

SeasonPlan Plan(const std::string& sheet, std::string_view rules = DefaultSeasonRules()) {
    return PlanSeason(sheet, rules, Current, NoShiftJis);
}

const std::string& Cell(const SeasonPlan& plan, int team, teamdata::Grid grid, int row,
                        int column) {
    const teamdata::TeamTexts& texts = plan.league[static_cast<std::size_t>(team)];
    return grid == teamdata::Grid::Batters ? texts.batters[static_cast<std::size_t>(row - 1)]
                                                          [static_cast<std::size_t>(column - 1)]
                                           : texts.pitchers[static_cast<std::size_t>(row - 1)]
                                                           [static_cast<std::size_t>(column - 1)];
}

bool Has(const SeasonPlan& plan, SeasonIssueKind kind) {
    return std::any_of(plan.errors.begin(), plan.errors.end(),
                       [&](const SeasonIssue& issue) { return issue.kind == kind; });
}

} // namespace

TEST(SeasonPlan, TheDefaultRulesRateANamedTeamAndLeaveTheOthersAlone) {
    const SeasonPlan plan = Plan(Header + TeamRows("Ｇ"));
    ASSERT_TRUE(plan.errors.empty())
        << static_cast<int>(plan.errors.front().kind) << " " << plan.errors.front().key << " "
        << plan.errors.front().text << " " << plan.errors.front().line;
    EXPECT_EQ(plan.teams, std::vector<int>{3});
    using teamdata::Grid;
    namespace B = teamdata::BatterColumn;
    namespace P = teamdata::PitcherColumn;
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 1, B::Name), "た゛しや０"); // as the import stores it
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 1, B::Position), "2");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 8, B::Position), "9");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 4, B::Average), "314");    // .313, a tie, goes up
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 13, B::HomeRuns), "59");   // 60 beyond the range
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 11, B::Speed), "50");      // 40 stolen bases
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 3, B::Speed), "20");       // 8
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 1, B::Side), "右");        // no column: the default
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 13, B::Popularity), "10"); // most home runs
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 1, B::Popularity), "1");
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 1, P::Style), "左");
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 3, P::Era), "230");    // 2.32
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 5, P::Era), "230");    // 2.34
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 4, P::Stamina), "17"); // 220 innings
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 1, P::Fast), "148");   // 147 km/h, a tie
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 4, P::Medium), "140"); // 150 km/h
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 3, P::Medium), "134"); // 149 km/h
    EXPECT_EQ(plan.league[2], Current[2]);
    // Every player and value column is explained once.
    EXPECT_EQ(plan.explanation.size(), 13u * 8 + 5u * 10);
}

TEST(SeasonPlan, AColumnHeadedWithAGameColumnGivesItsValueOverAnyRule) {
    std::string sheet = "team,name,role,POS,守 備 力,ERA,Fast\n";
    for (int i = 0; i < 13; ++i)
        sheet += std::string("Ｄ,ｱｲｳｴｵ,B,") + (i < 8 ? Positions[i] : "C") + "," +
                 (i == 0 ? "4.6" : "") + ",,\n";
    for (int i = 0; i < 5; ++i)
        sheet += "Ｄ,ｶｷｸｹｺ,P,,,4,199\n";
    const SeasonPlan plan = Plan(sheet);
    ASSERT_TRUE(plan.errors.empty());
    EXPECT_EQ(Cell(plan, 0, teamdata::Grid::Batters, 1, teamdata::BatterColumn::Fielding), "5");
    EXPECT_EQ(Cell(plan, 0, teamdata::Grid::Batters, 2, teamdata::BatterColumn::Fielding), "3");
    EXPECT_EQ(Cell(plan, 0, teamdata::Grid::Pitchers, 1, teamdata::PitcherColumn::Era), "400");
    EXPECT_EQ(Cell(plan, 0, teamdata::Grid::Pitchers, 1, teamdata::PitcherColumn::Fast), "194");
}

TEST(SeasonPlan, RulesOfEveryKindGiveTheValuesTheySay) {
    const std::string rules = R"(
[teams]
"Giants" = "Ｇ"
[batter."走力"]
statistic = "SB"
thresholds = [{ at_least = 10, value = 30 }, [20, 40]]
default = 5
[batter."人気"]
statistic = "HR"
rank = [10, 6, 2]
[batter."守備位置"]
statistic = "POS"
map = { C = 2, "1B" = 3, "2B" = 4, "3B" = 5, SS = 6, LF = 7, CF = 8, RF = 9 }
[batter.Arm]
value = 4
[pitcher."防御率"]
statistic = "ERA"
[pitcher."スタミナ"]
statistic = "IP"
rank = [20, 10]
best = "lowest"
)";
    const SeasonPlan plan = Plan(Header + TeamRows("Giants"), rules);
    ASSERT_TRUE(plan.errors.empty())
        << static_cast<int>(plan.errors.front().kind) << " " << plan.errors.front().key << " "
        << plan.errors.front().text << " " << plan.errors.front().line;
    using teamdata::Grid;
    namespace B = teamdata::BatterColumn;
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 1, B::Speed), "5");  // 0: below, the default
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 4, B::Speed), "30"); // 12
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 6, B::Speed), "40"); // 20
    // 13 batters with 0, 5 .. 60 home runs over three values: ranks 1..5, 6..9, 10..13.
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 13, B::Popularity), "10");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 9, B::Popularity), "10");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 8, B::Popularity), "6");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 4, B::Popularity), "2");
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 5, B::Arm), "4");
    // Without a rule a column keeps what the row holds now.
    EXPECT_EQ(Cell(plan, 3, Grid::Batters, 5, B::Fielding), Current[3].batters[4][B::Fielding - 1]);
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 1, teamdata::PitcherColumn::Stamina), "20");
    EXPECT_EQ(Cell(plan, 3, Grid::Pitchers, 5, teamdata::PitcherColumn::Stamina), "10");
    const auto ranked = std::find_if(
        plan.explanation.begin(), plan.explanation.end(),
        [](const ValueExplanation& e) { return e.row == 13 && e.column == B::Popularity; });
    ASSERT_NE(ranked, plan.explanation.end());
    EXPECT_EQ(ranked->source, ValueSource::Rank);
    EXPECT_EQ(ranked->rank, 1);
    EXPECT_EQ(ranked->rankedPlayers, 13);
    EXPECT_EQ(ranked->statisticValue, "60");
}

TEST(SeasonPlan, RefusesRulesThatCannotBeFollowed) {
    const struct {
        const char* rules;
        SeasonIssueKind kind;
        int line;
    } cases[] = {
        {"[batter.\"走力\"]\nstatistic = \"SB\"\nthresholds = [[10, 20], [5, 30]]\n",
         SeasonIssueKind::ThresholdsOutOfOrder, 3},
        {"[batter.\"走力\"]\nstatistic = \"SB\"\nthresholds = [[10, 20], [20, 55]]\n",
         SeasonIssueKind::RuleValueRefused, 3},
        {"[batter.\"打 率\"]\nstatistic = \"OPS\"\n", SeasonIssueKind::UnknownStatistic, 1},
        {"[batter.\"球速（速）\"]\nstatistic = \"velocity\"\n", SeasonIssueKind::UnknownRuleColumn,
         1},
        {"[batter.HR]\nstatistic = \"HR\"\nround = true\n", SeasonIssueKind::UnknownRuleKey, 3},
        {"[batter.HR]\nrank = [1, 2]\n", SeasonIssueKind::RuleWithoutSource, 1},
        {"[batter.HR]\nstatistic = \"HR\"\nrank = [1]\nmap = { a = 1 }\n",
         SeasonIssueKind::RuleOfTwoKinds, 1},
        {"[teams]\nGiants = \"ZZ\"\n", SeasonIssueKind::UnknownInitials, 2},
        {"[batter.HR\nstatistic = \"HR\"\n", SeasonIssueKind::RulesSyntax, 1},
        {"[pitcher.Style]\nvalue = \"上\"\n", SeasonIssueKind::RuleValueRefused, 2},
        // A Kangxi radical that looks like the kanji 日, after a value.
        {"[teams]\nGiants = \"Ｇ\" \u2F47\n", SeasonIssueKind::RulesCharacter, 2},
        // Hiragana where TOML wants white space: wrong there, and refused before toml++ sees it.
        {"# よみうり\n[teams]\nGiants = \"Ｇ\" う\n", SeasonIssueKind::RulesCharacter, 3},
    };
    for (const auto& c : cases) {
        const SeasonPlan plan = Plan(Header + TeamRows("Ｇ"), c.rules);
        ASSERT_FALSE(plan.errors.empty()) << c.rules;
        EXPECT_EQ(plan.errors.front().kind, c.kind) << c.rules;
        EXPECT_EQ(plan.errors.front().line, c.line) << c.rules;
        EXPECT_EQ(plan.league, Current);
    }
}

TEST(SeasonPlan, ReadsHiraganaAndRadicalsInTheRulesStringsAndComments) {
    std::string rules(DefaultSeasonRules());
    const std::size_t teams = rules.find("[teams]\n");
    ASSERT_NE(teams, std::string::npos);
    rules.insert(teams + 8,
                 "# チーム名はひらがなでも書けます\n\"よみうり\u2F47\" = 'Ｇ' # よみうり\n");
    const SeasonPlan plan = Plan(Header + TeamRows("よみうり\u2F47"), rules);
    ASSERT_TRUE(plan.errors.empty()) << static_cast<int>(plan.errors.front().kind);
    EXPECT_EQ(plan.teams, std::vector<int>{3});
}

TEST(SeasonPlan, RefusesSheetsThatNameNoTeamOrHoldTheWrongPlayers) {
    EXPECT_TRUE(Has(Plan(Header + TeamRows("Giants")), SeasonIssueKind::UnknownTeam));
    const SeasonPlan fewer = Plan(Header + TeamRows("Ｇ", 12, 5) + TeamRows("Ｄ", 13, 6));
    ASSERT_EQ(fewer.errors.size(), 2u);
    EXPECT_EQ(fewer.errors[0].kind, SeasonIssueKind::PlayerCount);
    EXPECT_EQ(fewer.errors[0].team, 0);
    EXPECT_EQ(fewer.errors[0].count, 6);
    EXPECT_EQ(fewer.errors[1].team, 3);
    EXPECT_EQ(fewer.errors[1].count, 12);
    EXPECT_TRUE(Has(Plan("team,name,AVG\n"), SeasonIssueKind::MissingIdentity));
    EXPECT_TRUE(Has(Plan(Header + "Ｇ,ﾀﾞｼｬ,X,C\n"), SeasonIssueKind::UnknownRole));
    const SeasonPlan kanji = Plan(Header + "Ｇ,長嶋,B,C\n");
    ASSERT_TRUE(Has(kanji, SeasonIssueKind::NameInKanji));
    EXPECT_EQ(kanji.errors.front().character, "長");
    std::string twoCatchers = Header + TeamRows("Ｇ");
    twoCatchers.replace(twoCatchers.find(",1B,"), 4, ",C,");
    EXPECT_TRUE(Has(Plan(twoCatchers), SeasonIssueKind::FieldingPositions));
    std::string notANumber = Header + TeamRows("Ｇ");
    notANumber.replace(notANumber.find(",40,"), 4, ",many,");
    EXPECT_TRUE(Has(Plan(notANumber), SeasonIssueKind::StatisticNotANumber));
    EXPECT_TRUE(Has(Plan(std::string("\xFF\xFE") + std::string("t\0e\0", 4)),
                    SeasonIssueKind::SheetNotText));
}

TEST(SeasonPlan, JapaneseIdentityHeadersAndRolesReadAlike) {
    std::string sheet = Header + TeamRows("Ｇ");
    std::string japanese = sheet;
    japanese.replace(0, std::string("team,name,role").size(), "チーム,名前,区分");
    for (std::size_t at; (at = japanese.find(",B,")) != std::string::npos;)
        japanese.replace(at, 3, ",打者,");
    for (std::size_t at; (at = japanese.find(",P,")) != std::string::npos;)
        japanese.replace(at, 3, ",投手,");
    EXPECT_EQ(Plan(japanese).league, Plan(sheet).league);
}
