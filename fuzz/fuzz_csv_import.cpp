// SPDX-License-Identifier: MIT
// ReadCsv on arbitrary text. The first byte names the team a team CSV is read into (16 and above:
// none); the rest is the file. The current league is fixed: even teams hold values the editor
// gives, odd teams any bytes an image may hold. Every issue lies within the text, and a file read
// without errors gives texts that a merge stores and shows again exactly, that keep the batting
// order's positions valid wherever a team changed, and that read back unchanged once written out
// as a league file. Behind a UTF-8 byte-order mark, as a spreadsheet or the UTF-8 export writes it,
// the same text reads the same.
//
// The same text is pasted into both grids of a team, with the first byte also choosing the team
// and the cell the block starts at (any row 0..14 and column 0..12, inside the grid or not): every
// problem lies within the grid or the text, a refused paste changes nothing, and an accepted one
// changes only the cells of its block, into texts a merge stores exactly, with a valid batting
// order wherever the batters changed, and pasting it again changes nothing more. A text that reads
// as a whole team CSV is read as one, its issues on the lines of the text.
//
// The import's plan, on an image holding the current league, reads the file as ReadCsv does and
// writes exactly the teams it changes, into an image that the same file then leaves as it is.

#include "FuzzSupport.h"

#include "CellMerge.h"
#include "CsvReader.h"
#include "EditSession.h"
#include "Import.h"
#include "IssueWords.h"
#include "JsonForms.h"
#include "LeagueCsv.h"
#include "NameCodec.h"
#include "PasteReader.h"
#include "RecordText.h"
#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

using namespace teamdata;
using reports::CsvImport;
using reports::CsvIssue;
using reports::CsvIssueKind;
using reports::LeagueTexts;

