// SPDX-License-Identifier: MIT
#pragma once

#include <QTableWidget>

#include <functional>
#include <initializer_list>
#include <vector>

class QTimer;

// A text grid addressed as (column, row) with a fixed header row 0 and a fixed label column 0,
// drawn as headers. Cells cannot be typed into. The user may resize columns and drag a data row
// by its label cell to another place; the grid then moves every cell of the rows (labels
// included) and reports RowMoved. Click is raised when the left button, pressed on a data cell,
// is released (never for the second press of a double click), when a navigation key moves the
// current cell, and when Enter, F2 or Space is pressed on it: a keyboard user acts on the cell
// where they are as a mouse user clicks it. A press on a label cell selects that whole row and
// takes the focus, in either selection mode, so that the commands of the row act on it.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    // Counts include the fixed row and column.
    StringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    [[nodiscard]] int ColCount() const { return columnCount() + 1; }
    [[nodiscard]] int RowCount() const { return rowCount() + 1; }

    [[nodiscard]] QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // What a cell shows for the text it holds: `shown(col, row, text)`, for every cell, the
    // header row and the label column included. The cells keep their own texts (Cells() and
    // SetCells() read and write them); only the drawing, the headers and what assistive tools
    // read use the shown ones. Without it, each cell shows its text.
    using DisplayText = std::function<QString(int col, int row, const QString& text)>;
    void SetDisplayText(DisplayText shown);
    [[nodiscard]] QString ShownText(int col, int row) const;

    // The tooltip of column `col`'s header (0 the corner).
    void SetHeaderToolTip(int col, const QString& tip);

    [[nodiscard]] int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    void SetDefaultRowHeight(int height);

    // The current cell; only data cells (column and row from 1) can be current.
    [[nodiscard]] int Col() const;
    [[nodiscard]] int Row() const;
    void SetCurrentCell(int col, int row);

    // With range selection, dragging extends a selection and a click acts on the pressed cell;
    // without it, the current cell follows the pointer while the button is held.
    void SetRangeSelect(bool enabled);

    // Selects every data cell of grid row `row` and makes its first data cell current, as a press
    // on its label does; no Click is raised.
    void SelectDataRow(int row);

    // The data rows with a selected cell, top down; the current cell's row when none is selected.
    [[nodiscard]] std::vector<int> SelectedRows() const;

    // Moves grid row `fromRow` to `toRow` (data rows count from 1) as a drag does, every cell of
    // it with it and the rows between one place towards `fromRow`, without reporting RowMoved.
    void MoveDataRow(int fromRow, int toRow);

    // The whole grid's texts, [row][column], fixed row and column included.
    [[nodiscard]] std::vector<std::vector<QString>> AllCells() const;

    // Where the data cell (col, row) is drawn, in viewport coordinates (for tests and tools).
    [[nodiscard]] QRect CellRect(int col, int row) const;

signals:
    void Click();
    void RowMoved(int fromIndex, int toIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Cells cannot be typed into, so a typed letter is no search for a cell either: it changes
    // nothing, the current cell included.
    void keyboardSearch(const QString&) override {}

private:
    void OnSectionMoved(int logicalIndex, int oldVisualIndex, int newVisualIndex);
    void OnLabelPressed(int logicalIndex);
    void RaiseClick();
    QTableWidgetItem* ItemAt(int col, int row) const;

    QString cornerText_;
    DisplayText displayText_;
    bool rangeSelect_ = false;
    bool leftPressOnDataCell_ = false;
    bool releaseEndsDoubleClick_ = false;
    QModelIndex pressedIndex_;
    bool restoringSections_ = false;
    // A label dragged to the top or bottom edge scrolls the rows, so that every place can be
    // reached although the grid shows only some of its rows.
    void ScrollLabelDrag();
    QTimer* labelDragScroll_ = nullptr;
    bool labelDrag_ = false;
    QPoint labelDragAt_;
    // The label column is the vertical header; its right edge is dragged like any column edge.
    [[nodiscard]] bool ResizeLabelColumn(QWidget* area, QEvent* event);
    bool labelResize_ = false;
    int labelResizeStartX_ = 0;
    int labelResizeStartWidth_ = 0;
};

// Holds back the repainting of some grids while their cells are rewritten in bulk; each grid
// repaints once, as a whole, when the pause ends.
class GridRepaintPause {
public:
    explicit GridRepaintPause(std::initializer_list<StringGrid*> grids);
    ~GridRepaintPause();
    GridRepaintPause(const GridRepaintPause&) = delete;
    GridRepaintPause& operator=(const GridRepaintPause&) = delete;

private:
    std::vector<StringGrid*> paused_;
};
