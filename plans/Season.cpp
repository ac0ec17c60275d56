// SPDX-License-Identifier: MIT
#include "Season.h"

#include "CellRounding.h"
#include "Columns.h"
#include "Spaces.h"
#include "TextEncoding.h"
#include "TextNumbers.h"

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <variant>

namespace plans {

namespace {

// A statistic as a number: what the sheet holds read as the cell rule reads numbers (full-width
// digits, a leading point), never through the C library, whose point follows the locale.
std::optional<double> StatisticNumber(std::string_view text) {
    const std::optional<teamdata::WrittenDecimal> decimal = teamdata::ReadWrittenDecimal(text);
    if (!decimal)
        return std::nullopt;
    double value = 0;
    for (char c : decimal->whole)
        value = value * 10 + (c - '0');
    double scale = 1;
    for (char c : decimal->fraction) {
        scale /= 10;
        value += (c - '0') * scale;
    }
    return decimal->negative ? -value : value;
}

class SeasonRating {
public:
    SeasonRating(SeasonPlan& plan)
        : plan_(plan) {}

    void FindColumns() {
        // A header the rules read as a statistic is theirs: "POS" holding C and SS is the
        // statistic the position map reads, not the position column's English word.
        std::set<std::string> read;
        for (const ColumnRule& rule : plan_.rules.columns)
            read.insert(rule.statistic);
        for (std::size_t at = 0; at < plan_.sheet.headers.size(); ++at) {
            const std::string& header = plan_.sheet.headers[at];
            statistics_[header] = at;
            if (read.contains(header))
                continue;
            for (teamdata::Grid grid : {teamdata::Grid::Batters, teamdata::Grid::Pitchers})
                if (const std::optional<int> column = GameColumnNamed(grid, header);
                    column && *column != 1)
                    sheetColumns_[GridIndex(grid)][*column] = at;
        }
        for (const ColumnRule& rule : plan_.rules.columns) {
            if (rule.kind == RuleKind::Constant || statistics_.contains(rule.statistic) ||
                rule.fallback)
                continue;
            SeasonIssue& issue = plan_.errors.emplace_back();
            issue.kind = SeasonIssueKind::UnknownStatistic;
            issue.line = rule.line;
            issue.key = std::string(teamdata::ColumnOf(rule.grid, rule.column)->word);
            issue.expected = rule.statistic;
        }
    }

    // Every named team's players in sheet order, checked for the number each grid holds.
    void GatherTeams() {
        for (const SheetPlayer& player : plan_.sheet.players)
            rosters_[static_cast<std::size_t>(player.team)][GridIndex(player.grid)].push_back(
                &player);
        for (int team = 0; team < teamdata::TeamCount; ++team) {
            const auto& roster = rosters_[static_cast<std::size_t>(team)];
            if (roster[0].empty() && roster[1].empty())
                continue;
            plan_.teams.push_back(team);
            for (teamdata::Grid grid : {teamdata::Grid::Batters, teamdata::Grid::Pitchers}) {
                const int expected = grid == teamdata::Grid::Batters ? teamdata::BatterCount
                                                                     : teamdata::PitcherCount;
                const int count = static_cast<int>(roster[GridIndex(grid)].size());
                if (count == expected)
                    continue;
                SeasonIssue& issue = plan_.errors.emplace_back();
                issue.kind = SeasonIssueKind::PlayerCount;
                issue.team = team;
                issue.grid = grid;
                issue.count = count;
                issue.expectedCount = expected;
            }
        }
    }

    void RateTeams() {
        for (int team : plan_.teams) {
            teamdata::TeamTexts& texts = plan_.league[static_cast<std::size_t>(team)];
            const auto& roster = rosters_[static_cast<std::size_t>(team)];
            for (std::size_t i = 0; i < roster[0].size(); ++i)
                RatePlayer(*roster[0][i], static_cast<int>(i) + 1, texts.batters[i]);
            for (std::size_t i = 0; i < roster[1].size(); ++i)
                RatePlayer(*roster[1][i], static_cast<int>(i) + 1, texts.pitchers[i]);
            CheckPositions(team, texts);
        }
    }

private:
    static std::size_t GridIndex(teamdata::Grid grid) {
        return grid == teamdata::Grid::Batters ? 0 : 1;
    }

    const ColumnRule* RuleFor(teamdata::Grid grid, int column) const {
        for (const ColumnRule& rule : plan_.rules.columns)
            if (rule.grid == grid && rule.column == column)
                return &rule;
        return nullptr;
    }

