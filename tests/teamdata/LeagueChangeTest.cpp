// SPDX-License-Identifier: MIT
// Random leagues, each edited by a random mix of what can happen to a league: cells, colours, a row
// dragged within a team, a row copied from another team, players traded, a player gone over to
// another team for good, a byte changed behind an
// equal text, stray bytes in the header, lead bytes, the unused end of team blocks and the
// program, and a change of length. The comparison must list exactly those edits, in its order, and
// nothing else; the comparison the other way round must list the same edits undone.

#include "LeagueChange.h"

#include "ChangeOrder.h"
#include "ImageBuilder.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "Team.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <ostream>
#include <random>
#include <set>
#include <tuple>

using namespace teamdata;
using testsupport::ImageBuilder;
using testsupport::SortByOrder;

namespace teamdata {

// Failures print the changes readably.
void PrintTo(const CellChange& c, std::ostream* out) {
    *out << "Cell{team " << c.team << " grid " << static_cast<int>(c.grid) << " row " << c.row
         << " column " << c.column << " '" << c.before << "'->'" << c.after << "' name '"
         << c.nameBefore << "'->'" << c.nameAfter << "'}";
}
void PrintTo(const ColorChange& c, std::ostream* out) {
    *out << "Color{team " << c.team << " slot " << static_cast<int>(c.slot) << " " << int{c.before}
         << "->" << int{c.after} << "}";
}
void PrintTo(const PlayerMove& m, std::ostream* out) {
    *out << "Move{team " << m.team << " grid " << static_cast<int>(m.grid) << " " << m.fromRow
         << "->" << m.toRow << " '" << m.name << "'}";
}
void PrintTo(const PlayerTransfer& t, std::ostream* out) {
    *out << "Transfer{grid " << static_cast<int>(t.grid) << " " << t.fromTeam << "/" << t.fromRow
         << "->" << t.toTeam << "/" << t.toRow << " '" << t.name << "' replacing '"
         << t.replacedName << "'}";
}
void PrintTo(const ByteRange& r, std::ostream* out) {
    *out << "Bytes{" << r.offset << " +" << r.length << "}";
}

} // namespace teamdata

namespace {

using Bytes = std::vector<std::uint8_t>;
using Changes = std::vector<LeagueChange>;

constexpr std::uint32_t Seed = 19920404;

class Random {
public:
    explicit Random(std::uint32_t seed)
        : engine_(seed) {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine_); }
    bool Percent(int chance) { return Below(100) < chance; }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Below(256)); }
    std::uint8_t Other(std::uint8_t than) {
        return static_cast<std::uint8_t>(than ^ (1 + Below(255)));
    }
    std::uint8_t NameTile() {
        static const std::vector<std::uint8_t> codes = [] {
            std::vector<std::uint8_t> found;
            for (int code = 0; code < TileCharCount; ++code)
                if (TileCharTable[static_cast<std::size_t>(code)] != PlaceholderChar)
                    found.push_back(static_cast<std::uint8_t>(code));
            return found;
        }();
        return codes[static_cast<std::size_t>(Below(static_cast<int>(codes.size())))];
    }
    template <typename T> void Shuffle(T& items) {
        std::shuffle(items.begin(), items.end(), engine_);
    }

private:
    std::mt19937 engine_;
};

// Records whose every byte is what their texts store, so that no byte differs behind an equal
// text unless an edit makes it so.
BatterBytes RandomBatter(Random& random) {
    BatterBytes b;
    for (std::uint8_t& tile : b.tiles)
        tile = random.NameTile();
    b.side = static_cast<std::uint8_t>(random.Below(3));
    for (std::uint8_t* value :
         {&b.popularityPosition, &b.averageCode, &b.homeRuns, &b.speed, &b.fielding, &b.arm})
        *value = random.Byte();
    return b;
}

std::uint8_t PitcherPopularityOf(int value) {
    return static_cast<std::uint8_t>(16 * value + 1);
}

