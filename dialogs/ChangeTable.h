// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <vector>

// A list of changes, one a line, in columns the caller names (team, row, name, item, before,
// after ...). It is read, not edited, and it can be copied whole, to be kept or worked through in
// an editor or a spreadsheet.
class TChangeTable : public QTableWidget {
    Q_OBJECT
public:
    TChangeTable(const QStringList& headers, const std::vector<QStringList>& rows,
                 QWidget* parent = nullptr);

    // Another list in the same columns, in place of the one shown; the first line becomes the
    // current one.
    void SetRows(const std::vector<QStringList>& rows);

    // The lines as tab-separated text with the header line first: what a copy puts on the
    // clipboard.
    [[nodiscard]] QString RowsAsText() const;
    void CopyToClipboard() const;

    // The width that shows every column as its texts need (up to a limit for each), frame and
    // scroll bar included: what a window showing the list is best given.
    [[nodiscard]] int ContentWidth() const { return contentWidth_; }

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
    int contentWidth_ = 0;
};
