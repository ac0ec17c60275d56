// SPDX-License-Identifier: MIT
#pragma once

#include "NameCodec.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversion between the raw bytes of a player record and the texts of its grid row.
namespace teamdata {

// Raw bytes of a batter record, offsets 1..12 (the lead byte is never handed out).
struct BatterBytes {
    NameTiles tiles{};
    std::uint8_t side = 0;
    std::uint8_t popularityPosition = 0;
    std::uint8_t averageCode = 0;
    std::uint8_t homeRuns = 0;
    std::uint8_t speed = 0;
    std::uint8_t fielding = 0;
    std::uint8_t arm = 0;
    friend bool operator==(const BatterBytes&, const BatterBytes&) = default;
};

// Raw bytes of a pitcher record, offsets 1..15.
struct PitcherBytes {
    NameTiles tiles{};
    std::uint8_t style = 0;
    std::uint8_t popularity = 0;
    std::uint8_t eraCode = 0;
    std::uint8_t stamina = 0;
    std::uint8_t fast = 0;
    std::uint8_t medium = 0;
    std::uint8_t slow = 0;
    std::uint8_t rightBreak = 0;
    std::uint8_t leftBreak = 0;
    std::uint8_t fork = 0;
    friend bool operator==(const PitcherBytes&, const PitcherBytes&) = default;
};

// The texts of grid columns 1..9 (batters) and 1..11 (pitchers), element 0 being column 1.
using BatterRowTexts = std::array<std::string, 9>;
using PitcherRowTexts = std::array<std::string, 11>;

// The two grids of a team: the batters and the pitchers.
enum class Grid { Batters, Pitchers };

// Column numbers of the grids (column 0 holds the row labels).
namespace BatterColumn {
inline constexpr int Name = 1, Side = 2, Popularity = 3, Position = 4, Average = 5, HomeRuns = 6,
                     Speed = 7, Fielding = 8, Arm = 9;
}
namespace PitcherColumn {
inline constexpr int Name = 1, Style = 2, Popularity = 3, Era = 4, Stamina = 5, Fast = 6,
                     Medium = 7, Slow = 8, RightBreak = 9, LeftBreak = 10, Fork = 11;
}

// Batting side.
inline constexpr std::string_view SideRight = "右";
inline constexpr std::string_view SideLeft = "左";
inline constexpr std::string_view SideBoth = "両";
[[nodiscard]] std::string_view SideText(std::uint8_t code);
[[nodiscard]] std::uint8_t SideCode(std::string_view text);

// Pitching styles in code order: 右 左 右横 左横 右下 左下 右ま 左ま 右背 左背.
struct PitchingStyle {
    std::uint8_t code;
    std::string_view label;
};
extern const std::array<PitchingStyle, 10> PitchingStyles;
[[nodiscard]] std::string_view StyleLabel(std::uint8_t code); // unknown codes show as "左背"
[[nodiscard]] std::optional<std::uint8_t> StyleCode(std::string_view label);

// Batter popularity (high nibble) and fielding position (low nibble) share one byte.
[[nodiscard]] int BatterPopularity(std::uint8_t byte);
[[nodiscard]] int FieldingPosition(std::uint8_t byte);
[[nodiscard]] std::uint8_t PopularityPositionByte(std::string_view popularity,
                                                  std::string_view position);

// Batting average in thousandths: 2 x code + 150.
[[nodiscard]] int BattingAverage(std::uint8_t code);
[[nodiscard]] std::uint8_t BattingAverageCode(std::string_view text);

// Pitcher popularity: stored as 16 x value + 1.
[[nodiscard]] int PitcherPopularity(std::uint8_t byte);
[[nodiscard]] std::uint8_t PitcherPopularityByte(std::string_view text);

// Earned run average in hundredths: 10 x code.
[[nodiscard]] int EarnedRunAverage(std::uint8_t code);
[[nodiscard]] std::uint8_t EarnedRunAverageCode(std::string_view text);

// Every other value is the byte itself; a text keeps its low 8 bits.
[[nodiscard]] std::uint8_t PlainByte(std::string_view text);

// Whole rows, the way a team is shown. The name is decoded for display (placeholder tiles
// appear as "＊", so a damaged pitcher name is visible and refused again on save).
[[nodiscard]] BatterRowTexts BatterRowFromBytes(const BatterBytes& bytes);
[[nodiscard]] PitcherRowTexts PitcherRowFromBytes(const PitcherBytes& bytes);

// Whole rows back to bytes, the way a save stores them. Empty when the name does not encode
// (or, for pitchers, the style is none of the ten labels).
[[nodiscard]] std::optional<BatterBytes> BatterBytesFromRow(const BatterRowTexts& texts);
[[nodiscard]] std::optional<PitcherBytes> PitcherBytesFromRow(const PitcherRowTexts& texts);

// Only the cells that differ between `before` and `after` stored into a record's bytes: an edit
// of one column leaves every other column's bits alone, those of a shared byte included, and a
// name that does not encode or a style that is no label leaves its bytes as they are.
void MergeBatterRow(BatterBytes& bytes, const BatterRowTexts& before, const BatterRowTexts& after);
void MergePitcherRow(PitcherBytes& bytes, const PitcherRowTexts& before,
                     const PitcherRowTexts& after);

// The fielding positions of the batting order (the position texts of grid rows 1..8, read as
// integers) must be exactly the positions 2..9, each once.
[[nodiscard]] bool BattingOrderPositionsValid(const std::array<std::string, 8>& positionTexts);

} // namespace teamdata
