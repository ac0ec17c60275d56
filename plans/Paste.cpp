// SPDX-License-Identifier: MIT
#include "Paste.h"

#include <algorithm>
#include <string>

namespace plans {

namespace {

// Every name read from kanji that another player of the team, batter or pitcher, holds too once
// the block is in. Of two names read alike, the later one is named.
std::vector<SameReading> SameReadings(const reports::PasteRead& read) {
    std::vector<SameReading> same;
    const auto readLater = [&](std::size_t after, teamdata::Grid grid, int row) {
        return std::any_of(read.notes.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                           read.notes.end(), [&](const teamdata::CellNote& later) {
                               return later.kind == teamdata::CellNoteKind::NameRead &&
                                      later.grid == grid && later.row == row;
                           });
    };
    for (std::size_t n = 0; n < read.notes.size(); ++n) {
        const teamdata::CellNote& note = read.notes[n];
        if (note.kind != teamdata::CellNoteKind::NameRead)
            continue;
        // The name is the first column of both grids.
        const auto findIn = [&](teamdata::Grid grid, const auto& rows) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const int row = static_cast<int>(r) + 1;
                if ((grid != note.grid || row != note.row) &&
                    rows[r][teamdata::BatterColumn::Name - 1] == note.stored &&
                    !readLater(n, grid, row)) {
                    same.push_back({note.grid, note.row, note.text, note.stored, grid, row});
                    return true;
                }
            }
            return false;
        };
        if (!findIn(teamdata::Grid::Batters, read.texts.batters))
            findIn(teamdata::Grid::Pitchers, read.texts.pitchers);
    }
    return same;
}

} // namespace

PastePlan PlanPaste(std::string_view text, const teamdata::TeamTexts& shown,
                    const PasteChoices& how) {
    PastePlan plan;
    // Far more than a whole league's text: whatever it is, it is no team's data, and reading it
    // cell by cell would keep the window busy for nothing.
    if (text.size() > how.largest) {
        plan.decision = PasteDecision::TooLarge;
        return plan;
    }
    // A whole team, with the headers CSV出力 writes, is what CSV取込 reads; what it pastes is
    // UTF-8 already, so nothing is left to decode.
    if (const std::optional<std::string> teamCsv = reports::TeamCsvOfPaste(text)) {
        plan.decision = PasteDecision::TeamCsv;
        plan.teamCsv = PlanTeamCsvImport(
            *teamCsv, shown, how.shownTeam,
            [](std::string_view bytes) { return std::string(bytes); }, how.round, how.readKanji);
        return plan;
    }
    plan.read =
        reports::ReadPaste(text, how.target, shown, how.labelSpellings, how.round, how.readKanji);
    if (!plan.read.Accepted())
        plan.decision = PasteDecision::Refused;
    else if (plan.read.texts == shown)
        plan.decision = PasteDecision::Unchanged;
    else
        plan.decision = PasteDecision::Apply;
    if (plan.decision == PasteDecision::Apply)
        plan.sameReadings = SameReadings(plan.read);
    return plan;
}

} // namespace plans
