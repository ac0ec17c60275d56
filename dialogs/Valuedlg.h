// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredDialog.h"

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

    // Prepares one showing (building the controls first): caption "<caption>（<playerName>）", the
    // range, the steps and the starting position (clamped into the range).
    void SetupDialog(const QString& caption, int minimum, int maximum, std::uint16_t smallStep,
                     std::uint16_t largeStep, int position, const QString& playerName);

    // The value OK hands back before the bar clamps it: `position` truncated toward zero to a
    // multiple of `step`. A step of zero or less leaves the position as it is.
    [[nodiscard]] static int TruncateToStep(int position, int step);

    // Sets the whole range at once; the bar moves its position into it. A maximum below the
    // minimum is refused with std::runtime_error and leaves the bar unchanged.
    void SetBarRange(int minimum, int maximum);

protected:
    void BuildControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void ValueBarChange();
    void BitBtn1Click();
};

extern TValueDialog* ValueDialog;
