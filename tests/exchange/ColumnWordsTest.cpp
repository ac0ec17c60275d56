// SPDX-License-Identifier: MIT
// The interface's words for the grid columns, found through the column table: a column whose word
// finds no words would show an empty header, tooltip and value caption.

#include "Columns.h"
#include "TeamWords.h"

#include <gtest/gtest.h>

namespace {

using teamdata::Grid;

void ExpectWordsForEveryColumn(Grid grid, const auto& columns) {
    for (const teamdata::Column& column : columns) {
        EXPECT_EQ(exchange::ColumnName(grid, column.number).toStdString(), column.word);
        EXPECT_FALSE(exchange::ColumnHeaderWord(grid, column.number).isEmpty()) << column.word;
        EXPECT_FALSE(exchange::ColumnToolTip(grid, column.number).isEmpty()) << column.word;
        EXPECT_FALSE(exchange::ValueCaption(grid, column.number).isEmpty()) << column.word;
    }
}

TEST(ColumnWords, NameEveryColumnOfBothGrids) {
    ExpectWordsForEveryColumn(Grid::Batters, teamdata::BatterColumns);
    ExpectWordsForEveryColumn(Grid::Pitchers, teamdata::PitcherColumns);
}

TEST(ColumnWords, LeaveTheLabelAndTheUnusedBatterColumnsUnnamed) {
    for (int column : {0, 10, 11})
        EXPECT_TRUE(exchange::ColumnName(Grid::Batters, column).isEmpty()) << column;
    EXPECT_TRUE(exchange::ColumnName(Grid::Pitchers, 0).isEmpty());
    EXPECT_TRUE(exchange::ColumnHeaderWord(Grid::Pitchers, 12).isEmpty());
}

TEST(ColumnWords, GiveBothPopularityColumnsAStarForHeader) {
    EXPECT_EQ(exchange::ColumnHeaderWord(Grid::Batters, teamdata::BatterColumn::Popularity),
              QStringLiteral("★"));
    EXPECT_EQ(exchange::ColumnHeaderWord(Grid::Pitchers, teamdata::PitcherColumn::Popularity),
              QStringLiteral("★"));
}

} // namespace
