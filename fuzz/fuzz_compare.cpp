// SPDX-License-Identifier: MIT
// The comparison of two leagues on any pair of images: a base image and a copy changed by the
// fuzzer's bytes (bytes set anywhere or in the team area, rows dragged, records copied within and
// between teams, colours, a new length). Every change listed must be true of the two images, every
// difference must be listed or be a row that only shifted, the list must be in its order, and
// comparing the other way round must give the same list mirrored, transfers and their rows aside;
// a player who left his team for good is seen going over in both directions.

#include "ChangeOrder.h"
#include "FuzzSupport.h"

#include "ImageLayout.h"
#include "LeagueChange.h"
#include "RecordText.h"
#include "Team.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <tuple>
#include <vector>

using fuzzsupport::ByteReader;
using testsupport::OrderOf;
using namespace teamdata;

namespace {

using Image = std::vector<std::uint8_t>;
using Changes = std::vector<LeagueChange>;

constexpr int MaxEdits = 48;

int Rows(Grid grid) {
    return grid == Grid::Batters ? BatterCount : PitcherCount;
}

std::size_t RecordOffset(Grid grid, int team, int row) {
    return grid == Grid::Batters ? BatterRecordOffset(team, row).value
                                 : PitcherRecordOffset(team, row).value;
}

std::size_t RecordSize(Grid grid) {
    return grid == Grid::Batters ? BatterRecordSize : PitcherRecordSize;
}

// A record's bytes after its lead byte, straight from the image.
Image Record(const Image& image, Grid grid, int team, int row) {
    const std::size_t offset = RecordOffset(grid, team, row);
    return Image(image.begin() + static_cast<std::ptrdiff_t>(offset) + 1,
                 image.begin() + static_cast<std::ptrdiff_t>(offset + RecordSize(grid)));
}

// The grid columns record byte k (after the lead byte) feeds, written out from the record layout:
// five name tiles, then one byte per column, but for the batters' popularity and fielding
// position, which share a byte.
std::vector<int> FedColumns(Grid grid, std::size_t k) {
    if (k <= 5)
        return {1};
    const int column = static_cast<int>(k) - 4;
    if (grid == Grid::Pitchers)
        return {column};
    if (column < 3)
        return {column};
    if (column == 3)
        return {3, 4};
    return {column + 1};
}

void PutRecord(Image& image, Grid grid, int team, int row, const Image& record) {
    std::copy(record.begin(), record.end(),
              image.begin() + static_cast<std::ptrdiff_t>(RecordOffset(grid, team, row)) + 1);
}

std::vector<std::string> Texts(const Image& image, Grid grid, int team, int row) {
    const TeamRecords records = TeamRecordsAt(image, team);
    const auto index = static_cast<std::size_t>(row);
    if (grid == Grid::Batters) {
        const BatterRowTexts texts = BatterRowFromBytes(records.batters[index]);
        return {texts.begin(), texts.end()};
    }
    const PitcherRowTexts texts = PitcherRowFromBytes(records.pitchers[index]);
    return {texts.begin(), texts.end()};
}

// A number from the next `count` bytes, most significant first.
std::size_t Number(ByteReader& input, int count) {
    std::size_t number = 0;
    for (int i = 0; i < count; ++i)
        number = number << 8 | input.Byte();
    return number;
}

Image Changed(const Image& base, ByteReader& input) {
    Image image = base;
    for (int edit = 0; edit < MaxEdits && !input.Empty(); ++edit) {
        const Grid grid = input.Byte() & 1 ? Grid::Pitchers : Grid::Batters;
        const int team = input.Byte() % TeamCount;
        const int row = input.Byte() % Rows(grid);
        switch (input.Byte() % 6) {
        case 0: { // any byte
            const std::size_t offset = Number(input, 3) % image.size();
            image[offset] = input.Byte();
            break;
        }
        case 1: { // a byte of the team area
            const std::size_t offset =
                TeamAreaBase + Number(input, 2) % (std::size_t{TeamCount} * TeamBlockSize);
            image[offset] = input.Byte();
            break;
        }
        case 2: { // a row dragged, lead bytes staying
            const int to = input.Byte() % Rows(grid);
            Image dragged = Record(image, grid, team, row);
            const int step = to > row ? 1 : -1;
            for (int at = row; at != to; at += step)
                PutRecord(image, grid, team, at, Record(image, grid, team, at + step));
            PutRecord(image, grid, team, to, dragged);
            break;
        }
        case 3: { // a record copied from either image, any team
            const int fromTeam = input.Byte() % TeamCount;
            const int fromRow = input.Byte() % Rows(grid);
            const Image& source = input.Byte() & 1 ? base : image;
            PutRecord(image, grid, team, row, Record(source, grid, fromTeam, fromRow));
            break;
        }
        case 4: { // a colour
            const std::size_t offset = ColorEntryOffset(team).value + (input.Byte() & 1);
            image[offset] = input.Byte();
            break;
        }
        default: { // a new length, never below the colour table
            const int change = static_cast<std::int8_t>(input.Byte());
            image.resize(std::max<std::size_t>(ImageMinimumSize,
                                               static_cast<std::size_t>(
                                                   static_cast<long long>(image.size()) + change)),
                         0x5A);
        }
        }
    }
    return image;
}

using RowKey = std::tuple<int, Grid, int>; // team, grid, row (1-based)

// Every change is true of the two images, the list is in order, and every difference is listed.
void CheckChanges(const Image& a, const Image& b, const Changes& changes) {
    std::set<RowKey> namedRows;
    std::set<RowKey> arrivalRows; // where a move or transfer arrives
    std::set<std::tuple<int, Grid, int, int>> changedCells;
    std::vector<bool> inRange(std::max(a.size(), b.size()));
    std::size_t rangeEnd = 0;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (i > 0)
            FUZZ_CHECK(OrderOf(changes[i - 1]) < OrderOf(changes[i]));
        const LeagueChange& change = changes[i];
        if (const auto* c = std::get_if<CellChange>(&change)) {
            FUZZ_CHECK(IsValidTeam(c->team) && c->row >= 1 && c->row <= Rows(c->grid));
            const auto before = Texts(a, c->grid, c->team, c->row - 1);
            const auto after = Texts(b, c->grid, c->team, c->row - 1);
            FUZZ_CHECK(c->column >= 1 && static_cast<std::size_t>(c->column) <= after.size());
            FUZZ_CHECK(before[static_cast<std::size_t>(c->column - 1)] == c->before);
            FUZZ_CHECK(after[static_cast<std::size_t>(c->column - 1)] == c->after);
            FUZZ_CHECK(c->before != c->after);
            FUZZ_CHECK(before[0] == c->nameBefore && after[0] == c->nameAfter);
            namedRows.insert({c->team, c->grid, c->row});
            changedCells.insert({c->team, c->grid, c->row, c->column});
        } else if (const auto* c = std::get_if<ColorChange>(&change)) {
            FUZZ_CHECK(IsValidTeam(c->team));
            const std::size_t offset =
                ColorEntryOffset(c->team).value + (c->slot == ColorSlot::Uniform ? 1 : 0);
            FUZZ_CHECK(a[offset] == c->before && b[offset] == c->after && c->before != c->after);
        } else if (const auto* m = std::get_if<PlayerMove>(&change)) {
            FUZZ_CHECK(IsValidTeam(m->team) && m->fromRow != m->toRow);
            FUZZ_CHECK(m->fromRow >= 1 && m->fromRow <= Rows(m->grid));
            FUZZ_CHECK(m->toRow >= 1 && m->toRow <= Rows(m->grid));
            const Image moved = Record(b, m->grid, m->team, m->toRow - 1);
            FUZZ_CHECK(moved == Record(a, m->grid, m->team, m->fromRow - 1));
            FUZZ_CHECK(moved != Record(a, m->grid, m->team, m->toRow - 1));
            FUZZ_CHECK(m->name == Texts(b, m->grid, m->team, m->toRow - 1)[0]);
            namedRows.insert({m->team, m->grid, m->toRow});
            arrivalRows.insert({m->team, m->grid, m->toRow});
        } else if (const auto* t = std::get_if<PlayerTransfer>(&change)) {
            FUZZ_CHECK(IsValidTeam(t->fromTeam) && IsValidTeam(t->toTeam));
            FUZZ_CHECK(t->fromTeam != t->toTeam);
            FUZZ_CHECK(t->fromRow >= 1 && t->fromRow <= Rows(t->grid));
            FUZZ_CHECK(t->toRow >= 1 && t->toRow <= Rows(t->grid));
            const Image arrived = Record(b, t->grid, t->toTeam, t->toRow - 1);
            FUZZ_CHECK(arrived == Record(a, t->grid, t->fromTeam, t->fromRow - 1));
            FUZZ_CHECK(arrived != Record(a, t->grid, t->toTeam, t->toRow - 1));
            // The player left the team he came from; a copy the origin keeps is no transfer.
            for (int row = 0; row < Rows(t->grid); ++row)
                FUZZ_CHECK(Record(b, t->grid, t->fromTeam, row) != arrived);
            namedRows.insert({t->toTeam, t->grid, t->toRow});
            arrivalRows.insert({t->toTeam, t->grid, t->toRow});
        } else {
            const auto& r = std::get<ByteRange>(change);
            FUZZ_CHECK(r.length > 0);
            FUZZ_CHECK(rangeEnd == 0 || r.offset > rangeEnd); // not adjacent to the one before
            FUZZ_CHECK(r.offset + r.length <= inRange.size());
            for (std::size_t o = r.offset; o < r.offset + r.length; ++o) {
                FUZZ_CHECK(o >= a.size() || o >= b.size() || a[o] != b[o]);
                inRange[o] = true;
            }
            rangeEnd = r.offset + r.length;
        }
    }

