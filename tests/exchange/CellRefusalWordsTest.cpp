// SPDX-License-Identifier: MIT
// A cell refused by the cell rule reads the same whether a CSV import or a paste met it: both are
// worded from the rule's refusal as it is.

#include "CellEditRules.h"
#include "League.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

using teamdata::Grid;

teamdata::CellRefusal RefusalOf(Grid grid, int column, std::string_view written,
                                std::string_view current) {
    const auto accepted = teamdata::AcceptCellText(grid, column, written, current);
    EXPECT_TRUE(std::holds_alternative<teamdata::CellRefusal>(accepted)) << written;
    return std::holds_alternative<teamdata::CellRefusal>(accepted)
               ? std::get<teamdata::CellRefusal>(accepted)
               : teamdata::CellRefusal{};
}

TEST(CellRefusalWords, SayWhatTheColumnAllows) {
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Batters, teamdata::BatterColumn::Average, "abc", "300")),
              QStringLiteral("not a number; allowed are .200 to .400 in steps of .002"));
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Pitchers, teamdata::PitcherColumn::Era, "2.55", "250")),
              QStringLiteral("the editor does not offer this value; allowed are 0.00 to 9.90 in "
                             "steps of 0.10"));
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Pitchers, teamdata::PitcherColumn::Fast, "195", "140")),
              QStringLiteral("the editor does not offer this value; allowed are 80 to 194 in "
                             "steps of 2"));
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Batters, teamdata::BatterColumn::Fielding, "6", "3")),
              QStringLiteral("the editor does not offer this value; allowed are 1 to 5"));
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Batters, teamdata::BatterColumn::Side, "X", "右")),
              QStringLiteral("allowed are 右 左 両"));
    EXPECT_EQ(exchange::DescribeCellRefusal(
                  RefusalOf(Grid::Pitchers, teamdata::PitcherColumn::Name, "あいうえおか", "")),
              QStringLiteral("the name needs 6 places; the game has 5 (a voiced kana takes two)"));
}

TEST(CellRefusalWords, AreTheWordsOfTheSameRefusalMetByTheCsvImport) {
    const teamdata::CellRefusal refusal =
        RefusalOf(Grid::Pitchers, teamdata::PitcherColumn::Era, "2.55", "250");
    reports::CsvIssue issue;
    issue.kind = reports::CsvIssueKind::CellRefused;
    issue.cell =
        teamdata::CellProblem{Grid::Pitchers, 1, teamdata::PitcherColumn::Era, "2.55", refusal};
    EXPECT_EQ(exchange::DescribeCsvIssue(issue), exchange::DescribeCellRefusal(refusal));
}

} // namespace
