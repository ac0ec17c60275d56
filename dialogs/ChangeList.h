// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;
class TChangeTable;

// A change list shown before something is written: what will change, one change a line, below a
// message that says what is about to happen and asks whether to go on. No is the default, so
// that Enter leaves everything as it is. The list can be copied whole.
class TChangeListDialog : public QDialog {
    Q_OBJECT
public:
    TChangeListDialog(const QString& caption, const QString& message, const QStringList& headers,
                      const std::vector<QStringList>& rows, QWidget* parent = nullptr);

    QLabel* MessageLabel;
    TChangeTable* ChangeTable;
    QPushButton* CopyButton;
    QPushButton* YesButton;
    QPushButton* NoButton;

    // Shows the dialog modally; true when the user answered Yes.
    [[nodiscard]] bool Ask();
};
