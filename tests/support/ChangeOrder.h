// SPDX-License-Identifier: MIT
#pragma once

#include "LeagueChange.h"
#include "Team.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <variant>
#include <vector>

// Header-only, so that the fuzz targets, which link none of the test support, share it too.
namespace testsupport {

// Where a change stands in the comparison's order: by team, batters before pitchers before the
// colours, by row and column; the byte ranges after every team, by offset.
inline std::tuple<int, int, int, int, std::size_t> OrderOf(const teamdata::LeagueChange& change) {
    using namespace teamdata;
    if (const auto* c = std::get_if<CellChange>(&change))
        return {c->team, static_cast<int>(c->grid), c->row, c->column, 0};
    if (const auto* m = std::get_if<PlayerMove>(&change))
        return {m->team, static_cast<int>(m->grid), m->toRow, 0, 0};
    if (const auto* t = std::get_if<PlayerTransfer>(&change))
        return {t->toTeam, static_cast<int>(t->grid), t->toRow, 0, 0};
    if (const auto* c = std::get_if<ColorChange>(&change))
        return {c->team, 2, static_cast<int>(c->slot), 0, 0};
    return {TeamCount, 0, 0, 0, std::get<ByteRange>(change).offset};
}

// Puts `changes` into the comparison's order, keeping the order of changes at one place.
inline void SortByOrder(std::vector<teamdata::LeagueChange>& changes) {
    std::stable_sort(changes.begin(), changes.end(),
                     [](const auto& x, const auto& y) { return OrderOf(x) < OrderOf(y); });
}

} // namespace testsupport
