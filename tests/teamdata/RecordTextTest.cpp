// SPDX-License-Identifier: MIT
#include "RecordText.h"

#include <gtest/gtest.h>

#include <string>

using namespace teamdata;

namespace {

const NameTiles SampleName = {45, 86, 70, 36, 36}; // か゛ま

BatterBytes SampleBatter() {
    BatterBytes b;
    b.tiles = SampleName;
    b.side = 1;
    b.popularityPosition = 0xA9;
    b.averageCode = 50;
    b.homeRuns = 31;
    b.speed = 12;
    b.fielding = 4;
    b.arm = 3;
    return b;
}

PitcherBytes SamplePitcher() {
    PitcherBytes p;
    p.tiles = SampleName;
    p.style = 0x81;
    p.popularity = 0x51;
    p.eraCode = 25;
    p.stamina = 18;
    p.fast = 150;
    p.medium = 130;
    p.slow = 100;
    p.rightBreak = 12;
    p.leftBreak = 4;
    p.fork = 32;
    return p;
}

BatterBytes BatterThroughTexts(const BatterBytes& bytes) {
    const std::optional<BatterBytes> again = BatterBytesFromRow(BatterRowFromBytes(bytes));
    EXPECT_TRUE(again.has_value());
    return again.value_or(BatterBytes{});
}

PitcherBytes PitcherThroughTexts(const PitcherBytes& bytes) {
    const std::optional<PitcherBytes> again = PitcherBytesFromRow(PitcherRowFromBytes(bytes));
    EXPECT_TRUE(again.has_value());
    return again.value_or(PitcherBytes{});
}

} // namespace

TEST(RecordText, ShowsABatterRowAsPlainDecimalTexts) {
    const BatterRowTexts row = BatterRowFromBytes(SampleBatter());
    EXPECT_EQ(row, (BatterRowTexts{"か゛ま　　", "左", "10", "9", "250", "31", "12", "4", "3"}));
}

TEST(RecordText, ShowsAPitcherRowAsPlainDecimalTexts) {
    const PitcherRowTexts row = PitcherRowFromBytes(SamplePitcher());
    EXPECT_EQ(row, (PitcherRowTexts{"か゛ま　　", "左横", "5", "250", "18", "150", "130", "100",
                                    "12", "4", "32"}));
}

TEST(RecordText, SharesPopularityAndPositionInOneBatterByte) {
    EXPECT_EQ(BatterPopularity(0xA9), 10);
    EXPECT_EQ(FieldingPosition(0xA9), 9);
    EXPECT_EQ(PopularityPositionByte("10", "9"), 0xA9);
    EXPECT_EQ(PopularityPositionByte("16", "1"), 0x01); // popularity wraps out of the byte
    EXPECT_EQ(PopularityPositionByte("1", "17"), 0x21); // a position carries into popularity
    EXPECT_EQ(PopularityPositionByte("0", "-1"), 0xFF);
}

struct AverageCase {
    const char* text;
    std::uint8_t code;
};

