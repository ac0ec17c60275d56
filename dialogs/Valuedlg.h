// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredDialog.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdint>

class QLabel;
class QPushButton;
class QScrollBar;

// The modal slider window in which one numeric rating of one player is set. The value lives only
// in ValueBar; the caller prepares the window with SetupDialog, shows it modally and on OK reads
// ValueBar's position.
class TValueDialog : public DeferredDialog {
    Q_OBJECT
public:
    explicit TValueDialog(QWidget* parent = nullptr, Controls controls = Controls::Now);

    QLabel* ValueLabel = nullptr;
    QScrollBar* ValueBar = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    // Below the slider: the number being typed, or how to type one.
    QLabel* TypedLabel = nullptr;

    // A pause this long between two typed characters starts a new number.
    static constexpr int TypingPause = 1000;

    // Prepares one showing (building the controls first): caption "<caption>（<playerName>）", the
    // range, the steps and the starting position (clamped into the range). Where `pointScale` is
    // not 0, a typed number may have a point and is then in units of 1/pointScale (.312 for 312).
    void SetupDialog(const QString& caption, int minimum, int maximum, std::uint16_t smallStep,
                     std::uint16_t largeStep, int position, const QString& playerName,
                     int pointScale = 0);

    // The value OK hands back before the bar clamps it: `position` truncated toward zero to a
    // multiple of `step`. A step of zero or less leaves the position as it is.
    [[nodiscard]] static int TruncateToStep(int position, int step);

    // Sets the whole range at once; the bar moves its position into it. A maximum below the
    // minimum is refused with std::runtime_error and leaves the bar unchanged.
    void SetBarRange(int minimum, int maximum);

protected:
    void BuildControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void ValueBarChange();
    void BitBtn1Click();

private:
    // Digits (and a point, where the column has one) typed while the dialog is open make up a
    // number that the slider moves to at once; any other way of moving it starts a new number.
    [[nodiscard]] bool TypeCharacter(QChar typed);
    // The slider to the number typed so far, when it is one.
    void MoveToTyped();
    void ForgetTyped();
    void ShowTyped();

    QString typed_;
    QElapsedTimer sinceTyped_;
    int pointScale_ = 0;
    bool movingToTyped_ = false;
};

extern TValueDialog* ValueDialog;
