// SPDX-License-Identifier: MIT
#include "Team.h"

#include "RecordLayout.h"

#include <algorithm>

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
    for (int i = 0; i < BatterCount; ++i)
        records.batters[static_cast<std::size_t>(i)] = BatterOfFields(
            image.subspan(BatterRecordOffset(team, i).value + 1).first<BatterFieldsSize>());
    for (int i = 0; i < PitcherCount; ++i)
        records.pitchers[static_cast<std::size_t>(i)] = PitcherOfFields(
            image.subspan(PitcherRecordOffset(team, i).value + 1).first<PitcherFieldsSize>());
    const std::size_t entry = ColorEntryOffset(team).value;
    records.colors = {image[entry], image[entry + 1]};
    return records;
}

void PutTeamRecords(std::span<std::uint8_t> image, int team, const TeamRecords& records) {
    for (int i = 0; i < BatterCount; ++i) {
        const BatterFields fields = FieldsOf(records.batters[static_cast<std::size_t>(i)]);
        std::copy(fields.begin(), fields.end(),
                  image.begin() + BatterRecordOffset(team, i).value + 1);
    }
    for (int i = 0; i < PitcherCount; ++i) {
        const PitcherFields fields = FieldsOf(records.pitchers[static_cast<std::size_t>(i)]);
        std::copy(fields.begin(), fields.end(),
                  image.begin() + PitcherRecordOffset(team, i).value + 1);
    }
    const std::size_t entry = ColorEntryOffset(team).value;
    image[entry] = records.colors.helmet;
    image[entry + 1] = records.colors.uniform;
}

} // namespace teamdata
