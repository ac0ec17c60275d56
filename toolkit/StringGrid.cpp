// SPDX-License-Identifier: MIT
#include "StringGrid.h"

#include "TolvanekApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

namespace {

// Cell texts start two pixels into the cell and are clipped at its edge, never elided: a
// five-character name fills its column exactly.
class CellTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        painter->save();
        painter->setClipRect(cell.rect);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(
            cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(cell.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
    }
};

// A cell that knows its place, so that it can show its text through the grid's display text. The
// cells never move: a row moved by dragging moves the texts from cell to cell.
class GridCell : public QTableWidgetItem {
public:
    GridCell(const StringGrid* grid, int col, int row)
        : grid_(grid)
        , col_(col)
        , row_(row) {}

    [[nodiscard]] QVariant data(int role) const override {
        if (role == Qt::DisplayRole)
            return grid_->ShownText(col_, row_);
        return QTableWidgetItem::data(role);
    }

private:
    const StringGrid* grid_;
    int col_;
    int row_;
};

// The fixed row and column are drawn as flat header cells with the same two-pixel indent.
const char* const HeaderStyle =
    "QHeaderView::section { padding: 0px 0px 0px 2px; border: none;"
    " border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid);"
    " background-color: palette(button); }";

} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableWidget(rowCount - 1, colCount - 1, parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    // The corner stays enabled only so that it receives the mouse for resizing the label column;
    // its own click (select all) is swallowed below.
    setCornerButtonEnabled(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new CellTextDelegate(this));
    horizontalHeader()->setStyleSheet(QString::fromLatin1(HeaderStyle));
    verticalHeader()->setStyleSheet(QString::fromLatin1(HeaderStyle));

    for (int r = 0; r < this->rowCount(); ++r) {
        setVerticalHeaderItem(r, new GridCell(this, 0, r + 1));
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new GridCell(this, c + 1, r + 1);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r, c, item);
        }
    }
    for (int c = 0; c < columnCount(); ++c)
        setHorizontalHeaderItem(c, new GridCell(this, c + 1, 0));

    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QHeaderView* labels = verticalHeader();
    labels->setSectionResizeMode(QHeaderView::Fixed);
    labels->setHighlightSections(false);
    labels->setSectionsMovable(true);
    labels->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(labels, &QHeaderView::sectionMoved, this, &StringGrid::OnSectionMoved);
    connect(labels, &QHeaderView::sectionPressed, this, &StringGrid::OnLabelPressed);
    labels->viewport()->installEventFilter(this);
    labels->viewport()->setMouseTracking(true);
    labelDragScroll_ = new QTimer(this);
    labelDragScroll_->setInterval(50);
    connect(labelDragScroll_, &QTimer::timeout, this, &StringGrid::ScrollLabelDrag);

    SetDefaultRowHeight(20);

    // The corner cell is (0, 0): it carries a header text like any other fixed cell.
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
        corner->setMouseTracking(true);
    }
}

QTableWidgetItem* StringGrid::ItemAt(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return nullptr;
    if (row == 0 && col == 0)
        return nullptr;
    if (row == 0)
        return horizontalHeaderItem(col - 1);
    if (col == 0)
        return verticalHeaderItem(row - 1);
    return item(row - 1, col - 1);
}

QString StringGrid::Cells(int col, int row) const {
    if (col == 0 && row == 0)
        return cornerText_;
    const QTableWidgetItem* cell = ItemAt(col, row);
    // The edit role is the text the cell holds; the display role is what it shows.
    return cell ? cell->data(Qt::EditRole).toString() : QString();
}

QString StringGrid::ShownText(int col, int row) const {
    const QString text = Cells(col, row);
    return displayText_ ? displayText_(col, row, text) : text;
}

void StringGrid::SetDisplayText(DisplayText shown) {
    displayText_ = std::move(shown);
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (auto* corner = findChild<QAbstractButton*>())
        corner->update();
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    if (col == 0 && row == 0) {
        cornerText_ = text;
        if (auto* corner = findChild<QAbstractButton*>())
            corner->update();
        return;
    }
    if (QTableWidgetItem* cell = ItemAt(col, row))
        cell->setText(text);
}

void StringGrid::SetHeaderToolTip(int col, const QString& tip) {
    if (col == 0) {
        if (auto* corner = findChild<QAbstractButton*>())
            corner->setToolTip(tip);
    } else if (QTableWidgetItem* header = ItemAt(col, 0)) {
        header->setToolTip(tip);
    }
}

int StringGrid::ColWidths(int col) const {
    if (col == 0)
        return verticalHeader()->width();
    return columnWidth(col - 1);
}

