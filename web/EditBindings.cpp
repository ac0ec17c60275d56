// SPDX-License-Identifier: MIT
// The editing session as the browser page sees it: the page forwards what the user did to a cell,
// a row, a colour, the clipboard or a file, and draws what comes back. Every rule is the core's
// (plans/EditSession.h); refusals and problems come back worded in the page's language, by the
// words the window has for them.
#include "Values.h"

#include "CellRounding.h"
#include "ChangeReport.h"
#include "Columns.h"
#include "EditSession.h"
#include "IssueWords.h"
#include "NameKeyboard.h"
#include "NameNormalizer.h"
#include "Palette.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using emscripten::val;
using namespace web;

teamdata::Grid GridNamed(const std::string& name) {
    return name == "pitchers" ? teamdata::Grid::Pitchers : teamdata::Grid::Batters;
}

const char* GridName(teamdata::Grid grid) {
    return grid == teamdata::Grid::Pitchers ? "pitchers" : "batters";
}

// A cell's refusal, worded as the window words it.
val RefusalValue(const teamdata::CellRefusal& refusal, const std::string& language) {
    val value = val::object();
    value.set("words", reports::RefusalText(PageWords(language), refusal));
    return value;
}

val CellProblemValue(const teamdata::CellProblem& problem, const std::string& language) {
    val value = val::object();
    value.set("grid", GridName(problem.grid));
    value.set("row", problem.row);
    value.set("column", problem.column);
    value.set("text", problem.text);
    value.set("refusal", RefusalValue(problem.refusal, language));
    value.set("roundable", teamdata::RoundingTakes(problem));
    return value;
}

val OutcomeValue(const plans::EditOutcome& outcome, const std::string& language) {
    val value = val::object();
    value.set("changed", outcome.changed);
    value.set("nameSpellingChanged", outcome.nameSpellingChanged);
    value.set("refusal", outcome.refusal ? RefusalValue(*outcome.refusal, language) : val::null());
    return value;
}

const char* PasteProblemName(reports::PasteProblemKind kind) {
    using Kind = reports::PasteProblemKind;
    switch (kind) {
    case Kind::NothingToPaste:
        return "nothingToPaste";
    case Kind::UnclosedQuote:
        return "unclosedQuote";
    case Kind::DoesNotFit:
        return "doesNotFit";
    case Kind::CellRefused:
        return "cellRefused";
    case Kind::FieldingPositions:
        return "fieldingPositions";
    }
    return "nothingToPaste";
}

const char* NoteName(teamdata::CellNoteKind kind) {
    using Kind = teamdata::CellNoteKind;
    switch (kind) {
    case Kind::NameSpellingChanged:
        return "nameSpellingChanged";
    case Kind::NameKeptFromNumber:
        return "nameKeptFromNumber";
    case Kind::NameRead:
        return "nameRead";
    case Kind::ValueRounded:
        return "valueRounded";
    }
    return "valueRounded";
}

bool AllRoundable(const std::vector<reports::CsvIssue>& errors) {
    return !errors.empty() &&
           std::all_of(errors.begin(), errors.end(), [](const reports::CsvIssue& issue) {
               return issue.kind == reports::CsvIssueKind::CellRefused && issue.cell &&
                      teamdata::RoundingTakes(*issue.cell);
           });
}

// The changes in the words of the page's language, names as the grids show them.
val ChangesValue(const std::vector<teamdata::LeagueChange>& changes, const std::string& language) {
    reports::ChangeLabels labels = reports::ChangeLabelsIn(PageWords(language));
    labels.namesForDisplay = true;
    val rows = val::array();
    for (const teamdata::LeagueChange& change : changes) {
        const reports::ChangeFields fields = reports::FieldsOf(change, labels);
        rows.call<void>("push",
                        ArrayOf(std::array{fields.team, fields.kind, fields.row, fields.name,
                                           fields.item, fields.before, fields.after}));
    }
    return rows;
}

template <typename Rows> val RowsValue(const Rows& rows) {
    val list = val::array();
    for (const auto& row : rows)
        list.call<void>("push", ArrayOf(row));
    return list;
}

val NumbersValue(const std::vector<int>& numbers) {
    val list = val::array();
    for (const int number : numbers)
        list.call<void>("push", number);
    return list;
}

class PageEditor {
public:
    explicit PageEditor(const val& bytes)
        : session_(BytesOf(bytes)) {}

    [[nodiscard]] val Team() const {
        const teamdata::TeamTexts& texts = session_.Shown();
        val shown = val::object();
        shown.set("batters", RowsValue(texts.batters));
        shown.set("pitchers", RowsValue(texts.pitchers));
        shown.set("helmet", CssColor(teamdata::SwatchColor(texts.colors.helmet)));
        shown.set("uniform", CssColor(teamdata::SwatchColor(texts.colors.uniform)));
        shown.set("helmetIndex", texts.colors.helmet);
        shown.set("uniformIndex", texts.colors.uniform);
        return shown;
    }