namespace {

using League = std::array<TeamRecords, TeamCount>;

// A byte that varies with its place, so that the current league has no two teams alike.
std::uint8_t Mixed(int team, int row, int field) {
    return static_cast<std::uint8_t>(team * 73 + row * 31 + field * 17 + team * row * 5);
}

NameTiles NameOf(int team, int row) {
    NameTiles tiles{};
    for (std::size_t k = 0; k < tiles.size(); ++k) {
        std::uint8_t code = Mixed(team, row, static_cast<int>(k)) % TileCharCount;
        while (!fuzzsupport::IsNameTile(code))
            code = static_cast<std::uint8_t>((code + 1) % TileCharCount);
        tiles[k] = code;
    }
    return tiles;
}

TeamRecords EditorTeam(int team) {
    TeamRecords records;
    for (int r = 0; r < BatterCount; ++r) {
        const auto m = [&](int field) {
            return Mixed(team, r, field);
        };
        const int position = r < BattingOrderLength ? (r + team) % 8 + 2 : m(1) % 9 + 1;
        records.batters[static_cast<std::size_t>(r)] = {
            NameOf(team, r),
            static_cast<std::uint8_t>(m(0) % 3),
            static_cast<std::uint8_t>((m(2) % 10 + 1) << 4 | position),
            static_cast<std::uint8_t>(m(3) % 101 + 25),
            static_cast<std::uint8_t>(m(4) % 60),
            static_cast<std::uint8_t>(m(5) % 51),
            static_cast<std::uint8_t>(m(6) % 5 + 1),
            static_cast<std::uint8_t>(m(7) % 5 + 1)};
    }
    for (int r = 0; r < PitcherCount; ++r) {
        const auto m = [&](int field) {
            return Mixed(team, r + 20, field);
        };
        const auto even = [&](int field, int low, int high) {
            return static_cast<std::uint8_t>(low + 2 * (m(field) % ((high - low) / 2 + 1)));
        };
        records.pitchers[static_cast<std::size_t>(r)] = {
            NameOf(team, r + 20),
            PitchingStyles[m(0) % PitchingStyles.size()].code,
            static_cast<std::uint8_t>(16 * (m(1) % 10 + 1) + 1),
            static_cast<std::uint8_t>(m(2) % 100),
            static_cast<std::uint8_t>(m(3) % 20 + 1),
            even(4, 80, 194),
            even(5, 80, 194),
            even(6, 80, 194),
            even(7, 0, 32),
            even(8, 0, 32),
            even(9, 0, 32)};
    }
    records.colors = {static_cast<std::uint8_t>(team % 4 * 16 + team % 14), 0x0D};
    return records;
}

TeamRecords AnyTeam(int team) {
    TeamRecords records;
    for (int r = 0; r < BatterCount; ++r) {
        const auto m = [&](int field) {
            return Mixed(team, r, field);
        };
        records.batters[static_cast<std::size_t>(r)] = {
            NameOf(team, r), m(0), m(1), m(2), m(3), m(4), m(5), m(6)};
    }
    for (int r = 0; r < PitcherCount; ++r) {
        const auto m = [&](int field) {
            return Mixed(team, r + 20, field);
        };
        PitcherBytes& p = records.pitchers[static_cast<std::size_t>(r)];
        p = {{m(10), m(11), m(12), m(13), m(14)},
             m(0),
             m(1),
             m(2),
             m(3),
             m(4),
             m(5),
             m(6),
             m(7),
             m(8),
             m(9)};
    }
    records.colors = {Mixed(team, 0, 40), Mixed(team, 1, 41)};
    return records;
}

League MakeLeague() {
    League league;
    for (int team = 0; team < TeamCount; ++team)
        league[static_cast<std::size_t>(team)] = team % 2 == 0 ? EditorTeam(team) : AnyTeam(team);
    return league;
}

const League& CurrentLeague() {
    static const League league = MakeLeague();
    return league;
}

LeagueTexts MakeTexts() {
    LeagueTexts texts;
    for (std::size_t team = 0; team < texts.size(); ++team)
        texts[team] = TextsOf(CurrentLeague()[team]);
    return texts;
}

const LeagueTexts& CurrentTexts() {
    static const LeagueTexts texts = MakeTexts();
    return texts;
}

void CheckIssue(const CsvIssue& issue, int lineCount) {
    // Its words show whatever the file held as text a message can carry, with nothing left out.
    const std::string words = reports::IssueText(reports::Words{}, issue);
    FUZZ_CHECK(!words.empty() && reports::IsValidUtf8(words));
    FUZZ_CHECK(std::none_of(words.begin(), words.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
    FUZZ_CHECK(issue.line >= 1 && issue.line <= lineCount);
    FUZZ_CHECK(issue.column >= 0);
    FUZZ_CHECK(issue.team >= -1 && issue.team < TeamCount);
    // A refused cell is the field the issue is placed at, of a player of the block's team.
    FUZZ_CHECK(issue.cell.has_value() == (issue.kind == CsvIssueKind::CellRefused));
    if (issue.cell) {
        FUZZ_CHECK(issue.team >= 0 && issue.cell->column == issue.column &&
                   issue.cell->text == issue.text);
        FUZZ_CHECK(issue.cell->row >= 1 &&
                   issue.cell->row <=
                       (issue.cell->grid == Grid::Batters ? BatterCount : PitcherCount));
    }
}

// A file read without errors: what the import hands on must be what a save can store.
void CheckImported(const CsvImport& read) {
    const LeagueTexts& current = CurrentTexts();
    std::array<bool, TeamCount> seen{};
    LeagueTexts after = current;
    std::vector<reports::LeagueTeam> again;
    for (const reports::ImportedTeam& team : read.teams) {
        FUZZ_CHECK(IsValidTeam(team.team));
        const auto index = static_cast<std::size_t>(team.team);
        FUZZ_CHECK(!seen[index]);
        seen[index] = true;
        FUZZ_CHECK(team.changed == (team.texts != current[index]));
        const TeamRecords merged =
            MergeChangedCells(CurrentLeague()[index], current[index], team.texts);
        FUZZ_CHECK(TextsOf(merged) == team.texts);
        if (team.changed) {
            std::array<std::string, BattingOrderLength> positions;
            for (std::size_t r = 0; r < positions.size(); ++r)
                positions[r] = team.texts.batters[r][BatterColumn::Position - 1];
            FUZZ_CHECK(BattingOrderPositionsValid(positions));
        }
        after[index] = team.texts;
        again.push_back(reports::LeagueTeamOf(team.team, team.texts));
    }
    if (again.empty())
        return;
    const CsvImport reread = reports::ReadCsv(reports::BuildLeagueCsv(again), after, std::nullopt);
    FUZZ_CHECK(reread.errors.empty() && reread.notes.empty());
    FUZZ_CHECK(reread.teams.size() == again.size());
    for (const reports::ImportedTeam& team : reread.teams)
        FUZZ_CHECK(!team.changed);
}

bool BattingOrderValid(const TeamTexts& texts) {
    std::array<std::string, BattingOrderLength> positions;
    for (std::size_t r = 0; r < positions.size(); ++r)
        positions[r] = texts.batters[r][BatterColumn::Position - 1];
    return BattingOrderPositionsValid(positions);
}

// The text of grid cell (row, column), both from 1.
const std::string& CellOf(const TeamTexts& texts, Grid grid, int row, int column) {
    const auto r = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    return grid == Grid::Batters ? texts.batters[r][c] : texts.pitchers[r][c];
}

// Words another interface language shows for some labels, as the window passes them: a paste reads
// them as the labels in the side and style columns, and as what they are elsewhere.
const reports::LabelSpellings& Spellings() {
    static const reports::LabelSpellings spellings = {{"R", "右"},       {"L", "左"},
                                                      {"S", "両"},       {"R Sd", "右横"},
                                                      {"L Sub", "左下"}, {"R BtB", "右背"}};
    return spellings;
}

void CheckPaste(std::string_view text, int team, Grid grid, int row, int column, int lineCount) {
    const TeamTexts& current = CurrentTexts()[static_cast<std::size_t>(team)];
    const reports::PasteRead read =
        reports::ReadPaste(text, {grid, column, row}, current, Spellings());
    const int dataRows = grid == Grid::Batters ? BatterCount : PitcherCount;
    const int dataColumns = reports::DataColumnCount(grid);
    if (!read.Accepted()) {
        FUZZ_CHECK(read.texts == current && read.notes.empty());
        for (const reports::PasteProblem& problem : read.problems) {
            using Kind = reports::PasteProblemKind;
            switch (problem.kind) {
            case Kind::NothingToPaste:
            case Kind::DoesNotFit:
                FUZZ_CHECK(read.problems.size() == 1);
                break;
            case Kind::UnclosedQuote:
                FUZZ_CHECK(read.problems.size() == 1);
                FUZZ_CHECK(problem.line >= 1 && problem.line <= lineCount);
                break;
            case Kind::CellRefused:
                FUZZ_CHECK(problem.cell && problem.cell->grid == grid);
                FUZZ_CHECK(problem.cell->row >= 1 && problem.cell->row <= dataRows);
                FUZZ_CHECK(problem.cell->column >= 1 && problem.cell->column <= dataColumns);
                break;
            case Kind::FieldingPositions:
                FUZZ_CHECK(grid == Grid::Batters);
                FUZZ_CHECK(problem.row >= 1 && problem.row <= BattingOrderLength);
                FUZZ_CHECK(problem.otherRow >= 0 && problem.otherRow <= BattingOrderLength &&
                           problem.otherRow != problem.row);
                break;
            }
        }
        return;
    }
    FUZZ_CHECK(read.firstRow >= 1 && read.firstRow + read.rows - 1 <= dataRows);
    FUZZ_CHECK(read.firstColumn >= 1 && read.firstColumn + read.columns - 1 <= dataColumns);
    const auto inBlock = [&](int r, int c) {
        return r >= read.firstRow && r < read.firstRow + read.rows && c >= read.firstColumn &&
               c < read.firstColumn + read.columns;
    };
    for (const Grid other : {Grid::Batters, Grid::Pitchers})
        for (int r = 1; r <= (other == Grid::Batters ? BatterCount : PitcherCount); ++r)
            for (int c = 1; c <= reports::DataColumnCount(other); ++c)
                FUZZ_CHECK(CellOf(read.texts, other, r, c) == CellOf(current, other, r, c) ||
                           (other == grid && inBlock(r, c)));
    FUZZ_CHECK(read.texts.colors == current.colors);
    for (const teamdata::CellNote& note : read.notes)
        FUZZ_CHECK(note.grid == grid && inBlock(note.row, note.column) &&
                   CellOf(read.texts, grid, note.row, note.column) == note.stored);
    const auto index = static_cast<std::size_t>(team);
    FUZZ_CHECK(TextsOf(MergeChangedCells(CurrentLeague()[index], current, read.texts)) ==
               read.texts);
    if (read.texts.batters != current.batters)
        FUZZ_CHECK(BattingOrderValid(read.texts));
    const reports::PasteRead again =
        reports::ReadPaste(text, {grid, column, row}, read.texts, Spellings());
    FUZZ_CHECK(again.Accepted() && again.texts == read.texts);
}

void CheckPastedTeamCsv(std::string_view text, int team, int lineCount) {
    const std::optional<std::string> csv = reports::TeamCsvOfPaste(text);
    if (!csv)
        return;
    const CsvImport read = reports::ReadCsv(*csv, CurrentTexts(), team);
    for (const CsvIssue& issue : read.errors)
        CheckIssue(issue, lineCount);
    for (const CsvIssue& issue : read.notes)
        CheckIssue(issue, lineCount);
    if (read.errors.empty())
        CheckImported(read);
}

const std::vector<std::uint8_t>& CurrentImage() {
    static const std::vector<std::uint8_t> image = [] {
        std::vector<std::uint8_t> bytes(ImageMinimumSize);
        for (int team = 0; team < TeamCount; ++team)
            PutTeamRecords(bytes, team, CurrentLeague()[static_cast<std::size_t>(team)]);
        return bytes;
    }();
    return image;
}

void CheckImportPlan(std::string_view text, std::optional<int> team, const CsvImport& read) {
    // A text that starts as a JSON object is the JSON reader's, fuzzed by fuzz_json.
    if (reports::LooksLikeJson(text))
        return;
    // Any bytes go to the reader as they are: it takes text that is not UTF-8 as well.
    const plans::ImportChoices how{team, [](std::string_view bytes) {
                                       return std::string(bytes);
                                   }};
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(text.data()),
                                             text.size());
    const plans::ImportPlan plan = plans::PlanImport(CurrentImage(), file, how);
    FUZZ_CHECK(plan.read.errors.size() == read.errors.size() &&
               plan.read.teams.size() == read.teams.size());
    if (!plan.read.errors.empty()) {
        FUZZ_CHECK(plan.writes.empty() && plan.result.empty() && plan.changes.empty());
        return;
    }
    FUZZ_CHECK(plan.result.size() == CurrentImage().size());
    std::size_t changed = 0;
    for (const reports::ImportedTeam& imported : plan.read.teams) {
        const TeamRecords now = TeamRecordsAt(plan.result, imported.team);
        FUZZ_CHECK(TextsOf(now) == imported.texts);
        changed += imported.changed;
    }
    FUZZ_CHECK(plan.writes.size() == changed);
    for (const TeamWrite& write : plan.writes)
        FUZZ_CHECK(std::get<TeamRecords>(write.content) == TeamRecordsAt(plan.result, write.team));
    FUZZ_CHECK(plan.changes.empty() == plan.writes.empty());
    const plans::ImportPlan again = plans::PlanImport(plan.result, file, how);
    FUZZ_CHECK(again.read.errors.empty() && again.writes.empty() && again.result == plan.result);
}

// The browser page's editing session given the same text as a paste and as a league file: a
// paste applied is one step that undoes to the team as it was, anything refused leaves no step,
// and a save writes the shown team as its texts say or nothing at all.
void CheckEditSession(std::string_view text, int team, Grid grid, int row, int column) {
    plans::EditSession session(CurrentImage());
    session.ShowTeam(team);
    const TeamTexts before = session.Shown();
    const plans::PastePlan pasted = session.Paste(text, {grid, column, row}, Spellings(), false);
    FUZZ_CHECK(session.CanUndo() == (pasted.decision == plans::PasteDecision::Apply));
    if (session.CanUndo()) {
        FUZZ_CHECK(session.Shown() == pasted.read.texts);
        FUZZ_CHECK(session.Undo() && session.Shown() == before && !session.Unsaved());
        FUZZ_CHECK(session.Redo() && session.Shown() == pasted.read.texts);
    }
    const TeamTexts shown = session.Shown();
    const bool refused = session.PlanSave().refusal != SaveRefusal::None;
    const std::optional<std::vector<std::uint8_t>> saved = session.Save();
    FUZZ_CHECK(saved.has_value() == !refused);
    if (saved) {
        FUZZ_CHECK(TextsOf(TeamRecordsAt(*saved, team)) == shown);
        for (int other = 0; other < TeamCount; ++other)
            if (other != team)
                FUZZ_CHECK(TeamRecordsAt(*saved, other) == TeamRecordsAt(CurrentImage(), other));
        FUZZ_CHECK(!session.Unsaved());
    }

    plans::EditSession league(CurrentImage());
    league.ShowTeam(team);
    const plans::LeagueImportOutcome imported = league.ImportLeague(text, false, true);
    FUZZ_CHECK(imported.applied == league.CanUndo());
    if (imported.applied) {
        FUZZ_CHECK(league.Base() == imported.plan.result);
        FUZZ_CHECK(league.Undo() && league.Base() == CurrentImage());
    }
}

// Two reads give the same teams, errors and notes, at the same places.
bool SameRead(const CsvImport& a, const CsvImport& b) {
    const auto sameIssues = [](const std::vector<CsvIssue>& x, const std::vector<CsvIssue>& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const auto& i, const auto& j) {
            return i.kind == j.kind && i.line == j.line && i.column == j.column &&
                   i.text == j.text && i.team == j.team;
        });
    };
    const bool sameTeams = std::equal(a.teams.begin(), a.teams.end(), b.teams.begin(),
                                      b.teams.end(), [](const auto& x, const auto& y) {
                                          return x.team == y.team && x.line == y.line &&
                                                 x.texts == y.texts && x.changed == y.changed;
                                      });
    return a.leagueFile == b.leagueFile && sameTeams && sameIssues(a.errors, b.errors) &&
           sameIssues(a.notes, b.notes);
}

} // namespace

