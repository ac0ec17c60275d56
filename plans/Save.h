// SPDX-License-Identifier: MIT
#pragma once

#include "CellProblem.h"
#include "SafeImageWriter.h"
#include "SaveCheck.h"
#include "Team.h"

#include <optional>

// The shown team saved into its image, decided before the first byte is written: either the
// write the safe writer makes, or why nothing may be written. A refused save leaves the image
// exactly as it was instead of half old and half new.
namespace plans {

struct SavePlan {
    teamdata::SaveRefusal refusal = teamdata::SaveRefusal::None;
    // For RecordNotWritable: the first name that cannot be written (batters, then pitchers), or
    // failing one, the first pitching style that is no label.
    std::optional<teamdata::CellProblem> cell;
    // For FieldingPositions: what is wrong with the batting order.
    teamdata::PositionProblems positions;
    // For a save that may go ahead: the team's texts, encoded by the writer as it writes them.
    std::optional<teamdata::TeamWrite> write;
};

// `shown` is the team `team` as the user sees it, colours included.
[[nodiscard]] SavePlan PlanSave(int team, const teamdata::TeamTexts& shown);

} // namespace plans
