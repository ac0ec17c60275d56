// SPDX-License-Identifier: MIT
#include "CellEditCommand.h"

#include "StringGrid.h"

CellEditCommand::CellEditCommand(StringGrid* grid, std::vector<Cell> cells, const QString& what)
    : QUndoCommand(what)
    , grid_(grid) {
    // A later cell of the same step sees the earlier ones as done (a swap reads the cell it is
    // about to overwrite), so the texts from before are read in order, as redo will apply them.
    std::vector<std::pair<std::pair<int, int>, QString>> pending;
    for (const Cell& cell : cells) {
        QString before = grid->Cells(cell.col, cell.row);
        for (const auto& [place, text] : pending)
            if (place == std::pair(cell.col, cell.row))
                before = text;
        changes_.push_back({cell.col, cell.row, before, cell.text});
        pending.push_back({{cell.col, cell.row}, cell.text});
    }
}

void CellEditCommand::redo() {
    for (const Change& change : changes_)
        grid_->SetCells(change.col, change.row, change.after);
}

void CellEditCommand::undo() {
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
        grid_->SetCells(change->col, change->row, change->before);
}
