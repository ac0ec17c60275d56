// SPDX-License-Identifier: MIT
#include "CsvReader.h"

#include "LeagueCsv.h"

#include "CellEditRules.h"
#include "GridCaptions.h"
#include "NameNormalizer.h"
#include "Palette.h"
#include "RecordText.h"
#include "SaveCheck.h"
#include "Spaces.h"
#include "TRomTeamData.h"
#include "TeamInitials.h"
#include "TextNumbers.h"

#include <algorithm>
#include <span>

namespace reports {

namespace {

// The file leaves out the grids' label column.
constexpr std::size_t BatterFieldCount = teamdata::BatterHeaders.size() - 1;
constexpr std::size_t PitcherFieldCount = teamdata::PitcherHeaders.size() - 1;

std::string_view Field(const CsvRecord& record, std::size_t column) {
    return column <= record.fields.size() ? std::string_view(record.fields[column - 1])
                                          : std::string_view();
}

using teamdata::WithoutAsciiSpaces;
using teamdata::WithoutTrailingSpaces;

bool IsTeamLine(const CsvRecord& record) {
    return WithoutTrailingSpaces(Field(record, 1)) == TeamWord;
}

// Japanese read in the wrong encoding turns into Latin letters with accents and symbols
// (Shift_JIS taken for Windows-1252) or into replacement characters (taken for UTF-8), and a line
// of this program's files without Japanese has none of them.
bool LooksMisdecoded(const CsvRecord& record) {
    int misread = 0;
    for (const std::string& field : record.fields) {
        for (std::size_t i = 0; i < field.size(); ++i) {
            const auto lead = static_cast<unsigned char>(field[i]);
            // Japanese kana, kanji and full-width forms are three bytes led by E3..E9 or EF BC/BD.
            if (lead >= 0xE3 && lead <= 0xE9)
                return false;
            if (lead == 0xEF && i + 2 < field.size() &&
                (static_cast<unsigned char>(field[i + 1]) & 0xFE) == 0xBC)
                return false;
            if (lead == 0xC2 || lead == 0xC3 || lead == 0xC5 || lead == 0xC6 || lead == 0xCB ||
                (lead == 0xEF && field.compare(i, 3, "\xEF\xBF\xBD") == 0) ||
                (lead == 0xE2 && i + 1 < field.size() && field[i + 1] == '\x80'))
                ++misread;
        }
    }
    return misread > 0;
}

// `headers` as the grid holds them: element 0 is the label column's, which the file leaves out.
bool IsHeader(const CsvRecord& record, std::span<const std::string_view> headers) {
    for (std::size_t column = 1; column < headers.size(); ++column)
        if (WithoutTrailingSpaces(Field(record, column)) != WithoutTrailingSpaces(headers[column]))
            return false;
    return true;
}

std::optional<std::uint8_t> ColorByte(std::string_view written) {
    // Full-width, as an input method types it (０ｘ１６), is the same colour.
    const std::string ascii = teamdata::AsciiNumberText(written);
    const std::string_view text = WithoutAsciiSpaces(ascii);
    if (text.size() != 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    const int high = digit(text[2]);
    const int low = digit(text[3]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(high * 16 + low);
}

// A block: an optional team line and the lines up to the next team line.
struct Block {
    int firstLine = 1;
    std::optional<int> team;
    bool cellsReadable = false;
    teamdata::TeamColors colors;
    std::span<const CsvRecord> lines;
};

class Importer {
public:
    Importer(const LeagueTexts& current, bool round, const teamdata::KanjiNameReader& readKanji)
        : current_(current)
        , round_(round)
        , readKanji_(readKanji) {}

    CsvImport Read(std::string_view text, std::optional<int> teamOfTeamCsv);

private:
    void ReadLeague(std::span<const CsvRecord> records);
    void ReadTeamCsv(std::span<const CsvRecord> records, std::optional<int> team);
    Block ReadTeamLine(const CsvRecord& record);
    std::optional<std::uint8_t> ReadColor(const CsvRecord& record, std::size_t column,
                                          std::optional<int> team, std::uint8_t now);
    void ReadBlock(const Block& block);
    bool CheckStructure(const Block& block);
    bool CheckHeader(const CsvRecord& record, std::span<const std::string_view> headers,
                     std::optional<int> team);
    template <std::size_t Columns>
    bool ReadRow(const CsvRecord& record, teamdata::Grid grid, int row,
                 std::array<std::string, Columns>& cells, int team);
    void CheckFieldingPositions(const Block& block, const teamdata::TeamTexts& texts);

    CsvIssue& Error(CsvIssueKind kind, const CsvRecord& record, std::size_t column,
                    std::optional<int> team);
    CsvIssue& Error(CsvIssueKind kind, int line, std::optional<int> team);

    const LeagueTexts& current_;

    bool round_ = false;
    const teamdata::KanjiNameReader& readKanji_;
    CsvImport result_;
    std::array<int, teamdata::TeamCount> namedAtLine_{};
};

CsvIssue& Importer::Error(CsvIssueKind kind, const CsvRecord& record, std::size_t column,
                          std::optional<int> team) {
    CsvIssue& issue = Error(kind, record.line, team);
    issue.column = static_cast<int>(column);
    issue.text = std::string(Field(record, column));
    return issue;
}

CsvIssue& Importer::Error(CsvIssueKind kind, int line, std::optional<int> team) {
    CsvIssue issue;
    issue.kind = kind;
    issue.line = line;
    issue.team = team.value_or(-1);
    return result_.errors.emplace_back(std::move(issue));
}

CsvImport Importer::Read(std::string_view text, std::optional<int> teamOfTeamCsv) {
    const CsvRecords parsed = SplitCsvRecords(text, ',', MaxCsvRecords);
    const std::span<const CsvRecord> records = parsed.records;
    // A league file by any team line in it, so that a typo in the first one is reported as that.
    const auto firstTeamLine = std::find_if(records.begin(), records.end(), IsTeamLine);
    result_.leagueFile = firstTeamLine != records.end();
    if (parsed.unclosedQuoteLine != 0) {
        // Everything behind the quote is one field, so any check of the rest would mislead.
        CsvIssue& issue = Error(CsvIssueKind::UnclosedQuote, parsed.unclosedQuoteLine, {});
        issue.column = parsed.unclosedQuoteColumn;
        return std::move(result_);
    }
    if (parsed.firstLineBeyondLimit != 0) {
        Error(CsvIssueKind::TooManyLines, parsed.firstLineBeyondLimit, {}).count =
            static_cast<int>(MaxCsvRecords);
        return std::move(result_);
    }
    if (!result_.leagueFile) {
        ReadTeamCsv(records, teamOfTeamCsv);
        return std::move(result_);
    }
    if (firstTeamLine != records.begin()) {
        CsvIssue& issue = Error(CsvIssueKind::LinesBeforeFirstTeam, records.front(), 1, {});
        issue.count = static_cast<int>(firstTeamLine - records.begin());
        issue.expected = std::string(TeamWord);
    }
    ReadLeague(records.subspan(static_cast<std::size_t>(firstTeamLine - records.begin())));
    return std::move(result_);
}

void Importer::ReadLeague(std::span<const CsvRecord> records) {
    for (std::size_t start = 0; start < records.size();) {
        std::size_t end = start + 1;
        while (end < records.size() && !IsTeamLine(records[end]))
            ++end;
        Block block = ReadTeamLine(records[start]);
        block.lines = records.subspan(start + 1, end - start - 1);
        ReadBlock(block);
        start = end;
    }
}

void Importer::ReadTeamCsv(std::span<const CsvRecord> records, std::optional<int> team) {
    const int firstLine = records.empty() ? 1 : records.front().line;
    // A file whose Japanese was read in the wrong encoding and saved again has neither team lines
    // nor headers that can be recognised; saying so beats every other message about it.
    if (!records.empty() && !IsHeader(records.front(), teamdata::BatterHeaders) &&
        LooksMisdecoded(records.front())) {
        Error(CsvIssueKind::MisdecodedText, firstLine, {});
        return;
    }
    if (!team || !teamdata::IsValidTeam(*team)) {
        // Only a file that starts as a team CSV does is one whose team is missing; anything else
        // is no file of this program's at all.
        const bool teamCsv = !records.empty() && IsHeader(records.front(), teamdata::BatterHeaders);
        Error(teamCsv ? CsvIssueKind::TeamNotGiven : CsvIssueKind::UnrecognizedFile, firstLine, {});
        return;
    }
    Block block;
    block.firstLine = firstLine;
    block.team = team;
    block.cellsReadable = true;
    block.colors = current_[static_cast<std::size_t>(*team)].colors;
    block.lines = records;
    ReadBlock(block);
}

Block Importer::ReadTeamLine(const CsvRecord& record) {
    Block block;
    block.firstLine = record.line;
    const std::optional<int> team = teamdata::TeamOfInitials(Field(record, 2));
    const bool duplicate = team && namedAtLine_[static_cast<std::size_t>(*team)] != 0;
    block.team = team;

    const std::size_t used = UsedFieldCount(record);
    if (used != TeamLineFieldCount) {
        // The fields cannot be told apart; the initials only mark the team as named.
        CsvIssue& issue = Error(CsvIssueKind::WrongFieldCount, record.line, team);
        issue.count = static_cast<int>(used);
        issue.expectedCount = static_cast<int>(TeamLineFieldCount);
        if (team && !duplicate)
            namedAtLine_[static_cast<std::size_t>(*team)] = record.line;
        return block;
    }
    bool wellFormed = true;
    for (const auto& [column, word] : {std::pair{std::size_t{3}, HelmetWord}, {5, UniformWord}}) {
        if (WithoutTrailingSpaces(Field(record, column)) == word)
            continue;
        Error(CsvIssueKind::UnknownWord, record, column, team).expected = std::string(word);
        wellFormed = false;
    }
    if (!team) {
        CsvIssue& issue = Error(CsvIssueKind::UnknownTeam, record, 2, {});
        for (std::string_view initials : TRomTeamData::TeamInitials)
            issue.allowed.emplace_back(initials);
        return block;
    }
    if (duplicate) {
        Error(CsvIssueKind::DuplicateTeam, record, 2, team).otherLine =
            namedAtLine_[static_cast<std::size_t>(*team)];
        return block;
    }
    namedAtLine_[static_cast<std::size_t>(*team)] = record.line;
    if (!wellFormed)
        return block;

    const teamdata::TeamColors now = current_[static_cast<std::size_t>(*team)].colors;
    const std::optional<std::uint8_t> helmet = ReadColor(record, 4, team, now.helmet);
    const std::optional<std::uint8_t> uniform = ReadColor(record, 6, team, now.uniform);
    block.colors = {helmet.value_or(now.helmet), uniform.value_or(now.uniform)};
    block.cellsReadable = true;
    return block;
}

std::optional<std::uint8_t> Importer::ReadColor(const CsvRecord& record, std::size_t column,
                                                std::optional<int> team, std::uint8_t now) {
    const std::optional<std::uint8_t> color = ColorByte(Field(record, column));
    if (!color) {
        Error(CsvIssueKind::MalformedColor, record, column, team);
        return std::nullopt;
    }
    if (*color != now && !teamdata::IsOfferedColorIndex(*color)) {
        Error(CsvIssueKind::ColorNotOffered, record, column, team);
        return std::nullopt;
    }
    return color;
}

void Importer::ReadBlock(const Block& block) {
    if (!CheckStructure(block) || !block.cellsReadable)
        return;
    const int team = *block.team;
    const teamdata::TeamTexts& now = current_[static_cast<std::size_t>(team)];
    teamdata::TeamTexts texts = now;
    texts.colors = block.colors;
    // A position cell with an error of its own is reported as that; the order is not judged.
    bool positionsRead = true;
    for (std::size_t r = 0; r < texts.batters.size(); ++r)
        positionsRead &= ReadRow(block.lines[1 + r], teamdata::Grid::Batters,
                                 static_cast<int>(r + 1), texts.batters[r], team);
    const std::size_t pitcherStart = 2 + texts.batters.size();
    for (std::size_t r = 0; r < texts.pitchers.size(); ++r)
        ReadRow(block.lines[pitcherStart + r], teamdata::Grid::Pitchers, static_cast<int>(r + 1),
                texts.pitchers[r], team);
    const bool changed = texts != now;
    if (changed && positionsRead)
        CheckFieldingPositions(block, texts);
    result_.teams.push_back({team, block.firstLine, std::move(texts), changed});
}

bool Importer::CheckStructure(const Block& block) {
    if (block.lines.size() != TeamBlockLineCount) {
        CsvIssue& issue = Error(CsvIssueKind::WrongLineCount, block.firstLine, block.team);
        issue.count = static_cast<int>(block.lines.size());
        issue.expectedCount = static_cast<int>(TeamBlockLineCount);
        return false;
    }
    const std::size_t pitcherHeaderLine = 1 + teamdata::BatterCount;
    bool sound = true;
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const CsvRecord& record = block.lines[i];
        const std::size_t expected = i < pitcherHeaderLine ? BatterFieldCount : PitcherFieldCount;
        const std::size_t used = UsedFieldCount(record);
        if (used > expected || record.fields.size() < expected) {
            CsvIssue& issue = Error(CsvIssueKind::WrongFieldCount, record.line, block.team);
            issue.count = static_cast<int>(used);
            issue.expectedCount = static_cast<int>(expected);
            sound = false;
        } else if (i == 0) {
            sound = CheckHeader(record, teamdata::BatterHeaders, block.team) && sound;
        } else if (i == pitcherHeaderLine) {
            sound = CheckHeader(record, teamdata::PitcherHeaders, block.team) && sound;
        }
    }
    return sound;
}

// `headers` as the grid holds them: element 0 is the label column's, which the file leaves out.
bool Importer::CheckHeader(const CsvRecord& record, std::span<const std::string_view> headers,
                           std::optional<int> team) {
    bool known = true;
    for (std::size_t column = 1; column < headers.size(); ++column) {
        if (WithoutTrailingSpaces(Field(record, column)) == WithoutTrailingSpaces(headers[column]))
            continue;
        Error(CsvIssueKind::UnknownHeader, record, column, team).expected =
            std::string(headers[column]);
        known = false;
    }
    return known;
}

// Reads the line's data fields into `cells` (which hold the current texts) by the one cell rule;
// a refused cell keeps its current text. False when a position of the batting order is refused.
template <std::size_t Columns>
bool Importer::ReadRow(const CsvRecord& record, teamdata::Grid grid, int row,
                       std::array<std::string, Columns>& cells, int team) {
    // The structure was checked: the line has a field for every column.
    const std::span<const std::string> written(record.fields.data(), Columns);
    teamdata::CellRowRead read =
        teamdata::ReadCellRow(grid, row, 1, written, cells, round_, readKanji_);
    std::move(read.texts.begin(), read.texts.end(), cells.begin());
    const bool positionsRead = !teamdata::RefusesABattingOrderPosition(read.problems);
    for (teamdata::CellProblem& problem : read.problems) {
        CsvIssue& issue = Error(CsvIssueKind::CellRefused, record,
                                static_cast<std::size_t>(problem.column), team);
        issue.cell = std::move(problem);
    }
    for (teamdata::CellNote& cellNote : read.notes) {
        const int column = cellNote.column;
        CsvIssue& note = result_.notes.emplace_back(NoteOfCell(std::move(cellNote), team));
        note.line = record.line;
        note.column = column;
    }
    return positionsRead;
}

void Importer::CheckFieldingPositions(const Block& block, const teamdata::TeamTexts& texts) {
    constexpr auto positionColumn = static_cast<std::size_t>(teamdata::BatterColumn::Position);
    for (const teamdata::PositionClash& clash : teamdata::FindPositionClashes(texts.batters)) {
        const CsvRecord& record = block.lines[static_cast<std::size_t>(clash.row)];
        CsvIssue& issue =
            Error(CsvIssueKind::FieldingPositions, record, positionColumn, block.team);
        issue.minimum = 2;
        issue.maximum = 9;
        issue.otherLine =
            clash.otherRow == 0 ? 0 : block.lines[static_cast<std::size_t>(clash.otherRow)].line;
    }
}

} // namespace

CsvIssue NoteOfCell(teamdata::CellNote&& cellNote, int team) {
    CsvIssue note;
    switch (cellNote.kind) {
    case teamdata::CellNoteKind::NameKeptFromNumber:
        note.kind = CsvIssueKind::NameKeptFromNumber;
        break;
    case teamdata::CellNoteKind::NameSpellingChanged:
        note.kind = CsvIssueKind::NameSpellingChanged;
        break;
    case teamdata::CellNoteKind::ValueRounded:
        note.kind = CsvIssueKind::ValueRounded;
        break;
    case teamdata::CellNoteKind::NameRead:
        note.kind = CsvIssueKind::NameRead;
        break;
    }
    note.allowed = std::move(cellNote.otherReadings);
    note.text = std::move(cellNote.text);
    note.team = team;
    note.expected = std::move(cellNote.stored);
    return note;
}

CsvImport ReadCsv(std::string_view utf8, const LeagueTexts& current,
                  std::optional<int> teamOfTeamCsv, bool round,
                  const teamdata::KanjiNameReader& readKanji) {
    return Importer(current, round, readKanji).Read(utf8, teamOfTeamCsv);
}

} // namespace reports
