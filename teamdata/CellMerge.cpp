// SPDX-License-Identifier: MIT
#include "CellMerge.h"

namespace teamdata {

TeamRecords MergeChangedCells(const TeamRecords& current, const TeamTexts& before,
                              const TeamTexts& after) {
    TeamRecords merged = current;
    for (std::size_t i = 0; i < merged.batters.size(); ++i)
        MergeBatterRow(merged.batters[i], before.batters[i], after.batters[i]);
    for (std::size_t i = 0; i < merged.pitchers.size(); ++i)
        MergePitcherRow(merged.pitchers[i], before.pitchers[i], after.pitchers[i]);
    merged.colors = after.colors;
    return merged;
}

} // namespace teamdata
