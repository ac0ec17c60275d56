// SPDX-License-Identifier: MIT
#include "Team.h"

namespace teamdata {

TeamTexts TextsOf(const TeamRecords& records) {
    TeamTexts texts;
    for (std::size_t i = 0; i < records.batters.size(); ++i)
        texts.batters[i] = BatterRowFromBytes(records.batters[i]);
    for (std::size_t i = 0; i < records.pitchers.size(); ++i)
        texts.pitchers[i] = PitcherRowFromBytes(records.pitchers[i]);
    texts.colors = records.colors;
    return texts;
}

TeamRecords TeamRecordsAt(std::span<const std::uint8_t> image, int team) {
    TeamRecords records;
    for (int i = 0; i < BatterCount; ++i) {
        const std::uint8_t* r = image.data() + BatterRecordOffset(team, i).value + 1;
        BatterBytes& b = records.batters[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < b.tiles.size(); ++k)
            b.tiles[k] = r[k];
        r += NameTileCount;
        b.side = r[0];
        b.popularityPosition = r[1];
        b.averageCode = r[2];
        b.homeRuns = r[3];
        b.speed = r[4];
        b.fielding = r[5];
        b.arm = r[6];
    }
    for (int i = 0; i < PitcherCount; ++i) {
        const std::uint8_t* r = image.data() + PitcherRecordOffset(team, i).value + 1;
        PitcherBytes& p = records.pitchers[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < p.tiles.size(); ++k)
            p.tiles[k] = r[k];
        r += NameTileCount;
        p.style = r[0];
        p.popularity = r[1];
        p.eraCode = r[2];
        p.stamina = r[3];
        p.fast = r[4];
        p.medium = r[5];
        p.slow = r[6];
        p.rightBreak = r[7];
        p.leftBreak = r[8];
        p.fork = r[9];
    }
    const std::size_t entry = ColorEntryOffset(team).value;
    records.colors = {image[entry], image[entry + 1]};
    return records;
}

} // namespace teamdata
