// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Where the team data lies inside the cartridge image. Every offset and size of the image format
// the program uses is named here; no other file spells one out. (The iNES header's fields, by
// their places in the header, are read in InesHeader.cpp alone.)
namespace teamdata {

// An image begins with a header of this many bytes, which begins with this magic: "NES" and 0x1A.
inline constexpr std::size_t InesHeaderBytes = 16;
inline constexpr std::array<std::uint8_t, 4> InesMagic = {'N', 'E', 'S', 0x1A};
// What the header counts its program and character data in, and the trainer it may announce.
inline constexpr std::uint64_t ProgramBankBytes = 16 * 1024;
inline constexpr std::uint64_t CharacterBankBytes = 8 * 1024;
inline constexpr std::uint64_t TrainerBytes = 512;

// A byte offset from the start of the image file (the 16-byte iNES header included).
struct FileOffset {
    std::uint32_t value = 0;
    friend constexpr bool operator==(FileOffset, FileOffset) = default;
};

inline constexpr int TeamCount = 16;
inline constexpr int BatterCount = 13;
inline constexpr int PitcherCount = 5;
inline constexpr int BattingOrderLength = 8;

inline constexpr std::uint32_t TeamAreaBase = 61456; // 0xF010
inline constexpr std::uint32_t TeamBlockSize = 256;
inline constexpr std::uint32_t BatterRecordSize = 13;
inline constexpr std::uint32_t PitcherRecordSize = 16;
inline constexpr std::uint32_t PitcherAreaInBlock = 169; // 13 batters x 13 bytes
inline constexpr std::uint32_t ColorTableBase = 125535;  // 0x1EA5F
inline constexpr std::uint32_t ColorEntrySize = 2;
inline constexpr int NameTileCount = 5;

// The first byte of a player record is kept as the game has it; above this the record is
// treated as damaged.
inline constexpr std::uint8_t MaxLeadByte = 20;

[[nodiscard]] constexpr bool IsValidTeam(int team) {
    return team >= 0 && team < TeamCount;
}
[[nodiscard]] constexpr bool IsValidBatter(int index) {
    return index >= 0 && index < BatterCount;
}
[[nodiscard]] constexpr bool IsValidPitcher(int index) {
    return index >= 0 && index < PitcherCount;
}

[[nodiscard]] constexpr FileOffset TeamBlockOffset(int team) {
    return {TeamAreaBase + TeamBlockSize * static_cast<std::uint32_t>(team)};
}
[[nodiscard]] constexpr FileOffset BatterRecordOffset(int team, int index) {
    return {TeamBlockOffset(team).value + BatterRecordSize * static_cast<std::uint32_t>(index)};
}
[[nodiscard]] constexpr FileOffset PitcherRecordOffset(int team, int index) {
    return {TeamBlockOffset(team).value + PitcherAreaInBlock +
            PitcherRecordSize * static_cast<std::uint32_t>(index)};
}
[[nodiscard]] constexpr FileOffset ColorEntryOffset(int team) {
    return {ColorTableBase + ColorEntrySize * static_cast<std::uint32_t>(team)};
}

} // namespace teamdata
