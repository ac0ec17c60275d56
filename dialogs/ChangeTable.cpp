// SPDX-License-Identifier: MIT
#include "ChangeTable.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace {

// A changed name or a long byte range should be read whole; a column wider than this is cut, and
// its whole text is in the tool tip and in the copy.
constexpr int WidestColumn = 320;

} // namespace

TChangeTable::TChangeTable(const QStringList& headers, const std::vector<QStringList>& rows,
                           QWidget* parent)
    : QTableWidget(0, static_cast<int>(headers.size()), parent)
    , headers_(headers) {
    setObjectName(QStringLiteral("ChangeTable"));
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    // One line of text a row, as in the main window's grids, so that many changes fit in view.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    SetRows(rows);
}

void TChangeTable::SetRows(const std::vector<QStringList>& rows) {
    rows_ = rows;
    // Measured without the stretch, which would count the room left over as the last column's.
    horizontalHeader()->setStretchLastSection(false);
    setRowCount(0);
    setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList& cells = rows_[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem(cells.value(c));
            item->setToolTip(item->text());
            setItem(r, c, item);
        }
    }
    resizeColumnsToContents();
    contentWidth_ = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, std::min(columnWidth(c), WidestColumn));
        contentWidth_ += columnWidth(c);
    }
    horizontalHeader()->setStretchLastSection(true);
    if (rowCount() > 0)
        setCurrentCell(0, 0);
}

QString TChangeTable::RowsAsText() const {
    QStringList lines = {headers_.join(QLatin1Char('\t'))};
    for (const QStringList& row : rows_)
        lines << row.join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TChangeTable::CopyToClipboard() const {
    QApplication::clipboard()->setText(RowsAsText());
}
