// SPDX-License-Identifier: MIT
#include "Color.h"

#include "Palette.h"
#include "UiFont.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

TColorForm* ColorForm = nullptr;

namespace {

constexpr int DesignedLeft = 176;
constexpr int DesignedTop = 108;

QImage PaletteAsImage() {
    using namespace teamdata;
    QImage image(PaletteBitmapWidth, PaletteBitmapHeight, QImage::Format_RGB32);
    for (int y = 0; y < PaletteBitmapHeight; ++y)
        for (int x = 0; x < PaletteBitmapWidth; ++x)
            image.setPixel(x, y, 0xFF000000u | PaletteBitmapPixel(x, y));
    return image;
}

} // namespace

PaletteImage::PaletteImage(QWidget* parent)
    : QLabel(parent) {
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setContentsMargins(0, 0, 0, 0);
}

void PaletteImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMoved(event->modifiers(), at.x(), at.y());
}

void PaletteImage::mousePressEvent(QMouseEvent* event) {
    m_singlePress = event->button() == Qt::LeftButton;
}

void PaletteImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_singlePress && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_singlePress = false;
    if (click)
        emit Clicked();
}

void PaletteImage::mouseDoubleClickEvent(QMouseEvent* event) {
    m_singlePress = false;
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}

TColorForm::TColorForm(QWidget* parent, Controls controls)
    : DeferredDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Choose a Colour"));
    setModal(true);
    setFont(JapaneseUiFont(12));
    setFixedSize(226, 102);
    move(DesignedLeft, DesignedTop);
    if (controls == Controls::Now)
        EnsureBuilt();
}

void TColorForm::BuildControls() {
    auto table = new PaletteImage(this);
    table->setObjectName(QStringLiteral("ColorTable"));
    table->setGeometry(0, 0, 226, 65);
    table->setPixmap(QPixmap::fromImage(PaletteAsImage()));
    ColorTable = table;
    connect(table, &PaletteImage::MouseMoved, this, &TColorForm::ColorAreaOnMove);
    connect(table, &PaletteImage::Clicked, this, &TColorForm::ColorAreaOnDblClick);
    connect(table, &PaletteImage::DoubleClicked, this, &TColorForm::ColorAreaOnDblClick);

    Button1 = new QPushButton(tr("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(80, 72, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TColorForm::Button1Click);
}

void TColorForm::ColorAreaOnMove(Qt::KeyboardModifiers /*shift*/, int x, int y) {
    MouseX = x;
    MouseY = y;
}

void TColorForm::ColorAreaOnDblClick() {
    // The recorded position decides, not the click's own: a click before any movement over the
    // palette, or on a separator line or the strip beyond the bitmap, picks nothing.
    const int index = teamdata::ColorIndexAt(MouseX, MouseY);
    if (index < 0)
        return;
    m_chosenColorIndex = index;
    m_chosenColor = ColorTable->pixmap().toImage().pixelColor(MouseX, MouseY);
    accept();
}

void TColorForm::Button1Click() {
    reject();
}
