// SPDX-License-Identifier: MIT
#include "CellRounding.h"
#include "Columns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace teamdata;

namespace {

struct Expected {
    std::string text;
    bool changed;
};

void ExpectRounded(Grid grid, int column, const std::string& written, const Expected& expected) {
    const std::optional<RoundedValue> rounded = RoundCellValue(grid, column, written);
    ASSERT_TRUE(rounded) << column << ": " << written;
    EXPECT_EQ(rounded->text, expected.text) << column << ": " << written;
    EXPECT_EQ(rounded->changed, expected.changed) << column << ": " << written;
}

// Every value column of both grids, with the multiples of its step that its range holds.
template <typename Each> void ForEveryValueColumn(Each each) {
    const auto visit = [&](Grid grid, const auto& columns) {
        for (const Column& column : columns) {
            if (!column.value)
                continue;
            const int step = column.value->smallStep;
            const int lowest = (column.value->minimum + step - 1) / step * step;
            const int highest = column.value->maximum / step * step;
            each(grid, column, step, lowest, highest);
        }
    };
    visit(Grid::Batters, BatterColumns);
    visit(Grid::Pitchers, PitcherColumns);
}

} // namespace

TEST(CellRounding, KeepsEveryColumnsEndsAndMovesWhatLiesBeyondThemToTheNearestEnd) {
    ForEveryValueColumn([](Grid grid, const Column& column, int, int lowest, int highest) {
        ExpectRounded(grid, column.number, std::to_string(lowest), {std::to_string(lowest), false});
        ExpectRounded(grid, column.number, std::to_string(highest),
                      {std::to_string(highest), false});
        ExpectRounded(grid, column.number, std::to_string(lowest - 1),
                      {std::to_string(lowest), true});
        ExpectRounded(grid, column.number, std::to_string(highest + 1),
                      {std::to_string(highest), true});
        ExpectRounded(grid, column.number, "-40", {std::to_string(lowest), true});
        ExpectRounded(grid, column.number, "99999999999999", {std::to_string(highest), true});
    });
}

TEST(CellRounding, SendsATieInEveryColumnToTheHigherValue) {
    ForEveryValueColumn([](Grid grid, const Column& column, int step, int lowest, int) {
        const int above = lowest + step;
        // Halfway between two values: a whole number where the step is even, a decimal where the
        // step is 1 (the columns of step 1 hold no decimals, so the point is read as it stands).
        const std::string tie =
            step > 1 ? std::to_string(above + step / 2) : std::to_string(above) + ".5";
        ExpectRounded(grid, column.number, tie, {std::to_string(above + step), true});
        if (step == 1)
            ExpectRounded(grid, column.number, std::to_string(above) + ".49",
                          {std::to_string(above), true});
    });
}

TEST(CellRounding, ReadsTheAverageInThousandthsOrAsTheDecimalItIs) {
    const int average = BatterColumn::Average;
    ExpectRounded(Grid::Batters, average, ".313", {"314", true});
    ExpectRounded(Grid::Batters, average, "0.313", {"314", true});
    ExpectRounded(Grid::Batters, average, "313", {"314", true});
    ExpectRounded(Grid::Batters, average, ".3125", {"312", true});
    ExpectRounded(Grid::Batters, average, ".312", {"312", false});
    ExpectRounded(Grid::Batters, average, "０．３１２", {"312", false});
    // A spreadsheet writes 1.000 and .000 as whole numbers; 2 can only be thousandths.
    ExpectRounded(Grid::Batters, average, "1", {"400", true});
    ExpectRounded(Grid::Batters, average, "0", {"200", true});
    ExpectRounded(Grid::Batters, average, "2", {"200", true});
    ExpectRounded(Grid::Batters, average, ".4005", {"400", true});
}

TEST(CellRounding, ReadsTheEarnedRunAverageInHundredthsOrAsWholeRunsUpToNine) {
    const int era = PitcherColumn::Era;
    ExpectRounded(Grid::Pitchers, era, "2.35", {"240", true});
    ExpectRounded(Grid::Pitchers, era, "235", {"240", true});
    ExpectRounded(Grid::Pitchers, era, "2.349", {"230", true});
    ExpectRounded(Grid::Pitchers, era, "4", {"400", false});
    ExpectRounded(Grid::Pitchers, era, "4.00", {"400", false});
    ExpectRounded(Grid::Pitchers, era, "9", {"900", false});
    ExpectRounded(Grid::Pitchers, era, "10", {"10", false});
    ExpectRounded(Grid::Pitchers, era, "9.95", {"990", true});
    ExpectRounded(Grid::Pitchers, era, "12.00", {"990", true});
}

TEST(CellRounding, ReadsASpreadsheetsBinaryNoiseAsTheNumberTyped) {
    // What Gnumeric writes for .355, .313 and 2.35.
    ExpectRounded(Grid::Batters, BatterColumn::Average, "0.35499999999999999999", {"356", true});
    ExpectRounded(Grid::Batters, BatterColumn::Average, "0.31200000000000000001", {"312", false});
    ExpectRounded(Grid::Pitchers, PitcherColumn::Era, "2.34999999999999999", {"240", true});
    ExpectRounded(Grid::Pitchers, PitcherColumn::Era, "9.99999999999999999", {"990", true});
    ExpectRounded(Grid::Batters, BatterColumn::Average, "0.3549999", {"354", true});
}

TEST(CellRounding, RoundsADecimalInAColumnOfWholeNumbers) {
    ExpectRounded(Grid::Pitchers, PitcherColumn::Fast, "151.4", {"152", true});
    ExpectRounded(Grid::Batters, BatterColumn::HomeRuns, "62", {"59", true});
    ExpectRounded(Grid::Batters, BatterColumn::HomeRuns, "12.0", {"12", false});
}

TEST(CellRounding, StillRefusesWhatIsNoNumberAndColumnsThatHoldNoValue) {
    for (const char* written : {"", ".", "abc", "3割", "1e3", "2.3.4", "--1"})
        EXPECT_FALSE(RoundCellValue(Grid::Batters, BatterColumn::Average, written)) << written;
    EXPECT_FALSE(RoundCellValue(Grid::Batters, BatterColumn::Name, "12"));
    EXPECT_FALSE(RoundCellValue(Grid::Pitchers, PitcherColumn::Style, "1"));
    EXPECT_FALSE(RoundCellValue(Grid::Pitchers, 12, "1"));
}
