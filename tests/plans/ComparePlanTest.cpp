// SPDX-License-Identifier: MIT
// An image compared with another image, with a patch and with a CSV file: the same changes as the
// workflow that would write the other side, and the decision that stops a comparison as data.

#include "Compare.h"
#include "ImageBuilder.h"
#include "LeagueCsv.h"
#include "Patch.h"
#include "TeamReport.h"

#include <gtest/gtest.h>

using namespace plans;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Source = ImageBuilder().FillValidTeams().Bytes();
const Bytes Edited = ImageBuilder().FillValidTeams().SetColors(3, 0x16, 0x30).Bytes();

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The plans are handed a decoder by their host; these tests read UTF-8 only.
std::string NoShiftJis(std::string_view) {
    ADD_FAILURE() << "a UTF-8 file was given to the Shift_JIS decoder";
    return {};
}

CompareChoices Choices(std::optional<int> team = std::nullopt) {
    CompareChoices how;
    how.team = team;
    how.decodeText = NoShiftJis;
    return how;
}

TEST(ComparisonPlan, WithAnImageListsItsChangesOrRefusesNoImage) {
    const ComparisonPlan plan = PlanComparison(Source, Edited, CompareKind::Image, Choices());
    EXPECT_EQ(plan.decision, CompareDecision::Compared);
    EXPECT_EQ(plan.changes, teamdata::CompareLeagues(Source, Edited));
    EXPECT_FALSE(plan.changes.empty());
    EXPECT_EQ(plan.after, Edited);

    const Bytes notAnImage(200, 0);
    const ComparisonPlan refused =
        PlanComparison(Source, notAnImage, CompareKind::Image, Choices());
    EXPECT_EQ(refused.decision, CompareDecision::NoImage);
    EXPECT_FALSE(refused.Shown());
    EXPECT_TRUE(refused.changes.empty());

    const Bytes doubtful = ImageBuilder().FillValidTeams().SetBatterLeadByte(2, 0, 21).Bytes();
    EXPECT_EQ(PlanComparison(Source, doubtful, CompareKind::Image, Choices()).decision,
              CompareDecision::AskFirst);
    CompareChoices agreed = Choices();
    agreed.agreed = true;
    const ComparisonPlan compared = PlanComparison(Source, doubtful, CompareKind::Image, agreed);
    EXPECT_EQ(compared.decision, CompareDecision::Compared);
    EXPECT_EQ(compared.afterCheck.verdict, teamdata::ImageVerdict::Questionable);
}

TEST(ComparisonPlan, WithAPatchFollowsApplyingAndShowsNothingForOneAlreadyApplied) {
    const Bytes patch = teamdata::MakePatch(teamdata::PatchFormat::Bps, Source, Edited).bytes;

    const ComparisonPlan applied = PlanComparison(Source, patch, CompareKind::Patch, Choices());
    EXPECT_EQ(applied.decision, CompareDecision::Compared);
    EXPECT_EQ(applied.after, Edited);
    EXPECT_EQ(applied.changes, teamdata::CompareLeagues(Source, Edited));

    const ComparisonPlan already = PlanComparison(Edited, patch, CompareKind::Patch, Choices());
    EXPECT_EQ(already.decision, CompareDecision::AlreadyApplied);
    EXPECT_TRUE(already.Shown());
    EXPECT_TRUE(already.changes.empty());
    EXPECT_EQ(already.after, Edited);

    Bytes other = Source;
    other[70000] ^= 0xFF;
    const ComparisonPlan refused = PlanComparison(other, patch, CompareKind::Patch, Choices());
    EXPECT_EQ(refused.decision, CompareDecision::PatchRefused);
    ASSERT_TRUE(refused.apply);
    EXPECT_EQ(refused.apply->verdict, ApplyVerdict::Refused);
    EXPECT_TRUE(refused.changes.empty());
}

TEST(ComparisonPlan, WithACsvFileReadsItAsTheImportDoes) {
    reports::LeagueTexts league = LeagueTextsOf(Source);
    league[4].batters[0][teamdata::BatterColumn::Name - 1] = "あいうえお";
    const std::string file = reports::BuildLeagueCsv(league);

    const ComparisonPlan plan = PlanComparison(Source, BytesOf(file), CompareKind::Csv, Choices());
    ASSERT_EQ(plan.decision, CompareDecision::Compared);
    ASSERT_TRUE(plan.read);
    EXPECT_TRUE(plan.read->errors.empty());
    EXPECT_EQ(LeagueTextsOf(plan.after), league);
    ASSERT_EQ(plan.changes.size(), 1u);
    const auto* cell = std::get_if<teamdata::CellChange>(&plan.changes[0]);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->team, 4);
    EXPECT_EQ(cell->after, "あいうえお");
}

TEST(ComparisonPlan, WithACsvFileStopsOnItsErrorsAndOnATeamNotNamed) {
    const std::string teamCsv =
        reports::BuildCsv(reports::BatterGrid(LeagueTextsOf(Source)[0].batters),
                          reports::PitcherGrid(LeagueTextsOf(Source)[0].pitchers));
    EXPECT_EQ(PlanComparison(Source, BytesOf(teamCsv), CompareKind::Csv, Choices()).decision,
              CompareDecision::TeamMissing);
    const ComparisonPlan named =
        PlanComparison(Source, BytesOf(teamCsv), CompareKind::Csv, Choices(0));
    EXPECT_EQ(named.decision, CompareDecision::Compared);
    EXPECT_TRUE(named.changes.empty());

    const std::string utf16("\xFF\xFE"
                            "a\0b\0",
                            6);
    const ComparisonPlan refused =
        PlanComparison(Source, BytesOf(utf16), CompareKind::Csv, Choices());
    EXPECT_EQ(refused.decision, CompareDecision::CsvRefused);
    ASSERT_TRUE(refused.read);
    ASSERT_EQ(refused.read->errors.size(), 1u);
    EXPECT_EQ(refused.read->errors[0].kind, reports::CsvIssueKind::Utf16Text);
    EXPECT_TRUE(refused.after.empty());
}

} // namespace

TEST(ComparisonPlan, TellsAPatchFromAnImageByItsFirstBytesThenByItsName) {
    const Bytes patch = teamdata::MakePatch(teamdata::PatchFormat::Bps, Source, Edited).bytes;
    EXPECT_EQ(KindOfComparedFile("other.nes", patch), CompareKind::Patch);
    // An image stays an image whatever it is called; a file of neither kind is taken for what
    // its name says, so that a damaged patch is refused as a patch.
    EXPECT_EQ(KindOfComparedFile("misnamed.bps", Edited), CompareKind::Image);
    EXPECT_EQ(KindOfComparedFile("cut.IPS", BytesOf("PAT")), CompareKind::Patch);
    EXPECT_EQ(KindOfComparedFile("notes.txt", BytesOf("PAT")), CompareKind::Image);
}
