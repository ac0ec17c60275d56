// SPDX-License-Identifier: MIT
#include "LeagueChange.h"

#include "Columns.h"
#include "ImageLayout.h"
#include "RecordText.h"
#include "Team.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace teamdata {

namespace {

// The name tiles come first in both records and feed the name column of both grids.
constexpr int NameColumn = BatterColumn::Name;
static_assert(PitcherColumn::Name == NameColumn);

// What differs between the batter and the pitcher grid, so that one comparison serves both.
struct BatterGrid {
    static constexpr Grid grid = Grid::Batters;
    static constexpr std::size_t recordSize = BatterRecordSize;
    static constexpr const auto& columns = BatterColumns;
    static const auto& Rows(const TeamRecords& team) { return team.batters; }
    static auto Texts(const BatterBytes& record) { return BatterRowFromBytes(record); }
    static std::size_t Offset(int team, int row) { return BatterRecordOffset(team, row).value; }
};

struct PitcherGrid {
    static constexpr Grid grid = Grid::Pitchers;
    static constexpr std::size_t recordSize = PitcherRecordSize;
    static constexpr const auto& columns = PitcherColumns;
    static const auto& Rows(const TeamRecords& team) { return team.pitchers; }
    static auto Texts(const PitcherBytes& record) { return PitcherRowFromBytes(record); }
    static std::size_t Offset(int team, int row) { return PitcherRecordOffset(team, row).value; }
};

using League = std::array<TeamRecords, TeamCount>;

League LeagueOf(std::span<const std::uint8_t> image) {
    League league;
    for (int team = 0; team < TeamCount; ++team)
        league[static_cast<std::size_t>(team)] = TeamRecordsAt(image, team);
    return league;
}

constexpr int Unmatched = -1;

// For each row of `after`, the row of `before` whose record it holds as part of a reordering of
// the team's rows (itself when the row is unchanged), or Unmatched.
//
// Equal records pair up in row order (the k-th with the k-th), which pairs the same rows whichever
// league comes first. Only closed cycles count as a reordering: a record that arrives at a row
// while its old row holds something found nowhere else is shown as the cells that differ, since
// reporting it as a move would leave the old row's new content unexplained in one direction.
template <typename Record, std::size_t N>
std::array<int, N> ReorderedSources(const std::array<Record, N>& before,
                                    const std::array<Record, N>& after) {
    std::array<int, N> source;
    source.fill(Unmatched);
    std::array<bool, N> taken{};
    for (std::size_t j = 0; j < N; ++j)
        if (before[j] == after[j]) {
            source[j] = static_cast<int>(j);
            taken[j] = true;
        }
    for (std::size_t j = 0; j < N; ++j) {
        if (source[j] != Unmatched)
            continue;
        for (std::size_t i = 0; i < N; ++i)
            if (!taken[i] && before[i] == after[j]) {
                source[j] = static_cast<int>(i);
                taken[i] = true;
                break;
            }
    }
    // Pairing is one to one, so following the sources from a row either comes back to it or
    // runs out at an unmatched row.
    std::array<int, N> closed = source;
    for (std::size_t j = 0; j < N; ++j) {
        int at = source[j];
        for (std::size_t steps = 0; at != Unmatched && at != static_cast<int>(j) && steps < N;
             ++steps)
            at = source[static_cast<std::size_t>(at)];
        if (at != static_cast<int>(j))
            closed[j] = Unmatched;
    }
    return closed;
}

// The heaviest chain of rows whose sources increase with the rows, leaving out row `skipped`.
template <std::size_t N>
int HeaviestChain(const std::array<int, N>& order, const std::array<int, N>& weight, int skipped) {
    std::array<int, N> heaviestEndingAt{};
    int heaviest = 0;
    for (std::size_t j = 0; j < N; ++j) {
        if (static_cast<int>(j) == skipped)
            continue;
        int before = 0;
        for (std::size_t k = 0; k < j; ++k)
            if (static_cast<int>(k) != skipped && order[k] < order[j])
                before = std::max(before, heaviestEndingAt[k]);
        heaviestEndingAt[j] = before + weight[j];
        heaviest = std::max(heaviest, heaviestEndingAt[j]);
    }
    return heaviest;
}

// Which reordered rows are reported as moves. The rows that stay in place (unchanged or edited
// there) weigh more than all others together, so every heaviest chain holds them all; of the
// reordered rows, those that every heaviest chain holds kept their order and are not moves. Asking
// "every" rather than "some" heaviest chain makes the answer the same in both directions, since a
// chain of one direction is a chain of the other.
template <std::size_t N> std::array<bool, N> MovedRows(const std::array<int, N>& source) {
    std::array<bool, N> moved{};
    bool reordered = false;
    for (std::size_t j = 0; j < N; ++j)
        reordered = reordered || (source[j] != Unmatched && source[j] != static_cast<int>(j));
    if (!reordered)
        return moved;
    std::array<int, N> order{};
    std::array<int, N> weight{};
    for (std::size_t j = 0; j < N; ++j) {
        const bool inPlace = source[j] == Unmatched || source[j] == static_cast<int>(j);
        order[j] = inPlace ? static_cast<int>(j) : source[j];
        weight[j] = inPlace ? static_cast<int>(N) + 1 : 1;
    }
    const int heaviest = HeaviestChain(order, weight, -1);
    for (std::size_t j = 0; j < N; ++j)
        moved[j] = weight[j] == 1 && HeaviestChain(order, weight, static_cast<int>(j)) == heaviest;
    return moved;
}

class Comparison {
public:
    Comparison(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)
        : beforeImage_(before)
        , afterImage_(after)
        , before_(LeagueOf(before))
        , after_(LeagueOf(after)) {}