void StringGrid::SetColWidths(int col, int width) {
    if (col == 0)
        verticalHeader()->setFixedWidth(width);
    else if (col > 0 && col < ColCount())
        setColumnWidth(col - 1, width);
}

void StringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

int StringGrid::Col() const {
    return currentIndex().isValid() ? currentIndex().column() + 1 : 0;
}

int StringGrid::Row() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

void StringGrid::SetCurrentCell(int col, int row) {
    if (col >= 1 && row >= 1 && col < ColCount() && row < RowCount())
        setCurrentCell(row - 1, col - 1);
}

void StringGrid::OnLabelPressed(int logicalIndex) {
    // The item view selects a row from its label (Shift extending it) only where a range may be
    // selected; a grid of single cells would leave the selection, and so the rows Copy takes,
    // where they were.
    if (!rangeSelect_)
        SelectDataRow(logicalIndex + 1);
    setFocus(Qt::MouseFocusReason);
}

void StringGrid::SelectDataRow(int row) {
    if (row < 1 || row >= RowCount() || columnCount() == 0)
        return;
    const QModelIndex first = model()->index(row - 1, 0);
    const QModelIndex last = model()->index(row - 1, columnCount() - 1);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

std::vector<int> StringGrid::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row() + 1);
    if (rows.empty() && Row() > 0)
        rows.push_back(Row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void StringGrid::SetRangeSelect(bool enabled) {
    rangeSelect_ = enabled;
    setSelectionMode(enabled ? QAbstractItemView::ContiguousSelection
                             : QAbstractItemView::SingleSelection);
}

std::vector<std::vector<QString>> StringGrid::AllCells() const {
    std::vector<std::vector<QString>> cells(static_cast<std::size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            cells[static_cast<std::size_t>(r)].push_back(Cells(c, r));
    return cells;
}

QRect StringGrid::CellRect(int col, int row) const {
    return visualRect(model()->index(row - 1, col - 1));
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedIndex_ = indexAt(event->position().toPoint());
        leftPressOnDataCell_ = pressedIndex_.isValid();
        releaseEndsDoubleClick_ = false;
    }
    QTableWidget::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
    QTableWidget::mouseMoveEvent(event);
    if (!rangeSelect_ && leftPressOnDataCell_ && (event->buttons() & Qt::LeftButton)) {
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid() && under != currentIndex())
            setCurrentIndex(under);
    }
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool raise = leftPressOnDataCell_ && !releaseEndsDoubleClick_;
    leftPressOnDataCell_ = false;
    releaseEndsDoubleClick_ = false;
    if (!raise)
        return;
    // With range selection the click belongs to the cell that was pressed, wherever the drag
    // ended; the selection itself stays as the user made it.
    if (rangeSelect_ && pressedIndex_.isValid() && currentIndex() != pressedIndex_)
        selectionModel()->setCurrentIndex(pressedIndex_, QItemSelectionModel::NoUpdate);
    RaiseClick();
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click only marks its release as not a click.
    if (event->button() == Qt::LeftButton) {
        releaseEndsDoubleClick_ = true;
        leftPressOnDataCell_ = indexAt(event->position().toPoint()).isValid();
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    static const int clickKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2, Qt::Key_Space};
    const bool clickKey = std::find(std::begin(clickKeys), std::end(clickKeys), event->key()) !=
                              std::end(clickKeys) &&
                          (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (clickKey) {
        // A key held down is one click, as a button held down is: it must not step a cell on and
        // on, nor open a dialog again behind the one it opened.
        if (currentIndex().isValid() && !event->isAutoRepeat())
            RaiseClick();
        event->accept();
        return;
    }
    static const int navigationKeys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                         Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                         Qt::Key_Home, Qt::Key_End};
    const bool navigation = std::find(std::begin(navigationKeys), std::end(navigationKeys),
                                      event->key()) != std::end(navigationKeys);
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    if (navigation && currentIndex().isValid() && currentIndex() != before)
        RaiseClick();
}

