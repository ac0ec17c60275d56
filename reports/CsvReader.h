// SPDX-License-Identifier: MIT
#pragma once

#include "CellProblem.h"
#include "CsvRecords.h"
#include "ImageLayout.h"
#include "Team.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading back a team CSV (what BuildCsv writes) or a league file (what BuildLeagueCsv writes),
// checked cell by cell by the rules the editor's dialogs follow. The caller has turned the file
// into UTF-8 already; nothing here phrases a message, every issue carries the data to phrase it.
namespace reports {

enum class CsvIssueKind {
    // The file as a whole.
    UnclosedQuote,    // at the line and column where the quoted field opens
    TeamNotGiven,     // a team CSV (it starts with the batter header), and the caller named no team
    UnrecognizedFile, // no team line anywhere, and the first line is not the batter header either
    MisdecodedText,   // the first line looks like Japanese read in the wrong encoding
    TooManyLines,     // more than `count` lines, more than any league file has: read no further
    Utf16Text,        // UTF-16 text, which the program does not read (line 1)
    Utf32Text,        // UTF-32 text, the same (line 1)
    NotText,          // a zero byte in the file: no text at all (its line)
    // Lines before the first team line of a league file: `count` lines from here, the first of
    // which should have been a team line starting with `expected`.
    LinesBeforeFirstTeam,
    // The structure; a block with one of these has no cell checked.
    WrongLineCount,  // a block has `count` lines after its team line, not `expectedCount`
    WrongFieldCount, // a line has `count` fields (trailing empty ones aside), not `expectedCount`
    UnknownHeader,   // a header field is not `expected` (trailing spaces aside)
    UnknownWord,     // a fixed word of the team line is not `expected`
    UnknownTeam,     // initials that name no team; `allowed` lists the initials
    DuplicateTeam,   // `team` was named before, by the team line at `otherLine`
    // Cells.
    MalformedColor,  // not 0x and two hex digits
    ColorNotOffered, // a palette index the colour chooser does not offer
    CellRefused,     // a player's cell cannot hold the text: `cell`
    // The batting order's fielding positions are not 2..9 once each: this one is outside
    // `minimum`..`maximum` (2..9), or it is also held by the batter at `otherLine`.
    FieldingPositions,
    // A note, not an error: small kana were written large; `expected` is the name as stored.
    NameSpellingChanged,
    // A note: the cell holds a number (`text`) equal to the number the current name reads as, as
    // a spreadsheet makes of a name of digits; the name (`expected`) is kept.
    NameKeptFromNumber,
    // A note: the name in kanji (`text`) was read as `expected`, on request; `allowed` holds the
    // other readings, best first.
    NameRead,
    // A note: two names in kanji of one team were read alike (`expected`); this one (`text`)
    // and the one at `otherLine`.
    SameReading,
    // A note: the number `text` was rounded to `expected`, as the import was asked to.
    ValueRounded,
    // A JSON file. Its issues name their place by `pointer`; a syntax error by line and column.
    JsonSyntax,          // no JSON from here on (`text`: what the parser found)
    JsonTooDeep,         // nested deeper than any form is (`count` levels at most)
    JsonDuplicateMember, // a member given twice in one object (`text`: its name)
    JsonUnknownMember,   // a member the form does not have; `allowed` lists those it has
    JsonMissingMember,   // the object lacks the member `expected`
    JsonWrongType,       // not the kind of value the form has here (`expected`: which)
    JsonUnknownFormat,   // "format" names no form this import reads; `allowed` lists them
    JsonVersion,         // "version" is `count`, not `expectedCount` (newer, or none at all)
    JsonWrongLength,     // an array of `count` elements where the form has `expectedCount`
    JsonTeamCount,       // a league form of `count` teams: it holds 1 to 16
    // Two forms of one value disagree: `text` here against the one at `otherPointer`.
    JsonFormsDisagree,
};

struct CsvIssue {
    CsvIssueKind kind{};
    int line = 0;
    int column = 0;   // 1-based; 0 when the issue is about a whole line or block
    std::string text; // the field as the file holds it
    int team = -1;    // the team of the block, when known
    int minimum = 0;
    int maximum = 0;
    std::vector<std::string> allowed;
    std::string expected;
    int count = 0;
    int expectedCount = 0;
    int otherLine = 0;
    // CellRefused: the grid cell and the rule's refusal, its row the player (1-based) and its
    // column the grid's, which is the field's too.
    std::optional<teamdata::CellProblem> cell;
    // The place in a JSON file ("/teams/3/batters/5/average"), which stands for line and column
    // there; `otherPointer` for `otherLine`.
    std::optional<std::string> pointer;
    std::string otherPointer;
};

// A team of the file whose block could be read cell by cell. Its texts start as the current ones;
// every cell the file changes holds the stored form (the normalized name, the number without
// leading zeros or spaces), every other cell keeps the current text exactly, and so does a cell
// that has an error.
struct ImportedTeam {
    int team = 0;
    int line = 0; // where the block starts
    teamdata::TeamTexts texts;
    bool changed = false;
};

struct CsvImport {
    bool leagueFile = false;
    std::vector<ImportedTeam> teams; // in file order
    std::vector<CsvIssue> errors;    // block by block; apply nothing unless empty
    std::vector<CsvIssue> notes;
};

using LeagueTexts = std::array<teamdata::TeamTexts, teamdata::TeamCount>;

// The most lines a file of this program has: a league file's 16 blocks of a team line and 20 lines.
inline constexpr std::size_t MaxCsvRecords =
    teamdata::TeamCount * (1 + 2 + teamdata::BatterCount + teamdata::PitcherCount);

// Reads a team CSV or a league file (it is one when any of its lines is a team line). `current`
// holds the texts every team shows now: a cell or colour equal to the current one is accepted as
// it is, so that whatever the image holds reads back; every other cell must be a value the
// dialogs could give. A team CSV is read into `teamOfTeamCsv`. The fielding positions of the
// batting order are checked for every team the file changes, as a save would.
// With `round`, a number a cell cannot hold as written is rounded to the nearest value it can
// and noted (ValueRounded). With `readKanji`, names in kanji are read as kana (see
// teamdata::ReadCellRow).
[[nodiscard]] CsvImport ReadCsv(std::string_view utf8, const LeagueTexts& current,
                                std::optional<int> teamOfTeamCsv, bool round = false,
                                const teamdata::KanjiNameReader& readKanji = {});

// A note of a cell row read for `team` as the file's notes carry it; the place (a line and column,
// or a JSON pointer) is the reader's to give.
[[nodiscard]] CsvIssue NoteOfCell(teamdata::CellNote&& cellNote, int team);

} // namespace reports
