// SPDX-License-Identifier: MIT
// A league file or a team CSV imported into an image, and text pasted into the shown team: what
// is read, written and changed, and what stops them, as data.

#include "ImageBuilder.h"
#include "Import.h"
#include "LeagueCsv.h"
#include "Paste.h"
#include "TeamReport.h"

#include <gtest/gtest.h>

using namespace plans;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace BatterColumn = teamdata::BatterColumn;
namespace PitcherColumn = teamdata::PitcherColumn;

const Bytes Source = ImageBuilder().FillValidTeams().Bytes();

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The plans are handed a decoder by their host; these tests read UTF-8 only.
ImportChoices Choices(std::optional<int> team = std::nullopt) {
    return {team, [](std::string_view) {
                ADD_FAILURE() << "a UTF-8 file was given to the Shift_JIS decoder";
                return std::string();
            }};
}

std::string TeamCsvOf(const teamdata::TeamTexts& team) {
    return reports::BuildCsv(reports::BatterGrid(team.batters),
                             reports::PitcherGrid(team.pitchers));
}

TEST(ImportPlan, OfALeagueFileWritesTheChangedTeamsOnly) {
    reports::LeagueTexts league = LeagueTextsOf(Source);
    league[4].batters[0][BatterColumn::Name - 1] = "あいうえお";
    league[11].pitchers[2][PitcherColumn::Era - 1] = "320";

    const ImportPlan plan = PlanImport(Source, BytesOf(reports::BuildLeagueCsv(league)), Choices());
    ASSERT_TRUE(plan.read.errors.empty());
    ASSERT_EQ(plan.writes.size(), 2u);
    EXPECT_EQ(plan.writes[0].team, 4);
    EXPECT_EQ(plan.writes[1].team, 11);
    EXPECT_EQ(LeagueTextsOf(plan.result), league);
    EXPECT_EQ(plan.changes, teamdata::CompareLeagues(Source, plan.result));
    EXPECT_EQ(plan.changes.size(), 2u);
    // Only the changed cells' bytes differ: the rest of each record stays as it was.
    std::size_t differing = 0;
    for (std::size_t i = 0; i < Source.size(); ++i)
        differing += Source[i] != plan.result[i];
    EXPECT_LE(differing, 7u);
}

TEST(ImportPlan, OfATeamCsvGoesIntoTheNamedTeamOrAsksForOne) {
    teamdata::TeamTexts team = LeagueTextsOf(Source)[7];
    team.batters[3][BatterColumn::HomeRuns - 1] = "40";
    const std::string csv = TeamCsvOf(team);

    const ImportPlan missing = PlanImport(Source, BytesOf(csv), Choices());
    EXPECT_TRUE(TeamMissing(missing));
    EXPECT_TRUE(missing.writes.empty());
    EXPECT_TRUE(missing.result.empty());

    const ImportPlan named = PlanImport(Source, BytesOf(csv), Choices(7));
    EXPECT_FALSE(TeamMissing(named));
    ASSERT_EQ(named.writes.size(), 1u);
    EXPECT_EQ(named.writes[0].team, 7);
    EXPECT_EQ(LeagueTextsOf(named.result)[7], team);
    ASSERT_EQ(named.changes.size(), 1u);
    const auto* cell = std::get_if<teamdata::CellChange>(&named.changes[0]);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->after, "40");
}

TEST(ImportPlan, RefusesACellWithTheRefusalOfTheCellRuleAndWritesNothing) {
    reports::LeagueTexts league = LeagueTextsOf(Source);
    league[2].pitchers[0][PitcherColumn::Era - 1] = "2.55";
    league[2].batters[1][BatterColumn::Side - 1] = "みぎ";

    const ImportPlan plan = PlanImport(Source, BytesOf(reports::BuildLeagueCsv(league)), Choices());
    ASSERT_EQ(plan.read.errors.size(), 2u);
    const reports::CsvIssue& side = plan.read.errors[0];
    ASSERT_EQ(side.kind, reports::CsvIssueKind::CellRefused);
    ASSERT_TRUE(side.cell);
    EXPECT_EQ(side.cell->grid, teamdata::Grid::Batters);
    EXPECT_EQ(side.cell->row, 2);
    EXPECT_EQ(side.cell->column, BatterColumn::Side);
    EXPECT_EQ(side.cell->text, "みぎ");
    EXPECT_EQ(side.cell->refusal.kind, teamdata::CellRefusalKind::NotALabel);
    EXPECT_EQ(side.cell->refusal.allowed.size(), 3u);
    const reports::CsvIssue& era = plan.read.errors[1];
    ASSERT_TRUE(era.cell);
    EXPECT_EQ(era.cell->grid, teamdata::Grid::Pitchers);
    EXPECT_EQ(era.cell->refusal.kind, teamdata::CellRefusalKind::ValueNotAllowed);
    EXPECT_GT(era.cell->refusal.step, 1);
    EXPECT_FALSE(TeamMissing(plan));
    EXPECT_TRUE(plan.writes.empty());
    EXPECT_TRUE(plan.result.empty());
    EXPECT_TRUE(plan.changes.empty());
}

