// SPDX-License-Identifier: MIT
#include "CellEditRules.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <variant>
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

TEST(BatterValueColumns, HaveNoneForLabelsNameSideAndTheEmptyColumns) {
    for (int column : {0, BatterColumn::Name, BatterColumn::Side, 10, 11, 12, -1})
        EXPECT_FALSE(BatterValueColumn(column)) << column;
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

namespace {

// A value column as a text written from outside meets it: the multiples of `step` from `lowest`
// to `highest`, written in the column's units or, where `pointScale` is not 0, as the decimal
// they stand for.
struct ValueRule {
    const char* name;
    Grid grid;
    int column;
    int lowest;
    int highest;
    int step;
    int pointScale = 0;
};

std::ostream& operator<<(std::ostream& stream, const ValueRule& rule) {
    return stream << rule.name;
}

const ValueRule ValueRules[] = {
    {"BatterPopularity", Grid::Batters, BatterColumn::Popularity, 1, 10, 1},
    {"BatterPosition", Grid::Batters, BatterColumn::Position, 1, 9, 1},
    {"BatterAverage", Grid::Batters, BatterColumn::Average, 200, 400, 2, 1000},
    {"BatterHomeRuns", Grid::Batters, BatterColumn::HomeRuns, 0, 59, 1},
    {"BatterSpeed", Grid::Batters, BatterColumn::Speed, 0, 50, 1},
    {"BatterFielding", Grid::Batters, BatterColumn::Fielding, 1, 5, 1},
    {"BatterArm", Grid::Batters, BatterColumn::Arm, 1, 5, 1},
    {"PitcherPopularity", Grid::Pitchers, PitcherColumn::Popularity, 1, 10, 1},
    // 995 is the dialog's end of the range, but no multiple of its step.
    {"PitcherEra", Grid::Pitchers, PitcherColumn::Era, 0, 990, 10, 100},
    {"PitcherStamina", Grid::Pitchers, PitcherColumn::Stamina, 1, 20, 1},
    // 195 likewise.
    {"PitcherFast", Grid::Pitchers, PitcherColumn::Fast, 80, 194, 2},
    {"PitcherMedium", Grid::Pitchers, PitcherColumn::Medium, 80, 194, 2},
    {"PitcherSlow", Grid::Pitchers, PitcherColumn::Slow, 80, 194, 2},
    {"PitcherRightBreak", Grid::Pitchers, PitcherColumn::RightBreak, 0, 32, 2},
    {"PitcherLeftBreak", Grid::Pitchers, PitcherColumn::LeftBreak, 0, 32, 2},
    {"PitcherFork", Grid::Pitchers, PitcherColumn::Fork, 0, 32, 2},
};

// What a cell stores for `written`, or empty when it refuses it; `refusal` gets the refusal.
std::optional<std::string> Stored(const ValueRule& rule, std::string_view written,
                                  CellRefusal* refusal = nullptr, std::string_view current = "?") {
    const auto accepted = AcceptCellText(rule.grid, rule.column, written, current);
    if (const auto* cell = std::get_if<AcceptedCell>(&accepted))
        return cell->text;
    if (refusal)
        *refusal = std::get<CellRefusal>(accepted);
    return std::nullopt;
}

// Full-width digits, as a Japanese input method types them.
std::string FullWidth(int value) {
    static constexpr const char* digits[] = {"０", "１", "２", "３", "４",
                                             "５", "６", "７", "８", "９"};
    std::string text;
    for (char c : std::to_string(value))
        text += digits[c - '0'];
    return text;
}

class ValueCell : public ::testing::TestWithParam<ValueRule> {};

} // namespace

TEST_P(ValueCell, TakesEveryStepFromLowestToHighestStoredAsPlainDigits) {
    const ValueRule& rule = GetParam();
    for (int value = rule.lowest; value <= rule.highest; value += rule.step)
        EXPECT_EQ(Stored(rule, std::to_string(value)), std::to_string(value));
    EXPECT_EQ(Stored(rule, FullWidth(rule.highest)), std::to_string(rule.highest));
    EXPECT_EQ(Stored(rule, " 0" + std::to_string(rule.lowest) + " "), std::to_string(rule.lowest));
    EXPECT_EQ(Stored(rule, "　" + FullWidth(rule.lowest)), std::to_string(rule.lowest));
}

TEST_P(ValueCell, RefusesAStepBeyondEitherEndAndOffStepValuesNamingTheRange) {
    const ValueRule& rule = GetParam();
    std::vector<std::string> refused = {std::to_string(rule.lowest - rule.step),
                                        std::to_string(rule.highest + rule.step),
                                        "－" + FullWidth(rule.step), "1000000000000"};
    if (rule.step > 1)
        refused.push_back(std::to_string(rule.lowest + 1));
    for (const std::string& written : refused) {
        CellRefusal refusal;
        EXPECT_FALSE(Stored(rule, written, &refusal)) << written;
        EXPECT_EQ(refusal.kind, CellRefusalKind::ValueNotAllowed) << written;
        EXPECT_EQ(refusal.minimum, rule.lowest) << written;
        EXPECT_EQ(refusal.maximum, rule.highest) << written;
        EXPECT_EQ(refusal.step, rule.step) << written;
    }
}

TEST_P(ValueCell, RefusesWhatIsNoNumberAsSuch) {
    const ValueRule& rule = GetParam();
    for (const char* written : {"", "abc", "1 2", "1a", "--1", "右", "."}) {
        CellRefusal refusal;
        EXPECT_FALSE(Stored(rule, written, &refusal)) << written;
        EXPECT_EQ(refusal.kind, CellRefusalKind::NotANumber) << written;
        EXPECT_EQ(refusal.minimum, rule.lowest) << written;
        EXPECT_EQ(refusal.maximum, rule.highest) << written;
        EXPECT_EQ(refusal.step, rule.step) << written;
    }
}

TEST_P(ValueCell, ReadsADecimalOnlyWhereTheColumnIsOne) {
    const ValueRule& rule = GetParam();
    const auto decimal = [&](int value) {
        const int scale = rule.pointScale;
        std::string fraction = std::to_string(value % scale);
        fraction.insert(0, std::to_string(scale).size() - 1 - fraction.size(), '0');
        return std::to_string(value / scale) + "." + fraction;
    };
    if (rule.pointScale == 0) {
        CellRefusal refusal;
        EXPECT_FALSE(Stored(rule, std::to_string(rule.lowest) + ".0", &refusal));
        EXPECT_EQ(refusal.kind, CellRefusalKind::ValueNotAllowed);
        return;
    }
    EXPECT_EQ(Stored(rule, decimal(rule.lowest)), std::to_string(rule.lowest));
    EXPECT_EQ(Stored(rule, decimal(rule.highest)), std::to_string(rule.highest));
    EXPECT_EQ(Stored(rule, decimal(rule.highest) + "000"), std::to_string(rule.highest));
    // Finer than the column's unit, or a step beyond its end, written as a decimal.
    for (const std::string& written :
         {decimal(rule.lowest) + "1", decimal(rule.highest + rule.step)}) {
        CellRefusal refusal;
        EXPECT_FALSE(Stored(rule, written, &refusal)) << written;
        EXPECT_EQ(refusal.kind, CellRefusalKind::ValueNotAllowed) << written;
    }
}

TEST_P(ValueCell, KeepsWhatTheCellHoldsEvenOutsideTheRange) {
    const ValueRule& rule = GetParam();
    const std::string outside = std::to_string(rule.highest + 1);
    EXPECT_EQ(Stored(rule, outside, nullptr, outside), outside);
    EXPECT_EQ(Stored(rule, "x", nullptr, "x"), "x");
}

INSTANTIATE_TEST_SUITE_P(BothGrids, ValueCell, ::testing::ValuesIn(ValueRules),
                         [](const ::testing::TestParamInfo<ValueRule>& info) {
                             return std::string(info.param.name);
                         });

TEST(LabelCell, TakesTheGridsLabelsAloneAndNamesThemWhenRefusing) {
    const std::vector<std::string> sides = {"右", "左", "両"};
    const std::vector<std::string> styles = {"右",   "左",   "右横", "左横", "右下",
                                             "左下", "右ま", "左ま", "右背", "左背"};
    for (const auto& [grid, column, labels] :
         {std::tuple{Grid::Batters, BatterColumn::Side, sides},
          std::tuple{Grid::Pitchers, PitcherColumn::Style, styles}}) {
        for (const std::string& label : labels) {
            const auto accepted = AcceptCellText(grid, column, " " + label + " ", "");
            ASSERT_TRUE(std::holds_alternative<AcceptedCell>(accepted)) << label;
            EXPECT_EQ(std::get<AcceptedCell>(accepted).text, label);
        }
        for (const char* written : {"R", "1", "右投", "　右", ""}) {
            const auto refused = AcceptCellText(grid, column, written, "左");
            ASSERT_TRUE(std::holds_alternative<CellRefusal>(refused)) << written;
            EXPECT_EQ(std::get<CellRefusal>(refused).kind, CellRefusalKind::NotALabel);
            EXPECT_EQ(std::get<CellRefusal>(refused).allowed, labels);
        }
    }
    // A side is no style, a style no side.
    EXPECT_TRUE(std::holds_alternative<CellRefusal>(
        AcceptCellText(Grid::Pitchers, PitcherColumn::Style, "両", "右")));
    EXPECT_TRUE(std::holds_alternative<CellRefusal>(
        AcceptCellText(Grid::Batters, BatterColumn::Side, "右下", "右")));
}

TEST(NameCell, StoresTheNormalizedNameAndRefusesWhatHasNoTileOrIsTooLong) {
    for (const Grid grid : {Grid::Batters, Grid::Pitchers}) {
        const int column = grid == Grid::Batters ? BatterColumn::Name : PitcherColumn::Name;
        const auto accept = [&](std::string_view written, std::string_view current = "") {
            const auto accepted = AcceptCellText(grid, column, written, current);
            return std::holds_alternative<AcceptedCell>(accepted)
                       ? std::get<AcceptedCell>(accepted)
                       : AcceptedCell{"refused: " + std::to_string(static_cast<int>(
                                                        std::get<CellRefusal>(accepted).kind))};
        };
        EXPECT_EQ(accept("ヤマダ").text, "やまた゛　");
        EXPECT_FALSE(accept("ヤマダ").nameSpellingChanged);
        EXPECT_EQ(accept("ちょう").text, "ちよう　　");
        EXPECT_TRUE(accept("ちょう").nameSpellingChanged);
        // A spreadsheet's number for a name of digits keeps the name.
        const AcceptedCell digits = accept("1234", "０１２３４");
        EXPECT_EQ(digits.text, "０１２３４");
        EXPECT_TRUE(digits.nameKeptFromNumber);

        const auto unknown = AcceptCellText(grid, column, "や山", "");
        ASSERT_TRUE(std::holds_alternative<CellRefusal>(unknown));
        EXPECT_EQ(std::get<CellRefusal>(unknown).kind, CellRefusalKind::NameUnknownCharacter);
        EXPECT_EQ(std::get<CellRefusal>(unknown).character, "山");
        EXPECT_EQ(std::get<CellRefusal>(unknown).position, 2);
        const auto tooLong = AcceptCellText(grid, column, "あいうえおか", "");
        ASSERT_TRUE(std::holds_alternative<CellRefusal>(tooLong));
        EXPECT_EQ(std::get<CellRefusal>(tooLong).kind, CellRefusalKind::NameTooLong);
        EXPECT_EQ(std::get<CellRefusal>(tooLong).tiles, 6);
    }
}

TEST(NoDataCell, RefusesEveryTextEvenTheOneItShows) {
    for (const auto& [grid, column] :
         {std::pair{Grid::Batters, 0}, std::pair{Grid::Batters, 10}, std::pair{Grid::Pitchers, 0},
          std::pair{Grid::Pitchers, 12}, std::pair{Grid::Pitchers, -1}}) {
        const auto refused = AcceptCellText(grid, column, "1", "1");
        ASSERT_TRUE(std::holds_alternative<CellRefusal>(refused)) << column;
        EXPECT_EQ(std::get<CellRefusal>(refused).kind, CellRefusalKind::NotACell);
    }
}