void StringGrid::RaiseClick() {
    // A handler may open modal dialogs or fail a conversion; its exception is shown here so
    // that it never unwinds through the item view's own event code.
    try {
        emit Click();
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
}

void StringGrid::OnSectionMoved(int, int oldVisualIndex, int newVisualIndex) {
    if (restoringSections_)
        return;
    // The header moved only its drawing; put the sections back and move the texts instead, so
    // that row r of the grid always is row r of the data.
    restoringSections_ = true;
    verticalHeader()->moveSection(newVisualIndex, oldVisualIndex);
    restoringSections_ = false;
    if (oldVisualIndex == newVisualIndex)
        return;
    MoveDataRow(oldVisualIndex + 1, newVisualIndex + 1);
    // The press selected the row it took; the selection goes with the player to his new place.
    SelectDataRow(newVisualIndex + 1);
    try {
        emit RowMoved(oldVisualIndex + 1, newVisualIndex + 1);
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
}

void StringGrid::MoveDataRow(int from, int to) {
    if (from < 1 || to < 1 || from >= RowCount() || to >= RowCount() || from == to)
        return;
    QStringList moving;
    for (int c = 0; c < ColCount(); ++c)
        moving << Cells(c, from);
    const int step = from < to ? 1 : -1;
    for (int r = from; r != to; r += step)
        for (int c = 0; c < ColCount(); ++c)
            SetCells(c, r, Cells(c, r + step));
    for (int c = 0; c < ColCount(); ++c)
        SetCells(c, to, moving[c]);
}

void StringGrid::ScrollLabelDrag() {
    if (!labelDrag_) {
        labelDragScroll_->stop();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int before = bar->value();
    bar->triggerAction(labelDragAt_.y() < verticalHeader()->autoScrollMargin()
                           ? QAbstractSlider::SliderSingleStepSub
                           : QAbstractSlider::SliderSingleStepAdd);
    if (bar->value() == before)
        return;
    // The header chooses the drop place only when the pointer moves; the rows have moved under
    // the pointer, so it is told so.
    QWidget* area = verticalHeader()->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(labelDragAt_),
                     area->mapToGlobal(QPointF(labelDragAt_)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
}

bool StringGrid::ResizeLabelColumn(QWidget* area, QEvent* event) {
    // The few pixels left of the label column's right edge (within the label cells and the corner
    // cell) resize it; a press there never starts a row drag.
    constexpr int Grip = 4;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::Leave)
        return false;
    if (type == QEvent::Leave) {
        if (!labelResize_)
            area->unsetCursor();
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int x = area->mapTo(this, mouse->position().toPoint()).x();
    const int edge = verticalHeader()->width();
    if (labelResize_) {
        if (type == QEvent::MouseMove) {
            SetColWidths(0, std::max(Grip, labelResizeStartWidth_ + x - labelResizeStartX_));
        } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            labelResize_ = false;
            area->unsetCursor();
        }
        return true;
    }
    const bool onGrip = x >= edge - Grip && x <= edge;
    if (type == QEvent::MouseMove && !(mouse->buttons() & Qt::LeftButton)) {
        if (onGrip)
            area->setCursor(Qt::SplitHCursor);
        else
            area->unsetCursor();
        return false;
    }
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && onGrip) {
        labelResize_ = true;
        labelResizeStartX_ = x;
        labelResizeStartWidth_ = verticalHeader()->width();
        return true;
    }
    return false;
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (watched == verticalHeader()->viewport() || corner) {
        if (ResizeLabelColumn(static_cast<QWidget*>(watched), event))
            return true;
    }
    if (corner &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick))
        return true;
    if (watched == verticalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            labelDragAt_ = mouse->position().toPoint();
            if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
                labelDrag_ = verticalHeader()->logicalIndexAt(labelDragAt_) >= 0;
            else if (event->type() == QEvent::MouseButtonRelease ||
                     !(mouse->buttons() & Qt::LeftButton))
                labelDrag_ = false;
            const int margin = verticalHeader()->autoScrollMargin();
            const bool atEdge = labelDragAt_.y() < margin ||
                                labelDragAt_.y() >= verticalHeader()->viewport()->height() - margin;
            if (labelDrag_ && event->type() == QEvent::MouseMove && atEdge) {
                if (!labelDragScroll_->isActive())
                    labelDragScroll_->start();
            } else {
                labelDragScroll_->stop();
            }
        }
        return QTableWidget::eventFilter(watched, event);
    }
    if (corner && event->type() == QEvent::Paint) {
        QPainter painter(corner);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.state = QStyle::State_Enabled | QStyle::State_Raised;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = ShownText(0, 0);
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

GridRepaintPause::GridRepaintPause(std::initializer_list<StringGrid*> grids) {
    // Only the cell area pauses: the headers do not change, and repainting them with the cells
    // would cost more than it saves.
    for (StringGrid* grid : grids) {
        if (grid->viewport()->updatesEnabled()) {
            grid->viewport()->setUpdatesEnabled(false);
            paused_.push_back(grid);
        }
    }
}

GridRepaintPause::~GridRepaintPause() {
    for (StringGrid* grid : paused_)
        grid->viewport()->setUpdatesEnabled(true);
}