    std::vector<LeagueChange> Run() {
        for (int team = 0; team < TeamCount; ++team) {
            CompareGrid<BatterGrid>(team);
            CompareGrid<PitcherGrid>(team);
            CompareColors(team);
        }
        CompareOtherBytes();
        return std::move(changes_);
    }

private:
    template <typename Grid> void CompareGrid(int team) {
        const auto& before = Grid::Rows(before_[static_cast<std::size_t>(team)]);
        const auto& after = Grid::Rows(after_[static_cast<std::size_t>(team)]);
        if (before == after)
            return;
        const auto source = ReorderedSources(before, after);
        const auto moved = MovedRows(source);
        for (std::size_t j = 0; j < after.size(); ++j) {
            const int row = static_cast<int>(j);
            if (source[j] == row)
                continue;
            if (source[j] != Unmatched) {
                if (moved[j])
                    Add(PlayerMove{team, Grid::grid, source[j] + 1, row + 1,
                                   Grid::Texts(after[j])[0]});
                continue;
            }
            if (!AddTransfer<Grid>(team, row))
                AddCells<Grid>(team, row);
        }
    }

    // The first row of another team, in image order, that held this row's new record before.
    template <typename Grid> bool AddTransfer(int team, int row) {
        const auto& arrived = Grid::Rows(after_[static_cast<std::size_t>(team)])[row];
        for (int origin = 0; origin < TeamCount; ++origin) {
            if (origin == team || StillHolds<Grid>(origin, arrived))
                continue;
            const auto& rows = Grid::Rows(before_[static_cast<std::size_t>(origin)]);
            const auto found = std::find(rows.begin(), rows.end(), arrived);
            if (found == rows.end())
                continue;
            const auto& replaced = Grid::Rows(before_[static_cast<std::size_t>(team)])[row];
            Add(PlayerTransfer{Grid::grid, origin, static_cast<int>(found - rows.begin()) + 1, team,
                               row + 1, Grid::Texts(arrived)[0], Grid::Texts(replaced)[0]});
            return true;
        }
        return false;
    }

    // A team that still holds a record after the change gave a copy of it at most, and a copy is
    // shown as the cells it overwrote: the other direction then shows the same cells going back,
    // where it would find no transfer (the copy's old row held no one who left).
    template <typename Grid, typename Record>
    bool StillHolds(int team, const Record& record) const {
        const auto& rows = Grid::Rows(after_[static_cast<std::size_t>(team)]);
        return std::find(rows.begin(), rows.end(), record) != rows.end();
    }

    template <typename Grid> void AddCells(int team, int row) {
        const auto before = Grid::Texts(Grid::Rows(before_[static_cast<std::size_t>(team)])[row]);
        const auto after = Grid::Texts(Grid::Rows(after_[static_cast<std::size_t>(team)])[row]);
        for (std::size_t c = 0; c < after.size(); ++c)
            if (before[c] != after[c])
                Add(CellChange{team, Grid::grid, row + 1, static_cast<int>(c) + 1, before[c],
                               after[c], before[0], after[0]});

        const auto shows = [&](int column) {
            return before[static_cast<std::size_t>(column) - 1] !=
                   after[static_cast<std::size_t>(column) - 1];
        };
        const std::size_t record = Grid::Offset(team, row);
        for (std::size_t k = 1; k < Grid::recordSize; ++k) {
            const std::size_t offset = record + k;
            if (beforeImage_[offset] == afterImage_[offset])
                continue;
            // A byte that differs while none of the columns it feeds shows a different text is
            // reported as a byte range, so that no change hides behind an equal text.
            bool shown = false;
            for (const Column& column : Grid::columns)
                if (column.firstByte <= k && k <= column.lastByte)
                    shown = shown || shows(column.number);
            if (!shown)
                hiddenBytes_.push_back(offset);
        }
    }

