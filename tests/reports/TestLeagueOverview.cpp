// SPDX-License-Identifier: MIT
#include "LeagueOverview.h"

#include "ImageBuilder.h"
#include "NameNormalizer.h"

#include "TRomTeamData.h"
#include "Team.h"
#include "TextNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <regex>

using reports::BuildLeagueOverview;
using reports::LeagueTexts;
using reports::OverviewLabels;
using testsupport::ImageBuilder;
using namespace teamdata;

namespace {

// Images with any byte in every value field; now and then a team's players are those of an
// earlier team, so that tied figures are common.
LeagueTexts RandomLeague(std::mt19937& random) {
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto byte = [&] {
        return static_cast<std::uint8_t>(between(0, 255));
    };
    ImageBuilder image;
    for (int team = 0; team < TeamCount; ++team) {
        const int copied = team > 0 && between(0, 3) == 0 ? between(0, team - 1) : -1;
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes b = ImageBuilder::ValidBatter(team, i);
            if (copied >= 0)
                b = TeamRecordsAt(image.Bytes(), copied).batters[static_cast<std::size_t>(i)];
            else
                b = {b.tiles, byte(), byte(), byte(), byte(), byte(), byte(), byte()};
            image.SetBatter(team, i, b);
        }
        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes p = ImageBuilder::ValidPitcher(team, i);
            if (copied >= 0)
                p = TeamRecordsAt(image.Bytes(), copied).pitchers[static_cast<std::size_t>(i)];
            else
                for (std::uint8_t* value :
                     {&p.popularity, &p.eraCode, &p.stamina, &p.fast, &p.medium, &p.slow,
                      &p.rightBreak, &p.leftBreak, &p.fork})
                    *value = byte();
            image.SetPitcher(team, i, p);
        }
        image.SetColors(team, byte(), byte());
    }
    LeagueTexts league;
    for (int team = 0; team < TeamCount; ++team)
        league[static_cast<std::size_t>(team)] = TextsOf(TeamRecordsAt(image.Bytes(), team));
    return league;
}

// One cell of the league table as the page shows it.
struct ShownFigure {
    std::string value;
    int rank = 0;
};

struct ShownTeam {
    std::string initials;
    std::vector<ShownFigure> figures;
};

// The text between `open` and `close` from `from` on, and where it ends; npos when missing.
std::pair<std::string, std::size_t> Between(const std::string& text, std::string_view open,
                                            std::string_view close, std::size_t from) {
    const std::size_t start = text.find(open, from);
    if (start == std::string::npos)
        return {"", std::string::npos};
    const std::size_t end = text.find(close, start + open.size());
    if (end == std::string::npos)
        return {"", std::string::npos};
    return {text.substr(start + open.size(), end - start - open.size()), end};
}

// The league table read back out of the page.
std::vector<ShownTeam> LeagueTableOf(const std::string& page) {
    const std::string table = Between(page, "<table class=\"league\"", "</table>", 0).first;
    std::vector<ShownTeam> teams;
    for (auto row = Between(table, "<tr data-order=", "</tr>", 0); row.second != std::string::npos;
         row = Between(table, "<tr data-order=", "</tr>", row.second)) {
        // The initials follow the colour swatches.
        ShownTeam team{Between(row.first, "</svg>", "</th>", 0).first, {}};
        for (auto cell = Between(row.first, "<td data-rank=\"", "</td>", 0);
             cell.second != std::string::npos;
             cell = Between(row.first, "<td data-rank=\"", "</td>", cell.second))
            team.figures.push_back(
                {Between(cell.first, "<span class=\"value\">", "</span>", 0).first,
                 std::stoi(cell.first)});
        teams.push_back(team);
    }
    return teams;
}

// The figures recomputed from the texts, each with the pattern its text must match; values in
// the units the page prints (thousandths, hundredths, tenths, ones).
struct ExpectedFigure {
    long long value;
    const char* pattern;
    bool lowerIsBetter = false;
};

