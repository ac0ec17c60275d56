// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <ostream>

// Drives modal windows the way a user would: a modal dialog runs its own event loop, so the test
// arranges beforehand what to do with the next one that appears.
namespace GuiTest {

// Runs `action` once on the next modal widget that becomes active (other than `except`) and is
// accepted by `accepts` (any widget when empty), polling from the event loop. Several of these
// may wait at once for different kinds of window. If none appears within `timeoutMs`, the test
// fails and whatever modal window is open is closed, so the test cannot hang.
void OnNextModal(std::function<void(QWidget*)> action, QWidget* except = nullptr,
                 int timeoutMs = 5000, std::function<bool(QWidget*)> accepts = {});

// Fails the running test, and closes the window, when a modal window that no prepared action
// waits for stays open for `patienceMs`. Started once for the whole test program.
void WatchForUnexpectedModals(int patienceMs = 5000);

// Stops every prepared action that has not run yet and closes any modal window left open.
// Returns how many actions were still waiting. Run after every test, so that one test's
// leftovers never answer the next test's windows.
int CancelPendingModalActions();

// What a message box showed.
struct MessageSeen {
    QString title;
    QString text;
    int icon = 0; // QMessageBox::Icon
    QStringList buttons;
    bool seen = false;

    // The message's first line: what the editor has always said. A second line, where there is
    // one, says why the system refused or what a file holds now.
    [[nodiscard]] QString Headline() const { return text.section(QLatin1Char('\n'), 0, 0); }
};

// Arranges for the next modal widget to be a message box: records it into `seen` and presses
// the button whose text is `button`. With `accepts`, only a box whose text it accepts is taken.
void AnswerNextMessage(MessageSeen& seen, const QString& button = QStringLiteral("OK"),
                       std::function<bool(const QString& text)> accepts = {});

// Arranges for the next modal widget to be a file dialog: it records the dialog's name filters
// into `filters` (when given), picks the file type `fileType` (counted from 0), then chooses
// `path` (typed into its file name field, as a user would) or, for an empty path, cancels.
void AnswerNextFileDialog(const QString& path, QStringList* filters = nullptr, int fileType = 0);

// Picks file type `fileType` (counted from 0) of an open file dialog with the arrow keys in its
// file type box, as a user does.
void ChooseFileType(QWidget* fileDialog, int fileType);

// Processes events until `condition` holds or `timeoutMs` passes. Returns the condition.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// True when no modal widget is open (after letting pending events run).
bool NoModalOpen();

} // namespace GuiTest

// Readable test failure output for Qt texts.
void PrintTo(const QString& text, std::ostream* out);
