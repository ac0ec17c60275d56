// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The whole league as plain lines, made for reading and for `git diff` through a text converter:
// an edit of one player changes that player's line and no other.
//
// The form, a contract for others' scripts (UTF-8, each line ending in "\n", fields separated
// by one tab; no cell text holds a tab or a line break):
//   line 1:         tolvanek-show 1
//   for each team in image order:
//     <initials>  色    <helmet 0xHH>  <uniform 0xHH>
//     <initials>  打者  <row 1..13>    <the 9 cell texts of the batter grid, columns 1..9>
//     <initials>  投手  <row 1..5>     <the 11 cell texts of the pitcher grid, columns 1..11>
//   last line:      その他  <image size in bytes>  <CRC-32, 8 upper-case hex digits>
// Cell texts are exactly what the window shows. The last line's checksum covers every byte that is
// neither a player cell nor a colour (header, lead bytes, program), so that a change there is
// not hidden either. A later form that old readers cannot read gets a new number in line 1.
namespace reports {

inline constexpr std::string_view LeagueShowFormat = "tolvanek-show 1";

// `image` must be at least teamdata::ImageMinimumSize bytes long (throws std::invalid_argument
// otherwise).
[[nodiscard]] std::string BuildLeagueShow(std::span<const std::uint8_t> image);

} // namespace reports
