#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;

// The about box: the program's name, icon and edition, shown modally from the help menu.
class TAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDialog(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Image1;
    QLabel* Label2;
    QPushButton* BitBtn1;
    QLabel* Label3;
    QLabel* Label5;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutDialog* AboutDialog;
