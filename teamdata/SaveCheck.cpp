// SPDX-License-Identifier: MIT
#include "SaveCheck.h"

namespace teamdata {

SaveRefusal CheckTeamTexts(const BatterRows& batters, const PitcherRows& pitchers) {
    for (const BatterRowTexts& row : batters)
        if (!BatterBytesFromRow(row))
            return SaveRefusal::RecordNotWritable;
    std::array<std::string, BattingOrderLength> positions;
    for (int r = 0; r < BattingOrderLength; ++r)
        positions[static_cast<std::size_t>(r)] =
            batters[static_cast<std::size_t>(r)][BatterColumn::Position - 1];
    if (!BattingOrderPositionsValid(positions))
        return SaveRefusal::FieldingPositions;
    for (const PitcherRowTexts& row : pitchers)
        if (!PitcherBytesFromRow(row))
            return SaveRefusal::RecordNotWritable;
    return SaveRefusal::None;
}

} // namespace teamdata
