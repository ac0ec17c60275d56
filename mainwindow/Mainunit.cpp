// SPDX-License-Identifier: MIT
#include "Mainunit.h"

#include "Aboutdlg.h"
#include "Color.h"
#include "HelpViewer.h"
#include "MainunitShared.h"
#include "Nameunit.h"
#include "PlayController.h"
#include "TolvanekApplication.h"
#include "UiFont.h"
#include "Valuedlg.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

TMainForm* MainForm = nullptr;

using namespace mainunit;

namespace {

const QString HelpFileName = QStringLiteral("Tolvanek.hlp");

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(ApplicationTitle);
    setFont(JapaneseUiFont());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tolvanek16.png")));
    playController_ = new TPlayController(this);
    BuildMenu();
    BuildControls();
    BuildFileDialogs();
    FormCreate();
}

TMainForm::~TMainForm() {
    // The application outlives the window, and the focus moves while the window's widgets are
    // taken down, after this part of it is gone.
    disconnect(focusConnection_);
}

void TMainForm::ShowCaption() {
    // Qt puts its marker of unsaved edits where the caption has the placeholder "[*]". The
    // placeholder is there only while there are unsaved edits, so that whenever there are none
    // the caption reads exactly as it always has; a "[*]" in the file name itself is doubled,
    // which Qt shows as it is.
    const QString placeholder = QStringLiteral("[*]");
    QString caption = ApplicationTitle;
    if (!filePath_.isEmpty())
        caption += QStringLiteral(" -") +
                   FileNamePart(filePath_).replace(placeholder, placeholder + placeholder);
    const bool modified = DataChanged() == 1;
    if (modified)
        caption += placeholder;
    setWindowTitle(caption);
    setWindowModified(modified);
}

void TMainForm::ShowSavedCopyNote(const QString& copy) {
    const QString note = tr("Saved into %1; the open file is unchanged.");
    // The file name is shortened in its middle as far as the room beside the menus needs.
    QMenuBar* bar = menuBar();
    int menusEnd = 0;
    for (QAction* menu : bar->actions())
        menusEnd = std::max(menusEnd, bar->actionGeometry(menu).right());
    const QFontMetrics metrics(savedCopyNote_->font());
    const int room = bar->width() - menusEnd - 24 - metrics.horizontalAdvance(note.arg(QString()));
    const QString name = FileNamePart(copy);
    savedCopyNote_->setText(note.arg(metrics.elidedText(name, Qt::ElideMiddle, std::max(room, 0))));
    savedCopyNote_->setToolTip(note.arg(copy));
    savedCopyNote_->show();
    bar->adjustSize();
    savedCopyNoteTimer_->start();
}

void TMainForm::UpdateUndoActions() {
    const QString undone = undoStack_.undoText();
    const QString redone = undoStack_.redoText();
    menuUndo_->setText(undone.isEmpty() ? tr("&Undo") : tr("&Undo: %1").arg(undone));
    menuRedo_->setText(redone.isEmpty() ? tr("&Redo") : tr("&Redo: %1").arg(redone));
    menuUndo_->setEnabled(undoStack_.canUndo());
    menuRedo_->setEnabled(undoStack_.canRedo());
}

void TMainForm::SetSwatch(QFrame* swatch, const QColor& color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
}

void TMainForm::ClearDataCells() {
    for (int r = 1; r < batterTable_->RowCount(); ++r)
        for (int c = 1; c < batterTable_->ColCount(); ++c)
            batterTable_->SetCells(c, r, QString());
    for (int r = 1; r < pitcherTable_->RowCount(); ++r)
        for (int c = 1; c < pitcherTable_->ColCount(); ++c)
            pitcherTable_->SetCells(c, r, QString());
}

// ---- Help ----

void TMainForm::Help2Click() {
    if (auto* application = dynamic_cast<TolvanekApplication*>(QCoreApplication::instance()))
        application->HelpFile = HelpFileName;
    ShowHelpTopics(this, HelpFileName);
}

void TMainForm::V2Click() {
    AboutDialog->exec();
}

// ---- Start-up ----

void CreateApplicationWindows() {
    // The dialogs build their controls when first shown: a session pays only for those it uses,
    // and the main window is not kept waiting for any of them.
    constexpr auto deferred = DeferredDialog::Controls::WhenFirstShown;
    MainForm = new TMainForm();
    NameForm = new TNameForm(nullptr, deferred);
    ValueDialog = new TValueDialog(nullptr, deferred);
    AboutDialog = new TAboutDialog(nullptr, deferred);
    ColorForm = new TColorForm(nullptr, deferred);
}

void DestroyApplicationWindows() {
    delete ColorForm;
    ColorForm = nullptr;
    delete AboutDialog;
    AboutDialog = nullptr;
    delete ValueDialog;
    ValueDialog = nullptr;
    delete NameForm;
    NameForm = nullptr;
    delete MainForm;
    MainForm = nullptr;
}