    [[nodiscard]] val State() const {
        val state = val::object();
        state.set("team", session_.ShownTeam());
        state.set("unsaved", session_.Unsaved());
        state.set("canUndo", session_.CanUndo());
        state.set("canRedo", session_.CanRedo());
        return state;
    }

    void ShowTeam(int team) { session_.ShowTeam(team); }

    val WriteCell(const std::string& grid, int row, int column, const std::string& text) {
        return OutcomeValue(session_.WriteCell(GridNamed(grid), row, column, text), language_);
    }
    val StepCell(const std::string& grid, int row, int column) {
        return OutcomeValue(session_.StepCell(GridNamed(grid), row, column), language_);
    }
    val SetValue(const std::string& grid, int row, int column, int value) {
        return OutcomeValue(session_.SetValue(GridNamed(grid), row, column, value), language_);
    }
    bool MoveRow(const std::string& grid, int from, int to) {
        return session_.MoveRow(GridNamed(grid), from, to);
    }
    bool SetColor(bool helmet, int index) { return session_.SetColor(helmet, index); }
    bool Undo() { return session_.Undo(); }
    bool Redo() { return session_.Redo(); }

    // The rows `rows` (grid rows from 1) as a spreadsheet takes them: tab-separated cells, a line
    // per player, names as the game spells them, which paste back into the very same cells.
    [[nodiscard]] std::string Copy(const std::string& grid, const val& rows) const {
        const teamdata::Grid which = GridNamed(grid);
        const teamdata::TeamTexts& texts = session_.Shown();
        std::string text;
        for (const int row : emscripten::vecFromJSArray<int>(rows)) {
            const int count =
                which == teamdata::Grid::Batters ? teamdata::BatterCount : teamdata::PitcherCount;
            if (row < 1 || row > count)
                continue;
            const auto r = static_cast<std::size_t>(row - 1);
            const auto cells = [&](const auto& cellTexts) {
                for (std::size_t c = 0; c < cellTexts.size(); ++c)
                    text += (c == 0 ? "" : "\t") + cellTexts[c];
            };
            if (which == teamdata::Grid::Batters)
                cells(texts.batters[r]);
            else
                cells(texts.pitchers[r]);
            text += "\r\n";
        }
        return text;
    }

    // Text pasted at a cell: applied as one step, or refused with every problem; a whole team
    // waits for the page's question (applyPending).
    val Paste(const std::string& text, const std::string& grid, int row, int column, bool round) {
        pending_.reset();
        const plans::PastePlan plan =
            session_.Paste(text, {GridNamed(grid), column, row}, {}, round);
        val value = val::object();
        switch (plan.decision) {
        case plans::PasteDecision::TooLarge:
            value.set("decision", "tooLarge");
            value.set("largestKiB", static_cast<int>(plans::EditSession::LargestText / 1024));
            return value;
        case plans::PasteDecision::TeamCsv:
            value.set("decision", "teamCsv");
            value.set("teamCsv", TeamCsvValue(*plan.teamCsv));
            return value;
        case plans::PasteDecision::Refused:
            value.set("decision", "refused");
            break;
        case plans::PasteDecision::Unchanged:
            value.set("decision", "unchanged");
            break;
        case plans::PasteDecision::Apply:
            value.set("decision", "applied");
            break;
        }
        val problems = val::array();
        bool roundable = !plan.read.problems.empty();
        for (const reports::PasteProblem& problem : plan.read.problems) {
            val item = val::object();
            item.set("kind", PasteProblemName(problem.kind));
            item.set("row", problem.row);
            item.set("column", problem.column);
            item.set("text", problem.text);
            item.set("otherRow", problem.otherRow);
            item.set("line", problem.line);
            item.set("rows", problem.rows);
            item.set("columns", problem.columns);
            item.set("moreRows", problem.moreRows);
            item.set("roomRows", problem.roomRows);
            item.set("roomColumns", problem.roomColumns);
            item.set("cell",
                     problem.cell ? CellProblemValue(*problem.cell, language_) : val::null());
            roundable = roundable && problem.kind == reports::PasteProblemKind::CellRefused &&
                        problem.cell && teamdata::RoundingTakes(*problem.cell);
            problems.call<void>("push", item);
        }
        value.set("problems", problems);
        value.set("roundable", roundable);
        val notes = val::array();
        for (const teamdata::CellNote& note : plan.read.notes) {
            val item = val::object();
            item.set("kind", NoteName(note.kind));
            item.set("grid", GridName(note.grid));
            item.set("row", note.row);
            item.set("column", note.column);
            item.set("text", note.text);
            item.set("stored", note.stored);
            notes.call<void>("push", item);
        }
        value.set("notes", notes);
        return value;
    }

