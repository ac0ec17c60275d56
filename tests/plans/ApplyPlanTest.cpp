// SPDX-License-Identifier: MIT
// A received patch decided before anything is written: what is written, what is refused, what is
// asked first, and what the user is told besides.

#include "Apply.h"
#include "ImageBuilder.h"
#include "Patch.h"

#include <gtest/gtest.h>

using namespace plans;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Source = ImageBuilder().FillValidTeams().Bytes();
const Bytes Edited = ImageBuilder().FillValidTeams().SetColors(3, 0x16, 0x30).Bytes();

Bytes PatchOf(const Bytes& from, const Bytes& to,
              teamdata::PatchFormat format = teamdata::PatchFormat::Bps) {
    return teamdata::MakePatch(format, from, to, teamdata::OriginMetadata("Tolvanek test", from))
        .bytes;
}

TEST(ApplyPlan, WritesWhatThePatchGivesOnlyForItsOwnSource) {
    const Bytes patch = PatchOf(Source, Edited);

    const ApplyPlan applied = PlanApply(Source, patch, {});
    EXPECT_EQ(applied.verdict, ApplyVerdict::Write);
    EXPECT_EQ(applied.result, Edited);
    EXPECT_TRUE(applied.notes.empty());

    const ApplyPlan again = PlanApply(Edited, patch, {});
    EXPECT_EQ(again.verdict, ApplyVerdict::AlreadyApplied);
    EXPECT_TRUE(again.result.empty());

    Bytes other = Source;
    other[70000] ^= 0xFF;
    const ApplyPlan refused = PlanApply(other, patch, {.agreed = true});
    EXPECT_EQ(refused.verdict, ApplyVerdict::Refused);
    EXPECT_EQ(refused.patch.refusal, teamdata::PatchRefusal::SourceChecksumMismatch);
    EXPECT_TRUE(refused.result.empty());

    const Bytes notAPatch = {'N', 'O', 'P', 'E'};
    EXPECT_EQ(PlanApply(Source, notAPatch, {}).verdict, ApplyVerdict::Refused);
}

TEST(ApplyPlan, NotesAHeaderOnlyDifferenceAndAnIpsPatchThatProvesNoSource) {
    Bytes otherHeader = Source;
    otherHeader[7] = static_cast<std::uint8_t>((otherHeader[7] & 0xF0) | 0x08);
    std::fill(otherHeader.begin() + 8, otherHeader.begin() + 16, 0);
    const ApplyPlan behindHeader = PlanApply(otherHeader, PatchOf(Source, Edited), {});
    EXPECT_EQ(behindHeader.verdict, ApplyVerdict::Write);
    EXPECT_EQ(behindHeader.notes, std::vector{ApplyNote::HeaderOnlyDifference});
    // The image keeps its own header.
    EXPECT_TRUE(
        std::equal(otherHeader.begin(), otherHeader.begin() + 16, behindHeader.result.begin()));

    const ApplyPlan ips =
        PlanApply(Source, PatchOf(Source, Edited, teamdata::PatchFormat::Ips), {});
    EXPECT_EQ(ips.verdict, ApplyVerdict::Write);
    EXPECT_EQ(ips.notes, std::vector{ApplyNote::IpsProvesNoSource});
}

TEST(ApplyPlan, AsksBeforeAQuestionableResultAndNeverWritesNoImage) {
    const Bytes doubtful = ImageBuilder().FillValidTeams().SetBatterLeadByte(2, 0, 21).Bytes();
    const Bytes patch = PatchOf(Source, doubtful);
    const ApplyPlan asked = PlanApply(Source, patch, {});
    EXPECT_EQ(asked.verdict, ApplyVerdict::AskFirst);
    EXPECT_EQ(asked.resultCheck.verdict, teamdata::ImageVerdict::Questionable);
    EXPECT_EQ(PlanApply(Source, patch, {.agreed = true}).verdict, ApplyVerdict::Write);

    const Bytes cut(Source.begin(), Source.begin() + 1000);
    const Bytes cutting = PatchOf(Source, cut);
    EXPECT_EQ(PlanApply(Source, cutting, {.agreed = true}).verdict, ApplyVerdict::NoImage);
}

} // namespace
