// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The tables of the Shift_JIS codec, generated at build time (MakeShiftJisTable.py) from
// Python's cp932 codec. Only ShiftJis.cpp reads them.
namespace reports::shift_jis_table {

// Lead bytes 81 to 9F and E0 to FC, trail bytes 40 to FC.
inline constexpr std::size_t LeadCount = 0x9F - 0x81 + 1 + 0xFC - 0xE0 + 1;
inline constexpr std::size_t TrailCount = 0xFC - 0x40 + 1;

// The character of each two-byte sequence, 0 where the code page has none.
extern const std::array<char16_t, LeadCount * TrailCount> DoubleByte;

struct Encoding {
    char16_t character;
    std::uint16_t bytes; // lead byte in the upper half
};

// Every character above ASCII that has two bytes, sorted by character, with the sequence it is
// written as where the code page holds it twice.
extern const std::span<const Encoding> Encodings;

} // namespace reports::shift_jis_table
