// SPDX-License-Identifier: MIT
#include "Season.h"
#include "Utf8.h"

#include "CellEditRules.h"
#include "Columns.h"
#include "TeamInitials.h"

// Read the header alone: the program is built with and without exceptions (the browser build),
// and Debian's compiled library is of neither concern.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <variant>

namespace plans {

namespace {

int LineOf(const toml::node& node) {
    return static_cast<int>(node.source().begin.line);
}

// A number of the rules as the cell rule reads numbers: a whole number as it is, a decimal with
// its point (0.25 as "0.25"), never through the C library, whose point follows the locale.
std::optional<std::string> TextOf(const toml::node& node) {
    if (const auto* text = node.as_string())
        return text->get();
    if (const auto* number = node.as_integer())
        return std::to_string(number->get());
    if (const auto* number = node.as_floating_point()) {
        const double value = number->get();
        if (!std::isfinite(value) || std::fabs(value) > 1e9)
            return std::nullopt;
        const auto millionths = static_cast<std::int64_t>(std::llround(std::fabs(value) * 1e6));
        std::string fraction = std::to_string(millionths % 1'000'000);
        fraction.insert(0, 6 - fraction.size(), '0');
        return (value < 0 ? "-" : "") + std::to_string(millionths / 1'000'000) + "." + fraction;
    }
    return std::nullopt;
}

std::optional<double> NumberOf(const toml::node& node) {
    if (const auto* number = node.as_integer())
        return static_cast<double>(number->get());
    if (const auto* number = node.as_floating_point())
        return number->get();
    return std::nullopt;
}

class RulesReader {
public:
    explicit RulesReader(SeasonRules& rules)
        : rules_(rules) {}

    void ReadTeams(const toml::table& teams) {
        for (auto&& [name, node] : teams) {
            const std::optional<std::string> initials = TextOf(node);
            const std::optional<int> team =
                initials ? teamdata::TeamOfInitials(*initials) : std::nullopt;
            if (!team) {
                Error(SeasonIssueKind::UnknownInitials, node, std::string(name.str()),
                      initials.value_or(""));
                continue;
            }
            rules_.teams[std::string(name.str())] = *team;
        }
    }

    void ReadGrid(teamdata::Grid grid, const toml::table& columns) {
        for (auto&& [key, node] : columns) {
            const std::string name(key.str());
            const std::optional<int> column = GameColumnNamed(grid, name);
            const toml::table* rule = node.as_table();
            if (!column || *column == 1 || !rule) {
                Error(SeasonIssueKind::UnknownRuleColumn, node, name);
                continue;
            }
            ReadRule(grid, *column, name, *rule);
        }
    }

private:
    void Error(SeasonIssueKind kind, const toml::node& node, std::string key,
               std::string text = {}) {
        SeasonIssue& issue = rules_.errors.emplace_back();
        issue.kind = kind;
        issue.line = LineOf(node);
        issue.key = std::move(key);
        issue.text = std::move(text);
    }

    // A value the rule hands out: one the column holds, as the dialogs could give it.
    std::optional<std::string> CellValue(teamdata::Grid grid, int column, const std::string& key,
                                         const toml::node& node) {
        const std::optional<std::string> text = TextOf(node);
        if (!text) {
            Error(SeasonIssueKind::RuleValueNotText, node, key);
            return std::nullopt;
        }
        auto accepted = teamdata::AcceptCellText(grid, column, *text, {});
        if (auto* refusal = std::get_if<teamdata::CellRefusal>(&accepted)) {
            Error(SeasonIssueKind::RuleValueRefused, node, key, *text);
            rules_.errors.back().refusal = std::move(*refusal);
            return std::nullopt;
        }
        return std::get<teamdata::AcceptedCell>(accepted).text;
    }