    // A team CSV file read into the shown team, waiting for the page's question.
    val ImportTeamCsv(const val& bytes, bool round) {
        const std::vector<std::uint8_t> file = BytesOf(bytes);
        pending_.reset();
        return TeamCsvValue(
            session_.PlanTeamCsv({reinterpret_cast<const char*>(file.data()), file.size()}, round));
    }

    // The team read last (paste or team CSV) applied as one step, once the user said yes.
    bool ApplyPending() {
        if (!pending_)
            return false;
        const bool changed = session_.ApplyTeam(*pending_);
        pending_.reset();
        return changed;
    }

    // The language the refusals, problems and change lists are worded in: "ja" or "en".
    void SetLanguage(const std::string& language) { language_ = language; }

    // A league file read against the image as edited; applied as one step with `apply`.
    val ImportLeague(const val& bytes, bool round, bool apply) {
        const std::vector<std::uint8_t> file = BytesOf(bytes);
        const plans::LeagueImportOutcome outcome = session_.ImportLeague(
            {reinterpret_cast<const char*>(file.data()), file.size()}, round, apply);
        val value = val::object();
        const reports::CsvImport& read = outcome.plan.read;
        value.set("decision", !read.errors.empty()               ? "refused"
                              : plans::TeamMissing(outcome.plan) ? "teamMissing"
                              : outcome.plan.writes.empty()      ? "unchanged"
                              : outcome.applied                  ? "applied"
                                                                 : "ask");
        value.set("errors", IssuesValue(read.errors, language_));
        value.set("notes", IssuesValue(read.notes, language_));
        value.set("roundable", AllRoundable(read.errors));
        value.set("changes", ChangesValue(outcome.plan.changes, language_));
        return value;
    }

    // The save's checks: "none", or why the save is refused and where.
    [[nodiscard]] val PlanSave() const {
        const plans::SavePlan plan = session_.PlanSave();
        val value = val::object();
        switch (plan.refusal) {
        case teamdata::SaveRefusal::None:
            value.set("refusal", "none");
            break;
        case teamdata::SaveRefusal::RecordNotWritable:
            value.set("refusal", "recordNotWritable");
            value.set("cell", plan.cell ? CellProblemValue(*plan.cell, language_) : val::null());
            break;
        case teamdata::SaveRefusal::FieldingPositions: {
            value.set("refusal", "fieldingPositions");
            value.set("missing", NumbersValue(plan.positions.missing));
            val repeated = val::array();
            for (const auto& [position, rows] : plan.positions.repeated) {
                val item = val::object();
                item.set("position", position);
                item.set("rows", NumbersValue(rows));
                repeated.call<void>("push", item);
            }
            value.set("repeated", repeated);
            value.set("outsideRows", NumbersValue(plan.positions.outsideRows));
            break;
        }
        }
        return value;
    }

    // The image the save writes, or null when the save is refused (nothing is written then).
    val Save() {
        const std::optional<std::vector<std::uint8_t>> image = session_.Save();
        return image ? BytesValue(*image) : val::null();
    }

private:
    val TeamCsvValue(const plans::TeamCsvPlan& plan) {
        val value = val::object();
        value.set("decision", plan.decision == plans::TeamCsvDecision::Apply        ? "ask"
                              : plan.decision == plans::TeamCsvDecision::NotOneTeam ? "notOneTeam"
                                                                                    : "refused");
        value.set("errors", IssuesValue(plan.read.errors, language_));
        value.set("notes", IssuesValue(plan.read.notes, language_));
        value.set("roundable", AllRoundable(plan.read.errors));
        if (plan.decision == plans::TeamCsvDecision::Apply) {
            pending_ = plan.Team().texts;
            value.set("team", plan.Team().team);
            value.set("forAnotherTeam", plan.ForAnotherTeam(session_.ShownTeam()));
            value.set("changes", ChangesValue(session_.TeamChanges(*pending_), language_));
        }
        return value;
    }

    plans::EditSession session_;
    std::optional<teamdata::TeamTexts> pending_;
    std::string language_ = "ja";
};