    // Every differing byte outside the rosters is in a range (stretches memcmp finds equal are
    // skipped, which keeps the instrumented loop short).
    const std::size_t common = std::min(a.size(), b.size());
    constexpr std::size_t Stretch = 1024;
    for (std::size_t start = 0; start < common; start += Stretch) {
        const std::size_t end = std::min(start + Stretch, common);
        if (std::memcmp(a.data() + start, b.data() + start, end - start) == 0)
            continue;
        for (std::size_t o = start; o < end; ++o)
            if (a[o] != b[o] && !IsRosterByte(o))
                FUZZ_CHECK(inRange[o]);
    }
    for (std::size_t o = common; o < inRange.size(); ++o)
        FUZZ_CHECK(inRange[o]);

    for (int team = 0; team < TeamCount; ++team)
        for (Grid grid : {Grid::Batters, Grid::Pitchers})
            for (int row = 0; row < Rows(grid); ++row) {
                const Image now = Record(b, grid, team, row);
                if (now == Record(a, grid, team, row))
                    continue;
                const std::size_t offset = RecordOffset(grid, team, row);
                if (!namedRows.contains({team, grid, row + 1})) {
                    // Unnamed: it only shifted (it holds what another row of its team held), or
                    // every byte that differs is in a range, behind an equal text.
                    bool shifted = false;
                    for (int other = 0; other < Rows(grid); ++other)
                        shifted = shifted || (other != row && Record(a, grid, team, other) == now);
                    bool hidden = Texts(a, grid, team, row) == Texts(b, grid, team, row);
                    for (std::size_t k = 1; k < RecordSize(grid); ++k)
                        hidden = hidden && (a[offset + k] == b[offset + k] || inRange[offset + k]);
                    FUZZ_CHECK(shifted || hidden);
                    continue;
                }
                if (arrivalRows.contains({team, grid, row + 1}))
                    continue; // its whole record was checked with the move or transfer
                // A row shown by its cells: each differing byte feeds a listed cell or lies in a
                // range.
                for (std::size_t k = 1; k < RecordSize(grid); ++k) {
                    if (a[offset + k] == b[offset + k] || inRange[offset + k])
                        continue;
                    bool listed = false;
                    for (int column : FedColumns(grid, k))
                        listed = listed || changedCells.contains({team, grid, row + 1, column});
                    FUZZ_CHECK(listed);
                }
            }
}