    void ReadRule(teamdata::Grid grid, int column, const std::string& key,
                  const toml::table& table) {
        ColumnRule rule;
        rule.grid = grid;
        rule.column = column;
        rule.line = LineOf(table);
        int kinds = 0;
        bool valid = true;
        for (auto&& [settingKey, node] : table) {
            const std::string_view setting = settingKey.str();
            if (setting == "statistic") {
                const auto* text = node.as_string();
                if (!text) {
                    Error(SeasonIssueKind::RuleValueNotText, node, key);
                    valid = false;
                    continue;
                }
                rule.statistic = text->get();
            } else if (setting == "value") {
                const std::optional<std::string> value = CellValue(grid, column, key, node);
                valid = valid && value;
                rule.value = value.value_or("");
                rule.kind = RuleKind::Constant;
            } else if (setting == "default") {
                rule.fallback = CellValue(grid, column, key, node);
                valid = valid && rule.fallback;
            } else if (setting == "best") {
                const auto* text = node.as_string();
                if (!text || (text->get() != "highest" && text->get() != "lowest")) {
                    Error(SeasonIssueKind::UnknownRuleKey, node, key + ".best");
                    valid = false;
                    continue;
                }
                rule.lowestIsBest = text->get() == "lowest";
            } else if (setting == "thresholds") {
                ++kinds;
                rule.kind = RuleKind::Thresholds;
                valid = ReadThresholds(rule, key, node) && valid;
            } else if (setting == "rank") {
                ++kinds;
                rule.kind = RuleKind::Rank;
                valid = ReadList(rule, key, node) && valid;
            } else if (setting == "map") {
                ++kinds;
                rule.kind = RuleKind::Map;
                valid = ReadMap(rule, key, node) && valid;
            } else {
                Error(SeasonIssueKind::UnknownRuleKey, node, key + "." + std::string(setting));
                valid = false;
            }
        }
        if (kinds == 0 && !rule.statistic.empty())
            rule.kind = RuleKind::Statistic;
        if (kinds > 1) {
            Error(SeasonIssueKind::RuleOfTwoKinds, table, key);
            valid = false;
        } else if (rule.statistic.empty() && (kinds == 1 || !table.contains("value"))) {
            Error(SeasonIssueKind::RuleWithoutSource, table, key);
            valid = false;
        }
        if (valid)
            rules_.columns.push_back(std::move(rule));
    }

    // [[at_least, value], ...] rising, or a table per threshold: {at_least = 40, value = 50}.
    bool ReadThresholds(ColumnRule& rule, const std::string& key, const toml::node& node) {
        const toml::array* list = node.as_array();
        if (!list || list->empty()) {
            Error(SeasonIssueKind::RuleValueNotText, node, key + ".thresholds");
            return false;
        }
        for (const toml::node& entry : *list) {
            const toml::node* atLeast = nullptr;
            const toml::node* value = nullptr;
            if (const toml::array* pair = entry.as_array(); pair && pair->size() == 2) {
                atLeast = pair->get(0);
                value = pair->get(1);
            } else if (const toml::table* named = entry.as_table()) {
                atLeast = named->get("at_least");
                value = named->get("value");
            }
            const std::optional<double> threshold = atLeast ? NumberOf(*atLeast) : std::nullopt;
            if (!threshold || !value) {
                Error(SeasonIssueKind::RuleValueNotText, entry, key + ".thresholds");
                return false;
            }
            if (!rule.thresholds.empty() && *threshold <= rule.thresholds.back().atLeast) {
                Error(SeasonIssueKind::ThresholdsOutOfOrder, entry, key,
                      TextOf(*atLeast).value_or(""));
                return false;
            }
            const std::optional<std::string> cell = CellValue(rule.grid, rule.column, key, *value);
            if (!cell)
                return false;
            rule.thresholds.push_back({*threshold, *cell});
        }
        return true;
    }

    bool ReadList(ColumnRule& rule, const std::string& key, const toml::node& node) {
        const toml::array* list = node.as_array();
        if (!list || list->empty()) {
            Error(SeasonIssueKind::RuleValueNotText, node, key + ".rank");
            return false;
        }
        for (const toml::node& entry : *list) {
            const std::optional<std::string> cell = CellValue(rule.grid, rule.column, key, entry);
            if (!cell)
                return false;
            rule.ranks.push_back(*cell);
        }
        return true;
    }

    bool ReadMap(ColumnRule& rule, const std::string& key, const toml::node& node) {
        const toml::table* table = node.as_table();
        if (!table || table->empty()) {
            Error(SeasonIssueKind::RuleValueNotText, node, key + ".map");
            return false;
        }
        for (auto&& [from, to] : *table) {
            const std::optional<std::string> cell = CellValue(rule.grid, rule.column, key, to);
            if (!cell)
                return false;
            rule.map[std::string(from.str())] = *cell;
        }
        return true;
    }