    void CompareColors(int team) {
        const TeamColors before = before_[static_cast<std::size_t>(team)].colors;
        const TeamColors after = after_[static_cast<std::size_t>(team)].colors;
        if (before.helmet != after.helmet)
            Add(ColorChange{team, ColorSlot::Helmet, before.helmet, after.helmet});
        if (before.uniform != after.uniform)
            Add(ColorChange{team, ColorSlot::Uniform, before.uniform, after.uniform});
    }

    void CompareOtherBytes() {
        std::vector<ByteRange> ranges;
        for (std::size_t offset : hiddenBytes_)
            ranges.push_back({offset, 1});
        // Equal stretches are skipped by memcmp, many bytes at a time, so that comparing two
        // images that differ in a few bytes costs little more than reading them.
        constexpr std::size_t Stretch = 512;
        const std::size_t common = std::min(beforeImage_.size(), afterImage_.size());
        for (std::size_t start = 0; start < common; start += Stretch) {
            const std::size_t end = std::min(start + Stretch, common);
            if (std::memcmp(beforeImage_.data() + start, afterImage_.data() + start, end - start) ==
                0)
                continue;
            for (std::size_t offset = start; offset < end; ++offset)
                if (beforeImage_[offset] != afterImage_[offset] && !IsRosterByte(offset))
                    ranges.push_back({offset, 1});
        }
        const std::size_t longer = std::max(beforeImage_.size(), afterImage_.size());
        if (longer > common)
            ranges.push_back({common, longer - common});

        std::sort(ranges.begin(), ranges.end(),
                  [](const ByteRange& x, const ByteRange& y) { return x.offset < y.offset; });
        std::vector<ByteRange> joined;
        for (const ByteRange& range : ranges) {
            if (!joined.empty() && joined.back().offset + joined.back().length == range.offset)
                joined.back().length += range.length;
            else
                joined.push_back(range);
        }
        for (const ByteRange& range : joined)
            Add(range);
    }

    // In place: GCC 12 warns of uninitialised strings, falsely, when a variant is built from a
    // temporary of another alternative and then copied into the vector.
    template <typename Change> void Add(Change change) {
        changes_.emplace_back(std::in_place_type<Change>, std::move(change));
    }

    std::span<const std::uint8_t> beforeImage_;
    std::span<const std::uint8_t> afterImage_;
    League before_;
    League after_;
    std::vector<std::size_t> hiddenBytes_;
    std::vector<LeagueChange> changes_;
};

} // namespace

std::vector<LeagueChange> CompareLeagues(std::span<const std::uint8_t> before,
                                         std::span<const std::uint8_t> after) {
    if (before.size() < ImageMinimumSize || after.size() < ImageMinimumSize)
        throw std::invalid_argument("CompareLeagues: an image shorter than the colour table");
    return Comparison(before, after).Run();
}

std::optional<ChangePlace> PlaceOf(const LeagueChange& change) {
    if (const auto* cell = std::get_if<CellChange>(&change))
        return ChangePlace{cell->team, cell->grid, cell->row, cell->column};
    if (const auto* color = std::get_if<ColorChange>(&change))
        return ChangePlace{color->team, std::nullopt, 0, 0};
    if (const auto* move = std::get_if<PlayerMove>(&change))
        return ChangePlace{move->team, move->grid, move->toRow, NameColumn};
    if (const auto* transfer = std::get_if<PlayerTransfer>(&change))
        return ChangePlace{transfer->toTeam, transfer->grid, transfer->toRow, NameColumn};
    return std::nullopt;
}

std::vector<int> ChangedTeams(const std::vector<LeagueChange>& changes) {
    std::array<bool, TeamCount> touched{};
    for (const LeagueChange& change : changes)
        if (const std::optional<ChangePlace> place = PlaceOf(change))
            touched[static_cast<std::size_t>(place->team)] = true;
    std::vector<int> teams;
    for (int team = 0; team < TeamCount; ++team)
        if (touched[static_cast<std::size_t>(team)])
            teams.push_back(team);
    return teams;
}

bool IsRosterByte(std::size_t offset) {
    if (offset >= ColorTableBase && offset < ImageMinimumSize)
        return true;
    if (offset < TeamAreaBase)
        return false;
    const std::size_t inArea = offset - TeamAreaBase;
    if (inArea >= std::size_t{TeamCount} * TeamBlockSize)
        return false;
    const std::size_t inBlock = inArea % TeamBlockSize;
    if (inBlock < PitcherAreaInBlock)
        return inBlock % BatterRecordSize != 0;
    const std::size_t inPitchers = inBlock - PitcherAreaInBlock;
    return inPitchers < std::size_t{PitcherCount} * PitcherRecordSize &&
           inPitchers % PitcherRecordSize != 0;
}

} // namespace teamdata
