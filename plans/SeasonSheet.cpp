// SPDX-License-Identifier: MIT
#include "Season.h"

#include "CellEditRules.h"
#include "Columns.h"
#include "CsvRecords.h"
#include "NameNormalizer.h"
#include "TeamInitials.h"

#include <algorithm>
#include <cctype>
#include <variant>

namespace plans {

namespace {

// Spaces, ASCII and full-width, are left out of captions: the grid pads its headers with them.
std::string WithoutSpaces(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        if (text.substr(i, 3) == "\u3000") {
            i += 2;
            continue;
        }
        kept += text[i];
    }
    return kept;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// The three identity columns, in English or in Japanese.
struct IdentityColumn {
    std::string_view english;
    std::string_view japanese;
};
constexpr IdentityColumn TeamColumn = {"team", "チーム"};
constexpr IdentityColumn NameColumn = {"name", "名前"};
constexpr IdentityColumn RoleColumn = {"role", "区分"};

std::optional<std::size_t> FindIdentity(const std::vector<std::string>& headers,
                                        const IdentityColumn& identity) {
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const std::string header = WithoutSpaces(headers[i]);
        if (Lowered(header) == identity.english || header == identity.japanese)
            return i;
    }
    return std::nullopt;
}

std::optional<teamdata::Grid> RoleOf(std::string_view text) {
    const std::string role = Lowered(WithoutSpaces(text));
    if (role == "b" || role == "打者")
        return teamdata::Grid::Batters;
    if (role == "p" || role == "投手")
        return teamdata::Grid::Pitchers;
    return std::nullopt;
}

// The first character of `text` that is a kanji (the CJK ideographs and their extension A), or
// empty: such names wait for a reading the program cannot give yet.
std::string FirstKanji(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xF0) != 0xE0)
            continue;
        const unsigned code = ((byte & 0x0Fu) << 12) |
                              ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                              (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((code >= 0x4E00 && code <= 0x9FFF) || (code >= 0x3400 && code <= 0x4DBF))
            return std::string(text.substr(i, 3));
    }
    return {};
}

// Two players of one team whose names in kanji were read alike would look the same in the game:
// the later one is named, with the line of the first.
void NoteSameReadings(std::vector<SeasonIssue>& notes) {
    std::vector<SeasonIssue> same;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i].kind != SeasonIssueKind::NameRead || notes[i].team < 0)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (notes[j].kind != SeasonIssueKind::NameRead || notes[j].team != notes[i].team ||
                notes[j].expected != notes[i].expected)
                continue;
            SeasonIssue note = notes[i];
            note.kind = SeasonIssueKind::SameReading;
            note.readings.clear();
            note.otherLine = notes[j].line;
            same.push_back(std::move(note));
            break;
        }
    }
    notes.insert(notes.end(), same.begin(), same.end());
}

} // namespace

std::optional<int> GameColumnNamed(teamdata::Grid grid, std::string_view name) {
    const std::string wanted = WithoutSpaces(name);
    const auto find = [&](const auto& columns) -> std::optional<int> {
        for (const teamdata::Column& column : columns)
            if (WithoutSpaces(column.header) == wanted ||
                (!wanted.empty() && Lowered(column.word) == Lowered(wanted)))
                return column.number;
        return std::nullopt;
    };
    return grid == teamdata::Grid::Batters ? find(teamdata::BatterColumns)
                                           : find(teamdata::PitcherColumns);
}

