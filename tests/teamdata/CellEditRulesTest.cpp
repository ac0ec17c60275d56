// SPDX-License-Identifier: MIT
#include "CellEditRules.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace teamdata;

namespace {

// Follows the cycle from `start` until it returns or leaves the known texts.
template <typename Next>
std::vector<std::string> Walk(Next next, std::string_view start, int steps) {
    std::vector<std::string> seen;
    std::string text(start);
    for (int i = 0; i < steps; ++i) {
        const auto following = next(text);
        if (!following)
            break;
        text = std::string(*following);
        seen.push_back(text);
    }
    return seen;
}

std::array<std::string, 8> Positions(std::array<const char*, 8> texts) {
    std::array<std::string, 8> positions;
    for (std::size_t i = 0; i < texts.size(); ++i)
        positions[i] = texts[i];
    return positions;
}

void ExpectColumn(const std::optional<ValueColumn>& column, std::string_view caption, int minimum,
                  int maximum, int smallStep, int largeStep) {
    ASSERT_TRUE(column.has_value()) << caption;
    EXPECT_EQ(column->caption, caption);
    EXPECT_EQ(column->minimum, minimum) << caption;
    EXPECT_EQ(column->maximum, maximum) << caption;
    EXPECT_EQ(column->smallStep, smallStep) << caption;
    EXPECT_EQ(column->largeStep, largeStep) << caption;
}

} // namespace

TEST(BatterSideCycle, StepsRightLeftBothAndBack) {
    EXPECT_EQ(Walk(NextBatterSide, "右", 4), (std::vector<std::string>{"左", "両", "右", "左"}));
}

TEST(BatterSideCycle, LeavesUnknownTextsAlone) {
    EXPECT_FALSE(NextBatterSide(""));
    EXPECT_FALSE(NextBatterSide("右 "));
    EXPECT_FALSE(NextBatterSide("右下"));
    EXPECT_FALSE(NextBatterSide("R"));
}

TEST(PitchingStyleCycle, PassesTheTenStylesInClickOrderAndReturnsAfterTen) {
    EXPECT_EQ(Walk(NextPitchingStyle, "右", 10),
              (std::vector<std::string>{"左", "右下", "左下", "右横", "左横", "右ま", "左ま",
                                        "右背", "左背", "右"}));
}

TEST(PitchingStyleCycle, LeavesUnknownTextsAlone) {
    EXPECT_FALSE(NextPitchingStyle(""));
    EXPECT_FALSE(NextPitchingStyle("両"));
    EXPECT_FALSE(NextPitchingStyle("右下 "));
    EXPECT_FALSE(NextPitchingStyle("右横投げ"));
}

TEST(BatterValueColumns, GiveEachRatingColumnItsCaptionRangeAndSteps) {
    ExpectColumn(BatterValueColumn(BatterColumn::Popularity), "人気", 1, 10, 1, 1);
    ExpectColumn(BatterValueColumn(BatterColumn::Position), "守備位置", 1, 9, 1, 1);
    ExpectColumn(BatterValueColumn(BatterColumn::Average), "実打率", 200, 400, 2, 10);
    ExpectColumn(BatterValueColumn(BatterColumn::HomeRuns), "本塁打", 0, 59, 1, 10);
    ExpectColumn(BatterValueColumn(BatterColumn::Speed), "走力", 0, 50, 1, 10);
    ExpectColumn(BatterValueColumn(BatterColumn::Fielding), "守備力", 1, 5, 1, 1);
    ExpectColumn(BatterValueColumn(BatterColumn::Arm), "肩", 1, 5, 1, 1);
}

TEST(BatterValueColumns, HaveNoneForLabelsNameSideAndTheEmptyColumns) {
    for (int column : {0, BatterColumn::Name, BatterColumn::Side, 10, 11, 12, -1})
        EXPECT_FALSE(BatterValueColumn(column)) << column;
}

