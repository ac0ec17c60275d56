// SPDX-License-Identifier: MIT
// The season's two readers on arbitrary text. The first byte chooses what the rest is: even, a
// rules file read alone; odd, a sheet rated by the built-in rules against a league of the
// editor's values, its names in kanji read by a stand-in reader when the byte's second bit is set
// (readings of every length, some too long, some none). Every issue lies within its text; rules
// read without errors hand out only values their columns hold; a sheet rated without errors changes
// only the teams it names, into texts every cell of which the cell rule takes as they are, with a
// valid batting order.

#include "FuzzSupport.h"

#include "CellEditRules.h"
#include "Season.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

using namespace plans;

namespace {

int LineCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

bool Holds(teamdata::Grid grid, int column, const std::string& text) {
    return std::holds_alternative<teamdata::AcceptedCell>(
        teamdata::AcceptCellText(grid, column, text, {}));
}

void CheckRules(std::string_view text) {
    const SeasonRules rules = ReadSeasonRules(text);
    for (const SeasonIssue& issue : rules.errors)
        FUZZ_CHECK(issue.line >= 0 && issue.line <= LineCount(text));
    if (!rules.errors.empty())
        return;
    for (const ColumnRule& rule : rules.columns) {
        FUZZ_CHECK(rule.column >= 2);
        for (const Threshold& threshold : rule.thresholds)
            FUZZ_CHECK(Holds(rule.grid, rule.column, threshold.value));
        for (const std::string& value : rule.ranks)
            FUZZ_CHECK(Holds(rule.grid, rule.column, value));
        for (const auto& [from, value] : rule.map)
            FUZZ_CHECK(Holds(rule.grid, rule.column, value));
        if (rule.fallback)
            FUZZ_CHECK(Holds(rule.grid, rule.column, *rule.fallback));
    }
}

reports::LeagueTexts EditorLeague() {
    reports::LeagueTexts league;
    for (teamdata::TeamTexts& team : league) {
        for (std::size_t row = 0; row < team.batters.size(); ++row)
            team.batters[row] = {"あいうえお", "右", "5",  std::to_string(row < 8 ? row + 2 : 7),
                                 "250",        "10", "20", "3",
                                 "3"};
        for (auto& row : team.pitchers)
            row = {"かきくけこ", "右", "5", "300", "10", "140", "130", "110", "8", "8", "8"};
    }
    return league;
}

// Readings that depend on the name's bytes, as MeCab's would, without the dictionary.
std::optional<teamdata::KanjiNameReadings> StandInReadings(std::string_view name) {
    teamdata::KanjiNameReadings readings;
    for (std::size_t i = 0; i < name.size() % 4; ++i) {
        std::string kana;
        for (std::size_t n = 0; n < (name.size() + i * 3) % 8; ++n)
            kana += n % 2 == 0 ? "が" : "し";
        readings.kana.push_back(kana);
    }
    return readings;
}

void CheckSheet(std::string_view text, bool readKanji) {
    static const reports::LeagueTexts current = EditorLeague();
    const SeasonPlan plan = PlanSeason(
        text, DefaultSeasonRules(), current,
        [](std::string_view bytes) { return std::string(bytes); },
        readKanji ? teamdata::KanjiNameReader(StandInReadings) : teamdata::KanjiNameReader());
    for (const SeasonIssue& issue : plan.errors)
        FUZZ_CHECK(issue.line >= 0 && issue.line <= LineCount(text));
    if (!plan.errors.empty())
        return;
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const auto& texts = plan.league[static_cast<std::size_t>(team)];
        if (std::find(plan.teams.begin(), plan.teams.end(), team) == plan.teams.end()) {
            FUZZ_CHECK(texts == current[static_cast<std::size_t>(team)]);
            continue;
        }
        for (const auto& row : texts.batters)
            for (std::size_t c = 0; c < row.size(); ++c)
                FUZZ_CHECK(Holds(teamdata::Grid::Batters, static_cast<int>(c) + 1, row[c]));
        for (const auto& row : texts.pitchers)
            for (std::size_t c = 0; c < row.size(); ++c)
                FUZZ_CHECK(Holds(teamdata::Grid::Pitchers, static_cast<int>(c) + 1, row[c]));
        std::array<bool, 10> held{};
        for (std::size_t row = 0; row < 8; ++row) {
            const int position =
                std::stoi(texts.batters[row][teamdata::BatterColumn::Position - 1]);
            FUZZ_CHECK(position >= 2 && position <= 9 && !held[static_cast<std::size_t>(position)]);
            held[static_cast<std::size_t>(position)] = true;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        CheckRules(text);
    else
        CheckSheet(text, (data[0] & 2) != 0);
    return 0;
}
