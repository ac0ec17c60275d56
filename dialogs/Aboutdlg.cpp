// SPDX-License-Identifier: MIT
#include "Aboutdlg.h"

#include "UiFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

TAboutDialog* AboutDialog = nullptr;

namespace {

constexpr auto ProgramVersion = "1.0.0";

QLabel* ColouredLabel(QWidget* parent, const QString& text, const QColor& colour, int pixelSize,
                      const QRect& geometry) {
    auto label = new QLabel(text, parent);
    QFont font = parent->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    // Like a label sized to its text: the designed box grows when the fallback font draws the
    // text wider than the designed font did, rather than cutting the text off.
    QRect box = geometry;
    box.setWidth(std::max(box.width(), QFontMetrics(font).horizontalAdvance(text)));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

TAboutDialog::TAboutDialog(QWidget* parent, Controls controls)
    : DeferredDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("TOLVANEK"));
    setModal(true);
    setFont(JapaneseUiFont(12));
    setFixedSize(202, 201);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);
    if (controls == Controls::Now)
        EnsureBuilt();
}

void TAboutDialog::BuildControls() {
    Label1 = ColouredLabel(this, QStringLiteral("TOLVANEK"), QColor(0xFF, 0xFF, 0x00), 24,
                           QRect(48, 8, 110, 24));
    Label1->setObjectName(QStringLiteral("Label1"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 48, 32, 32);
    Image1->setPixmap(QPixmap(QStringLiteral(":/icons/tolvanek32.png")));

    Label2 = ColouredLabel(this, tr("For the '92 season only"), QColor(0x00, 0xFF, 0x00), 12,
                           QRect(72, 56, 82, 12));
    Label2->setObjectName(QStringLiteral("Label2"));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(64, 120, 75, 25);
    BitBtn1->setDefault(true);
    // The button sits on the black client area; it keeps the standard button colours.
    BitBtn1->setPalette(QGuiApplication::palette());
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    Label3 = ColouredLabel(this, tr("Tolvanek %1 Team Editor").arg(QLatin1String(ProgramVersion)),
                           Qt::white, 12, QRect(16, 152, 177, 12));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label5 = ColouredLabel(this, tr("Report bugs to the issue list"), Qt::white, 12,
                           QRect(16, 176, 150, 12));
    Label5->setObjectName(QStringLiteral("Label5"));
}

void TAboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}