TEST(PitcherValueColumns, GiveEachRatingColumnItsCaptionRangeAndSteps) {
    ExpectColumn(PitcherValueColumn(PitcherColumn::Popularity), "人気", 1, 10, 1, 1);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Era), "防御率", 0, 995, 10, 50);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Stamina), "スタミナ", 1, 20, 1, 2);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Fast), "球速（速）", 80, 195, 2, 10);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Medium), "球速（中）", 80, 195, 2, 10);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Slow), "球速（遅）", 80, 195, 2, 10);
    ExpectColumn(PitcherValueColumn(PitcherColumn::RightBreak), "右変化球", 0, 32, 2, 10);
    ExpectColumn(PitcherValueColumn(PitcherColumn::LeftBreak), "左変化球", 0, 32, 2, 10);
    ExpectColumn(PitcherValueColumn(PitcherColumn::Fork), "フォーク", 0, 32, 2, 10);
}

TEST(PitcherValueColumns, HaveNoneForLabelsNameAndStyle) {
    for (int column : {0, PitcherColumn::Name, PitcherColumn::Style, 12, -1})
        EXPECT_FALSE(PitcherValueColumn(column)) << column;
}

TEST(PositionSwap, TakesTheRowThatHeldThePickedPosition) {
    const auto positions = Positions({"2", "3", "6", "7", "4", "5", "8", "9"});
    EXPECT_EQ(PositionSwapRow(positions, 3, "4"), 5);
    EXPECT_EQ(PositionSwapRow(positions, 8, "2"), 1);
}

TEST(PositionSwap, TakesOnlyTheUpperOfTwoRowsSharingThePosition) {
    const auto positions = Positions({"2", "4", "6", "7", "4", "5", "8", "9"});
    EXPECT_EQ(PositionSwapRow(positions, 3, "4"), 2);
    EXPECT_EQ(PositionSwapRow(positions, 8, "4"), 2);
}

TEST(PositionSwap, FindsTheEditedRowItselfWhenItKeepsItsPosition) {
    const auto positions = Positions({"2", "3", "6", "7", "4", "5", "8", "9"});
    EXPECT_EQ(PositionSwapRow(positions, 3, "6"), 3);
}

TEST(PositionSwap, SwapsNothingForAPositionNoBattingOrderRowHolds) {
    const auto positions = Positions({"2", "3", "6", "7", "4", "5", "8", "9"});
    EXPECT_EQ(PositionSwapRow(positions, 3, "1"), 0);
    // Texts are compared exactly, not as numbers.
    EXPECT_EQ(PositionSwapRow(positions, 3, "04"), 0);
}

TEST(PositionSwap, SwapsNothingForBenchRows) {
    const auto positions = Positions({"2", "3", "6", "7", "4", "5", "8", "9"});
    for (int row = 9; row <= 13; ++row)
        EXPECT_EQ(PositionSwapRow(positions, row, "4"), 0) << row;
}

TEST(TypedValue, ReadsTheColumnsUnitsOrItsDecimalAndRoundsHalfUpToTheStepWithinTheRange) {
    const ValueColumn average = *BatterValueColumn(BatterColumn::Average); // 200..400 by 2
    const ValueColumn era = *PitcherValueColumn(PitcherColumn::Era);       // 0..995 by 10
    const ValueColumn fast = *PitcherValueColumn(PitcherColumn::Fast);     // 80..195 by 2
    const ValueColumn homeRuns = *BatterValueColumn(BatterColumn::HomeRuns);
    const struct {
        const ValueColumn& column;
        const char* typed;
        std::optional<int> value;
    } cases[] = {
        {average, "312", 312},    {average, ".312", 312},  {average, "0.312", 312},
        {average, "311", 312},    {average, ".3", 300},    {average, "3", 200},
        {average, "9999", 400},   {average, ".", {}},      {average, "-5", 200},
        {average, "３１２", 312}, {average, ".3115", 312}, {era, "250", 250},
        {era, "2.5", 250},        {era, "2.50", 250},      {era, "2.55", 260},
        {era, "2.549", 250},      {era, "25", 30},         {era, "12", 10},
        {era, "1200", 990},       {fast, "195", 194},      {fast, "79", 80},
        {homeRuns, "4.5", {}},    {homeRuns, "45", 45},    {average, "123456789012", 400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedValue(c.typed, c.column), c.value) << c.typed;
}
