// SPDX-License-Identifier: MIT
#pragma once

#include "ImportController.h"
#include "Paste.h"
#include "PasteReader.h"
#include "Team.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

class QUrl;
class StringGrid;
class TMainForm;

// The window as a working surface: whole players copied as spreadsheets paste them, blocks of
// cells pasted in by the rules of the CSV import, and files dropped on the window. The paste plan
// decides; this class reads the clipboard, words what the plan found and pushes the one undo
// step. TMainForm's handlers only hand their workflow over.
class TClipboardController {
public:
    explicit TClipboardController(TMainForm& window);

    // The selected rows of `grid` (or the current cell's) onto the clipboard, whole players.
    void Copy(const StringGrid* grid);
    // The clipboard's text into `grid` from its current cell.
    void Paste(StringGrid* grid);
    // Files dropped on the window, taken after the drop has ended.
    void OpenDroppedFiles(const QList<QUrl>& urls);

private:
    // Lists why a paste was refused, each problem at its grid cell, offering to read it again
    // beyond what was `chosen`; what the user chose then, or nothing.
    std::optional<ReadChoices> ShowPasteProblems(StringGrid* grid, const reports::PasteRead& read,
                                                 const ReadChoices& chosen);
    void ShowPasteNotes(StringGrid* grid, const std::vector<teamdata::CellNote>& notes,
                        const std::vector<plans::SameReading>& sameReadings);

    TMainForm& window_;
};
