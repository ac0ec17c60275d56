// SPDX-License-Identifier: MIT
#include "Compare.h"

#include "ImageLayout.h"
#include "Patch.h"

#include <algorithm>

namespace plans {

namespace {

void CompareWith(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                 std::vector<std::uint8_t> after) {
    plan.after = std::move(after);
    plan.afterCheck = teamdata::CheckImage(plan.after);
    plan.changes = teamdata::CompareLeagues(image, plan.after);
}

void PlanWithImage(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                   std::span<const std::uint8_t> other, bool agreed) {
    const teamdata::ImageCheck check = teamdata::CheckImage(other);
    if (check.verdict == teamdata::ImageVerdict::Refused) {
        plan.decision = CompareDecision::NoImage;
        plan.afterCheck = check;
        return;
    }
    if (check.verdict == teamdata::ImageVerdict::Questionable && !agreed) {
        plan.decision = CompareDecision::AskFirst;
        plan.afterCheck = check;
        return;
    }
    CompareWith(plan, image, {other.begin(), other.end()});
}

void PlanWithPatch(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                   std::span<const std::uint8_t> patch, bool agreed) {
    // Compared as applying would write it, with the user's agreement as applying takes it: never
    // with a result that applying refuses.
    ApplyPlan& apply = plan.apply.emplace(PlanApply(image, patch, {agreed}));
    plan.afterCheck = apply.resultCheck;
    switch (apply.verdict) {
    case ApplyVerdict::Write:
        CompareWith(plan, image, apply.result);
        return;
    case ApplyVerdict::AlreadyApplied:
        // The image is what the patch gives: compared with itself, it shows no change.
        plan.decision = CompareDecision::AlreadyApplied;
        plan.after.assign(image.begin(), image.end());
        plan.afterCheck = teamdata::CheckImage(image);
        return;
    case ApplyVerdict::Refused:
        plan.decision = CompareDecision::PatchRefused;
        return;
    case ApplyVerdict::NoImage:
        plan.decision = CompareDecision::NoImage;
        return;
    case ApplyVerdict::AskFirst:
        plan.decision = CompareDecision::AskFirst;
        return;
    }
}

void PlanWithCsv(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                 std::span<const std::uint8_t> file, const CompareChoices& how) {
    // Compared as importing would write it: the import's own plan, never a reading of its own.
    ImportPlan import = PlanImport(image, file, {how.team, how.decodeText, {}, how.round});
    if (TeamMissing(import))
        plan.decision = CompareDecision::TeamMissing;
    else if (!import.read.errors.empty())
        plan.decision = CompareDecision::CsvRefused;
    plan.read = std::move(import.read);
    if (plan.decision != CompareDecision::Compared)
        return;
    plan.after = std::move(import.result);
    plan.afterCheck = teamdata::CheckImage(plan.after);
    plan.changes = std::move(import.changes);
}

} // namespace

ComparisonPlan PlanComparison(std::span<const std::uint8_t> image,
                              std::span<const std::uint8_t> other, CompareKind kind,
                              const CompareChoices& how) {
    ComparisonPlan plan;
    switch (kind) {
    case CompareKind::Image:
        PlanWithImage(plan, image, other, how.agreed);
        break;
    case CompareKind::Patch:
        PlanWithPatch(plan, image, other, how.agreed);
        break;
    case CompareKind::Csv:
        PlanWithCsv(plan, image, other, how);
        break;
    }
    return plan;
}

CompareKind KindOfComparedFile(std::string_view fileName, std::span<const std::uint8_t> bytes) {
    const auto& magic = teamdata::InesMagic;
    if (bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin()))
        return CompareKind::Image;
    return teamdata::LooksLikePatch(bytes) || teamdata::PatchFormatForName(fileName)
               ? CompareKind::Patch
               : CompareKind::Image;
}

} // namespace plans