    SeasonIssue& PlayerError(SeasonIssueKind kind, const SheetPlayer& player, int column) {
        SeasonIssue& issue = plan_.errors.emplace_back();
        issue.kind = kind;
        issue.line = player.line;
        issue.team = player.team;
        issue.grid = player.grid;
        issue.key = std::string(teamdata::ColumnOf(player.grid, column)->word);
        return issue;
    }

    template <typename Row> void RatePlayer(const SheetPlayer& player, int row, Row& cells) {
        cells[0] = player.name;
        for (std::size_t c = 1; c < cells.size(); ++c) {
            const int column = static_cast<int>(c) + 1;
            ValueExplanation explained;
            explained.team = player.team;
            explained.grid = player.grid;
            explained.row = row;
            explained.name = player.name;
            explained.column = column;
            explained.value = cells[c];
            if (Rate(player, column, explained))
                cells[c] = explained.value;
            plan_.explanation.push_back(std::move(explained));
        }
    }

    // A sheet's value or a statistic, rounded as an import with rounding rounds.
    bool Written(const SheetPlayer& player, int column, const std::string& text,
                 ValueExplanation& explained, SeasonIssueKind refusedAs) {
        const teamdata::Column& about = *teamdata::ColumnOf(player.grid, column);
        if (about.kind == teamdata::ColumnKind::Value) {
            if (const auto rounded = teamdata::RoundCellValue(player.grid, column, text)) {
                explained.value = rounded->text;
                explained.rounded = rounded->changed;
                return true;
            }
        } else {
            auto accepted = teamdata::AcceptCellText(player.grid, column, text, {});
            if (auto* cell = std::get_if<teamdata::AcceptedCell>(&accepted)) {
                explained.value = cell->text;
                return true;
            }
        }
        SeasonIssue& issue = PlayerError(refusedAs, player, column);
        issue.text = text;
        issue.expected = explained.statistic;
        issue.refusal = std::get<teamdata::CellRefusal>(
            teamdata::AcceptCellText(player.grid, column, text, {}));
        return false;
    }

    bool Rate(const SheetPlayer& player, int column, ValueExplanation& explained) {
        const auto& sheetColumns = sheetColumns_[GridIndex(player.grid)];
        if (const auto at = sheetColumns.find(column); at != sheetColumns.end()) {
            const std::string& text = player.fields[at->second];
            if (!text.empty()) {
                explained.source = ValueSource::SheetColumn;
                explained.statistic = plan_.sheet.headers[at->second];
                explained.statisticValue = text;
                return Written(player, column, text, explained, SeasonIssueKind::CellRefused);
            }
        }
        const ColumnRule* rule = RuleFor(player.grid, column);
        if (!rule)
            return false; // kept as the row holds it now
        if (rule->kind == RuleKind::Constant) {
            explained.source = ValueSource::Constant;
            explained.value = rule->value;
            return true;
        }
        explained.statistic = rule->statistic;
        const auto at = statistics_.find(rule->statistic);
        const std::string text =
            at == statistics_.end() ? std::string() : player.fields[at->second];
        explained.statisticValue = text;
        if (teamdata::WithoutAsciiSpaces(text).empty()) {
            if (!rule->fallback) {
                PlayerError(SeasonIssueKind::MissingStatistic, player, column).expected =
                    rule->statistic;
                return false;
            }
            explained.source = ValueSource::Default;
            explained.value = *rule->fallback;
            return true;
        }
        switch (rule->kind) {
        case RuleKind::Statistic:
            explained.source = ValueSource::Statistic;
            return Written(player, column, text, explained, SeasonIssueKind::CellRefused);
        case RuleKind::Map: {
            const auto mapped = rule->map.find(text);
            if (mapped == rule->map.end()) {
                SeasonIssue& issue =
                    PlayerError(SeasonIssueKind::UnmappedStatistic, player, column);
                issue.text = text;
                issue.expected = rule->statistic;
                return false;
            }
            explained.source = ValueSource::Map;
            explained.value = mapped->second;
            return true;
        }
        case RuleKind::Thresholds:
        case RuleKind::Rank:
        case RuleKind::Constant:
            break;
        }
        const std::optional<double> number = StatisticNumber(text);
        if (!number) {
            SeasonIssue& issue = PlayerError(SeasonIssueKind::StatisticNotANumber, player, column);
            issue.text = text;
            issue.expected = rule->statistic;
            return false;
        }
        if (rule->kind == RuleKind::Thresholds) {
            const Threshold* reached = nullptr;
            for (const Threshold& threshold : rule->thresholds)
                if (*number >= threshold.atLeast)
                    reached = &threshold;
            if (!reached) {
                explained.source = ValueSource::Default;
                if (!rule->fallback) {
                    // Below the first threshold the first value holds.
                    reached = &rule->thresholds.front();
                } else {
                    explained.value = *rule->fallback;
                    return true;
                }
            }
            explained.source = ValueSource::Threshold;
            explained.threshold = reached->atLeast;
            explained.value = reached->value;
            return true;
        }
        // Rank: among the players of the grid with a number for the statistic, equal numbers
        // sharing the better rank, spread evenly over the list.
        const std::vector<double>& ranked = Ranked(*rule, at->second);
        const auto better =
            rule->lowestIsBest
                ? std::lower_bound(ranked.begin(), ranked.end(), *number)
                : std::lower_bound(ranked.begin(), ranked.end(), *number, std::greater<double>());
        const auto index = static_cast<std::size_t>(better - ranked.begin());
        explained.source = ValueSource::Rank;
        explained.rank = static_cast<int>(index) + 1;
        explained.rankedPlayers = static_cast<int>(ranked.size());
        explained.value = rule->ranks[index * rule->ranks.size() / ranked.size()];
        return true;
    }

