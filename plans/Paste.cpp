// SPDX-License-Identifier: MIT
#include "Paste.h"

#include <string>

namespace plans {

PastePlan PlanPaste(std::string_view text, const teamdata::TeamTexts& shown,
                    const PasteChoices& how) {
    PastePlan plan;
    // Far more than a whole league's text: whatever it is, it is no team's data, and reading it
    // cell by cell would keep the window busy for nothing.
    if (text.size() > how.largest) {
        plan.decision = PasteDecision::TooLarge;
        return plan;
    }
    // A whole team, with the headers CSV出力 writes, is what CSV取込 reads; what it pastes is
    // UTF-8 already, so nothing is left to decode.
    if (const std::optional<std::string> teamCsv = reports::TeamCsvOfPaste(text)) {
        plan.decision = PasteDecision::TeamCsv;
        plan.teamCsv = PlanTeamCsvImport(
            *teamCsv, shown, how.shownTeam,
            [](std::string_view bytes) { return std::string(bytes); }, how.round, how.readKanji);
        return plan;
    }
    plan.read =
        reports::ReadPaste(text, how.target, shown, how.labelSpellings, how.round, how.readKanji);
    if (!plan.read.Accepted())
        plan.decision = PasteDecision::Refused;
    else if (plan.read.texts == shown)
        plan.decision = PasteDecision::Unchanged;
    else
        plan.decision = PasteDecision::Apply;
    return plan;
}

} // namespace plans