void PrintTo(const AverageCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class BattingAverageStoring : public testing::TestWithParam<AverageCase> {};

TEST_P(BattingAverageStoring, StoresTheCodeOfTheText) {
    EXPECT_EQ(BattingAverageCode(GetParam().text), GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BattingAverageStoring,
    testing::Values(AverageCase{"250", 50}, AverageCase{"251", 50}, AverageCase{"404", 127},
                    AverageCase{"550", 72}, AverageCase{"150", 0}, AverageCase{"148", 127},
                    AverageCase{"406", 0}, AverageCase{"", 53}, AverageCase{"-106", 0},
                    AverageCase{"-107", 127}, AverageCase{"-2147483648", 53},
                    AverageCase{"2147483647", 52}, AverageCase{"99999999999", 52}));

TEST(RecordText, ShowsEveryAverageCodeInThousandths) {
    EXPECT_EQ(BattingAverage(0), 150);
    EXPECT_EQ(BattingAverage(50), 250);
    EXPECT_EQ(BattingAverage(127), 404);
    EXPECT_EQ(BattingAverage(200), 550);
    EXPECT_EQ(BattingAverage(255), 660);
}

TEST(RecordText, StoresEveryEvenAverageOfTheEditorExactly) {
    for (int average = 200; average <= 400; average += 2)
        EXPECT_EQ(BattingAverage(BattingAverageCode(std::to_string(average))), average);
}

TEST(RecordText, ConvertsPitcherPopularityBothWays) {
    EXPECT_EQ(PitcherPopularity(0x51), 5);
    EXPECT_EQ(PitcherPopularityByte("5"), 0x51);
    EXPECT_EQ(PitcherPopularity(0x50), 4);
    EXPECT_EQ(PitcherPopularityByte("4"), 0x41);
    EXPECT_EQ(PitcherPopularity(0), 0);
    EXPECT_EQ(PitcherPopularityByte("0"), 0x01);
    EXPECT_EQ(PitcherPopularityByte("16"), 0x01);
    EXPECT_EQ(PitcherPopularityByte("-1"), 0xF1);
}

TEST(RecordText, ConvertsTheEarnedRunAverageBothWays) {
    EXPECT_EQ(EarnedRunAverage(25), 250);
    EXPECT_EQ(EarnedRunAverage(255), 2550);
    EXPECT_EQ(EarnedRunAverageCode("250"), 25);
    EXPECT_EQ(EarnedRunAverageCode("255"), 25);
    EXPECT_EQ(EarnedRunAverageCode("2560"), 0);
    EXPECT_EQ(EarnedRunAverageCode("-9"), 0); // the quotient is cut toward zero
    EXPECT_EQ(EarnedRunAverageCode("-10"), 0xFF);
    for (int era = 0; era <= 990; era += 10)
        EXPECT_EQ(EarnedRunAverage(EarnedRunAverageCode(std::to_string(era))), era);
}

TEST(RecordText, StoresOnlyTheLowBitsOfNumbersBeyondTheIntRange) {
    // Saturating at the int range would have made these 255, 255 and 25.
    EXPECT_EQ(PlainByte("4294967296"), 0);
    EXPECT_EQ(PopularityPositionByte("4294967296", "4294967305"), 9);
    EXPECT_EQ(EarnedRunAverageCode("99999999999999999999"), 255);
    EXPECT_EQ(EarnedRunAverageCode("42949672960"), 0);
    EXPECT_EQ(EarnedRunAverageCode("-99999999999999999999"), 1);
}

TEST(RecordText, ConvertsTheBattingSide) {
    EXPECT_EQ(SideText(0), "右");
    EXPECT_EQ(SideText(1), "左");
    EXPECT_EQ(SideText(2), "両");
    EXPECT_EQ(SideText(7), "両");
    EXPECT_EQ(SideCode("右"), 0);
    EXPECT_EQ(SideCode("左"), 1);
    EXPECT_EQ(SideCode("両"), 2);
    EXPECT_EQ(SideCode(""), 2);
    EXPECT_EQ(SideCode("右 "), 2);
}

TEST(RecordText, ConvertsEveryPitchingStyleBothWays) {
    const char* const labels[] = {"右",   "左",   "右横", "左横", "右下",
                                  "左下", "右ま", "左ま", "右背", "左背"};
    const std::uint8_t codes[] = {0x00, 0x01, 0x80, 0x81, 0xC0, 0xC1, 0x10, 0x11, 0x20, 0x21};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(PitchingStyles[i].code, codes[i]);
        EXPECT_EQ(PitchingStyles[i].label, labels[i]);
        EXPECT_EQ(StyleLabel(codes[i]), labels[i]);
        EXPECT_EQ(StyleCode(labels[i]), codes[i]);
    }
    EXPECT_EQ(StyleLabel(0x40), "左背");
    EXPECT_EQ(StyleLabel(0xFF), "左背");
    EXPECT_EQ(StyleCode("上"), std::nullopt);
    EXPECT_EQ(StyleCode(""), std::nullopt);
    EXPECT_EQ(StyleCode("右横 "), std::nullopt);
}

// The columns whose text is simply the byte: one rule, checked on every such column.
struct PlainBatterColumn {
    int column;
    std::uint8_t BatterBytes::*field;
};
struct PlainPitcherColumn {
    int column;
    std::uint8_t PitcherBytes::*field;
};

void PrintTo(const PlainBatterColumn& c, std::ostream* os) {
    *os << "column " << c.column;
}
void PrintTo(const PlainPitcherColumn& c, std::ostream* os) {
    *os << "column " << c.column;
}

class PlainBatterColumns : public testing::TestWithParam<PlainBatterColumn> {};
class PlainPitcherColumns : public testing::TestWithParam<PlainPitcherColumn> {};

TEST_P(PlainBatterColumns, StoreTheLowEightBitsOfTheLenientNumber) {
    const auto [column, field] = GetParam();
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"0", 0},  {"59", 59},  {"255", 255}, {"256", 0},        {"300", 44},      {" 12ab", 12},
        {"ab", 0}, {"-1", 255}, {"+7", 7},    {"4294967296", 0}, {"4294967297", 1}};
    for (const auto& [text, expected] : cases) {
        BatterRowTexts row = BatterRowFromBytes(SampleBatter());
        row[static_cast<std::size_t>(column - 1)] = text;
        const std::optional<BatterBytes> bytes = BatterBytesFromRow(row);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ((*bytes).*field, expected) << "column " << column << " text '" << text << "'";
    }
}

