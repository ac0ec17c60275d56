// SPDX-License-Identifier: MIT
// An image edited in memory as the browser page edits it: every kind of edit by the window's
// rules, undo and redo of whole steps, the save's checks, and the saved bytes against what an
// import of the same cells writes.

#include "EditSession.h"
#include "ImageBuilder.h"
#include "LeagueCsv.h"
#include "NameNormalizer.h"

#include <gtest/gtest.h>

#include <random>

using namespace plans;
using teamdata::Grid;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace BatterColumn = teamdata::BatterColumn;
namespace PitcherColumn = teamdata::PitcherColumn;

const Bytes Source = ImageBuilder().FillValidTeams().Bytes();

std::string Cell(const EditSession& session, Grid grid, int row, int column) {
    const auto r = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    return grid == Grid::Batters ? session.Shown().batters[r][c] : session.Shown().pitchers[r][c];
}

// What the command line's import writes for the same cells: the league file of the image with
// the edited team in it.
Bytes ImportedImage(int team, const teamdata::TeamTexts& texts) {
    reports::LeagueTexts league = LeagueTextsOf(Source);
    league[static_cast<std::size_t>(team)] = texts;
    const std::string file = reports::BuildLeagueCsv(league);
    ImportChoices how;
    how.decodeText = [](std::string_view bytes) {
        return std::string(bytes);
    };
    const ImportPlan plan =
        PlanImport(Source, {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, how);
    EXPECT_TRUE(plan.read.errors.empty());
    return plan.writes.empty() ? Source : plan.result;
}

TEST(EditSession, EditsEveryKindOfCellByTheWindowsRules) {
    EditSession session(Source);
    EXPECT_FALSE(session.Unsaved());

    // A name goes through the normalizer: katakana and small kana become the game's spelling.
    const EditOutcome name = session.WriteCell(Grid::Batters, 2, BatterColumn::Name, "ャマダ");
    EXPECT_TRUE(name.changed);
    EXPECT_TRUE(name.nameSpellingChanged);
    EXPECT_EQ(Cell(session, Grid::Batters, 2, BatterColumn::Name), "やまた゛　");
    EXPECT_TRUE(session.Unsaved());

    const EditOutcome unknown = session.WriteCell(Grid::Pitchers, 1, PitcherColumn::Name, "山田");
    ASSERT_TRUE(unknown.refusal);
    EXPECT_EQ(unknown.refusal->kind, teamdata::CellRefusalKind::NameUnknownCharacter);
    EXPECT_FALSE(unknown.changed);

    // Sides and styles step through their cycles.
    const std::string side = Cell(session, Grid::Batters, 1, BatterColumn::Side);
    EXPECT_TRUE(session.StepCell(Grid::Batters, 1, BatterColumn::Side).changed);
    EXPECT_EQ(Cell(session, Grid::Batters, 1, BatterColumn::Side), *teamdata::NextBatterSide(side));
    const std::string style = Cell(session, Grid::Pitchers, 3, PitcherColumn::Style);
    EXPECT_TRUE(session.StepCell(Grid::Pitchers, 3, PitcherColumn::Style).changed);
    EXPECT_EQ(Cell(session, Grid::Pitchers, 3, PitcherColumn::Style),
              *teamdata::NextPitchingStyle(style));
    EXPECT_FALSE(session.StepCell(Grid::Batters, 1, BatterColumn::Average).changed);

    // Values keep to the column's range and step; typed decimals are the fan's units.
    EXPECT_TRUE(session.SetValue(Grid::Batters, 4, BatterColumn::Average, 312).changed);
    EXPECT_EQ(Cell(session, Grid::Batters, 4, BatterColumn::Average), "312");
    const EditOutcome outside = session.SetValue(Grid::Batters, 4, BatterColumn::Average, 450);
    ASSERT_TRUE(outside.refusal);
    EXPECT_EQ(outside.refusal->kind, teamdata::CellRefusalKind::ValueNotAllowed);
    EXPECT_TRUE(session.WriteCell(Grid::Pitchers, 2, PitcherColumn::Era, "2.50").changed);
    EXPECT_EQ(Cell(session, Grid::Pitchers, 2, PitcherColumn::Era), "250");
    EXPECT_TRUE(session.SetValue(Grid::Pitchers, 2, PitcherColumn::Name, 3).refusal);
    EXPECT_TRUE(session.WriteCell(Grid::Pitchers, 6, PitcherColumn::Era, "250").refusal);

    // A fielding position of the batting order swaps with the batter who held it.
    const std::string first = Cell(session, Grid::Batters, 1, BatterColumn::Position);
    const std::string fifth = Cell(session, Grid::Batters, 5, BatterColumn::Position);
    EXPECT_TRUE(
        session.SetValue(Grid::Batters, 1, BatterColumn::Position, std::stoi(fifth)).changed);
    EXPECT_EQ(Cell(session, Grid::Batters, 1, BatterColumn::Position), fifth);
    EXPECT_EQ(Cell(session, Grid::Batters, 5, BatterColumn::Position), first);
    EXPECT_EQ(session.PlanSave().refusal, teamdata::SaveRefusal::None);

    // Rows move with every cell; colours come from the offered palette only.
    const auto tenth = session.Shown().batters[9];
    EXPECT_TRUE(session.MoveRow(Grid::Batters, 10, 1));
    EXPECT_EQ(session.Shown().batters[0], tenth);
    EXPECT_FALSE(session.MoveRow(Grid::Pitchers, 2, 2));
    EXPECT_FALSE(session.MoveRow(Grid::Pitchers, 0, 2));
    EXPECT_TRUE(session.SetColor(true, 0x2A));
    EXPECT_EQ(session.Shown().colors.helmet, 0x2A);
    EXPECT_FALSE(session.SetColor(false, 0x0E));
}

TEST(EditSession, UndoesAndRedoesWholeStepsAndKnowsWhatIsSaved) {
    EditSession session(Source);
    const teamdata::TeamTexts opened = session.Shown();
    ASSERT_TRUE(session
                    .SetValue(Grid::Batters, 1, BatterColumn::Position,
                              std::stoi(Cell(session, Grid::Batters, 3, BatterColumn::Position)))
                    .changed);
    const teamdata::TeamTexts swapped = session.Shown();
    ASSERT_TRUE(session.MoveRow(Grid::Pitchers, 5, 1));

    // The swap's two cells are one step.
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(session.Shown(), swapped);
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(session.Shown(), opened);
    EXPECT_FALSE(session.Unsaved());
    EXPECT_FALSE(session.Undo());
    EXPECT_TRUE(session.Redo());
    EXPECT_EQ(session.Shown(), swapped);
    EXPECT_TRUE(session.Unsaved());

    // A save marks where undo stands; an undo past it is unsaved again.
    ASSERT_TRUE(session.Save());
    EXPECT_FALSE(session.Unsaved());
    EXPECT_TRUE(session.CanRedo());
    EXPECT_TRUE(session.Undo());
    EXPECT_TRUE(session.Unsaved());
    // A new step after an undo drops the redo branch, the saved state with it.
    ASSERT_TRUE(session.SetColor(false, 0x01));
    EXPECT_FALSE(session.CanRedo());
    EXPECT_TRUE(session.Unsaved());
    EXPECT_TRUE(session.Undo());
    EXPECT_TRUE(session.Unsaved());

    // An edit that changes nothing is no step.
    EditSession unchanged(Source);
    EXPECT_FALSE(unchanged
                     .WriteCell(Grid::Batters, 1, BatterColumn::Name,
                                Cell(unchanged, Grid::Batters, 1, BatterColumn::Name))
                     .changed);
    EXPECT_FALSE(unchanged.CanUndo());

    // Showing another team drops the edits and the history.
    ASSERT_TRUE(unchanged.SetColor(true, 0x10));
    unchanged.ShowTeam(7);
    EXPECT_EQ(unchanged.ShownTeam(), 7);
    EXPECT_FALSE(unchanged.Unsaved());
    EXPECT_FALSE(unchanged.CanUndo());
    EXPECT_EQ(unchanged.Shown(), teamdata::TextsOf(teamdata::TeamRecordsAt(Source, 7)));
}

TEST(EditSession, RefusesASaveThatTheWindowRefusesAndWritesNothing) {
    EditSession session(Source);
    // Two batters of the order on one position: refused with the rows named.
    const std::string third = Cell(session, Grid::Batters, 3, BatterColumn::Position);
    ASSERT_TRUE(session.SetValue(Grid::Batters, 11, BatterColumn::Position, 1).changed);
    ASSERT_TRUE(session.MoveRow(Grid::Batters, 11, 1));
    const SavePlan plan = session.PlanSave();
    EXPECT_EQ(plan.refusal, teamdata::SaveRefusal::FieldingPositions);
    EXPECT_FALSE(plan.positions.outsideRows.empty());
    EXPECT_FALSE(session.Save());
    EXPECT_TRUE(session.Unsaved());

    // A name the grid holds as the image had it but no tile writes is refused at its cell.
    Bytes damaged = Source;
    teamdata::TeamRecords records = teamdata::TeamRecordsAt(damaged, 2);
    records.pitchers[1].tiles[0] = 0xFF;
    teamdata::PutTeamRecords(damaged, 2, records);
    EditSession broken(damaged);
    broken.ShowTeam(2);
    const SavePlan brokenPlan = broken.PlanSave();
    EXPECT_EQ(brokenPlan.refusal, teamdata::SaveRefusal::RecordNotWritable);
    ASSERT_TRUE(brokenPlan.cell);
    EXPECT_EQ(brokenPlan.cell->grid, Grid::Pitchers);
    EXPECT_EQ(brokenPlan.cell->row, 2);
    EXPECT_FALSE(broken.Save());
    EXPECT_EQ(broken.Base(), damaged);
}

TEST(EditSession, SavesTheBytesAnImportOfTheSameCellsWrites) {
    std::mt19937 random(40);
    for (int round = 0; round < 30; ++round) {
        EditSession session(Source);
        const int team = static_cast<int>(random() % teamdata::TeamCount);
        session.ShowTeam(team);
        for (int edit = 0; edit < 12; ++edit) {
            const int row = 1 + static_cast<int>(random() % 5);
            switch (random() % 7) {
            case 0:
                static_cast<void>(session.WriteCell(Grid::Batters, row, BatterColumn::Name,
                                                    random() % 2 ? "たなか" : "ＡＢ－１"));
                break;
            case 1:
                static_cast<void>(session.StepCell(Grid::Batters, row, BatterColumn::Side));
                break;
            case 2:
                static_cast<void>(session.StepCell(Grid::Pitchers, row, PitcherColumn::Style));
                break;
            case 3:
                static_cast<void>(session.SetValue(Grid::Batters, row, BatterColumn::Average,
                                                   200 + 2 * static_cast<int>(random() % 100)));
                break;
            case 4:
                static_cast<void>(session.SetValue(Grid::Batters, row, BatterColumn::Position,
                                                   2 + static_cast<int>(random() % 8)));
                break;
            case 5:
                static_cast<void>(session.MoveRow(random() % 2 ? Grid::Batters : Grid::Pitchers,
                                                  row, 1 + static_cast<int>(random() % 5)));
                break;
            default:
                static_cast<void>(session.SetColor(random() % 2, 0x20 + row));
                break;
            }
            if (random() % 5 == 0)
                static_cast<void>(session.Undo());
        }
        const teamdata::TeamTexts edited = session.Shown();
        const auto saved = session.Save();
        ASSERT_TRUE(saved) << "round " << round;
        EXPECT_EQ(*saved, ImportedImage(team, edited)) << "round " << round;
        EXPECT_EQ(teamdata::TextsOf(teamdata::TeamRecordsAt(*saved, team)), edited);
    }
}

TEST(EditSession, PastesAndImportsAsOneStepEach) {
    EditSession session(Source);
    const reports::PasteTarget target{Grid::Batters, BatterColumn::Average, 2};
    const PastePlan pasted = session.Paste("302\t\n.256\n", target, {}, false);
    EXPECT_EQ(pasted.decision, PasteDecision::Apply);
    EXPECT_EQ(Cell(session, Grid::Batters, 2, BatterColumn::Average), "302");
    EXPECT_EQ(Cell(session, Grid::Batters, 3, BatterColumn::Average), "256");
    EXPECT_TRUE(session.Undo());
    EXPECT_FALSE(session.CanUndo());

    // A refused block lists its problems and changes nothing; rounding takes it when asked.
    const PastePlan refused = session.Paste("301\n257\n", target, {}, false);
    EXPECT_EQ(refused.decision, PasteDecision::Refused);
    EXPECT_FALSE(refused.read.problems.empty());
    EXPECT_FALSE(session.CanUndo());
    EXPECT_EQ(session.Paste("301\n257\n", target, {}, true).decision, PasteDecision::Apply);
    EXPECT_TRUE(session.Undo());

    // A league file changes the image being edited, the shown team included, as one step.
    reports::LeagueTexts league = LeagueTextsOf(Source);
    league[0].batters[0][BatterColumn::Name - 1] = "いちろう　";
    league[9].pitchers[4][PitcherColumn::Era - 1] = "330";
    const std::string file = reports::BuildLeagueCsv(league);
    const LeagueImportOutcome asked = session.ImportLeague(file, false, false);
    EXPECT_FALSE(asked.applied);
    EXPECT_EQ(asked.plan.changes.size(), 2u);
    EXPECT_FALSE(session.Unsaved());
    const LeagueImportOutcome imported = session.ImportLeague(file, false, true);
    ASSERT_TRUE(imported.applied);
    EXPECT_EQ(Cell(session, Grid::Batters, 1, BatterColumn::Name), "いちろう　");
    const auto saved = session.Save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(LeagueTextsOf(*saved), league);
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(session.Base(), Source);

    // A team CSV goes into the shown team, whatever team it names.
    EditSession teamSession(Source);
    teamSession.ShowTeam(5);
    const TeamCsvPlan teamCsv =
        teamSession.PlanTeamCsv(reports::BuildCsv(reports::BatterGrid(league[9].batters),
                                                  reports::PitcherGrid(league[9].pitchers)),
                                false);
    ASSERT_EQ(teamCsv.decision, TeamCsvDecision::Apply);
    EXPECT_FALSE(teamSession.TeamChanges(teamCsv.Team().texts).empty());
    EXPECT_TRUE(teamSession.ApplyTeam(teamCsv.Team().texts));
    EXPECT_EQ(teamSession.Shown().pitchers, league[9].pitchers);
}

TEST(TypedName, KeepsSpacesAsPlacesAndRefusesWhatTheNameBoxRefuses) {
    EXPECT_EQ(teamdata::NormalizeTypedName("ﾔﾏﾀﾞ").name, "やまた゛");
    EXPECT_EQ(teamdata::NormalizeTypedName(" ab ").name, "　ＡＢ　");
    EXPECT_EQ(teamdata::NormalizeTypedName("").name, "");
    const auto unknown = teamdata::NormalizeTypedName("あ山");
    EXPECT_EQ(unknown.outcome, teamdata::NameNormalization::Outcome::UnknownCharacter);
    EXPECT_EQ(unknown.character, "山");
    EXPECT_EQ(teamdata::NormalizeTypedName("がぎぐ").outcome,
              teamdata::NameNormalization::Outcome::TooLong);
    EXPECT_EQ(teamdata::NormalizeTypedName("  あいう ").outcome,
              teamdata::NameNormalization::Outcome::TooLong);
}

} // namespace
