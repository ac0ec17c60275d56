// SPDX-License-Identifier: MIT
#pragma once

#include "Team.h"

#include <utility>
#include <vector>

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

// What is wrong with the batting order's fielding positions, in the grid's terms: the positions
// 2..9 that no batter of rows 1..8 holds, each position held by more than one of them with those
// rows, and the rows whose position is none of 2..9. All empty when the order is sound.
struct PositionProblems {
    std::vector<int> missing;
    std::vector<std::pair<int, std::vector<int>>> repeated; // position, rows (1-based)
    std::vector<int> outsideRows;                           // rows (1-based)
};

[[nodiscard]] PositionProblems FindPositionProblems(const BatterRows& batters);

// The same, row by row, for a list of problems by place: each batting-order row (1-based, top
// down) whose position is outside 2..9 or held by another row too, with the first other row that
// holds it (0 for a position outside 2..9). Empty when the order is sound.
struct PositionClash {
    int row = 0;
    int otherRow = 0;
};

[[nodiscard]] std::vector<PositionClash> FindPositionClashes(const BatterRows& batters);

} // namespace teamdata
