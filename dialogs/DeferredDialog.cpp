// SPDX-License-Identifier: MIT
#include "DeferredDialog.h"

DeferredDialog::DeferredDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags) {}

void DeferredDialog::EnsureBuilt() {
    if (built_)
        return;
    // Set first: a control made below may touch the window, which must not build it again.
    built_ = true;
    BuildControls();
}

void DeferredDialog::setVisible(bool visible) {
    // Every way of showing a dialog (show, open, exec) comes through here before the first
    // show event, so the controls exist before anything is laid out or painted.
    if (visible)
        EnsureBuilt();
    QDialog::setVisible(visible);
}
