// SPDX-License-Identifier: MIT
#include "RecordLayout.h"

#include "Columns.h"

#include <algorithm>

namespace teamdata {

namespace {

// The fields start at record byte 1, the name tiles first; every other byte is one member of the
// record, found through the column it feeds (two columns may share a byte).
template <typename Record, typename Fields>
Record RecordOf(const Fields& fields, const auto& columns, std::uint8_t Record::*Column::*field) {
    Record record;
    std::copy_n(fields.begin(), NameTileCount, record.tiles.begin());
    for (const Column& column : columns)
        if (column.*field)
            record.*(column.*field) = fields[column.firstByte - 1];
    return record;
}

template <typename Fields, typename Record>
Fields FieldsOfRecord(const Record& record, const auto& columns,
                      std::uint8_t Record::*Column::*field) {
    Fields fields{};
    std::copy(record.tiles.begin(), record.tiles.end(), fields.begin());
    for (const Column& column : columns)
        if (column.*field)
            fields[column.firstByte - 1] = record.*(column.*field);
    return fields;
}

static_assert(BatterColumns.back().lastByte == BatterFieldsSize);
static_assert(PitcherColumns.back().lastByte == PitcherFieldsSize);

} // namespace

BatterBytes BatterOfFields(std::span<const std::uint8_t, BatterFieldsSize> fields) {
    return RecordOf<BatterBytes>(fields, BatterColumns, &Column::batterField);
}

PitcherBytes PitcherOfFields(std::span<const std::uint8_t, PitcherFieldsSize> fields) {
    return RecordOf<PitcherBytes>(fields, PitcherColumns, &Column::pitcherField);
}

BatterFields FieldsOf(const BatterBytes& batter) {
    return FieldsOfRecord<BatterFields>(batter, BatterColumns, &Column::batterField);
}

PitcherFields FieldsOf(const PitcherBytes& pitcher) {
    return FieldsOfRecord<PitcherFields>(pitcher, PitcherColumns, &Column::pitcherField);
}

} // namespace teamdata