PitcherBytes RandomPitcher(Random& random) {
    PitcherBytes p;
    for (std::uint8_t& tile : p.tiles)
        tile = random.NameTile();
    p.style = PitchingStyles[static_cast<std::size_t>(random.Below(10))].code;
    p.popularity = PitcherPopularityOf(random.Below(16));
    for (std::uint8_t* value : {&p.eraCode, &p.stamina, &p.fast, &p.medium, &p.slow, &p.rightBreak,
                                &p.leftBreak, &p.fork})
        *value = random.Byte();
    return p;
}

// Grid-independent access to one team's rows in an image under construction.
template <typename Record> struct GridOf;

template <> struct GridOf<BatterBytes> {
    static constexpr Grid grid = Grid::Batters;
    static constexpr int rows = BatterCount;
    static BatterBytes Read(const Bytes& image, int team, int row) {
        return TeamRecordsAt(image, team).batters[static_cast<std::size_t>(row)];
    }
    static void Write(ImageBuilder& image, int team, int row, const BatterBytes& record) {
        image.SetBatter(team, row, record, image.Bytes()[BatterRecordOffset(team, row).value]);
    }
    static auto Texts(const BatterBytes& record) { return BatterRowFromBytes(record); }
    static BatterBytes FromTexts(const BatterRowTexts& texts) { return *BatterBytesFromRow(texts); }
    static BatterBytes RandomRecord(Random& random) { return RandomBatter(random); }
    static constexpr int columns = 9;
};

template <> struct GridOf<PitcherBytes> {
    static constexpr Grid grid = Grid::Pitchers;
    static constexpr int rows = PitcherCount;
    static PitcherBytes Read(const Bytes& image, int team, int row) {
        return TeamRecordsAt(image, team).pitchers[static_cast<std::size_t>(row)];
    }
    static void Write(ImageBuilder& image, int team, int row, const PitcherBytes& record) {
        image.SetPitcher(team, row, record, image.Bytes()[PitcherRecordOffset(team, row).value]);
    }
    static auto Texts(const PitcherBytes& record) { return PitcherRowFromBytes(record); }
    static PitcherBytes FromTexts(const PitcherRowTexts& texts) {
        return *PitcherBytesFromRow(texts);
    }
    static PitcherBytes RandomRecord(Random& random) { return RandomPitcher(random); }
    static constexpr int columns = 11;
};

// A new text in one cell, stored as a save stores the row: only that cell's bytes change.
template <typename Grid, typename Record>
Record WithNewCell(const Record& record, int column, Random& random) {
    auto texts = Grid::Texts(record);
    const auto index = static_cast<std::size_t>(column - 1);
    const std::string old = texts[index];
    while (texts[index] == old)
        texts[index] = Grid::Texts(Grid::RandomRecord(random))[index];
    return Grid::FromTexts(texts);
}

enum class RosterEdit {
    None,
    Cells,
    Drag,
    DragAndEdit,
    Copy,
    CopyWithinTeam,
    Trade,
    Transfer,
    HiddenByte
};

// Two images and what comparing them must give, built edit by edit: every edit adds what it
// must show as in each direction.
class Scenario {
public:
    explicit Scenario(Random& random)
        : random_(random)
        , before_(random.Percent(70)
                      ? testsupport::DefaultImageSize
                      : ImageMinimumSize + static_cast<std::size_t>(random.Below(64))) {
        for (int team = 0; team < TeamCount; ++team) {
            for (int row = 0; row < BatterCount; ++row)
                before_.SetBatter(team, row, RandomBatter(random), random.Byte());
            for (int row = 0; row < PitcherCount; ++row)
                before_.SetPitcher(team, row, RandomPitcher(random), random.Byte());
            before_.SetColors(team, random.Byte(), random.Byte());
        }
        after_ = before_;
        if (random.Percent(15)) {
            const int change = 1 + random.Below(300);
            const std::size_t size = before_.Bytes().size();
            after_.Resize(random.Percent(50) || size - change < ImageMinimumSize ? size + change
                                                                                 : size - change);
        }
        EditRosters();
        EditColors();
        EditStrayBytes();
        ExpectByteRanges();
        SortByOrder(forward_);
        SortByOrder(reverse_);
    }

