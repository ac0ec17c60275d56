// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "Import.h"
#include "LeagueChange.h"
#include "Paste.h"
#include "Save.h"
#include "Team.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// An image being edited in memory, for a face that holds no grid of its own (the browser page):
// the shown team's working copy, every kind of edit the window offers through the window's own
// rules, undo and redo of whole steps, and the image a save writes. Rows and columns are the
// grids' (both from 1; column 1 is the name).
namespace plans {

// What became of one edit: whether it made a step, or why the cell refused it.
struct EditOutcome {
    bool changed = false;
    std::optional<teamdata::CellRefusal> refusal;
    bool nameSpellingChanged = false; // small kana were written large
};

// A league file imported into the image being edited: the plan, and whether it was applied.
struct LeagueImportOutcome {
    ImportPlan plan;
    bool applied = false;
};

class EditSession {
public:
    // `image` is an image the open plan does not refuse; its first team is shown.
    explicit EditSession(std::vector<std::uint8_t> image);

    [[nodiscard]] int ShownTeam() const { return shownTeam_; }
    [[nodiscard]] const teamdata::TeamTexts& Shown() const { return steps_[at_].shown; }
    // The image as the edits so far leave it, the shown team aside (a league import changes it).
    [[nodiscard]] const std::vector<std::uint8_t>& Base() const { return *steps_[at_].base; }
    // Edits made since the image was opened, saved or another team shown: what a switch of team
    // or leaving the page would lose.
    [[nodiscard]] bool Unsaved() const { return at_ != savedAt_; }
    [[nodiscard]] bool CanUndo() const { return at_ > 0; }
    [[nodiscard]] bool CanRedo() const { return at_ + 1 < steps_.size(); }

    // Shows another team as the image was last saved: the unsaved edits are dropped (the face
    // asks first while Unsaved()), and so is the undo history, as in the window.
    void ShowTeam(int team);

    // A text written into a cell from outside the dialogs (a typed name, a value typed as the
    // fan writes it): the cell rule decides what the cell stores.
    EditOutcome WriteCell(teamdata::Grid grid, int row, int column, std::string_view text);
    // A click (or key) on a batting side or pitching style: the next label of its cycle.
    EditOutcome StepCell(teamdata::Grid grid, int row, int column);
    // A value chosen as the value dialog chooses it (`value` in the column's units, 312 for .312).
    // A fielding position of the batting order swaps with the batter who held it, in one step.
    EditOutcome SetValue(teamdata::Grid grid, int row, int column, int value);
    // A row dragged from `from` to `to`; the rows between shift towards `from`.
    bool MoveRow(teamdata::Grid grid, int from, int to);
    // A colour picked from the console palette: one of the offered indexes only.
    bool SetColor(bool helmet, int index);
    // A whole team's texts replacing the shown one's as one step (a paste, a team CSV import).
    bool ApplyTeam(const teamdata::TeamTexts& texts);

    // Text pasted at `target`: applied as one step when the plan says Apply; a team CSV is
    // returned for the face to ask about and apply with ApplyTeam.
    PastePlan Paste(std::string_view text, const reports::PasteTarget& target,
                    const reports::LabelSpellings& labelSpellings, bool round);
    // A team CSV read into the shown team; the face asks (ShownTeamChanges) and applies it.
    [[nodiscard]] TeamCsvPlan PlanTeamCsv(std::string_view file, bool round) const;
    [[nodiscard]] std::vector<teamdata::LeagueChange>
    TeamChanges(const teamdata::TeamTexts& imported) const;
    // A league file read against the image as edited, the shown team's edits included; applied
    // as one step only with `apply`, after the face has shown the change list.
    LeagueImportOutcome ImportLeague(std::string_view file, bool round, bool apply);

    bool Undo();
    bool Redo();

    // The save's checks on the shown team, as the window's save makes them.
    [[nodiscard]] SavePlan PlanSave() const;
    // The image with the shown team written as the window's save writes it, or nothing when the
    // save is refused. A save made marks the edits as saved.
    std::optional<std::vector<std::uint8_t>> Save();

    // The longest text a paste or an import reads: a league file's worth and a good margin.
    static constexpr std::size_t LargestText = 1024u * 1024u;

private:
    struct Step {
        std::shared_ptr<const std::vector<std::uint8_t>> base;
        teamdata::TeamTexts shown;
    };

    bool Push(Step step);
    bool PushTexts(const teamdata::TeamTexts& texts);
    [[nodiscard]] std::string& CellText(teamdata::TeamTexts& texts, teamdata::Grid grid, int row,
                                        int column) const;
    [[nodiscard]] bool IsCell(teamdata::Grid grid, int row, int column) const;
    [[nodiscard]] std::vector<std::uint8_t> ImageWithShown() const;

    std::shared_ptr<const std::vector<std::uint8_t>> saved_;
    std::vector<Step> steps_;
    std::size_t at_ = 0;
    std::size_t savedAt_ = 0;
    int shownTeam_ = 0;
};

// The shown team written into `image` as the window's save writes it: every row rebuilt from its
// texts, the colours from the team's two bytes; nothing of another team touched. Empty when a row
// makes no record (PlanSave says which).
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
ImageWithTeam(std::vector<std::uint8_t> image, int team, const teamdata::TeamTexts& texts);

} // namespace plans
