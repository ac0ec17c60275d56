// SPDX-License-Identifier: MIT
#pragma once

#include "Compare.h"

#include "CellEditRules.h"
#include "CellProblem.h"
#include "CsvReader.h"
#include "RecordText.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A real season into the league: a sheet of the season's statistics, one row per player, and the
// rules that make the game's values of them. The rules are the fan's to change, so that how a
// stolen base count becomes a speed is theirs to decide and not this program's.
namespace plans {

// Where a game column's value comes from.
enum class RuleKind {
    Statistic,  // the statistic itself, rounded to the nearest value the game holds
    Thresholds, // the value of the highest threshold the statistic reaches
    Rank,       // the player's rank among the league's players of the grid, mapped onto a list
    Map,        // the statistic's text looked up in a table (C → 2 for the fielding position)
    Constant,   // one value for everyone
};

struct Threshold {
    double atLeast = 0;
    std::string value; // a text the column holds
};

struct ColumnRule {
    teamdata::Grid grid = teamdata::Grid::Batters;
    int column = 0;
    int line = 0; // of the rules file, where the rule starts
    RuleKind kind = RuleKind::Constant;
    std::string statistic;             // the sheet's header, for every kind but Constant
    std::vector<Threshold> thresholds; // ascending
    std::vector<std::string> ranks;    // the best player's value first
    bool lowestIsBest = false;         // for Rank: an earned run average
    std::map<std::string, std::string> map;
    std::string value;                   // for Constant
    std::optional<std::string> fallback; // for a player without the statistic
};

enum class SeasonIssueKind {
    // The rules file.
    RulesSyntax,          // `text`: the TOML reader's own description
    RulesCharacter,       // `character`, which the TOML reader cannot take (SeasonRules.cpp)
    UnknownRuleColumn,    // `key` names no column of the grid
    UnknownRuleKey,       // `key` is no setting of a rule
    RuleWithoutSource,    // the rule for `key` gives neither a statistic nor a value
    RuleOfTwoKinds,       // the rule for `key` gives more than one of thresholds, rank, map
    ThresholdsOutOfOrder, // `key`'s thresholds do not rise: `text` comes after a higher one
    RuleValueRefused,     // `text` in the rule for `key` is no value of the column: `refusal`
    RuleValueNotText,     // `key` holds no number or text
    UnknownInitials,      // the team name `key` maps to initials `text` that name no team
    // The sheet.
    SheetEmpty,          // no header row
    MissingIdentity,     // the header has no column `expected` (team, name, role)
    UnknownTeam,         // `text` is neither a team's initials nor a name the rules map
    UnknownRole,         // `text` is neither B/P nor 打者/投手
    NameInKanji,         // `text` holds the kanji `character`, and no readings were asked for
    NameRefused,         // `text` cannot be a name: `refusal`
    CellRefused,         // `text` under the game column's header: `refusal`
    PlayerCount,         // `team` has `count` players of `grid`, not `expectedCount`
    FieldingPositions,   // `team`'s batting order does not hold the positions 2..9 once each
    UnknownStatistic,    // a rule for `key` reads `expected`, which no header names
    StatisticNotANumber, // `text`, of statistic `expected`, is no number for a rule for `key`
    MissingStatistic,    // the player has no `expected` and the rule for `key` no default
    UnmappedStatistic,   // `text`, of statistic `expected`, is not in the map of `key`
    SheetNotText,        // UTF-16, UTF-32 or binary
    UnclosedQuote,       // a quoted field that never closes
    TooManyLines,        // more lines than any league has players
    // A note: small kana of `text` were written large; `expected` is the name as stored.
    NameSpellingChanged,
    // A note: the name in kanji `text` was read `expected`, on request; `readings` the others.
    NameRead,
    // A note: the name in kanji `text` was read `expected` as the name at `otherLine` of the same
    // team was, so the game shows the two alike.
    SameReading,
};

struct SeasonIssue {
    SeasonIssueKind kind{};
    int line = 0;   // of the file it is about; 0 when it is about no line
    int column = 0; // of the sheet, 1-based; 0 when none
    std::string key;
    std::string text;
    std::string expected;
    std::string character;
    int team = -1;
    teamdata::Grid grid = teamdata::Grid::Batters;
    int count = 0;
    int expectedCount = 0;
    teamdata::CellRefusal refusal;
    std::vector<std::string> readings;
    int otherLine = 0;
};

struct SeasonRules {
    std::map<std::string, int> teams; // names a sheet may give, to a team
    std::vector<ColumnRule> columns;
    std::vector<SeasonIssue> errors;
};

// The rules the program comes with (season-rules.toml, installed beside the help).
[[nodiscard]] std::string_view DefaultSeasonRules();

// A rules file (TOML, UTF-8): a [teams] table of names to initials, and tables [batter.<column>]
// and [pitcher.<column>], <column> a game column's caption without spaces (打率) or its English
// word (AVG), each holding one rule.
[[nodiscard]] SeasonRules ReadSeasonRules(std::string_view toml);

// One player of the sheet.
struct SheetPlayer {
    int line = 0;
    int team = 0;
    teamdata::Grid grid = teamdata::Grid::Batters;
    std::string name; // as the cell will hold it
    std::vector<std::string> fields;
};

struct SeasonSheet {
    std::vector<std::string> headers;
    std::vector<SheetPlayer> players;
    std::vector<SeasonIssue> errors;
    std::vector<SeasonIssue> notes; // names whose small kana were written large
};

// A sheet as UTF-8 text: one header row, then one row per player. With `readKanji`, a name in
// kanji takes its first reading that fits and is noted; without it, such a name is an error.
[[nodiscard]] SeasonSheet ReadSeasonSheet(std::string_view utf8,
                                          const std::map<std::string, int>& teamNames,
                                          const teamdata::KanjiNameReader& readKanji = {});

// How one value of one player was made, for --explain.
enum class ValueSource { SheetColumn, Statistic, Threshold, Rank, Map, Constant, Default, Kept };

struct ValueExplanation {
    int team = 0;
    teamdata::Grid grid = teamdata::Grid::Batters;
    int row = 0; // 1-based grid row
    std::string name;
    int column = 0;
    ValueSource source = ValueSource::Kept;
    std::string statistic;      // the header read
    std::string statisticValue; // as the sheet holds it
    double threshold = 0;       // for Threshold: the threshold reached
    int rank = 0;               // for Rank: 1 for the best
    int rankedPlayers = 0;
    std::string value;    // the cell's text
    bool rounded = false; // the statistic or sheet text was rounded or clamped to `value`
};

struct SeasonPlan {
    SeasonRules rules;
    SeasonSheet sheet;
    std::vector<SeasonIssue> errors; // the rules', the sheet's and the rating's: nothing is made
    reports::LeagueTexts league;     // every team, those the sheet names made anew
    std::vector<int> teams;          // the teams the sheet names, in image order
    std::vector<ValueExplanation> explanation;
};

// The league `current` with every team the sheet names made from the sheet by the rules. A game
// column without a rule and without a column in the sheet keeps what the team's row holds now.
[[nodiscard]] SeasonPlan PlanSeason(std::string_view sheetBytes, std::string_view rulesText,
                                    const reports::LeagueTexts& current,
                                    const TextDecoder& decodeText,
                                    const teamdata::KanjiNameReader& readKanji = {});

// A game column named by a header or a rules key: its caption with spaces taken out (打率,
// 球速（速）) or its English word (AVG), regardless of case. Empty for any other name.
[[nodiscard]] std::optional<int> GameColumnNamed(teamdata::Grid grid, std::string_view name);

} // namespace plans
