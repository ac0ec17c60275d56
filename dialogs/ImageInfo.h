// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

// Which cartridge an image is, as lines of text the user can select and copy: to compare with a
// cartridge database, or to tell someone which image a patch was made for.
class TImageInfoDialog : public QDialog {
    Q_OBJECT
public:
    TImageInfoDialog(const QString& caption, const QStringList& lines, QWidget* parent = nullptr);

    QPlainTextEdit* InfoText;
    QPushButton* CopyButton;
    QPushButton* OkButton;
};
