// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredDialog.h"

#include <QColor>
#include <QLabel>

class QPushButton;

// The picture of the console palette. It reports movements over it, a left click released on it
// and a double click, in its own coordinates, which are the palette bitmap's pixel coordinates.
class PaletteImage : public QLabel {
    Q_OBJECT
public:
    explicit PaletteImage(QWidget* parent = nullptr);

signals:
    void MouseMoved(Qt::KeyboardModifiers shift, int x, int y);
    void Clicked();
    void DoubleClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A release counts as a click only after a single press: the release that ends a double
    // click must not pick a second time.
    bool m_singlePress = false;
};

// The team colour chooser: the palette as a grid of cells; a click on a cell's interior picks
// that palette index and closes the window with Accepted.
class TColorForm : public DeferredDialog {
    Q_OBJECT
public:
    explicit TColorForm(QWidget* parent = nullptr, Controls controls = Controls::Now);

    QLabel* ColorTable = nullptr;
    QPushButton* Button1 = nullptr;
    // The last mouse position over ColorTable, kept from one showing to the next.
    int MouseX = 0, MouseY = 0;

    void ColorAreaOnMove(Qt::KeyboardModifiers shift, int x, int y);
    void ColorAreaOnDblClick();
    void Button1Click();

    [[nodiscard]] int ChosenColorIndex() const { return m_chosenColorIndex; }
    [[nodiscard]] QColor ChosenColor() const { return m_chosenColor; }

protected:
    void BuildControls() override;

private:
    int m_chosenColorIndex = 0;
    QColor m_chosenColor = QColor(0, 0, 0);
};

extern TColorForm* ColorForm;
