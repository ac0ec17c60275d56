// SPDX-License-Identifier: MIT
#pragma once

#include "Import.h"
#include "PasteReader.h"
#include "Team.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text pasted into the shown team, decided before anything is applied: a whole team goes the way
// of the team CSV import, a block of cells is read by the cell rule. The window words what comes
// out and pushes the one undo step; every face that pastes decides through this plan.
namespace plans {

enum class PasteDecision {
    TooLarge,  // more text than any team's data: nothing is read
    TeamCsv,   // a whole team with the headers CSV出力 writes: `teamCsv` is its import
    Refused,   // `read.problems` say why; nothing is applied
    Unchanged, // every cell already holds what was pasted (notes may still be told)
    Apply,     // `read.texts` is the shown team with the block written in
};

struct PasteChoices {
    reports::PasteTarget target;
    reports::LabelSpellings labelSpellings; // words of the interface's language for the labels
    std::size_t largest = 0;                // the most text a paste reads
    int shownTeam = 0;
    bool round = false; // numbers rounded as the import rounds them, when the user asked
    // Names in kanji read as kana, when the user asked ("Import with readings").
    teamdata::KanjiNameReader readKanji = {};
};

// A name in kanji pasted and read as another player of the shown team is named: the game would
// show the two alike.
struct SameReading {
    teamdata::Grid grid = teamdata::Grid::Batters;
    int row = 0;
    std::string text;   // as pasted
    std::string stored; // the reading the cell holds
    teamdata::Grid otherGrid = teamdata::Grid::Batters;
    int otherRow = 0;
};

struct PastePlan {
    PasteDecision decision = PasteDecision::Refused;
    reports::PasteRead read;
    std::optional<TeamCsvPlan> teamCsv;
    std::vector<SameReading> sameReadings; // for a block applied
};

[[nodiscard]] PastePlan PlanPaste(std::string_view text, const teamdata::TeamTexts& shown,
                                  const PasteChoices& how);

} // namespace plans
