// SPDX-License-Identifier: MIT
#include "CellMerge.h"

#include <utility>

namespace teamdata {

namespace {

// One grid row's texts from before and after the import.
template <typename RowTexts> struct RowEdit {
    const RowTexts& before;
    const RowTexts& after;

    [[nodiscard]] bool Changed(int column) const { return Before(column) != Text(column); }
    [[nodiscard]] const std::string& Text(int column) const {
        return after[static_cast<std::size_t>(column - 1)];
    }

private:
    [[nodiscard]] const std::string& Before(int column) const {
        return before[static_cast<std::size_t>(column - 1)];
    }
};

template <typename RowTexts>
void MergeName(NameTiles& tiles, const RowEdit<RowTexts>& edit, int column) {
    NameTiles encoded{};
    if (edit.Changed(column) && EncodeName(edit.Text(column), encoded))
        tiles = encoded;
}

// The columns whose byte is the number itself.
template <typename Bytes, typename RowTexts, std::size_t Count>
void MergePlain(Bytes& bytes, const RowEdit<RowTexts>& edit,
                const std::pair<int, std::uint8_t Bytes::*> (&columns)[Count]) {
    for (const auto& [column, member] : columns)
        if (edit.Changed(column))
            bytes.*member = PlainByte(edit.Text(column));
}

void MergeBatter(BatterBytes& bytes, const RowEdit<BatterRowTexts>& edit) {
    MergeName(bytes.tiles, edit, BatterColumn::Name);
    if (edit.Changed(BatterColumn::Side))
        bytes.side = SideCode(edit.Text(BatterColumn::Side));
    // Popularity and position share one byte; an edit of one leaves the other's nibble alone.
    std::uint8_t& shared = bytes.popularityPosition;
    if (edit.Changed(BatterColumn::Popularity)) {
        const std::uint8_t high = PopularityPositionByte(edit.Text(BatterColumn::Popularity), "0");
        shared = static_cast<std::uint8_t>((high & 0xF0) | (shared & 0x0F));
    }
    if (edit.Changed(BatterColumn::Position)) {
        const std::uint8_t low = PopularityPositionByte("0", edit.Text(BatterColumn::Position));
        shared = static_cast<std::uint8_t>((shared & 0xF0) | (low & 0x0F));
    }
    if (edit.Changed(BatterColumn::Average))
        bytes.averageCode = BattingAverageCode(edit.Text(BatterColumn::Average));
    static constexpr std::pair<int, std::uint8_t BatterBytes::*> plain[] = {
        {BatterColumn::HomeRuns, &BatterBytes::homeRuns},
        {BatterColumn::Speed, &BatterBytes::speed},
        {BatterColumn::Fielding, &BatterBytes::fielding},
        {BatterColumn::Arm, &BatterBytes::arm},
    };
    MergePlain(bytes, edit, plain);
}

void MergePitcher(PitcherBytes& bytes, const RowEdit<PitcherRowTexts>& edit) {
    MergeName(bytes.tiles, edit, PitcherColumn::Name);
    if (edit.Changed(PitcherColumn::Style))
        bytes.style = StyleCode(edit.Text(PitcherColumn::Style)).value_or(bytes.style);
    if (edit.Changed(PitcherColumn::Popularity))
        bytes.popularity = PitcherPopularityByte(edit.Text(PitcherColumn::Popularity));
    if (edit.Changed(PitcherColumn::Era))
        bytes.eraCode = EarnedRunAverageCode(edit.Text(PitcherColumn::Era));
    static constexpr std::pair<int, std::uint8_t PitcherBytes::*> plain[] = {
        {PitcherColumn::Stamina, &PitcherBytes::stamina},
        {PitcherColumn::Fast, &PitcherBytes::fast},
        {PitcherColumn::Medium, &PitcherBytes::medium},
        {PitcherColumn::Slow, &PitcherBytes::slow},
        {PitcherColumn::RightBreak, &PitcherBytes::rightBreak},
        {PitcherColumn::LeftBreak, &PitcherBytes::leftBreak},
        {PitcherColumn::Fork, &PitcherBytes::fork},
    };
    MergePlain(bytes, edit, plain);
}

} // namespace

TeamRecords MergeChangedCells(const TeamRecords& current, const TeamTexts& before,
                              const TeamTexts& after) {
    TeamRecords merged = current;
    for (std::size_t i = 0; i < merged.batters.size(); ++i)
        MergeBatter(merged.batters[i], {before.batters[i], after.batters[i]});
    for (std::size_t i = 0; i < merged.pitchers.size(); ++i)
        MergePitcher(merged.pitchers[i], {before.pitchers[i], after.pitchers[i]});
    merged.colors = after.colors;
    return merged;
}

} // namespace teamdata
