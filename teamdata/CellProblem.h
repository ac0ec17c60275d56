// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "RecordText.h"

#include <string>

namespace teamdata {

// A cell that cannot hold a text, wherever the text came from: a line of an imported file, a
// pasted block, or a team about to be saved. Each face words `refusal` once
// (exchange::DescribeCellRefusal) and names the place in its own terms: a file's line and field,
// the grid's row and column.
struct CellProblem {
    Grid grid = Grid::Batters;
    int row = 0;      // 1-based grid row: the player
    int column = 0;   // grid column (BatterColumn / PitcherColumn)
    std::string text; // as written, or as the cell holds it for a save
    CellRefusal refusal;
};

} // namespace teamdata
