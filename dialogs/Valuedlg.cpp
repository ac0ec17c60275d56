// SPDX-License-Identifier: MIT
#include "Valuedlg.h"

#include "CellEditRules.h"
#include "UiFont.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <optional>
#include <stdexcept>

TValueDialog* ValueDialog = nullptr;

TValueDialog::TValueDialog(QWidget* parent, Controls controls)
    : DeferredDialog(parent, {}) {
    setWindowTitle(tr("Set a Value"));
    setFont(JapaneseUiFont(12));
    setFixedSize(160, 128);
    move(384, 376);
    if (controls == Controls::Now)
        EnsureBuilt();
}

void TValueDialog::BuildControls() {
    ValueLabel = new QLabel(QStringLiteral("200"), this);
    ValueLabel->setObjectName(QStringLiteral("ValueLabel"));
    ValueLabel->setFont(JapaneseUiFont(27));
    ValueLabel->move(56, 16);
    ValueLabel->adjustSize();

    ValueBar = new QScrollBar(Qt::Horizontal, this);
    ValueBar->setObjectName(QStringLiteral("ValueBar"));
    ValueBar->setGeometry(0, 56, 153, 16);
    ValueBar->setRange(0, 1000);
    ValueBar->setValue(200);
    ValueBar->setSingleStep(2);
    ValueBar->setPageStep(10);
    ValueBar->setTracking(true);
    // A scroll bar takes no focus by default; here it is the control the keys must reach.
    ValueBar->setFocusPolicy(Qt::StrongFocus);
    ValueBar->installEventFilter(this);

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(0, 96, 75, 25);
    BitBtn1->setAutoDefault(true);
    BitBtn1->setDefault(true);

    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(80, 96, 75, 25);

    TypedLabel = new QLabel(this);
    TypedLabel->setObjectName(QStringLiteral("TypedLabel"));
    TypedLabel->setGeometry(2, 76, 156, 18);
    ShowTyped();

    setTabOrder(ValueBar, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(ValueBar, &QScrollBar::valueChanged, this, &TValueDialog::ValueBarChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TValueDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TValueDialog::SetupDialog(const QString& caption, int minimum, int maximum,
                               std::uint16_t smallStep, std::uint16_t largeStep, int position,
                               const QString& playerName, int pointScale) {
    EnsureBuilt();
    pointScale_ = pointScale;
    //: The window's caption: the column's name, then the player's.
    setWindowTitle(tr("%1 (%2)").arg(caption, playerName));
    // Nothing of the previous edit (range, position) may decide whether the new range fits.
    SetBarRange(0, 500);
    ValueBar->setValue(0);
    SetBarRange(minimum, maximum);
    ValueBar->setSingleStep(smallStep);
    ValueBar->setPageStep(largeStep);
    ValueBar->setValue(position);
    ForgetTyped();
}

int TValueDialog::TruncateToStep(int position, int step) {
    if (step <= 0)
        return position;
    return position / step * step;
}

void TValueDialog::SetBarRange(int minimum, int maximum) {
    // QScrollBar would quietly move the other bound instead; an inverted range is a fault of the
    // caller and must not turn into some other range.
    if (maximum < minimum)
        throw std::runtime_error(tr("Scroll bar property out of range").toStdString());
    EnsureBuilt();
    ValueBar->setRange(minimum, maximum);
}

bool TValueDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ValueBar || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    // QScrollBar's own key handling makes Left add and Right subtract. The user expects the
    // classic scroll bar: Left, Up and PageUp toward the minimum, Right, Down and PageDown toward
    // the maximum, Home and End to the ends.
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return QDialog::eventFilter(watched, event);
    }
    ValueBar->triggerAction(action);
    ForgetTyped();
    return true;
}

void TValueDialog::keyPressEvent(QKeyEvent* event) {
    // Whatever control has the focus, the keys it does not take come here.
    const QString text = event->text();
    if (text.size() == 1 && TypeCharacter(text.front())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace && !typed_.isEmpty()) {
        typed_.chop(1);
        sinceTyped_.start();
        MoveToTyped();
        event->accept();
        return;
    }
    // Any other character ends the number: the next digit starts a new one.
    if (!text.isEmpty() && text.front().isPrint())
        ForgetTyped();
    QDialog::keyPressEvent(event);
}

bool TValueDialog::TypeCharacter(QChar typed) {
    // Full-width digits and point, as a Japanese input method may send them.
    if (typed.unicode() >= u'０' && typed.unicode() <= u'９')
        typed = QChar(u'0' + (typed.unicode() - u'０'));
    else if (typed == QChar(u'．'))
        typed = QLatin1Char('.');
    const bool point = typed == QLatin1Char('.');
    if (!typed.isDigit() && !(point && pointScale_ != 0))
        return false;
    if (!sinceTyped_.isValid() || sinceTyped_.hasExpired(TypingPause))
        typed_.clear();
    sinceTyped_.start();
    // More digits than any range needs are no number the user means; they are not taken.
    constexpr int LongestNumber = 8;
    if (typed_.size() >= LongestNumber || (point && typed_.contains(QLatin1Char('.'))))
        return true;
    typed_ += typed;
    MoveToTyped();
    return true;
}

void TValueDialog::MoveToTyped() {
    const teamdata::ValueColumn column{{},
                                       ValueBar->minimum(),
                                       ValueBar->maximum(),
                                       static_cast<std::uint16_t>(ValueBar->singleStep()),
                                       static_cast<std::uint16_t>(ValueBar->pageStep()),
                                       pointScale_};
    if (const std::optional<int> value = teamdata::TypedValue(typed_.toStdString(), column)) {
        movingToTyped_ = true;
        ValueBar->setValue(*value);
        movingToTyped_ = false;
    }
    ShowTyped();
}

void TValueDialog::ForgetTyped() {
    typed_.clear();
    sinceTyped_.invalidate();
    ShowTyped();
}

void TValueDialog::ShowTyped() {
    if (!TypedLabel)
        return;
    TypedLabel->setText(typed_.isEmpty() ? tr("Or type a number") : tr("Typed: %1").arg(typed_));
}

void TValueDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ValueBar->setFocus();
}

void TValueDialog::ValueBarChange() {
    ValueLabel->setText(QString::number(ValueBar->value()));
    ValueLabel->adjustSize();
    // The slider moved another way (dragged, clicked, a key): what was typed is no longer shown.
    if (!movingToTyped_ && !typed_.isEmpty())
        ForgetTyped();
}

void TValueDialog::BitBtn1Click() {
    ValueBar->setValue(TruncateToStep(ValueBar->value(), ValueBar->singleStep()));
    accept();
}
