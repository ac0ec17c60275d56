// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class TChangeTable;

// The differences between the open image and another one, in a window of its own that stays
// open beside the main window while the user works through them; several may be open at once.
// A double-click on a line (or Enter) asks the main window to show where that change is. Which of
// the two files is before is the user's choice: the swap button asks for the comparison the other
// way round, which the main window makes and hands back through ShowChanges.
class TCompareWindow : public QWidget {
    Q_OBJECT
public:
    // `parent` is the main window: the compare window stays a window of its own, above it and
    // gone with it.
    TCompareWindow(const QString& caption, const QString& message, const QStringList& headers,
                   const std::vector<QStringList>& rows, QWidget* parent);

    // The comparison the other way round, in place of the one shown.
    void ShowChanges(const QString& message, const std::vector<QStringList>& rows);

    QLabel* MessageLabel;
    TChangeTable* ChangeTable;
    QPushButton* SwapButton;
    QPushButton* CopyButton;
    QPushButton* CloseButton;

signals:
    // The line `row` (from 0, in the order the rows were given) was double-clicked.
    void RowActivated(int row);
    // The swap button was pressed: the file that was after is to be before.
    void SwapRequested();
};
