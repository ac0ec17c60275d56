// SPDX-License-Identifier: MIT
#include "IssueList.h"

#include "UiFont.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The column headers, also the first line of the copied text.
constexpr const char* HeaderTexts[] = {
    QT_TRANSLATE_NOOP("TIssueListDialog", "Line"), QT_TRANSLATE_NOOP("TIssueListDialog", "Column"),
    QT_TRANSLATE_NOOP("TIssueListDialog", "Text"), QT_TRANSLATE_NOOP("TIssueListDialog", "Reason")};

QStringList Headers() {
    QStringList headers;
    for (const char* text : HeaderTexts)
        headers << TIssueListDialog::tr(text);
    return headers;
}
} // namespace

TIssueListDialog::TIssueListDialog(const QString& caption, const QString& message,
                                   const std::vector<Row>& rows, QWidget* parent)
    : QDialog(parent)
    , rows_(rows) {
    setWindowTitle(caption);
    setFont(JapaneseUiFont());
    resize(640, 360);

    MessageLabel = new QLabel(message, this);
    MessageLabel->setWordWrap(true);

    const QStringList headers = Headers();
    IssueTable = new QTableWidget(static_cast<int>(rows.size()), headers.size(), this);
    IssueTable->setObjectName(QStringLiteral("IssueTable"));
    IssueTable->setHorizontalHeaderLabels(headers);
    IssueTable->verticalHeader()->hide();
    IssueTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    IssueTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    IssueTable->setWordWrap(false);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row& row = rows[static_cast<std::size_t>(r)];
        const QStringList cells = {QString::number(row.line),
                                   row.column > 0 ? QString::number(row.column) : QString(),
                                   row.text, row.reason};
        for (int c = 0; c < cells.size(); ++c)
            IssueTable->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    IssueTable->resizeColumnsToContents();
    IssueTable->horizontalHeader()->setStretchLastSection(true);

    CopyButton = new QPushButton(tr("&Copy"), this);
    CopyButton->setAutoDefault(false);
    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setDefault(true);
    connect(CopyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(RowsAsText()); });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CopyButton);
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLabel);
    layout->addWidget(IssueTable);
    layout->addLayout(buttons);
}

QString TIssueListDialog::RowsAsText() const {
    QStringList lines = {Headers().join(QLatin1Char('\t'))};
    for (const Row& row : rows_)
        lines << QStringList{QString::number(row.line),
                             row.column > 0 ? QString::number(row.column) : QString(), row.text,
                             row.reason}
                     .join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
