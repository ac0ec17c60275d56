// SPDX-License-Identifier: MIT
#include "ChangeList.h"

#include "ChangeTable.h"
#include "MessageDialogs.h"
#include "UiFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TChangeListDialog::TChangeListDialog(const QString& caption, const QString& message,
                                     const QStringList& headers,
                                     const std::vector<QStringList>& rows, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setFont(JapaneseUiFont());
    resize(720, 420);

    // The question's own icon, as the message boxes show it, beside what is about to happen.
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    MessageLabel = new QLabel(message, this);
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ChangeTable = new TChangeTable(headers, rows, this);

    CopyButton = new QPushButton(tr("&Copy"), this);
    CopyButton->setAutoDefault(false);
    YesButton = new QPushButton(MessageButtonText(MessageResult::Yes), this);
    YesButton->setAutoDefault(false);
    NoButton = new QPushButton(MessageButtonText(MessageResult::No), this);
    NoButton->setDefault(true);
    connect(CopyButton, &QPushButton::clicked, ChangeTable, &TChangeTable::CopyToClipboard);
    connect(YesButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(NoButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(MessageLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CopyButton);
    buttons->addStretch();
    buttons->addWidget(YesButton);
    buttons->addWidget(NoButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ChangeTable, 1);
    layout->addLayout(buttons);
    // Enter in the list, where the focus starts, presses the default button: No.
    NoButton->setFocus();
}

bool TChangeListDialog::Ask() {
    return exec() == QDialog::Accepted;
}
