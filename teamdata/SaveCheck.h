// SPDX-License-Identifier: MIT
#pragma once

#include "Team.h"

// The checks a save makes on a team's texts before it writes the first byte, so that a refused
// save leaves the image exactly as it was instead of half old and half new.
namespace teamdata {

enum class SaveRefusal {
    None,
    RecordNotWritable, // a name that does not encode, or a pitching style that is no label
    FieldingPositions, // the batting order does not hold the positions 2..9 once each
};

// Checks in the order a save writes: the batters, then the batting order's positions, then the
// pitchers; the first failure found is the one reported.
[[nodiscard]] SaveRefusal CheckTeamTexts(const BatterRows& batters, const PitcherRows& pitchers);

} // namespace teamdata