    const Bytes& Before() const { return before_.Bytes(); }
    const Bytes& After() const { return after_.Bytes(); }
    const Changes& Forward() const { return forward_; }
    const Changes& Reverse() const { return reverse_; }

private:
    void EditRosters() {
        std::array<RosterEdit, TeamCount> edits{};
        for (RosterEdit& edit : edits) {
            const int pick = random_.Below(100);
            edit = pick < 40   ? RosterEdit::None
                   : pick < 60 ? RosterEdit::Cells
                   : pick < 72 ? RosterEdit::Drag
                   : pick < 78 ? RosterEdit::DragAndEdit
                   : pick < 84 ? RosterEdit::Copy
                   : pick < 88 ? RosterEdit::CopyWithinTeam
                   : pick < 91 ? RosterEdit::Trade
                   : pick < 95 ? RosterEdit::Transfer
                               : RosterEdit::HiddenByte;
        }
        // A copy, a trade or a transfer is made with a team left as it was otherwise, and a trade
        // partner or the team a player left gives to no one else, so that in the other direction
        // each row is explained by its own edit alone.
        std::vector<int> untouched;
        for (int team = 0; team < TeamCount; ++team)
            if (edits[static_cast<std::size_t>(team)] == RosterEdit::None)
                untouched.push_back(team);
        for (int team = 0; team < TeamCount; ++team) {
            if (edits[static_cast<std::size_t>(team)] != RosterEdit::Trade || untouched.empty())
                continue;
            const auto partner =
                untouched.begin() + random_.Below(static_cast<int>(untouched.size()));
            random_.Percent(60) ? Trade<BatterBytes>(team, *partner)
                                : Trade<PitcherBytes>(team, *partner);
            untouched.erase(partner);
        }
        for (int team = 0; team < TeamCount; ++team) {
            if (edits[static_cast<std::size_t>(team)] != RosterEdit::Transfer || untouched.empty())
                continue;
            const auto origin =
                untouched.begin() + random_.Below(static_cast<int>(untouched.size()));
            random_.Percent(60) ? Transfer<BatterBytes>(*origin, team)
                                : Transfer<PitcherBytes>(*origin, team);
            untouched.erase(origin);
        }
        for (int team = 0; team < TeamCount; ++team) {
            const bool batters = random_.Percent(60);
            switch (edits[static_cast<std::size_t>(team)]) {
            case RosterEdit::None:
            case RosterEdit::Trade:
            case RosterEdit::Transfer:
                break;
            case RosterEdit::Cells:
                EditCells(team);
                break;
            case RosterEdit::Drag:
                batters ? Drag<BatterBytes>(team) : Drag<PitcherBytes>(team);
                break;
            case RosterEdit::DragAndEdit:
                batters ? DragAndEdit<BatterBytes>(team) : DragAndEdit<PitcherBytes>(team);
                break;
            case RosterEdit::CopyWithinTeam:
                batters ? CopyWithinTeam<BatterBytes>(team) : CopyWithinTeam<PitcherBytes>(team);
                break;
            case RosterEdit::Copy:
                if (untouched.empty())
                    break;
                batters ? Copy<BatterBytes>(team, untouched) : Copy<PitcherBytes>(team, untouched);
                break;
            case RosterEdit::HiddenByte:
                HideByteChange(team);
                break;
            }
        }
    }

    void EditCells(int team) {
        std::vector<int> places(BatterCount + PitcherCount);
        std::iota(places.begin(), places.end(), 0);
        random_.Shuffle(places);
        const int rows = 1 + random_.Below(3);
        for (int k = 0; k < rows; ++k) {
            const int place = places[static_cast<std::size_t>(k)];
            if (place < BatterCount)
                EditRow<BatterBytes>(team, place);
            else
                EditRow<PitcherBytes>(team, place - BatterCount);
        }
    }

