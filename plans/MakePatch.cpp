// SPDX-License-Identifier: MIT
#include "MakePatch.h"

#include "PatchOrigin.h"

#include <optional>
#include <string>

namespace plans {

namespace {

constexpr std::string_view Maker = "Tolvanek " TOLVANEK_VERSION;
static_assert(Maker.size() < 128,
              "the metadata must stay within what the patch readers' limit allows for");

} // namespace

std::string_view PatchMaker() {
    return Maker;
}

PatchMakingPlan PlanMakePatch(std::span<const std::uint8_t> original,
                              std::span<const std::uint8_t> modified,
                              std::string_view patchFileName) {
    PatchMakingPlan plan;
    const std::optional<teamdata::PatchFormat> format = teamdata::PatchFormatForName(patchFileName);
    if (!format) {
        plan.decision = PatchMakingDecision::UnknownFormat;
        return plan;
    }
    plan.format = *format;
    teamdata::MadePatch made =
        teamdata::MakePatch(*format, original, modified, teamdata::OriginMetadata(Maker, original));
    if (made.outcome == teamdata::PatchMaking::TooLargeForIps) {
        plan.decision = PatchMakingDecision::TooLargeForIps;
        return plan;
    }
    plan.bytes = std::move(made.bytes);
    return plan;
}

} // namespace plans