// What a cell does when it is acted on: "name", "side", "style" or "value", with the value
// dialog's range and steps for a value.
val CellKind(const std::string& grid, int column) {
    const teamdata::Grid which = GridNamed(grid);
    const auto value = which == teamdata::Grid::Batters ? teamdata::BatterValueColumn(column)
                                                        : teamdata::PitcherValueColumn(column);
    val kind = val::object();
    if (value) {
        kind.set("kind", "value");
        kind.set("minimum", value->minimum);
        kind.set("maximum", value->maximum);
        kind.set("smallStep", value->smallStep);
        kind.set("largeStep", value->largeStep);
        kind.set("pointScale", value->pointScale);
        return kind;
    }
    const bool name = column == teamdata::BatterColumn::Name;
    const bool side = which == teamdata::Grid::Batters && column == teamdata::BatterColumn::Side;
    kind.set("kind", name ? "name" : side ? "side" : "style");
    return kind;
}

// A number typed into the value box, as the value dialog reads it; null while it is no number.
val TypedValue(const std::string& typed, const std::string& grid, int column) {
    const auto value = GridNamed(grid) == teamdata::Grid::Batters
                           ? teamdata::BatterValueColumn(column)
                           : teamdata::PitcherValueColumn(column);
    if (!value)
        return val::null();
    const std::optional<int> read = teamdata::TypedValue(typed, *value);
    return read ? val(*read) : val::null();
}

// The name box's text as the user types it, or why it is refused.
val TypedName(const std::string& text) {
    const teamdata::NameNormalization typed = teamdata::NormalizeTypedName(text);
    val value = val::object();
    using Outcome = teamdata::NameNormalization::Outcome;
    value.set("outcome", typed.outcome == Outcome::Accepted           ? "accepted"
                         : typed.outcome == Outcome::UnknownCharacter ? "unknownCharacter"
                                                                      : "tooLong");
    value.set("text", typed.name);
    value.set("character", typed.character);
    value.set("places", teamdata::NamePlaces);
    return value;
}

// The name keyboard, row by row: each key's number (0 for none) and caption.
val NameKeys() {
    val rows = val::array();
    for (const auto& keyRow : teamdata::KeyGrid) {
        val row = val::array();
        for (const teamdata::KeyPlace& place : keyRow) {
            val key = val::object();
            key.set("number", place.number);
            key.set("caption", std::string(place.caption));
            key.set("action", place.number == teamdata::DeleteKeyNumber  ? "delete"
                              : place.number == teamdata::SpaceKeyNumber ? "space"
                                                                         : "type");
            row.call<void>("push", key);
        }
        rows.call<void>("push", row);
    }
    return rows;
}

// The colours the chooser offers, as the console palette's rows: index and screen colour.
val PaletteRows() {
    val rows = val::array();
    for (int row = 0; row < teamdata::PaletteRows; ++row) {
        val cells = val::array();
        for (int column = 0; column < teamdata::PaletteColumns; ++column) {
            const int index = row * 16 + column;
            if (!teamdata::IsOfferedColorIndex(index))
                continue;
            val cell = val::object();
            cell.set("index", index);
            cell.set("color", CssColor(teamdata::PaletteColor(index)));
            cells.call<void>("push", cell);
        }
        rows.call<void>("push", cells);
    }
    return rows;
}

// What the value dialog allows, worded as a refusal words it.
std::string AllowedRangeWords(int minimum, int maximum, int step, int pointScale,
                              const std::string& language) {
    teamdata::CellRefusal range;
    range.minimum = minimum;
    range.maximum = maximum;
    range.step = step;
    range.pointScale = pointScale;
    return reports::AllowedRange(PageWords(language), range);
}

} // namespace

EMSCRIPTEN_BINDINGS(tolvanek_editing) {
    emscripten::class_<PageEditor>("PageEditor")
        .constructor<const val&>()
        .function("team", &PageEditor::Team)
        .function("state", &PageEditor::State)
        .function("showTeam", &PageEditor::ShowTeam)
        .function("writeCell", &PageEditor::WriteCell)
        .function("stepCell", &PageEditor::StepCell)
        .function("setValue", &PageEditor::SetValue)
        .function("moveRow", &PageEditor::MoveRow)
        .function("setColor", &PageEditor::SetColor)
        .function("undo", &PageEditor::Undo)
        .function("redo", &PageEditor::Redo)
        .function("copy", &PageEditor::Copy)
        .function("paste", &PageEditor::Paste)
        .function("importTeamCsv", &PageEditor::ImportTeamCsv)
        .function("applyPending", &PageEditor::ApplyPending)
        .function("importLeague", &PageEditor::ImportLeague)
        .function("setLanguage", &PageEditor::SetLanguage)
        .function("planSave", &PageEditor::PlanSave)
        .function("save", &PageEditor::Save);
    emscripten::function("cellKind", &CellKind);
    emscripten::function("allowedRange", &AllowedRangeWords);
    emscripten::function("typedValue", &TypedValue);
    emscripten::function("typedName", &TypedName);
    emscripten::function("nameKeys", &NameKeys);
    emscripten::function("paletteRows", &PaletteRows);
}
