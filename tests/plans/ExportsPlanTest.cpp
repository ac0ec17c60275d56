// SPDX-License-Identifier: MIT
// The files made of an image for others to read: what each choice gives, what stands in for the
// image's team, and the choices that make no file.

#include "Compare.h"
#include "Exports.h"
#include "ImageBuilder.h"
#include "LeagueShow.h"
#include "ShiftJisCodec.h"

#include <gtest/gtest.h>

using namespace plans;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Image = testsupport::RandomLeagueImage(1992);
constexpr int Giants = 3;

ExportPlan Export(ExportKind kind, std::optional<int> team = std::nullopt,
                  CsvEncoding encoding = CsvEncoding::ShiftJis,
                  std::optional<ShownTeam> shown = std::nullopt,
                  std::span<const std::uint8_t> image = Image) {
    ExportChoices how;
    how.kind = kind;
    how.team = team;
    how.encoding = encoding;
    how.shown = std::move(shown);
    return PlanExport(image, how);
}

teamdata::TeamTexts EditedGiants() {
    teamdata::TeamTexts team = LeagueTextsOf(Image)[Giants];
    team.batters[0][teamdata::BatterColumn::Name - 1] = "やまだ";
    team.batters[0][teamdata::BatterColumn::HomeRuns - 1] = "55";
    return team;
}

} // namespace

TEST(ExportsPlan, CsvFilesAreTheSameTextInEitherEncoding) {
    for (const auto& [kind, team] : {std::pair{ExportKind::LeagueCsv, std::optional<int>{}},
                                     std::pair{ExportKind::TeamCsv, std::optional<int>{Giants}}}) {
        const ExportPlan shiftJis = Export(kind, team);
        const ExportPlan utf8 = Export(kind, team, CsvEncoding::Utf8);
        ASSERT_EQ(shiftJis.decision, ExportDecision::Made);
        ASSERT_EQ(utf8.decision, ExportDecision::Made);
        // The UTF-8 file tells the spreadsheet so with a byte-order mark; the Shift_JIS file is
        // the same text in the code page the game's users read.
        ASSERT_TRUE(utf8.bytes.starts_with("\xEF\xBB\xBF"));
        EXPECT_EQ(reports::DecodeShiftJis(shiftJis.bytes), utf8.bytes.substr(3));
        EXPECT_NE(shiftJis.bytes, utf8.bytes.substr(3)) << "the headers are Japanese";
        EXPECT_TRUE(shiftJis.bytes.ends_with("\r\n"));
    }
}

TEST(ExportsPlan, TheShownTeamStandsInForTheImagesTeamInEveryExport) {
    const ShownTeam shown{Giants, EditedGiants()};
    const std::string name = reports::EncodeShiftJis("やまだ");
    for (const ExportKind kind :
         {ExportKind::LeagueCsv, ExportKind::TeamCsv, ExportKind::TeamPage, ExportKind::Overview}) {
        const bool shiftJis = kind != ExportKind::Overview;
        const std::string wanted = shiftJis ? name : std::string("やまだ");
        const ExportPlan fromImage = Export(kind, Giants);
        const ExportPlan fromGrids = Export(kind, Giants, CsvEncoding::ShiftJis, shown);
        ASSERT_EQ(fromGrids.decision, ExportDecision::Made) << static_cast<int>(kind);
        EXPECT_EQ(fromImage.bytes.find(wanted), std::string::npos) << static_cast<int>(kind);
        EXPECT_NE(fromGrids.bytes.find(wanted), std::string::npos) << static_cast<int>(kind);
    }
    // Another team shown leaves the chosen team as the image holds it.
    const ShownTeam other{Giants + 1, EditedGiants()};
    EXPECT_EQ(Export(ExportKind::TeamCsv, Giants, CsvEncoding::ShiftJis, other).bytes,
              Export(ExportKind::TeamCsv, Giants).bytes);
    // A team's files need no image when the team is shown: the window writes them from its grids.
    EXPECT_EQ(Export(ExportKind::TeamPage, Giants, CsvEncoding::ShiftJis, shown, {}).bytes,
              Export(ExportKind::TeamPage, Giants, CsvEncoding::ShiftJis, shown).bytes);
}

TEST(ExportsPlan, ChoicesThatMakeNoFileAreRefusedBeforeAnyImageIsRead) {
    const Bytes none;
    EXPECT_EQ(Export(ExportKind::TeamPage, std::nullopt, CsvEncoding::ShiftJis, {}, none).decision,
              ExportDecision::TeamNotGiven);
    EXPECT_EQ(
        Export(ExportKind::TeamCsv, teamdata::TeamCount, CsvEncoding::ShiftJis, {}, none).decision,
        ExportDecision::TeamNotGiven);
    const ExportPlan utf8Page = Export(ExportKind::TeamPage, Giants, CsvEncoding::Utf8, {}, none);
    EXPECT_EQ(utf8Page.decision, ExportDecision::PageOnlyInShiftJis);
    EXPECT_TRUE(utf8Page.bytes.empty());
}

TEST(ExportsPlan, ACellThatIsNoNumberStopsThePagesWithItsText) {
    teamdata::TeamTexts team = EditedGiants();
    team.batters[2][teamdata::BatterColumn::HomeRuns - 1] = "三十";
    for (const ExportKind kind : {ExportKind::TeamPage, ExportKind::Overview}) {
        const ExportPlan plan =
            Export(kind, Giants, CsvEncoding::ShiftJis, ShownTeam{Giants, team});
        EXPECT_EQ(plan.decision, ExportDecision::NotANumber);
        EXPECT_EQ(plan.notANumber, "三十");
        EXPECT_TRUE(plan.bytes.empty());
    }
    // The CSV files only copy the cells, and are written.
    EXPECT_EQ(Export(ExportKind::TeamCsv, Giants, CsvEncoding::ShiftJis, ShownTeam{Giants, team})
                  .decision,
              ExportDecision::Made);
}

TEST(ExportsPlan, ShowIsTheImageAsItIsOnDisk) {
    // show reads nothing of the window: it is what git diffs, the image's bytes alone.
    const ExportPlan plan = Export(ExportKind::Show, std::nullopt, CsvEncoding::ShiftJis,
                                   ShownTeam{Giants, EditedGiants()});
    ASSERT_EQ(plan.decision, ExportDecision::Made);
    EXPECT_TRUE(plan.bytes.starts_with(std::string(reports::LeagueShowFormat) + "\n"));
    EXPECT_EQ(plan.bytes.find("やまだ"), std::string::npos);
    EXPECT_NE(
        Export(ExportKind::Show, {}, CsvEncoding::ShiftJis, {}, testsupport::RandomLeagueImage(7))
            .bytes,
        plan.bytes);
}