TEST_P(PlainBatterColumns, KeepEveryByteThroughShowingAndStoring) {
    const auto [column, field] = GetParam();
    for (int value = 0; value < 256; ++value) {
        BatterBytes bytes = SampleBatter();
        bytes.*field = static_cast<std::uint8_t>(value);
        EXPECT_EQ(BatterThroughTexts(bytes), bytes) << "column " << column << " byte " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    HomeRunsSpeedFieldingArm, PlainBatterColumns,
    testing::Values(PlainBatterColumn{BatterColumn::HomeRuns, &BatterBytes::homeRuns},
                    PlainBatterColumn{BatterColumn::Speed, &BatterBytes::speed},
                    PlainBatterColumn{BatterColumn::Fielding, &BatterBytes::fielding},
                    PlainBatterColumn{BatterColumn::Arm, &BatterBytes::arm}));

TEST_P(PlainPitcherColumns, StoreTheLowEightBitsOfTheLenientNumber) {
    const auto [column, field] = GetParam();
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"0", 0}, {"194", 194}, {"256", 0}, {"511", 255}, {"\t 32x", 32}, {"x32", 0}, {"-2", 254}};
    for (const auto& [text, expected] : cases) {
        PitcherRowTexts row = PitcherRowFromBytes(SamplePitcher());
        row[static_cast<std::size_t>(column - 1)] = text;
        const std::optional<PitcherBytes> bytes = PitcherBytesFromRow(row);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ((*bytes).*field, expected) << "column " << column << " text '" << text << "'";
    }
}

