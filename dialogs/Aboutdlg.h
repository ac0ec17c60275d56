// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredDialog.h"

#include <QLabel>

class QPushButton;

// The about box: the program's name, icon and edition, shown modally from the help menu.
class TAboutDialog : public DeferredDialog {
    Q_OBJECT
public:
    explicit TAboutDialog(QWidget* parent = nullptr, Controls controls = Controls::Now);

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;

protected:
    void BuildControls() override;
    void showEvent(QShowEvent* event) override;
};

extern TAboutDialog* AboutDialog;
