// SPDX-License-Identifier: MIT
#pragma once

#include "RecordText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// Every difference between two leagues, as data: which player cells, colours, row orders and
// other bytes one image has that another has not. Nothing here words a change; reports/ChangeReport
// does, in the words its caller passes in.
namespace teamdata {

enum class ColorSlot { Helmet, Uniform };

// A cell whose text differs, at the same row of the same team. Texts are exactly what the grid
// shows (BatterRowFromBytes / PitcherRowFromBytes); the row's name in both leagues goes with
// every cell, so that each change reads on its own.
struct CellChange {
    int team = 0;
    Grid grid = Grid::Batters;
    int row = 0;    // 1..13 or 1..5, as the grid's row labels count
    int column = 0; // the grid column: BatterColumn / PitcherColumn
    std::string before;
    std::string after;
    std::string nameBefore;
    std::string nameAfter;
    friend bool operator==(const CellChange&, const CellChange&) = default;
};

struct ColorChange {
    int team = 0;
    ColorSlot slot = ColorSlot::Helmet;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
    friend bool operator==(const ColorChange&, const ColorChange&) = default;
};

// A player whose whole record (lead byte aside) now stands at another row of the same team.
struct PlayerMove {
    int team = 0;
    Grid grid = Grid::Batters;
    int fromRow = 0;
    int toRow = 0;
    std::string name;
    friend bool operator==(const PlayerMove&, const PlayerMove&) = default;
};

// A row that now holds, unchanged, the record another team's row held before, while that team
// holds it no longer: the player came from there. A record copied into a second team while the
// first keeps it is no transfer; it shows, both ways, as the cells it changes.
struct PlayerTransfer {
    Grid grid = Grid::Batters;
    int fromTeam = 0;
    int fromRow = 0;
    int toTeam = 0;
    int toRow = 0;
    std::string name;         // the player who came
    std::string replacedName; // who held the row before
    friend bool operator==(const PlayerTransfer&, const PlayerTransfer&) = default;
};

// Bytes that differ outside the player cells and colours (the header, lead bytes, the unused end
// of a team block, the program), record bytes whose cell shows the same text either way (side
// codes 2 and 3 both show "両"), and the part only the longer image has.
struct ByteRange {
    std::size_t offset = 0;
    std::size_t length = 0;
    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

using LeagueChange = std::variant<CellChange, ColorChange, PlayerMove, PlayerTransfer, ByteRange>;

// Every difference between two images, each at least ImageMinimumSize bytes long (throws
// std::invalid_argument otherwise); empty exactly when the images are equal.
//
// Order: teams in image order; in a team the batters, then the pitchers, row by row (a move or a
// transfer at the row it arrives at), the cells of a row in column order; then the team's helmet
// and uniform. After all teams, the byte ranges by offset, adjacent bytes joined into one range.
//
// Moves: when a set of rows of one team's grid holds the same records as before (lead bytes
// aside), only in another order, the rows that kept their order relative to each other and to
// every other row are not reported, and each other row is one move. So a row dragged from 3 to 5
// is one move, not three. Where two orders are equally long (two neighbours swapped), both rows
// are moves, so that no arbitrary choice is made. Only a set of rows that holds exactly its old
// records counts as reordered: a row dragged and then edited, or copied over another row of its
// team, shows as the cells that differ, row by row.
//
// Mirror: CompareLeagues(after, before) lists the same cell and colour changes with before and
// after swapped, the same moves back, and the same byte ranges. A copy of a player into another
// team is the same cells both ways. A transfer is the exception: the other direction shows the
// rows it touched going back, the player's return to the team he left as a transfer again, and
// the row he arrived at as its cells (with any byte behind an equal text), or as a transfer when
// its old player went to another team in exchange.
[[nodiscard]] std::vector<LeagueChange> CompareLeagues(std::span<const std::uint8_t> before,
                                                       std::span<const std::uint8_t> after);

// Where a change shows in the window: the team, and for a player the grid, row and column (the
// name column for a move or transfer); the team alone for a colour.
struct ChangePlace {
    int team = 0;
    std::optional<Grid> grid;
    int row = 0;
    int column = 0;
};

// Empty for a byte range, which belongs to no team.
[[nodiscard]] std::optional<ChangePlace> PlaceOf(const LeagueChange& change);

// The teams a list of changes touches (a transfer touches the team it arrives at), in image
// order, each once.
[[nodiscard]] std::vector<int> ChangedTeams(const std::vector<LeagueChange>& changes);

// True for the bytes that the comparison reads as player cells (record bytes after the lead byte)
// and colour entries; everything else is compared byte for byte.
[[nodiscard]] bool IsRosterByte(std::size_t offset);

} // namespace teamdata