    template <typename Record> void EditRow(int team, int row) {
        using Grid = GridOf<Record>;
        const Record old = Grid::Read(after_.Bytes(), team, row);
        Record edited = old;
        std::vector<int> columns(Grid::columns);
        std::iota(columns.begin(), columns.end(), 1);
        random_.Shuffle(columns);
        const int count = 1 + random_.Below(3);
        for (int k = 0; k < count; ++k)
            edited = WithNewCell<Grid>(edited, columns[static_cast<std::size_t>(k)], random_);
        Grid::Write(after_, team, row, edited);
        ExpectCells<Grid>(team, row, old, edited, forward_);
        ExpectCells<Grid>(team, row, edited, old, reverse_);
    }

    template <typename Grid, typename Record>
    static void ExpectCells(int team, int row, const Record& from, const Record& to,
                            Changes& changes) {
        const auto before = Grid::Texts(from);
        const auto after = Grid::Texts(to);
        for (std::size_t c = 0; c < after.size(); ++c)
            if (before[c] != after[c])
                changes.push_back(CellChange{team, Grid::grid, row + 1, static_cast<int>(c) + 1,
                                             before[c], after[c], before[0], after[0]});
    }

    // The window's row drag: the lead bytes stay, the records between shift by one. Returns the
    // rows dragged from and to.
    template <typename Record> std::pair<int, int> DragRow(int team) {
        using Grid = GridOf<Record>;
        const int from = random_.Below(Grid::rows);
        int to = random_.Below(Grid::rows - 1);
        to += to >= from ? 1 : 0;
        std::vector<Record> rows;
        for (int row = 0; row < Grid::rows; ++row)
            rows.push_back(Grid::Read(after_.Bytes(), team, row));
        const Record dragged = rows[static_cast<std::size_t>(from)];
        rows.erase(rows.begin() + from);
        rows.insert(rows.begin() + to, dragged);
        for (int row = 0; row < Grid::rows; ++row)
            Grid::Write(after_, team, row, rows[static_cast<std::size_t>(row)]);
        return {from, to};
    }

    template <typename Record> void Drag(int team) {
        using Grid = GridOf<Record>;
        const auto [from, to] = DragRow<Record>(team);
        const auto expectMove = [&](int fromRow, int toRow) {
            const std::string name = Grid::Texts(Grid::Read(before_.Bytes(), team, fromRow))[0];
            forward_.push_back(PlayerMove{team, Grid::grid, fromRow + 1, toRow + 1, name});
            reverse_.push_back(PlayerMove{team, Grid::grid, toRow + 1, fromRow + 1, name});
        };
        expectMove(from, to);
        // Two neighbours swapped: neither order is the longer one, so both are moves.
        if (std::abs(from - to) == 1)
            expectMove(to, from);
    }

    // Dragged and then edited: the record is found nowhere unchanged, so every row between shows
    // its cells as they differ in place.
    template <typename Record> void DragAndEdit(int team) {
        using Grid = GridOf<Record>;
        const auto [from, to] = DragRow<Record>(team);
        Record moved = Grid::Read(after_.Bytes(), team, to);
        moved = WithNewCell<Grid>(moved, 1 + random_.Below(Grid::columns), random_);
        Grid::Write(after_, team, to, moved);
        for (int row = std::min(from, to); row <= std::max(from, to); ++row) {
            const Record old = Grid::Read(before_.Bytes(), team, row);
            const Record now = Grid::Read(after_.Bytes(), team, row);
            ExpectCells<Grid>(team, row, old, now, forward_);
            ExpectCells<Grid>(team, row, now, old, reverse_);
        }
    }

    // A row copied over another of its own team: the origin still holds it, so nothing moved.
    template <typename Record> void CopyWithinTeam(int team) {
        using Grid = GridOf<Record>;
        const int from = random_.Below(Grid::rows);
        int to = random_.Below(Grid::rows - 1);
        to += to >= from ? 1 : 0;
        const Record replaced = Grid::Read(after_.Bytes(), team, to);
        const Record copied = Grid::Read(after_.Bytes(), team, from);
        Grid::Write(after_, team, to, copied);
        ExpectCells<Grid>(team, to, replaced, copied, forward_);
        ExpectCells<Grid>(team, to, copied, replaced, reverse_);
    }

