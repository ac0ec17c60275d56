// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The game's own character set for player names: five one-byte tile codes per name. In memory
// names are UTF-8 texts of exactly five characters of TileCharTable.
namespace teamdata {

inline constexpr int TileCharCount = 98;

// Entry c is the character of tile code c. The "＊" entries are placeholders with no character.
extern const std::array<std::string_view, TileCharCount> TileCharTable;

inline constexpr std::string_view PlaceholderChar = "＊";
inline constexpr std::string_view NameSpaceChar = "　"; // tile 36, pads short names

using NameTiles = std::array<std::uint8_t, 5>;

// Tiles to text. Fails for a placeholder tile or a code with no entry (98..255); `name` is only
// meaningful after true.
[[nodiscard]] bool DecodeName(const NameTiles& tiles, std::string& name);

// Text to tiles. Accepts exactly five characters of the table and nothing else (shorter, longer,
// single-byte characters, placeholders, characters outside the table).
[[nodiscard]] bool EncodeName(std::string_view name, NameTiles& tiles);

// For showing a name that DecodeName refuses: every tile without a character becomes "＊", which
// the encoder refuses again, so such a name can never be saved back unnoticed.
[[nodiscard]] std::string DecodeNameForDisplay(const NameTiles& tiles);

} // namespace teamdata