    const std::vector<double>& Ranked(const ColumnRule& rule, std::size_t at) {
        auto [found, added] = ranked_.try_emplace(&rule);
        if (added) {
            for (const SheetPlayer& player : plan_.sheet.players)
                if (player.grid == rule.grid)
                    if (const auto number = StatisticNumber(player.fields[at]))
                        found->second.push_back(*number);
            if (rule.lowestIsBest)
                std::sort(found->second.begin(), found->second.end());
            else
                std::sort(found->second.begin(), found->second.end(), std::greater<double>());
        }
        return found->second;
    }

    // The batting order's eight players hold the positions 2..9 once each, as a save demands.
    void CheckPositions(int team, const teamdata::TeamTexts& texts) {
        std::array<bool, 10> held{};
        bool right = true;
        for (int row = 0; row < teamdata::BattingOrderLength; ++row) {
            const int position = teamdata::LenientToInt(
                texts.batters[static_cast<std::size_t>(row)][teamdata::BatterColumn::Position - 1]);
            if (position < 2 || position > 9 || held[static_cast<std::size_t>(position)])
                right = false;
            else
                held[static_cast<std::size_t>(position)] = true;
        }
        if (right)
            return;
        SeasonIssue& issue = plan_.errors.emplace_back();
        issue.kind = SeasonIssueKind::FieldingPositions;
        issue.team = team;
    }

    SeasonPlan& plan_;
    std::map<std::string, std::size_t> statistics_;
    std::array<std::map<int, std::size_t>, 2> sheetColumns_;
    std::array<std::array<std::vector<const SheetPlayer*>, 2>, teamdata::TeamCount> rosters_;
    std::map<const ColumnRule*, std::vector<double>> ranked_;
};

} // namespace

SeasonPlan PlanSeason(std::string_view sheetBytes, std::string_view rulesText,
                      const reports::LeagueTexts& current, const TextDecoder& decodeText,
                      const teamdata::KanjiNameReader& readKanji) {
    SeasonPlan plan;
    plan.league = current;
    plan.rules = ReadSeasonRules(rulesText);
    plan.errors = plan.rules.errors;
    const reports::TextEncoding encoding = reports::GuessTextEncoding(sheetBytes);
    if (encoding != reports::TextEncoding::Utf8 && encoding != reports::TextEncoding::ShiftJis) {
        SeasonIssue& issue = plan.errors.emplace_back();
        issue.kind = SeasonIssueKind::SheetNotText;
        return plan;
    }
    plan.sheet = ReadSeasonSheet(encoding == reports::TextEncoding::Utf8 ? std::string(sheetBytes)
                                                                         : decodeText(sheetBytes),
                                 plan.rules.teams, readKanji);
    plan.errors.insert(plan.errors.end(), plan.sheet.errors.begin(), plan.sheet.errors.end());
    if (!plan.errors.empty())
        return plan;
    SeasonRating rating(plan);
    rating.FindColumns();
    rating.GatherTeams();
    if (!plan.errors.empty())
        return plan;
    rating.RateTeams();
    return plan;
}

} // namespace plans