LeagueChange Mirrored(const LeagueChange& change) {
    if (const auto* c = std::get_if<CellChange>(&change))
        return CellChange{c->team,  c->grid,   c->row,       c->column,
                          c->after, c->before, c->nameAfter, c->nameBefore};
    if (const auto* c = std::get_if<ColorChange>(&change))
        return ColorChange{c->team, c->slot, c->after, c->before};
    if (const auto* m = std::get_if<PlayerMove>(&change))
        return PlayerMove{m->team, m->grid, m->toRow, m->fromRow, m->name};
    return change;
}

// The bytes the ranges of a list cover, leaving out the record bytes of the rows in `rows`.
std::vector<bool> RangeBytes(const Changes& changes, std::size_t size,
                             const std::set<RowKey>& rows) {
    std::vector<bool> covered(size);
    for (const LeagueChange& change : changes)
        if (const auto* r = std::get_if<ByteRange>(&change))
            for (std::size_t o = r->offset; o < r->offset + r->length; ++o)
                covered[o] = true;
    for (const auto& [team, grid, row] : rows) {
        const std::size_t offset = RecordOffset(grid, team, row - 1);
        for (std::size_t k = 1; k < RecordSize(grid); ++k)
            covered[offset + k] = false;
    }
    return covered;
}

// Both directions agree once mirrored, leaving out transfers and what a row a transfer arrives at
// in either direction shows the other way (its cells, and bytes behind equal texts).
void CheckMirror(const Changes& forward, const Changes& reverse, std::size_t size) {
    std::set<RowKey> transferRows;
    for (const Changes* changes : {&forward, &reverse})
        for (const LeagueChange& change : *changes)
            if (const auto* t = std::get_if<PlayerTransfer>(&change))
                transferRows.insert({t->toTeam, t->grid, t->toRow});
    const auto kept = [&transferRows](const LeagueChange& change) {
        if (std::holds_alternative<PlayerTransfer>(change) ||
            std::holds_alternative<ByteRange>(change))
            return false;
        const auto* c = std::get_if<CellChange>(&change);
        return !c || !transferRows.contains({c->team, c->grid, c->row});
    };
    Changes mirrored;
    for (const LeagueChange& change : forward)
        if (kept(change))
            mirrored.push_back(Mirrored(change));
    testsupport::SortByOrder(mirrored);
    Changes expected;
    for (const LeagueChange& change : reverse)
        if (kept(change))
            expected.push_back(change);
    FUZZ_CHECK(mirrored == expected);
    FUZZ_CHECK(RangeBytes(forward, size, transferRows) == RangeBytes(reverse, size, transferRows));
    if (transferRows.empty()) {
        std::vector<ByteRange> forwardRanges;
        std::vector<ByteRange> reverseRanges;
        for (const LeagueChange& change : forward)
            if (const auto* r = std::get_if<ByteRange>(&change))
                forwardRanges.push_back(*r);
        for (const LeagueChange& change : reverse)
            if (const auto* r = std::get_if<ByteRange>(&change))
                reverseRanges.push_back(*r);
        FUZZ_CHECK(forwardRanges == reverseRanges);
    }
}