std::vector<ExpectedFigure> ExpectedFigures(const TeamTexts& team) {
    const auto batters = [&](int column, std::size_t first, std::size_t end) {
        std::vector<long long> values;
        for (std::size_t row = first; row < end; ++row)
            values.push_back(std::stoll(team.batters[row][static_cast<std::size_t>(column - 1)]));
        return values;
    };
    const auto pitchers = [&](int column) {
        std::vector<long long> values;
        for (const PitcherRowTexts& row : team.pitchers)
            values.push_back(std::stoll(row[static_cast<std::size_t>(column - 1)]));
        return values;
    };
    const auto sum = [](const std::vector<long long>& values) {
        long long total = 0;
        for (long long value : values)
            total += value;
        return total;
    };
    const auto cut = [&](const std::vector<long long>& values) {
        return sum(values) / static_cast<long long>(values.size());
    };
    const auto tenths = [&](const std::vector<long long>& values) {
        const double mean = static_cast<double>(sum(values)) / static_cast<double>(values.size());
        return static_cast<long long>(std::floor(mean * 10 + 0.5));
    };
    const char* Average = R"(\.\d+)";
    const char* Hundredths = R"(\d+\.\d\d)";
    const char* Tenths = R"(\d+\.\d)";
    const char* Whole = R"(\d+)";
    const std::vector<long long> fast = pitchers(PitcherColumn::Fast);
    return {
        {cut(batters(BatterColumn::Average, 0, 13)), Average},
        {sum(batters(BatterColumn::HomeRuns, 0, 13)), Whole},
        {cut(batters(BatterColumn::Speed, 0, 13)), Whole},
        {tenths(batters(BatterColumn::Fielding, 0, 13)), Tenths},
        {tenths(batters(BatterColumn::Arm, 0, 13)), Tenths},
        {tenths(batters(BatterColumn::Popularity, 0, 8)), Tenths},
        {tenths(batters(BatterColumn::Popularity, 8, 13)), Tenths},
        {cut(pitchers(PitcherColumn::Era)), Hundredths, true},
        {tenths(pitchers(PitcherColumn::Stamina)), Tenths},
        {*std::max_element(fast.begin(), fast.end()), Whole},
        {sum(pitchers(PitcherColumn::RightBreak)), Whole},
        {sum(pitchers(PitcherColumn::LeftBreak)), Whole},
        {sum(pitchers(PitcherColumn::Fork)), Whole},
    };
}

long long UnitsOf(std::string text) {
    std::erase(text, '.');
    return std::stoll(text);
}

} // namespace

TEST(LeagueOverview, TableShowsTheFiguresAndRanksOfTheGridTextsOfRandomImages) {
    std::mt19937 random(1992);
    for (int iteration = 0; iteration < 40; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        const LeagueTexts league = RandomLeague(random);
        const std::vector<ShownTeam> shown = LeagueTableOf(BuildLeagueOverview(league));
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(TeamCount));

        std::vector<std::vector<ExpectedFigure>> expected;
        for (const TeamTexts& team : league)
            expected.push_back(ExpectedFigures(team));
        for (std::size_t team = 0; team < shown.size(); ++team) {
            SCOPED_TRACE("team " + std::to_string(team));
            EXPECT_EQ(shown[team].initials, TRomTeamData::TeamInitials[team]);
            ASSERT_EQ(shown[team].figures.size(), reports::OverviewFigureCount);
            for (std::size_t figure = 0; figure < reports::OverviewFigureCount; ++figure) {
                SCOPED_TRACE("figure " + std::to_string(figure));
                const ExpectedFigure& want = expected[team][figure];
                const ShownFigure& got = shown[team].figures[figure];
                EXPECT_TRUE(std::regex_match(got.value, std::regex(want.pattern))) << got.value;
                EXPECT_EQ(UnitsOf(got.value), want.value);
                const auto better = std::count_if(expected.begin(), expected.end(), [&](auto& o) {
                    return want.lowerIsBetter ? o[figure].value < want.value
                                              : o[figure].value > want.value;
                });
                EXPECT_EQ(got.rank, 1 + better);
            }
        }
    }
}

TEST(LeagueOverview, RefusesACellThatIsNoNumberWithItsText) {
    std::mt19937 random(7);
    LeagueTexts league = RandomLeague(random);
    // The arm is read by no team report, only by the overview.
    league[5].batters[3][BatterColumn::Arm - 1] = "３";
    try {
        (void)BuildLeagueOverview(league);
        FAIL() << "no NotANumberError";
    } catch (const NotANumberError& error) {
        EXPECT_NE(std::string(error.what()).find("'３'"), std::string::npos) << error.what();
    }
}