    template <typename Record> void Copy(int team, const std::vector<int>& untouched) {
        using Grid = GridOf<Record>;
        const int row = random_.Below(Grid::rows);
        const int origin =
            untouched[static_cast<std::size_t>(random_.Below(static_cast<int>(untouched.size())))];
        const int originRow = random_.Below(Grid::rows);
        const Record replaced = Grid::Read(after_.Bytes(), team, row);
        const Record copied = Grid::Read(before_.Bytes(), origin, originRow);
        Grid::Write(after_, team, row, copied);
        // The origin keeps the player: no transfer either way, the same cells both ways.
        ExpectCells<Grid>(team, row, replaced, copied, forward_);
        ExpectCells<Grid>(team, row, copied, replaced, reverse_);
    }

    // Two teams exchange players: both directions show two transfers.
    template <typename Record> void Trade(int team, int partner) {
        using Grid = GridOf<Record>;
        const int row = random_.Below(Grid::rows);
        const int partnerRow = random_.Below(Grid::rows);
        const Record ours = Grid::Read(before_.Bytes(), team, row);
        const Record theirs = Grid::Read(before_.Bytes(), partner, partnerRow);
        Grid::Write(after_, team, row, theirs);
        Grid::Write(after_, partner, partnerRow, ours);
        const std::string ourName = Grid::Texts(ours)[0];
        const std::string theirName = Grid::Texts(theirs)[0];
        forward_.push_back(
            PlayerTransfer{Grid::grid, partner, partnerRow + 1, team, row + 1, theirName, ourName});
        forward_.push_back(
            PlayerTransfer{Grid::grid, team, row + 1, partner, partnerRow + 1, ourName, theirName});
        reverse_.push_back(
            PlayerTransfer{Grid::grid, partner, partnerRow + 1, team, row + 1, ourName, theirName});
        reverse_.push_back(
            PlayerTransfer{Grid::grid, team, row + 1, partner, partnerRow + 1, theirName, ourName});
    }

    // A player leaves his team for another for good: he takes the place of someone who is gone, and
    // a newcomer takes his. Whichever league comes first, the player is seen going over, and only
    // the rows he did not arrive at show their cells.
    template <typename Record> void Transfer(int origin, int team) {
        using Grid = GridOf<Record>;
        const int originRow = random_.Below(Grid::rows);
        const int row = random_.Below(Grid::rows);
        const Record player = Grid::Read(before_.Bytes(), origin, originRow);
        const Record gone = Grid::Read(before_.Bytes(), team, row);
        const Record newcomer = Grid::RandomRecord(random_);
        Grid::Write(after_, team, row, player);
        Grid::Write(after_, origin, originRow, newcomer);
        const std::string name = Grid::Texts(player)[0];
        forward_.push_back(PlayerTransfer{Grid::grid, origin, originRow + 1, team, row + 1, name,
                                          Grid::Texts(gone)[0]});
        ExpectCells<Grid>(origin, originRow, player, newcomer, forward_);
        reverse_.push_back(PlayerTransfer{Grid::grid, team, row + 1, origin, originRow + 1, name,
                                          Grid::Texts(newcomer)[0]});
        ExpectCells<Grid>(team, row, player, gone, reverse_);
    }

    // A byte that two values of one cell share a text for: a batting side above 2 (shown as
    // "両" like 2), or the low bits of a pitcher's popularity.
    void HideByteChange(int team) {
        const int batter = random_.Below(BatterCount);
        BatterBytes b = GridOf<BatterBytes>::Read(after_.Bytes(), team, batter);
        if (b.side == 2) {
            b.side = static_cast<std::uint8_t>(3 + random_.Below(253));
            GridOf<BatterBytes>::Write(after_, team, batter, b);
        } else {
            const int pitcher = random_.Below(PitcherCount);
            PitcherBytes p = GridOf<PitcherBytes>::Read(after_.Bytes(), team, pitcher);
            p.popularity =
                static_cast<std::uint8_t>((p.popularity & 0xF0) | (2 + random_.Below(14)));
            GridOf<PitcherBytes>::Write(after_, team, pitcher, p);
        }
        for (std::size_t offset = TeamBlockOffset(team).value;
             offset < TeamBlockOffset(team).value + TeamBlockSize; ++offset)
            if (before_.Bytes()[offset] != after_.Bytes()[offset])
                strayBytes_.insert(offset);
    }

