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

QStringList Headers(TIssueListDialog::Places places) {
    QStringList headers;
    for (const char* text : HeaderTexts)
        headers << TIssueListDialog::tr(text);
    if (places == TIssueListDialog::Places::GridCells)
        headers[0] = TIssueListDialog::tr("Row");
    return headers;
}

QStringList CellsOf(const TIssueListDialog::Row& row) {
    const QString line = row.lineCaption.isEmpty() ? QString::number(row.line) : row.lineCaption;
    QString column = row.columnCaption;
    if (column.isEmpty() && row.column > 0)
        column = QString::number(row.column);
    return {line, column, row.text, row.reason};
}
} // namespace

TIssueListDialog::TIssueListDialog(const QString& caption, const QString& message,
                                   const std::vector<Row>& rows, QWidget* parent, Places places)
    : QDialog(parent)
    , rows_(rows)
    , places_(places) {
    setWindowTitle(caption);
    setFont(JapaneseUiFont());
    resize(640, 360);

    MessageLabel = new QLabel(message, this);
    MessageLabel->setWordWrap(true);

    const QStringList headers = Headers(places);
    IssueTable = new QTableWidget(static_cast<int>(rows.size()), headers.size(), this);
    IssueTable->setObjectName(QStringLiteral("IssueTable"));
    IssueTable->setHorizontalHeaderLabels(headers);
    IssueTable->verticalHeader()->hide();
    IssueTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    IssueTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    IssueTable->setWordWrap(false);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList cells = CellsOf(rows[static_cast<std::size_t>(r)]);
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

    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    buttons_->addWidget(CopyButton);
    buttons_->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLabel);
    layout->addWidget(IssueTable);
    layout->addLayout(buttons_);
}

void TIssueListDialog::OfferRounding() {
    if (RoundButton)
        return;
    RoundButton = new QPushButton(tr("Round and import"), this);
    RoundButton->setAutoDefault(false);
    connect(RoundButton, &QPushButton::clicked, this, [this] { done(RoundChosen); });
    buttons_->insertWidget(buttons_->indexOf(OkButton), RoundButton);
}

void TIssueListDialog::OfferReadings() {
    if (ReadingsButton)
        return;
    ReadingsButton = new QPushButton(tr("Import with readings"), this);
    ReadingsButton->setObjectName(QStringLiteral("ReadingsButton"));
    ReadingsButton->setAutoDefault(false);
    connect(ReadingsButton, &QPushButton::clicked, this, [this] { done(ReadingsChosen); });
    buttons_->insertWidget(buttons_->indexOf(OkButton), ReadingsButton);
}

QString TIssueListDialog::RowsAsText() const {
    QStringList lines = {Headers(places_).join(QLatin1Char('\t'))};
    for (const Row& row : rows_)
        lines << CellsOf(row).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
