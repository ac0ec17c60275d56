// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUndoCommand>

#include <vector>

class StringGrid;

// Cells of BatterTable or PitcherTable changed as one step: a single cell edited by a click, the
// value dialog or the name keyboard, or a fielding position together with the cell it swapped
// with. The grid stays the team's working copy; the command keeps each cell's text from before
// (read when it is made) and after, and only puts them back.
class CellEditCommand : public QUndoCommand {
public:
    struct Cell {
        int col;
        int row;
        QString text;
    };

    // `cells` are applied in their order by redo and taken back in the reverse order by undo.
    CellEditCommand(StringGrid* grid, std::vector<Cell> cells, const QString& what);

    void redo() override;
    void undo() override;

private:
    struct Change {
        int col;
        int row;
        QString before;
        QString after;
    };
    StringGrid* grid_;
    std::vector<Change> changes_;
};
