// SPDX-License-Identifier: MIT
#pragma once

#include "TeamReport.h"

#include "ImageLayout.h"
#include "Team.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The league file: every team as one block of a team line and the 20 lines BuildCsv writes for
// it. CsvReader.h reads it back.
namespace reports {

// The fixed words of a team line: チーム,<initials>,ヘルメット,0x<HH>,ユニフォーム,0x<HH>.
inline constexpr std::string_view TeamWord = "チーム";
inline constexpr std::string_view HelmetWord = "ヘルメット";
inline constexpr std::string_view UniformWord = "ユニフォーム";
inline constexpr std::size_t TeamLineFieldCount = 6;

// A block's lines after its team line: batter header, 13 batters, pitcher header, 5 pitchers.
inline constexpr std::size_t TeamBlockLineCount =
    2 + teamdata::BatterCount + teamdata::PitcherCount;

struct LeagueTeam {
    std::string initials;
    GridTexts batters;
    GridTexts pitchers;
    teamdata::TeamColors colors;
};

// The grids as the window holds them (header row, label column, 12 columns) for a team's rows.
[[nodiscard]] GridTexts BatterGrid(const teamdata::BatterRows& rows);
[[nodiscard]] GridTexts PitcherGrid(const teamdata::PitcherRows& rows);

// Team `team` (image order) with the initials the team box lists for it.
[[nodiscard]] LeagueTeam LeagueTeamOf(int team, const teamdata::TeamTexts& texts);

// The colour form of a team line: "0x" and two upper-case hex digits.
[[nodiscard]] std::string ColorText(std::uint8_t color);

// The teams in the given order, each as its team line and then exactly what BuildCsv writes for
// its grids; every line ends in "\r\n", no blank lines between blocks. UTF-8.
[[nodiscard]] std::string BuildLeagueCsv(const std::vector<LeagueTeam>& teams);

// All teams in image order.
[[nodiscard]] std::string
BuildLeagueCsv(const std::array<teamdata::TeamTexts, teamdata::TeamCount>& teams);

} // namespace reports
