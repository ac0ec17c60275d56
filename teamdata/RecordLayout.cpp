// SPDX-License-Identifier: MIT
#include "RecordLayout.h"

#include <algorithm>

namespace teamdata {

namespace {

// The fields of each record after its name tiles, in the order the image holds them.
template <typename Record> auto BatterFieldsOf(Record& b) {
    return std::array{&b.side,  &b.popularityPosition, &b.averageCode, &b.homeRuns,
                      &b.speed, &b.fielding,           &b.arm};
}

template <typename Record> auto PitcherFieldsOf(Record& p) {
    return std::array{&p.style,  &p.popularity, &p.eraCode,    &p.stamina,   &p.fast,
                      &p.medium, &p.slow,       &p.rightBreak, &p.leftBreak, &p.fork};
}

static_assert(NameTileCount + 7 == BatterFieldsSize);
static_assert(NameTileCount + 10 == PitcherFieldsSize);

} // namespace

BatterBytes BatterOfFields(std::span<const std::uint8_t, BatterFieldsSize> fields) {
    BatterBytes batter;
    std::copy_n(fields.begin(), NameTileCount, batter.tiles.begin());
    std::size_t at = NameTileCount;
    for (std::uint8_t* field : BatterFieldsOf(batter))
        *field = fields[at++];
    return batter;
}

PitcherBytes PitcherOfFields(std::span<const std::uint8_t, PitcherFieldsSize> fields) {
    PitcherBytes pitcher;
    std::copy_n(fields.begin(), NameTileCount, pitcher.tiles.begin());
    std::size_t at = NameTileCount;
    for (std::uint8_t* field : PitcherFieldsOf(pitcher))
        *field = fields[at++];
    return pitcher;
}

BatterFields FieldsOf(const BatterBytes& batter) {
    BatterFields fields{};
    std::copy(batter.tiles.begin(), batter.tiles.end(), fields.begin());
    std::size_t at = NameTileCount;
    for (const std::uint8_t* field : BatterFieldsOf(batter))
        fields[at++] = *field;
    return fields;
}

PitcherFields FieldsOf(const PitcherBytes& pitcher) {
    PitcherFields fields{};
    std::copy(pitcher.tiles.begin(), pitcher.tiles.end(), fields.begin());
    std::size_t at = NameTileCount;
    for (const std::uint8_t* field : PitcherFieldsOf(pitcher))
        fields[at++] = *field;
    return fields;
}

} // namespace teamdata
