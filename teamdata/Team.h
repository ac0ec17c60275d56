// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"
#include "RecordText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

// A whole team, both as the image holds it (record bytes) and as the grids show it (cell texts).
namespace teamdata {

// The rows of the two grids: columns 1..9 of the 13 batter rows, 1..11 of the 5 pitcher rows.
using BatterRows = std::array<BatterRowTexts, BatterCount>;
using PitcherRows = std::array<PitcherRowTexts, PitcherCount>;

// A team's colour entry: palette indexes of the helmet and the uniform.
struct TeamColors {
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
    friend bool operator==(const TeamColors&, const TeamColors&) = default;
};

// The record bytes of one team (lead bytes aside, which are never written) and its colours.
struct TeamRecords {
    std::array<BatterBytes, BatterCount> batters{};
    std::array<PitcherBytes, PitcherCount> pitchers{};
    TeamColors colors;
    friend bool operator==(const TeamRecords&, const TeamRecords&) = default;
};

// The texts of one team as the grids show them, and its colours.
struct TeamTexts {
    // No braces here: clang 14 crashes on value-initialising nested arrays of strings in a
    // default member initialiser, and the strings start empty anyway.
    BatterRows batters;
    PitcherRows pitchers;
    TeamColors colors;
    friend bool operator==(const TeamTexts&, const TeamTexts&) = default;
};

// A team to write: its rows as texts (written by the record writes of a save, which encode them
// by the save rules) or as record bytes (written as they are).
struct TeamWrite {
    int team = 0;
    std::variant<TeamTexts, TeamRecords> content;
};

// The texts a team's records are shown as.
[[nodiscard]] TeamTexts TextsOf(const TeamRecords& records);

// The first byte behind the colour table: an image shorter than this cannot hold every team.
inline constexpr std::size_t ImageMinimumSize = ColorTableBase + TeamCount * ColorEntrySize;

// One team's record bytes taken from a whole image held in memory; `image` must be at least
// ImageMinimumSize bytes long.
[[nodiscard]] TeamRecords TeamRecordsAt(std::span<const std::uint8_t> image, int team);

// The other way: one team's record bytes and colours put into a whole image held in memory, lead
// bytes and everything else left as they are, as the record writes would leave the file.
void PutTeamRecords(std::span<std::uint8_t> image, int team, const TeamRecords& records);

} // namespace teamdata