    void EditColors() {
        for (int team = 0; team < TeamCount; ++team) {
            if (!random_.Percent(20))
                continue;
            const std::size_t entry = ColorEntryOffset(team).value;
            const std::uint8_t helmet = after_.Bytes()[entry];
            const std::uint8_t uniform = after_.Bytes()[entry + 1];
            const int slots = 1 + random_.Below(3);
            const std::uint8_t newHelmet = slots & 1 ? random_.Other(helmet) : helmet;
            const std::uint8_t newUniform = slots & 2 ? random_.Other(uniform) : uniform;
            after_.SetColors(team, newHelmet, newUniform);
            if (slots & 1) {
                forward_.push_back(ColorChange{team, ColorSlot::Helmet, helmet, newHelmet});
                reverse_.push_back(ColorChange{team, ColorSlot::Helmet, newHelmet, helmet});
            }
            if (slots & 2) {
                forward_.push_back(ColorChange{team, ColorSlot::Uniform, uniform, newUniform});
                reverse_.push_back(ColorChange{team, ColorSlot::Uniform, newUniform, uniform});
            }
        }
    }

    void EditStrayBytes() {
        const std::size_t common = std::min(before_.Bytes().size(), after_.Bytes().size());
        const std::size_t unusedStart = PitcherAreaInBlock + PitcherCount * PitcherRecordSize;
        const int count = random_.Below(5);
        for (int k = 0; k < count; ++k) {
            std::size_t offset = 0;
            switch (random_.Below(4)) {
            case 0:
                offset = static_cast<std::size_t>(random_.Below(16));
                break; // iNES header
            case 1: {
                const int team = random_.Below(TeamCount);
                const int record = random_.Below(BatterCount + PitcherCount);
                offset = record < BatterCount
                             ? BatterRecordOffset(team, record).value
                             : PitcherRecordOffset(team, record - BatterCount).value;
                break;
            }
            case 2:
                offset = TeamBlockOffset(random_.Below(TeamCount)).value + unusedStart +
                         static_cast<std::size_t>(
                             random_.Below(static_cast<int>(TeamBlockSize - unusedStart)));
                break;
            default:
                do
                    offset = static_cast<std::size_t>(random_.Below(static_cast<int>(common)));
                while (testsupport::IsWritableTeamByte(offset));
            }
            if (strayBytes_.insert(offset).second)
                after_.SetByte(offset, random_.Other(after_.Bytes()[offset]));
        }
    }

    void ExpectByteRanges() {
        std::vector<ByteRange> ranges;
        const auto add = [&ranges](std::size_t offset, std::size_t length) {
            if (!ranges.empty() && ranges.back().offset + ranges.back().length == offset)
                ranges.back().length += length;
            else
                ranges.push_back({offset, length});
        };
        for (std::size_t offset : strayBytes_)
            add(offset, 1);
        const std::size_t beforeSize = before_.Bytes().size();
        const std::size_t afterSize = after_.Bytes().size();
        if (beforeSize != afterSize)
            add(std::min(beforeSize, afterSize),
                std::max(beforeSize, afterSize) - std::min(beforeSize, afterSize));
        forward_.insert(forward_.end(), ranges.begin(), ranges.end());
        reverse_.insert(reverse_.end(), ranges.begin(), ranges.end());
    }

    Random& random_;
    ImageBuilder before_;
    ImageBuilder after_;
    std::set<std::size_t> strayBytes_;
    Changes forward_;
    Changes reverse_;
};

} // namespace

