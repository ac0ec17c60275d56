// SPDX-License-Identifier: MIT
#include "SaveCheck.h"

#include "TextNumbers.h"

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

PositionProblems FindPositionProblems(const BatterRows& batters) {
    PositionProblems problems;
    std::array<std::vector<int>, 10> rowsOf; // by position 0..9
    for (int r = 0; r < BattingOrderLength; ++r) {
        const int position =
            LenientToInt(batters[static_cast<std::size_t>(r)][BatterColumn::Position - 1]);
        if (position < 2 || position > 9)
            problems.outsideRows.push_back(r + 1);
        else
            rowsOf[static_cast<std::size_t>(position)].push_back(r + 1);
    }
    for (int position = 2; position <= 9; ++position) {
        const std::vector<int>& rows = rowsOf[static_cast<std::size_t>(position)];
        if (rows.empty())
            problems.missing.push_back(position);
        else if (rows.size() > 1)
            problems.repeated.emplace_back(position, rows);
    }
    return problems;
}

std::vector<PositionClash> FindPositionClashes(const BatterRows& batters) {
    std::array<int, BattingOrderLength> positions{};
    for (std::size_t r = 0; r < positions.size(); ++r)
        positions[r] = LenientToInt(batters[r][BatterColumn::Position - 1]);
    std::vector<PositionClash> clashes;
    for (std::size_t r = 0; r < positions.size(); ++r) {
        const bool outside = positions[r] < 2 || positions[r] > 9;
        int otherRow = 0;
        for (std::size_t other = 0; other < positions.size() && otherRow == 0 && !outside; ++other)
            if (other != r && positions[other] == positions[r])
                otherRow = static_cast<int>(other) + 1;
        if (outside || otherRow != 0)
            clashes.push_back({static_cast<int>(r) + 1, otherRow});
    }
    return clashes;
}

} // namespace teamdata