// Zero bytes alone tell UTF-16, UTF-32 and binary files from Shift_JIS and UTF-8 (which never
// hold one), and a few of them never make a file UTF-16 or UTF-32; a file without a zero byte is
// never refused as no text, and the line of the first zero is within the file.
void CheckEncodingGuess(std::string_view text) {
    using reports::TextEncoding;
    const std::size_t zeros = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\0'));
    const bool byteOrderMark = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
                               text.starts_with(std::string_view("\0\0\xFE\xFF", 4));
    const TextEncoding guess = reports::GuessTextEncoding(text);
    if (zeros == 0 && !byteOrderMark)
        FUZZ_CHECK(guess == TextEncoding::Utf8 || guess == TextEncoding::ShiftJis);
    if (zeros > 0)
        FUZZ_CHECK(guess != TextEncoding::Utf8 && guess != TextEncoding::ShiftJis);
    if ((guess == TextEncoding::Utf16 || guess == TextEncoding::Utf32) && !byteOrderMark)
        FUZZ_CHECK(zeros * 8 >= text.size());
    const int zeroLine = reports::LineOfFirstZeroByte(text);
    FUZZ_CHECK((zeroLine == 0) == (zeros == 0));
    FUZZ_CHECK(zeroLine <= 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::optional<int> team =
        data[0] < TeamCount ? std::optional<int>(data[0]) : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CsvImport read = reports::ReadCsv(text, CurrentTexts(), team);

    // Lines end in LF, CR LF or, in a text without LF, CR alone; a stray CR among LF lines is
    // a character and moves no line.
    const bool crAloneEndsLines = text.find('\n') == std::string_view::npos;
    int lineCount = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && crAloneEndsLines))
            ++lineCount;
    CheckEncodingGuess(text);
    const auto isNote = [](CsvIssueKind kind) {
        return kind == CsvIssueKind::NameSpellingChanged ||
               kind == CsvIssueKind::NameKeptFromNumber;
    };
    for (const CsvIssue& error : read.errors) {
        CheckIssue(error, lineCount);
        FUZZ_CHECK(!isNote(error.kind));
    }
    for (const CsvIssue& note : read.notes) {
        CheckIssue(note, lineCount);
        FUZZ_CHECK(isNote(note.kind));
    }
    // Without a team line and without a team, nothing is read cell by cell: one error says what
    // the file is.
    if (!read.leagueFile && !team)
        FUZZ_CHECK(read.errors.size() == 1 &&
                   (read.errors[0].kind == CsvIssueKind::TeamNotGiven ||
                    read.errors[0].kind == CsvIssueKind::UnrecognizedFile ||
                    read.errors[0].kind == CsvIssueKind::MisdecodedText ||
                    read.errors[0].kind == CsvIssueKind::TooManyLines ||
                    read.errors[0].kind == CsvIssueKind::UnclosedQuote));
    if (read.errors.empty())
        CheckImported(read);
    // The plan refuses UTF-16, UTF-32 and binary files before reading; any other text it reads.
    if (const reports::TextEncoding encoding = reports::GuessTextEncoding(text);
        encoding == reports::TextEncoding::Utf8 || encoding == reports::TextEncoding::ShiftJis)
        CheckImportPlan(text, team, read);
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (!text.starts_with(ByteOrderMark))
        FUZZ_CHECK(SameRead(
            reports::ReadCsv(std::string(ByteOrderMark) + std::string(text), CurrentTexts(), team),
            read));

    const int pasteTeam = data[0] % TeamCount;
    const int row = data[0] % 15;
    const int column = data[0] / 15 % 13;
    for (const Grid grid : {Grid::Batters, Grid::Pitchers})
        CheckPaste(text, pasteTeam, grid, row, column, lineCount);
    CheckEditSession(text, pasteTeam, data[0] % 2 ? Grid::Pitchers : Grid::Batters, row, column);
    CheckPastedTeamCsv(text, pasteTeam, lineCount);
    return 0;
}
