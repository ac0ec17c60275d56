// SPDX-License-Identifier: MIT
#include "RowMoveCommand.h"

#include "StringGrid.h"

#include <utility>

RowMoveCommand::RowMoveCommand(StringGrid* grid, int fromRow, int toRow,
                               std::function<void()> writeLabels, const QString& what)
    : QUndoCommand(what)
    , grid_(grid)
    , fromRow_(fromRow)
    , toRow_(toRow)
    , writeLabels_(std::move(writeLabels)) {}

void RowMoveCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    grid_->MoveDataRow(fromRow_, toRow_);
    writeLabels_();
}

void RowMoveCommand::undo() {
    // Moving the row back from where it went shifts the rows between back as well.
    grid_->MoveDataRow(toRow_, fromRow_);
    writeLabels_();
}
