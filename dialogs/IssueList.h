// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

// The errors (or notes) of a file read by an import, one row each with its place: line and
// column as a spreadsheet counts them, the cell's text and the reason. The list can be copied
// whole, to be worked through in an editor or the spreadsheet itself. Text pasted into a grid is
// listed the same way, each problem at its grid cell: the row's label and the column's name.
class TIssueListDialog : public QDialog {
    Q_OBJECT
public:
    struct Row {
        int line = 0;
        int column = 0; // 0: the whole line
        QString text;
        QString reason;
        // Shown instead of the numbers where given: a grid row's label, a grid column's name.
        QString lineCaption = {};
        QString columnCaption = {};
    };

    // What the places are: lines and columns of a file, or rows and columns of a grid.
    enum class Places { FileLines, GridCells };

    TIssueListDialog(const QString& caption, const QString& message, const std::vector<Row>& rows,
                     QWidget* parent = nullptr, Places places = Places::FileLines);

    QLabel* MessageLabel;
    QTableWidget* IssueTable;
    QPushButton* CopyButton;
    QPushButton* OkButton;

    // What exec() returns when the user chose to round and import, or to import with readings.
    static constexpr int RoundChosen = 2;
    static constexpr int ReadingsChosen = 3;

    // Adds "丸めて読み込む": for a list whose every problem is a number off its step or outside
    // its range, which the import or paste can round when asked.
    void OfferRounding();
    QPushButton* RoundButton = nullptr;
    // Adds "読みを付けて読み込む": for a list with names in kanji, which the import or paste can
    // read as kana when asked.
    void OfferReadings();
    QPushButton* ReadingsButton = nullptr;

    // The rows as tab-separated lines with a header line: what the copy button puts on the
    // clipboard.
    [[nodiscard]] QString RowsAsText() const;

private:
    QHBoxLayout* buttons_ = nullptr;
    std::vector<Row> rows_;
    Places places_;
};
