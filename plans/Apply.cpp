// SPDX-License-Identifier: MIT
#include "Apply.h"

namespace plans {

namespace {

ApplyVerdict VerdictOf(const ApplyPlan& plan, bool agreed) {
    if (plan.patch.decision == teamdata::PatchDecision::AlreadyApplied)
        return ApplyVerdict::AlreadyApplied;
    if (!plan.Applied())
        return ApplyVerdict::Refused;
    // What the patch gives is checked as any image the program opens: a result the window would
    // refuse is never written, one it would ask about only when the user agrees.
    if (plan.resultCheck.verdict == teamdata::ImageVerdict::Refused)
        return ApplyVerdict::NoImage;
    if (plan.resultCheck.verdict == teamdata::ImageVerdict::Questionable && !agreed)
        return ApplyVerdict::AskFirst;
    return ApplyVerdict::Write;
}

} // namespace

ApplyPlan PlanApply(std::span<const std::uint8_t> image, std::span<const std::uint8_t> patch,
                    const ApplyChoices& how) {
    ApplyPlan plan;
    plan.patch = teamdata::DecidePatch(image, patch);
    if (plan.Applied()) {
        plan.result = plan.patch.result;
        plan.resultCheck = teamdata::CheckImage(plan.result);
    }
    plan.verdict = VerdictOf(plan, how.agreed);
    if (plan.patch.decision == teamdata::PatchDecision::AppliedToData)
        plan.notes.push_back(ApplyNote::HeaderOnlyDifference);
    if (plan.Applied() && plan.patch.format == teamdata::PatchFormat::Ips)
        plan.notes.push_back(ApplyNote::IpsProvesNoSource);
    return plan;
}

} // namespace plans
