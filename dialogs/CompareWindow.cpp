// SPDX-License-Identifier: MIT
#include "CompareWindow.h"

#include "ChangeTable.h"
#include "UiFont.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

TCompareWindow::TCompareWindow(const QString& caption, const QString& message,
                               const QStringList& headers, const std::vector<QStringList>& rows,
                               QWidget* parent)
    : QWidget(parent, Qt::Window) {
    // A closed comparison is not looked at again; a new one is made from the files.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFont(JapaneseUiFont());

    MessageLabel = new QLabel(message, this);
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ChangeTable = new TChangeTable(headers, rows, this);
    connect(ChangeTable, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });

    SwapButton = new QPushButton(tr("&Swap Before and After"), this);
    SwapButton->setToolTip(tr("Compare the other way round: the file that is after becomes "
                              "before"));
    SwapButton->setAccessibleName(tr("Swap before and after"));
    connect(SwapButton, &QPushButton::clicked, this, &TCompareWindow::SwapRequested);
    CopyButton = new QPushButton(tr("&Copy"), this);
    CloseButton = new QPushButton(tr("Close"), this);
    connect(CopyButton, &QPushButton::clicked, ChangeTable, &TChangeTable::CopyToClipboard);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SwapButton);
    buttons->addWidget(CopyButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLabel);
    layout->addWidget(ChangeTable, 1);
    layout->addLayout(buttons);
    ChangeTable->setFocus();
    // As wide as the list needs, within limits: narrow enough to stand beside the main window,
    // wide enough for the message above it.
    const QMargins margins = layout->contentsMargins();
    resize(std::clamp(ChangeTable->ContentWidth() + margins.left() + margins.right(), 440, 720),
           480);
}

void TCompareWindow::ShowChanges(const QString& message, const std::vector<QStringList>& rows) {
    MessageLabel->setText(message);
    ChangeTable->SetRows(rows);
}