SeasonSheet ReadSeasonSheet(std::string_view utf8, const std::map<std::string, int>& teamNames,
                            const teamdata::KanjiNameReader& readKanji) {
    SeasonSheet sheet;
    // Two of every league's players, and a line of headers: more is no season of this game.
    constexpr std::size_t MaxLines =
        2 * teamdata::TeamCount * (teamdata::BatterCount + teamdata::PitcherCount) + 1;
    const reports::CsvRecords records = reports::SplitCsvRecords(utf8, ',', MaxLines);
    const auto error = [&](SeasonIssueKind kind, int line) -> SeasonIssue& {
        SeasonIssue& issue = sheet.errors.emplace_back();
        issue.kind = kind;
        issue.line = line;
        return issue;
    };
    if (records.unclosedQuoteLine != 0) {
        error(SeasonIssueKind::UnclosedQuote, records.unclosedQuoteLine).column =
            records.unclosedQuoteColumn;
        return sheet;
    }
    if (records.firstLineBeyondLimit != 0) {
        error(SeasonIssueKind::TooManyLines, records.firstLineBeyondLimit).count =
            static_cast<int>(MaxLines);
        return sheet;
    }
    if (records.records.empty()) {
        error(SeasonIssueKind::SheetEmpty, 1);
        return sheet;
    }
    const reports::CsvRecord& header = records.records.front();
    sheet.headers = header.fields;
    const std::optional<std::size_t> teamAt = FindIdentity(sheet.headers, TeamColumn);
    const std::optional<std::size_t> nameAt = FindIdentity(sheet.headers, NameColumn);
    const std::optional<std::size_t> roleAt = FindIdentity(sheet.headers, RoleColumn);
    for (const auto& [at, identity] : {std::pair{teamAt, TeamColumn}, std::pair{nameAt, NameColumn},
                                       std::pair{roleAt, RoleColumn}})
        if (!at)
            error(SeasonIssueKind::MissingIdentity, header.line).expected = identity.english;
    if (!sheet.errors.empty())
        return sheet;

    for (std::size_t r = 1; r < records.records.size(); ++r) {
        const reports::CsvRecord& record = records.records[r];
        if (reports::IsEmptyRecord(record))
            continue;
        const auto field = [&](std::size_t at) {
            return at < record.fields.size() ? record.fields[at] : std::string();
        };
        SheetPlayer player;
        player.line = record.line;
        player.fields = record.fields;
        player.fields.resize(std::max(player.fields.size(), sheet.headers.size()));
        const std::string teamText = field(*teamAt);
        std::optional<int> team = teamdata::TeamOfInitials(teamText);
        if (!team) {
            const auto named = teamNames.find(std::string(teamText));
            if (named != teamNames.end())
                team = named->second;
        }
        const std::optional<teamdata::Grid> grid = RoleOf(field(*roleAt));
        if (!team) {
            SeasonIssue& issue = error(SeasonIssueKind::UnknownTeam, record.line);
            issue.column = static_cast<int>(*teamAt) + 1;
            issue.text = teamText;
        }
        if (!grid) {
            SeasonIssue& issue = error(SeasonIssueKind::UnknownRole, record.line);
            issue.column = static_cast<int>(*roleAt) + 1;
            issue.text = field(*roleAt);
        }
        const std::string nameText = field(*nameAt);
        const int nameColumn = static_cast<int>(*nameAt) + 1;
        const std::string kanji = FirstKanji(nameText);
        if (!kanji.empty() && readKanji) {
            const teamdata::Grid nameGrid = grid.value_or(teamdata::Grid::Batters);
            const std::string written[] = {nameText};
            const std::string blank[] = {std::string()};
            teamdata::CellRowRead read =
                teamdata::ReadCellRow(nameGrid, 1, 1, written, blank, false, readKanji);
            if (!read.problems.empty()) {
                SeasonIssue& issue = error(SeasonIssueKind::NameRefused, record.line);
                issue.column = nameColumn;
                issue.text = nameText;
                issue.refusal = std::move(read.problems.front().refusal);
                continue;
            }
            if (!read.notes.empty()) {
                SeasonIssue& note = sheet.notes.emplace_back();
                note.kind = SeasonIssueKind::NameRead;
                note.line = record.line;
                note.column = nameColumn;
                note.text = nameText;
                note.expected = read.texts.front();
                note.readings = std::move(read.notes.front().otherReadings);
                if (team)
                    note.team = *team;
            }
            if (!team || !grid)
                continue;
            player.team = *team;
            player.grid = *grid;
            player.name = read.texts.front();
            sheet.players.push_back(std::move(player));
            continue;
        }
        if (!kanji.empty()) {
            SeasonIssue& issue = error(SeasonIssueKind::NameInKanji, record.line);
            issue.column = nameColumn;
            issue.text = nameText;
            issue.character = kanji;
            continue;
        }
        auto accepted =
            teamdata::AcceptCellText(grid.value_or(teamdata::Grid::Batters), 1, nameText, {});
        if (auto* refusal = std::get_if<teamdata::CellRefusal>(&accepted)) {
            SeasonIssue& issue = error(SeasonIssueKind::NameRefused, record.line);
            issue.column = nameColumn;
            issue.text = nameText;
            issue.refusal = std::move(*refusal);
            continue;
        }
        const auto& cell = std::get<teamdata::AcceptedCell>(accepted);
        if (cell.nameSpellingChanged) {
            SeasonIssue& note = sheet.notes.emplace_back();
            note.kind = SeasonIssueKind::NameSpellingChanged;
            note.line = record.line;
            note.column = nameColumn;
            note.text = nameText;
            note.expected = cell.text;
        }
        if (!team || !grid)
            continue;
        player.team = *team;
        player.grid = *grid;
        player.name = cell.text;
        sheet.players.push_back(std::move(player));
    }
    NoteSameReadings(sheet.notes);
    return sheet;
}

} // namespace plans