TEST(ImportPlan, OfAFileTheImageAlreadyHoldsWritesNothing) {
    const ImportPlan plan =
        PlanImport(Source, BytesOf(reports::BuildLeagueCsv(LeagueTextsOf(Source))), Choices());
    EXPECT_TRUE(plan.read.errors.empty());
    EXPECT_EQ(plan.read.teams.size(), static_cast<std::size_t>(teamdata::TeamCount));
    EXPECT_TRUE(plan.writes.empty());
    EXPECT_TRUE(plan.changes.empty());
    EXPECT_EQ(plan.result, Source);
}

TEST(PastePlan, DecidesBetweenATeamCsvABlockOfCellsAndNothing) {
    const teamdata::TeamTexts shown = LeagueTextsOf(Source)[0];
    PasteChoices how;
    how.target = {teamdata::Grid::Batters, BatterColumn::HomeRuns, 2};
    how.largest = 4096;
    how.shownTeam = 0;

    EXPECT_EQ(PlanPaste(std::string(4097, '1'), shown, how).decision, PasteDecision::TooLarge);

    const PastePlan block = PlanPaste("40\t", shown, how);
    ASSERT_EQ(block.decision, PasteDecision::Apply);
    EXPECT_EQ(block.read.texts.batters[1][BatterColumn::HomeRuns - 1], "40");
    const std::string now = shown.batters[1][BatterColumn::HomeRuns - 1];
    EXPECT_EQ(PlanPaste(now, shown, how).decision, PasteDecision::Unchanged);

    const PastePlan refused = PlanPaste("x", shown, how);
    ASSERT_EQ(refused.decision, PasteDecision::Refused);
    ASSERT_EQ(refused.read.problems.size(), 1u);
    ASSERT_TRUE(refused.read.problems[0].cell);
    EXPECT_EQ(refused.read.problems[0].cell->refusal.kind, teamdata::CellRefusalKind::NotANumber);
    EXPECT_EQ(refused.read.texts, shown);

    // A whole team goes the way of the team CSV import, into the shown team whatever it names.
    teamdata::TeamTexts other = LeagueTextsOf(Source)[5];
    const PastePlan team = PlanPaste(TeamCsvOf(other), shown, how);
    ASSERT_EQ(team.decision, PasteDecision::TeamCsv);
    ASSERT_TRUE(team.teamCsv);
    ASSERT_EQ(team.teamCsv->decision, TeamCsvDecision::Apply);
    EXPECT_FALSE(team.teamCsv->ForAnotherTeam(0));
    other.colors = shown.colors;
    EXPECT_EQ(team.teamCsv->Team().texts, other);
}

TEST(TeamCsvPlan, ListsTheShownTeamsChangesAndRefusesALeagueFile) {
    const reports::LeagueTexts league = LeagueTextsOf(Source);
    teamdata::TeamTexts shown = league[3];
    shown.batters[0][BatterColumn::HomeRuns - 1] = "12"; // an unsaved edit
    teamdata::TeamTexts imported = shown;
    imported.batters[1][BatterColumn::Name - 1] = "かきくけこ";

    const TeamCsvPlan plan = PlanTeamCsvImport(TeamCsvOf(imported), shown, 3, Choices().decodeText);
    ASSERT_EQ(plan.decision, TeamCsvDecision::Apply);
    EXPECT_EQ(plan.Team().texts, imported);
    // The unsaved edit is no change of the import's.
    const std::vector<teamdata::LeagueChange> changes =
        ShownTeamChanges(Source, 3, shown, plan.Team().texts);
    ASSERT_EQ(changes.size(), 1u);
    const auto* cell = std::get_if<teamdata::CellChange>(&changes[0]);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->after, "かきくけこ");

    EXPECT_EQ(
        PlanTeamCsvImport(reports::BuildLeagueCsv(league), shown, 3, Choices().decodeText).decision,
        TeamCsvDecision::NotOneTeam);
}

} // namespace
