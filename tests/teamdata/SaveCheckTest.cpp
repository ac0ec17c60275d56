// SPDX-License-Identifier: MIT
#include "SaveCheck.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

using namespace teamdata;
using testsupport::ImageBuilder;

namespace {

// The texts a team shows on screen, taken from the sample team that every editor accepts.
struct ShownTeam {
    BatterRows batters;
    PitcherRows pitchers;

    explicit ShownTeam(int team = 4) {
        for (int i = 0; i < BatterCount; ++i)
            batters[static_cast<std::size_t>(i)] =
                BatterRowFromBytes(ImageBuilder::ValidBatter(team, i));
        for (int i = 0; i < PitcherCount; ++i)
            pitchers[static_cast<std::size_t>(i)] =
                PitcherRowFromBytes(ImageBuilder::ValidPitcher(team, i));
    }

    std::string& Batter(int row, int column) {
        return batters[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    }
    std::string& Pitcher(int row, int column) {
        return pitchers[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    }

    [[nodiscard]] SaveRefusal Check() const { return CheckTeamTexts(batters, pitchers); }
};

} // namespace

TEST(SaveCheck, AcceptsEveryTeamAsShown) {
    for (int team = 0; team < TeamCount; ++team)
        EXPECT_EQ(ShownTeam(team).Check(), SaveRefusal::None) << "team " << team;
}

TEST(SaveCheck, RefusesANameThatDoesNotEncodeInAnyRow) {
    const char* badNames[] = {"カタカナ　", "あいうえ", "あいうえおか", "ABCDE", "", "＊あいうえ"};
    for (const char* name : badNames) {
        for (int row : {1, 8, 9, 13}) {
            ShownTeam texts;
            texts.Batter(row, BatterColumn::Name) = name;
            EXPECT_EQ(texts.Check(), SaveRefusal::RecordNotWritable)
                << "batter row " << row << " " << name;
        }
        for (int row : {1, 5}) {
            ShownTeam texts;
            texts.Pitcher(row, PitcherColumn::Name) = name;
            EXPECT_EQ(texts.Check(), SaveRefusal::RecordNotWritable)
                << "pitcher row " << row << " " << name;
        }
    }
}

TEST(SaveCheck, RefusesAStyleThatIsNoneOfTheTenLabels) {
    for (const char* style : {"右上", "", "右 ", "ま", "左背 "}) {
        ShownTeam texts;
        texts.Pitcher(3, PitcherColumn::Style) = style;
        EXPECT_EQ(texts.Check(), SaveRefusal::RecordNotWritable) << style;
    }
}

TEST(SaveCheck, AcceptsTextsThatAreStoredLeniently) {
    // Side, numbers and the bench's positions never stop a save: they are stored by the lenient
    // rules, whatever they hold.
    ShownTeam texts;
    texts.Batter(2, BatterColumn::Side) = "？";
    texts.Batter(3, BatterColumn::Average) = "abc";
    texts.Batter(13, BatterColumn::Position) = "";
    texts.Batter(9, BatterColumn::Position) = texts.Batter(1, BatterColumn::Position);
    texts.Pitcher(2, PitcherColumn::Era) = "-5";
    texts.Pitcher(4, PitcherColumn::Fork) = "999";
    EXPECT_EQ(texts.Check(), SaveRefusal::None);
}

TEST(SaveCheck, RefusesABattingOrderWithoutEachFieldingPositionOnce) {
    {
        ShownTeam texts;
        texts.Batter(8, BatterColumn::Position) = texts.Batter(1, BatterColumn::Position);
        EXPECT_EQ(texts.Check(), SaveRefusal::FieldingPositions) << "duplicate";
    }
    {
        ShownTeam texts;
        texts.Batter(4, BatterColumn::Position) = "1";
        EXPECT_EQ(texts.Check(), SaveRefusal::FieldingPositions) << "pitcher's position";
    }
    {
        // The first bench row is not part of the order: handing it a position of the order
        // does not make up for the one the order lacks.
        ShownTeam texts;
        texts.Batter(9, BatterColumn::Position) = texts.Batter(5, BatterColumn::Position);
        texts.Batter(5, BatterColumn::Position) = "0";
        EXPECT_EQ(texts.Check(), SaveRefusal::FieldingPositions) << "from the bench";
    }
}

TEST(SaveCheck, AcceptsTheBattingOrderInAnyOrderOfPositions) {
    ShownTeam texts;
    std::swap(texts.Batter(1, BatterColumn::Position), texts.Batter(8, BatterColumn::Position));
    std::swap(texts.Batter(2, BatterColumn::Position), texts.Batter(5, BatterColumn::Position));
    EXPECT_EQ(texts.Check(), SaveRefusal::None);
}

TEST(SaveCheck, ReportsTheFirstRefusalInTheOrderASaveWrites) {
    // Batters come before the batting order's positions, and those before the pitchers.
    ShownTeam texts;
    texts.Pitcher(1, PitcherColumn::Style) = "右上";
    texts.Batter(2, BatterColumn::Position) = texts.Batter(3, BatterColumn::Position);
    EXPECT_EQ(texts.Check(), SaveRefusal::FieldingPositions);
    texts.Batter(13, BatterColumn::Name) = "あいうえ";
    EXPECT_EQ(texts.Check(), SaveRefusal::RecordNotWritable);

    ShownTeam pitcherOnly;
    pitcherOnly.Pitcher(5, PitcherColumn::Name) = "あいうえ";
    pitcherOnly.Batter(7, BatterColumn::Position) = "9";
    pitcherOnly.Batter(8, BatterColumn::Position) = "9";
    EXPECT_EQ(pitcherOnly.Check(), SaveRefusal::FieldingPositions);
}
