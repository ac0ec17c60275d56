// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"
#include "RecordText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The order of the fields behind a record's lead byte, written down once: every read and write
// of a record, from a file or from an image in memory, goes through these.
namespace teamdata {

inline constexpr std::size_t BatterFieldsSize = BatterRecordSize - 1;
inline constexpr std::size_t PitcherFieldsSize = PitcherRecordSize - 1;

using BatterFields = std::array<std::uint8_t, BatterFieldsSize>;
using PitcherFields = std::array<std::uint8_t, PitcherFieldsSize>;

[[nodiscard]] BatterBytes BatterOfFields(std::span<const std::uint8_t, BatterFieldsSize> fields);
[[nodiscard]] PitcherBytes PitcherOfFields(std::span<const std::uint8_t, PitcherFieldsSize> fields);
[[nodiscard]] BatterFields FieldsOf(const BatterBytes& batter);
[[nodiscard]] PitcherFields FieldsOf(const PitcherBytes& pitcher);

} // namespace teamdata
