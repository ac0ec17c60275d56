// SPDX-License-Identifier: MIT
// An image opened and a team saved, decided before anything is shown or written: which images are
// refused and which asked about, and which saves are refused at which cell.

#include "ImageBuilder.h"
#include "Open.h"
#include "Save.h"

#include <gtest/gtest.h>

using namespace plans;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Sound = ImageBuilder().FillValidTeams().SetColors(5, 0x16, 0x30).Bytes();

TEST(OpenPlan, GivesASoundImageWithEveryTeamAsItHoldsThem) {
    const OpenPlan plan = PlanOpen(Sound);
    EXPECT_EQ(plan.Verdict(), OpenVerdict::Open);
    EXPECT_EQ(plan.check.doubt, teamdata::ImageDoubt::None);
    EXPECT_EQ(plan.bytes, Sound);
    ASSERT_EQ(plan.records.size(), static_cast<std::size_t>(teamdata::TeamCount));
    ASSERT_EQ(plan.texts.size(), static_cast<std::size_t>(teamdata::TeamCount));
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const auto index = static_cast<std::size_t>(team);
        EXPECT_EQ(plan.texts[index], teamdata::TextsOf(teamdata::TeamRecordsAt(Sound, team)));
    }
    EXPECT_EQ(plan.texts[5].colors, (teamdata::TeamColors{0x16, 0x30}));
}

TEST(OpenPlan, AsksAboutAnImageUnlikeThisGamesButStillReadsItsTeams) {
    Bytes longer = Sound;
    longer.push_back(0);
    const OpenPlan plan = PlanOpen(longer);
    EXPECT_EQ(plan.Verdict(), OpenVerdict::AskFirst);
    EXPECT_TRUE(plan.Questionable());
    EXPECT_EQ(plan.check.doubt, teamdata::ImageDoubt::LengthMismatch);
    EXPECT_EQ(plan.check.actualSize, Sound.size() + 1);
    EXPECT_EQ(plan.texts.size(), static_cast<std::size_t>(teamdata::TeamCount));
}

TEST(OpenPlan, RefusesNoImageAShortOneAndAFileNotReadWhole) {
    Bytes noMagic = Sound;
    noMagic[0] = 'X';
    const OpenPlan refused = PlanOpen(noMagic);
    EXPECT_EQ(refused.Verdict(), OpenVerdict::Refused);
    EXPECT_EQ(refused.check.doubt, teamdata::ImageDoubt::NoInesMagic);
    EXPECT_TRUE(refused.records.empty());
    EXPECT_TRUE(refused.texts.empty());

    const OpenPlan shortOne = PlanOpen(Bytes(Sound.begin(), Sound.begin() + 1000));
    EXPECT_EQ(shortOne.Verdict(), OpenVerdict::Refused);
    EXPECT_EQ(shortOne.check.doubt, teamdata::ImageDoubt::TooShort);

    // Whatever part of a file arrived, a read that failed shows nothing of it.
    const OpenPlan tooLarge = PlanOpen(Sound, teamdata::FileRead::TooLarge);
    EXPECT_EQ(tooLarge.Verdict(), OpenVerdict::Refused);
    EXPECT_EQ(tooLarge.read, teamdata::FileRead::TooLarge);
    EXPECT_TRUE(tooLarge.texts.empty());
}

teamdata::TeamTexts TeamOf(int team) {
    return teamdata::TextsOf(teamdata::TeamRecordsAt(Sound, team));
}

TEST(SavePlan, WritesTheShownTextsOfASoundTeamIntoItsRecords) {
    teamdata::TeamTexts team = TeamOf(3);
    team.colors = {0x21, 0x22};
    const SavePlan plan = PlanSave(3, team);
    EXPECT_EQ(plan.refusal, teamdata::SaveRefusal::None);
    EXPECT_FALSE(plan.cell);
    ASSERT_TRUE(plan.write);
    EXPECT_EQ(plan.write->team, 3);
    EXPECT_EQ(std::get<teamdata::TeamTexts>(plan.write->content), team);
}

TEST(SavePlan, RefusesTheFirstNameThatCannotBeWrittenAtItsCell) {
    teamdata::TeamTexts team = TeamOf(0);
    // A style that is no label comes before the name in the rows, but the name is the one named.
    team.pitchers[0][teamdata::PitcherColumn::Style - 1] = "上投";
    team.pitchers[2][teamdata::PitcherColumn::Name - 1] = "ア＊イ";
    const SavePlan plan = PlanSave(0, team);
    EXPECT_EQ(plan.refusal, teamdata::SaveRefusal::RecordNotWritable);
    EXPECT_FALSE(plan.write);
    ASSERT_TRUE(plan.cell);
    EXPECT_EQ(plan.cell->grid, teamdata::Grid::Pitchers);
    EXPECT_EQ(plan.cell->row, 3);
    EXPECT_EQ(plan.cell->column, teamdata::PitcherColumn::Name);
    EXPECT_EQ(plan.cell->text, "ア＊イ");
    EXPECT_EQ(plan.cell->refusal.kind, teamdata::CellRefusalKind::NameUnknownCharacter);

    team.pitchers[2] = TeamOf(0).pitchers[2];
    const SavePlan style = PlanSave(0, team);
    ASSERT_TRUE(style.cell);
    EXPECT_EQ(style.cell->row, 1);
    EXPECT_EQ(style.cell->column, teamdata::PitcherColumn::Style);
    EXPECT_EQ(style.cell->refusal.kind, teamdata::CellRefusalKind::NotALabel);
    EXPECT_FALSE(style.cell->refusal.allowed.empty());
}

TEST(SavePlan, RefusesABattingOrderWithoutEveryPositionOnce) {
    teamdata::TeamTexts team = TeamOf(1);
    std::swap(team.batters[1], team.batters[8]); // a bench player, who holds no fielding position
    const SavePlan plan = PlanSave(1, team);
    EXPECT_EQ(plan.refusal, teamdata::SaveRefusal::FieldingPositions);
    EXPECT_FALSE(plan.write);
    EXPECT_FALSE(plan.cell);
    const teamdata::PositionProblems expected = teamdata::FindPositionProblems(team.batters);
    EXPECT_EQ(plan.positions.missing, expected.missing);
    EXPECT_EQ(plan.positions.repeated, expected.repeated);
    EXPECT_EQ(plan.positions.outsideRows, expected.outsideRows);
    EXPECT_FALSE(expected.missing.empty() && expected.repeated.empty() &&
                 expected.outsideRows.empty());
}

} // namespace
