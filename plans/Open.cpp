// SPDX-License-Identifier: MIT
#include "Open.h"

#include <utility>

namespace plans {

OpenPlan PlanOpen(std::vector<std::uint8_t> bytes, teamdata::FileRead read) {
    OpenPlan plan;
    plan.read = read;
    plan.bytes = std::move(bytes);
    if (read != teamdata::FileRead::Read)
        return plan;
    plan.check = teamdata::CheckImage(plan.bytes);
    if (plan.Refused())
        return plan;
    plan.records.reserve(teamdata::TeamCount);
    plan.texts.reserve(teamdata::TeamCount);
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        plan.records.push_back(teamdata::TeamRecordsAt(plan.bytes, team));
        plan.texts.push_back(teamdata::TextsOf(plan.records.back()));
    }
    return plan;
}

} // namespace plans
