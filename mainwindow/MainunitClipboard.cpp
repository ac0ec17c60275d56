// SPDX-License-Identifier: MIT
// The window as a working surface: whole players copied as spreadsheets paste them, blocks of
// cells pasted in by the rules of the CSV import, and files dropped on the window.
#include "Mainunit.h"

#include "ClipboardController.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

// ---- Copy and paste ----

StringGrid* TMainForm::ClipboardGrid() const {
    return clipboardGrid_;
}

void TMainForm::MenuCopyClick() {
    if (!ImageOpenOrSayNoData())
        return;
    TClipboardController(*this).Copy(ClipboardGrid());
}

void TMainForm::MenuPasteClick() {
    if (!ImageOpenOrSayNoData())
        return;
    TClipboardController(*this).Paste(ClipboardGrid());
}

// ---- Files dropped on the window ----

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Whatever is dragged here may be dropped: what cannot be used is refused with a message
    // that says what can, rather than with a forbidding pointer that says nothing.
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    // Taken once the drop has ended: the questions and lists it may bring up would otherwise keep
    // the program the file came from waiting for the drop to finish.
    QTimer::singleShot(0, this,
                       [this, urls] { TClipboardController(*this).OpenDroppedFiles(urls); });
}
