// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "GridCaptions.h"
#include "RecordLayout.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string_view>
#include <vector>

using namespace teamdata;

namespace {

// Every field byte differs from every other, so a byte read into the wrong member shows.
template <typename Fields> Fields DistinctFields() {
    Fields fields{};
    std::iota(fields.begin(), fields.end(), std::uint8_t{0x41});
    return fields;
}

// How many columns read each record byte behind the lead byte.
std::vector<int> ReadersPerByte(const auto& columns, std::size_t recordSize) {
    std::vector<int> readers(recordSize, 0);
    for (const Column& column : columns)
        for (std::size_t b = column.firstByte; b <= column.lastByte && b < recordSize; ++b)
            ++readers[b];
    return readers;
}

} // namespace

TEST(ColumnTable, GivesTheHeadersTheWindowAndTheCsvFilesHaveAlwaysShown) {
    const std::vector<std::string_view> batters(BatterHeaders.begin(), BatterHeaders.end());
    EXPECT_EQ(batters, (std::vector<std::string_view>{"打者", "名　　前　", "打席　", "人気",
                                                      "守備位置", "打　率", "本　塁　打",
                                                      "　走　力　", "守　備　力", "　肩　"}));
    const std::vector<std::string_view> pitchers(PitcherHeaders.begin(), PitcherHeaders.end());
    EXPECT_EQ(pitchers,
              (std::vector<std::string_view>{"投手", "名　　前　", "投法　", "人気", "防御率 ",
                                             "スタミナ", "球速（速）", "球速（中）", "球速（遅）",
                                             "右変化", "左変化", "フォーク"}));
}

TEST(ColumnTable, HasNoColumnForTheLabelsTheUnusedBatterColumnsOrBeyond) {
    for (int column : {0, 10, 11, 12, -1})
        EXPECT_EQ(ColumnOf(Grid::Batters, column), nullptr) << column;
    for (int column : {0, 12, -1})
        EXPECT_EQ(ColumnOf(Grid::Pitchers, column), nullptr) << column;
    ASSERT_NE(ColumnOf(Grid::Pitchers, PitcherColumn::Fork), nullptr);
    EXPECT_EQ(ColumnOf(Grid::Pitchers, PitcherColumn::Fork)->header, "フォーク");
}

TEST(ColumnTable, ReadsEveryRecordByteButTheLeadIntoSomeColumn) {
    const std::vector<int> batters = ReadersPerByte(BatterColumns, BatterRecordSize);
    const std::vector<int> pitchers = ReadersPerByte(PitcherColumns, PitcherRecordSize);
    EXPECT_EQ(batters[0], 0);
    EXPECT_EQ(pitchers[0], 0);
    for (std::size_t b = 1; b < batters.size(); ++b)
        EXPECT_EQ(batters[b], b == 7 ? 2 : 1) << "batter byte " << b; // popularity and position
    for (std::size_t b = 1; b < pitchers.size(); ++b)
        EXPECT_EQ(pitchers[b], 1) << "pitcher byte " << b;
}

TEST(ColumnTable, GivesEveryValueColumnAndOnlyThoseARange) {
    const auto expectRanges = [](const auto& columns) {
        for (const Column& column : columns)
            EXPECT_EQ(column.value.has_value(), column.kind == ColumnKind::Value) << column.header;
    };
    expectRanges(BatterColumns);
    expectRanges(PitcherColumns);
}

TEST(RecordLayout, PutsEachFieldByteIntoItsMemberAndBackInRecordOrder) {
    const BatterFields batterFields = DistinctFields<BatterFields>();
    const BatterBytes batter = BatterOfFields(batterFields);
    EXPECT_EQ(batter.tiles[0], 0x41);
    EXPECT_EQ(batter.side, 0x46);
    EXPECT_EQ(batter.popularityPosition, 0x47);
    EXPECT_EQ(batter.averageCode, 0x48);
    EXPECT_EQ(batter.arm, 0x4C);
    EXPECT_EQ(FieldsOf(batter), batterFields);

    const PitcherFields pitcherFields = DistinctFields<PitcherFields>();
    const PitcherBytes pitcher = PitcherOfFields(pitcherFields);
    EXPECT_EQ(pitcher.tiles[4], 0x45);
    EXPECT_EQ(pitcher.style, 0x46);
    EXPECT_EQ(pitcher.eraCode, 0x48);
    EXPECT_EQ(pitcher.rightBreak, 0x4D);
    EXPECT_EQ(pitcher.fork, 0x4F);
    EXPECT_EQ(FieldsOf(pitcher), pitcherFields);
}