TEST_P(PlainPitcherColumns, KeepEveryByteThroughShowingAndStoring) {
    const auto [column, field] = GetParam();
    for (int value = 0; value < 256; ++value) {
        PitcherBytes bytes = SamplePitcher();
        bytes.*field = static_cast<std::uint8_t>(value);
        EXPECT_EQ(PitcherThroughTexts(bytes), bytes) << "column " << column << " byte " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StaminaSpeedsBreaks, PlainPitcherColumns,
    testing::Values(PlainPitcherColumn{PitcherColumn::Stamina, &PitcherBytes::stamina},
                    PlainPitcherColumn{PitcherColumn::Fast, &PitcherBytes::fast},
                    PlainPitcherColumn{PitcherColumn::Medium, &PitcherBytes::medium},
                    PlainPitcherColumn{PitcherColumn::Slow, &PitcherBytes::slow},
                    PlainPitcherColumn{PitcherColumn::RightBreak, &PitcherBytes::rightBreak},
                    PlainPitcherColumn{PitcherColumn::LeftBreak, &PitcherBytes::leftBreak},
                    PlainPitcherColumn{PitcherColumn::Fork, &PitcherBytes::fork}));

TEST(RecordText, ChangesOnlyTheBytesThatHaveNoTextOfTheirOwn) {
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);

        BatterBytes batter = SampleBatter();
        batter.side = byte;
        EXPECT_EQ(BatterThroughTexts(batter).side, value < 2 ? byte : 2);
        batter = SampleBatter();
        batter.popularityPosition = byte;
        EXPECT_EQ(BatterThroughTexts(batter).popularityPosition, byte);
        batter = SampleBatter();
        batter.averageCode = byte;
        EXPECT_EQ(BatterThroughTexts(batter).averageCode, value < 128 ? byte : value - 128);

        PitcherBytes pitcher = SamplePitcher();
        pitcher.style = byte;
        EXPECT_EQ(PitcherThroughTexts(pitcher).style, StyleCode(StyleLabel(byte)).value());
        pitcher = SamplePitcher();
        pitcher.eraCode = byte;
        EXPECT_EQ(PitcherThroughTexts(pitcher).eraCode, byte);
        pitcher = SamplePitcher();
        pitcher.popularity = byte;
        EXPECT_EQ(PitcherThroughTexts(pitcher).popularity,
                  value == 0 ? 1 : 16 * ((value - 1) / 16) + 1);
    }
    PitcherBytes pitcher = SamplePitcher();
    pitcher.style = 0x40;
    EXPECT_EQ(PitcherThroughTexts(pitcher).style, 0x21);
}

TEST(RecordText, RefusesARowWhoseNameDoesNotEncode) {
    BatterBytes batter = SampleBatter();
    batter.tiles[2] = 38;
    const BatterRowTexts batterRow = BatterRowFromBytes(batter);
    EXPECT_EQ(batterRow[0], "か゛＊　　");
    EXPECT_EQ(BatterBytesFromRow(batterRow), std::nullopt);

    PitcherBytes pitcher = SamplePitcher();
    pitcher.tiles[4] = 250;
    EXPECT_EQ(PitcherBytesFromRow(PitcherRowFromBytes(pitcher)), std::nullopt);
}

TEST(RecordText, RefusesAPitcherRowWithAnUnknownStyle) {
    PitcherRowTexts row = PitcherRowFromBytes(SamplePitcher());
    row[PitcherColumn::Style - 1] = "右上";
    EXPECT_EQ(PitcherBytesFromRow(row), std::nullopt);
}

TEST(BattingOrder, AcceptsThePositionsTwoToNineOnceEachInAnyOrder) {
    EXPECT_TRUE(BattingOrderPositionsValid({"2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_TRUE(BattingOrderPositionsValid({"8", "6", "9", "3", "7", "5", "2", "4"}));
    EXPECT_TRUE(BattingOrderPositionsValid({" 8", "6x", "+9", "3", "7", "5", "2", "4"}));
}

TEST(BattingOrder, RefusesMissingRepeatedOrForeignPositions) {
    EXPECT_FALSE(BattingOrderPositionsValid({"2", "2", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(BattingOrderPositionsValid({"1", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(BattingOrderPositionsValid({"10", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(BattingOrderPositionsValid({"", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(BattingOrderPositionsValid({"-2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(BattingOrderPositionsValid({"18", "3", "4", "5", "6", "7", "8", "9"}));
}