TEST(LeagueComparison, ListsExactlyTheEditsOfARandomLeagueAndTheirUndoingTheOtherWay) {
    Random random(Seed);
    for (int iteration = 0; iteration < 300; ++iteration) {
        const Scenario scenario(random);
        SCOPED_TRACE("seed " + std::to_string(Seed) + ", iteration " + std::to_string(iteration));
        ASSERT_EQ(CompareLeagues(scenario.Before(), scenario.After()), scenario.Forward());
        ASSERT_EQ(CompareLeagues(scenario.After(), scenario.Before()), scenario.Reverse());
        ASSERT_TRUE(CompareLeagues(scenario.Before(), scenario.Before()).empty());
    }
}

// Any reordering of a team's rows, not only one drag: the rows named as moves hold what their
// origin held, the rows not named kept their order among themselves and with the rest, and the
// other direction names the same rows going back.
TEST(LeagueComparison, DescribesAnyReorderingByMovesThatLeaveTheRestInOrder) {
    Random random(Seed + 1);
    for (int iteration = 0; iteration < 300; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        ImageBuilder before;
        for (int row = 0; row < BatterCount; ++row)
            before.SetBatter(0, row, RandomBatter(random));
        ImageBuilder after = before;
        std::vector<int> rows(BatterCount);
        std::iota(rows.begin(), rows.end(), 0);
        random.Shuffle(rows);
        std::vector<int> moving(rows.begin(), rows.begin() + 2 + random.Below(BatterCount - 1));
        std::vector<int> source(BatterCount);
        std::iota(source.begin(), source.end(), 0);
        std::vector<int> targets = moving;
        random.Shuffle(targets);
        for (std::size_t k = 0; k < moving.size(); ++k) {
            source[static_cast<std::size_t>(targets[k])] = moving[k];
            after.SetBatter(0, targets[k], GridOf<BatterBytes>::Read(before.Bytes(), 0, moving[k]));
        }

        const Changes forward = CompareLeagues(before.Bytes(), after.Bytes());
        std::vector<bool> named(BatterCount);
        Changes mirrored;
        for (const LeagueChange& change : forward) {
            const auto* move = std::get_if<PlayerMove>(&change);
            ASSERT_NE(move, nullptr);
            ASSERT_EQ(source[static_cast<std::size_t>(move->toRow - 1)], move->fromRow - 1);
            named[static_cast<std::size_t>(move->toRow - 1)] = true;
            mirrored.push_back(
                PlayerMove{move->team, move->grid, move->toRow, move->fromRow, move->name});
        }
        int previous = -1;
        for (int row = 0; row < BatterCount; ++row) {
            if (named[static_cast<std::size_t>(row)])
                continue;
            EXPECT_GT(source[static_cast<std::size_t>(row)], previous);
            previous = source[static_cast<std::size_t>(row)];
        }
        SortByOrder(mirrored);
        EXPECT_EQ(CompareLeagues(after.Bytes(), before.Bytes()), mirrored);
    }
}

// The window jumps to a change's place: a transfer shows at the row it arrived at, and a byte range
// (here a lead byte the trade left as it was in the image builder's default) belongs to no team.
TEST(LeagueComparison, PlacesATransferAtItsArrivalAndNamesOnlyTheTeamsItTouches) {
    ImageBuilder before;
    before.FillValidTeams();
    ImageBuilder after = before;
    after.SetColors(3, 0x00, 0x00);
    after.SetBatter(5, 7, ImageBuilder::ValidBatter(1, 0));
    after.SetBatter(1, 0, ImageBuilder::ValidBatter(5, 7));
    const Changes changes = CompareLeagues(before.Bytes(), after.Bytes());
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(ChangedTeams(changes), (std::vector<int>{1, 3, 5}));
    const auto transfer = PlaceOf(changes[3]);
    ASSERT_TRUE(transfer);
    EXPECT_EQ(std::tie(transfer->team, transfer->grid, transfer->row, transfer->column),
              std::make_tuple(5, std::optional(Grid::Batters), 8, 1));
    EXPECT_FALSE(PlaceOf(changes.back()));
}
