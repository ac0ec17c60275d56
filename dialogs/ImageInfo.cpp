// SPDX-License-Identifier: MIT
#include "ImageInfo.h"

#include "UiFont.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TImageInfoDialog::TImageInfoDialog(const QString& caption, const QStringList& lines,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(JapaneseUiFont());

    InfoText = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    InfoText->setObjectName(QStringLiteral("InfoText"));
    InfoText->setReadOnly(true);
    InfoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only, yet the text can be selected with the mouse and the keyboard, and copied.
    InfoText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Wide and high enough for every line: a SHA-1 cut off at the edge would be copied whole but
    // not read whole.
    const QFontMetrics metrics(InfoText->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    InfoText->setMinimumSize(widest + 4 * metrics.averageCharWidth() + 24,
                             static_cast<int>(lines.size() + 1) * metrics.lineSpacing() + 16);

    CopyButton = new QPushButton(tr("&Copy"), this);
    CopyButton->setAutoDefault(false);
    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setDefault(true);
    connect(CopyButton, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(InfoText->toPlainText() + QLatin1Char('\n'));
    });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CopyButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InfoText, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    OkButton->setFocus();
}