TEST(LeagueOverview, EscapesCellTextsAndLabels) {
    std::mt19937 random(11);
    LeagueTexts league = RandomLeague(random);
    league[2].batters[0][BatterColumn::Name - 1] = "<b>&\"x";
    league[3].pitchers[1][PitcherColumn::Style - 1] = "</td>";
    OverviewLabels labels;
    labels.title = "A&B <i>";
    labels.rank = "<%1>";
    const std::string page = BuildLeagueOverview(league, labels);
    EXPECT_NE(page.find("<td>&lt;b&gt;&amp;&quot;x</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>&lt;/td&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find("<title>A&amp;B &lt;i&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"rank\">&lt;1&gt;</span>"), std::string::npos);
    EXPECT_EQ(page.find("<b>&"), std::string::npos);
    EXPECT_EQ(page.find("<i>"), std::string::npos);
}

// The rosters name their columns and show the batting sides and pitching styles in the words an
// interface hands over; the players by their names as the window shows them.
TEST(LeagueOverview, RostersTakeTheColumnsAndLabelWordsOfTheLabels) {
    std::mt19937 random(13);
    LeagueTexts league = RandomLeague(random);
    league[4].batters[0][BatterColumn::Side - 1] = "両";
    league[4].pitchers[0][PitcherColumn::Style - 1] = "左ま";
    OverviewLabels labels;
    for (std::size_t c = 0; c < labels.batterColumns.size(); ++c)
        labels.batterColumns[c] = "B" + std::to_string(c + 1);
    for (std::size_t c = 0; c < labels.pitcherColumns.size(); ++c)
        labels.pitcherColumns[c] = "P" + std::to_string(c + 1);
    labels.labelWords = {{"両", "S"}, {"左ま", "L Axe"}};
    const std::string page = BuildLeagueOverview(league, labels);
    EXPECT_NE(page.find("<th scope=\"col\">B9</th></tr></thead>"), std::string::npos);
    EXPECT_NE(page.find("<th scope=\"col\">P11</th></tr></thead>"), std::string::npos);
    const std::string batter =
        "<td>" + NameForDisplay(league[4].batters[0][BatterColumn::Name - 1]) + "</td><td>S</td>";
    const std::string pitcher = "<td>" +
                                NameForDisplay(league[4].pitchers[0][PitcherColumn::Name - 1]) +
                                "</td><td>L Axe</td>";
    EXPECT_NE(page.find(batter), std::string::npos);
    EXPECT_NE(page.find(pitcher), std::string::npos);
    for (const char* header : {"打　率", "名　　前", "球速（速）"})
        EXPECT_EQ(page.find(std::string("<th scope=\"col\">") + header), std::string::npos);
}

// The rosters speak the units of the table above them, a fan's (an average of .284, an ERA of
// 8.50, where the data holds 284 and 850), and write names as the window shows them.
TEST(LeagueOverview, RostersShowAveragesErasAndNamesAsTheTableAndTheWindowDo) {
    std::mt19937 random(17);
    LeagueTexts league = RandomLeague(random);
    auto& batter = league[6].batters[2];
    batter[BatterColumn::Name - 1] = "ほ゜－る　";
    batter[BatterColumn::Average - 1] = "284";
    auto& pitcher = league[6].pitchers[1];
    pitcher[PitcherColumn::Name - 1] = "か゛もう　";
    pitcher[PitcherColumn::Era - 1] = "850";
    const std::string page = BuildLeagueOverview(league);
    const auto cells = [](const auto& row, int from, int to, std::string_view name,
                          int numberColumn, std::string_view number) {
        std::string out;
        for (int column = from; column <= to; ++column)
            out += "<td>" +
                   (column == 1              ? std::string(name)
                    : column == numberColumn ? std::string(number)
                                             : row[static_cast<std::size_t>(column - 1)]) +
                   "</td>";
        return out;
    };
    EXPECT_NE(page.find(cells(batter, 1, 9, "ぽーる　", BatterColumn::Average, ".284")),
              std::string::npos);
    EXPECT_NE(page.find(cells(pitcher, 1, 11, "がもう　", PitcherColumn::Era, "8.50")),
              std::string::npos);
    EXPECT_EQ(page.find("ほ゜－る"), std::string::npos);
    EXPECT_EQ(page.find("か゛もう"), std::string::npos);
}