// A player who arrived from another team and is found once in each league left his team: the
// comparison the other way round shows him going back to the row he left, from the row he came
// to, whichever league is the first. Where either league holds him twice, he was copied, and a
// copy is cells both ways.
void CheckTransfersBothWays(const Image& a, const Image& b, const Changes& changes,
                            const Changes& reverse) {
    for (const LeagueChange& change : changes) {
        const auto* t = std::get_if<PlayerTransfer>(&change);
        if (!t)
            continue;
        const Image player = Record(b, t->grid, t->toTeam, t->toRow - 1);
        const auto timesIn = [&](const Image& league) {
            int found = 0;
            for (int team = 0; team < TeamCount; ++team)
                for (int row = 0; row < Rows(t->grid); ++row)
                    found += Record(league, t->grid, team, row) == player ? 1 : 0;
            return found;
        };
        if (timesIn(a) != 1 || timesIn(b) != 1)
            continue; // a copy: the player is in two teams of one of the leagues
        const auto back = std::find_if(reverse.begin(), reverse.end(), [&](const auto& other) {
            const auto* r = std::get_if<PlayerTransfer>(&other);
            return r && r->grid == t->grid && r->fromTeam == t->toTeam && r->fromRow == t->toRow &&
                   r->toTeam == t->fromTeam && r->toRow == t->fromRow;
        });
        FUZZ_CHECK(back != reverse.end());
        const auto& r = std::get<PlayerTransfer>(*back);
        FUZZ_CHECK(r.name == t->name);
        FUZZ_CHECK(r.replacedName == Texts(b, t->grid, t->fromTeam, t->fromRow - 1)[0]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Image pattern = [] {
        Image bytes(ImageMinimumSize + 64);
        for (std::size_t offset = 0; offset < bytes.size(); ++offset)
            bytes[offset] = fuzzsupport::PatternByte(offset);
        return bytes;
    }();
    ByteReader input(data, size);
    const Image base(pattern.begin(), pattern.begin() +
                                          static_cast<std::ptrdiff_t>(ImageMinimumSize) +
                                          input.Byte() % 64);
    const Image changed = Changed(base, input);

    FUZZ_CHECK(CompareLeagues(base, base).empty());
    const Changes forward = CompareLeagues(base, changed);
    const Changes reverse = CompareLeagues(changed, base);
    FUZZ_CHECK(forward.empty() == (base == changed));
    FUZZ_CHECK(reverse.empty() == (base == changed));
    CheckChanges(base, changed, forward);
    CheckChanges(changed, base, reverse);
    CheckMirror(forward, reverse, std::max(base.size(), changed.size()));
    CheckTransfersBothWays(base, changed, forward, reverse);
    CheckTransfersBothWays(changed, base, reverse, forward);
    return 0;
}