    SeasonRules& rules_;
};

// Whether toml++ 3.3 may be handed `code` where white space may stand: asked whether such a
// character is white space, its generated table reaches a branch it declares unreachable. Its
// table is split in blocks of 0x3FA characters from U+00A0; three blocks have no case of their
// own (U+00A0..U+0499, U+2C8E..U+3087 with the hiragana, U+FB66..U+FEFF), and of them only
// U+00A0, U+3000 and U+FEFF are answered.
bool UnsafeOutsideStrings(char32_t code) {
    const bool inBlock = (code >= 0xA0 && code <= 0x499) || (code >= 0x2C8E && code <= 0x3087) ||
                         (code >= 0xFB66 && code <= 0xFEFF);
    return inBlock && code != 0xA0 && code != 0x3000 && code != 0xFEFF;
}

// The first such character that stands outside a string and a comment, where toml++ asks that
// question (it is wrong TOML there anyway); inside strings and comments every character is read
// as it is. Empty when there is none; `line` is its line.
std::string UnreadableCharacter(std::string_view text, int& line) {
    enum class Inside { Nothing, Comment, Basic, Literal, MultiBasic, MultiLiteral };
    Inside inside = Inside::Nothing;
    line = 1;
    const auto startsWith = [&](std::size_t at, std::string_view what) {
        return text.substr(at, what.size()) == what;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            if (inside == Inside::Comment || inside == Inside::Basic || inside == Inside::Literal)
                inside = Inside::Nothing;
            ++i;
            continue;
        }
        switch (inside) {
        case Inside::Nothing:
            break;
        case Inside::Comment:
            ++i;
            continue;
        case Inside::Basic:
        case Inside::MultiBasic:
            if (c == '\\') {
                i += 2;
                continue;
            }
            if (inside == Inside::MultiBasic && startsWith(i, "\"\"\"")) {
                inside = Inside::Nothing;
                i += 3;
            } else {
                if (inside == Inside::Basic && c == '"')
                    inside = Inside::Nothing;
                ++i;
            }
            continue;
        case Inside::Literal:
        case Inside::MultiLiteral:
            if (inside == Inside::MultiLiteral && startsWith(i, "\'\'\'")) {
                inside = Inside::Nothing;
                i += 3;
            } else {
                if (inside == Inside::Literal && c == '\'')
                    inside = Inside::Nothing;
                ++i;
            }
            continue;
        }
        if (c == '#') {
            inside = Inside::Comment;
        } else if (startsWith(i, "\"\"\"")) {
            inside = Inside::MultiBasic;
            i += 3;
            continue;
        } else if (startsWith(i, "\'\'\'")) {
            inside = Inside::MultiLiteral;
            i += 3;
            continue;
        } else if (c == '"') {
            inside = Inside::Basic;
        } else if (c == '\'') {
            inside = Inside::Literal;
        }
        const teamdata::Utf8Char next = teamdata::NextUtf8Char(text, i);
        if (next.valid && UnsafeOutsideStrings(next.code))
            return std::string(text.substr(i, next.length));
        i += next.length;
    }
    return {};
}

} // namespace

SeasonRules ReadSeasonRules(std::string_view text) {
    SeasonRules rules;
    int line = 0;
    if (std::string character = UnreadableCharacter(text, line); !character.empty()) {
        SeasonIssue& issue = rules.errors.emplace_back();
        issue.kind = SeasonIssueKind::RulesCharacter;
        issue.line = line;
        issue.character = std::move(character);
        return rules;
    }
    toml::parse_result parsed = toml::parse(text);
    if (!parsed) {
        SeasonIssue& issue = rules.errors.emplace_back();
        issue.kind = SeasonIssueKind::RulesSyntax;
        issue.line = static_cast<int>(parsed.error().source().begin.line);
        issue.text = std::string(parsed.error().description());
        return rules;
    }
    RulesReader reader(rules);
    for (auto&& [key, node] : parsed.table()) {
        const std::string_view name = key.str();
        const toml::table* table = node.as_table();
        if (table && name == "teams")
            reader.ReadTeams(*table);
        else if (table && name == "batter")
            reader.ReadGrid(teamdata::Grid::Batters, *table);
        else if (table && name == "pitcher")
            reader.ReadGrid(teamdata::Grid::Pitchers, *table);
        else {
            SeasonIssue& issue = rules.errors.emplace_back();
            issue.kind = SeasonIssueKind::UnknownRuleKey;
            issue.line = LineOf(node);
            issue.key = std::string(name);
        }
    }
    return rules;
}

} // namespace plans
