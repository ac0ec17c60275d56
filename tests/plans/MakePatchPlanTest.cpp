// SPDX-License-Identifier: MIT
// The patch between two images: the format its name chooses, what applying it gives, and the
// patches that cannot be made.

#include "Apply.h"
#include "ImageBuilder.h"
#include "MakePatch.h"
#include "Patch.h"
#include "PatchOrigin.h"

#include <gtest/gtest.h>

using namespace plans;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Original = testsupport::RandomLeagueImage(1);
const Bytes Modified = testsupport::RandomLeagueImage(2);

} // namespace

TEST(MakePatchPlan, TheNameChoosesTheFormatAndApplyingGivesTheModifiedImage) {
    for (const auto& [name, format] : {std::pair{"season.bps", teamdata::PatchFormat::Bps},
                                       std::pair{"SEASON.IPS", teamdata::PatchFormat::Ips}}) {
        const PatchMakingPlan plan = PlanMakePatch(Original, Modified, name);
        ASSERT_EQ(plan.decision, PatchMakingDecision::Made) << name;
        EXPECT_EQ(plan.format, format);
        EXPECT_EQ(teamdata::LooksLikePatch(plan.bytes), format);
        // Random records do not look like the game's own; the user has agreed to them.
        const ApplyPlan applied = PlanApply(Original, plan.bytes, {.agreed = true});
        EXPECT_EQ(applied.verdict, ApplyVerdict::Write) << name;
        EXPECT_EQ(applied.result, Modified) << name;
        // Made again, the same bytes: every face writes the same patch.
        EXPECT_EQ(PlanMakePatch(Original, Modified, name).bytes, plan.bytes);
    }
}

TEST(MakePatchPlan, ABpsPatchNamesThisProgramAndItsSource) {
    const PatchMakingPlan plan = PlanMakePatch(Original, Modified, "season.bps");
    const std::optional<teamdata::BpsFacts> facts = teamdata::ReadBpsFacts(plan.bytes);
    ASSERT_TRUE(facts.has_value());
    const std::optional<teamdata::PatchOrigin> origin =
        teamdata::ReadOriginMetadata(facts->metadata);
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(origin->program, PatchMaker());
    EXPECT_TRUE(PatchMaker().starts_with("Tolvanek "));
}

TEST(MakePatchPlan, RefusesANameOfNoFormatAndAnIpsPatchBeyondItsReach) {
    const PatchMakingPlan unnamed = PlanMakePatch(Original, Modified, "season.patch");
    EXPECT_EQ(unnamed.decision, PatchMakingDecision::UnknownFormat);
    EXPECT_TRUE(unnamed.bytes.empty());

    Bytes large = Modified;
    large.resize(teamdata::MaxIpsImageSize + 1, 0xEA);
    const PatchMakingPlan ips = PlanMakePatch(Original, large, "large.ips");
    EXPECT_EQ(ips.decision, PatchMakingDecision::TooLargeForIps);
    EXPECT_TRUE(ips.bytes.empty());
    EXPECT_EQ(PlanMakePatch(Original, large, "large.bps").decision, PatchMakingDecision::Made);
}
