// SPDX-License-Identifier: MIT
#pragma once

#include <QUndoCommand>

#include <functional>

class StringGrid;

// A row of BatterTable or PitcherTable dragged to another place, with every cell of the player
// (his fielding position included). The grid has already moved the row when the move is reported,
// so the first redo does nothing; after every later move the place labels are written again.
class RowMoveCommand : public QUndoCommand {
public:
    RowMoveCommand(StringGrid* grid, int fromRow, int toRow, std::function<void()> writeLabels,
                   const QString& what);

    void redo() override;
    void undo() override;

private:
    StringGrid* grid_;
    int fromRow_;
    int toRow_;
    std::function<void()> writeLabels_;
    bool done_ = true;
};
