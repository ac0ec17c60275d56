#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Drives modal windows the way a user would: a modal dialog runs its own event loop, so the test
// arranges beforehand what to do with the next one that appears.
namespace GuiTest {

// Runs `action` once on the next modal widget that becomes active (other than `except`), polling
// from the event loop. Fails the current test if none appears within `timeoutMs`.
void OnNextModal(std::function<void(QWidget*)> action, QWidget* except = nullptr,
                 int timeoutMs = 5000);

// What a message box showed.
struct MessageSeen {
    QString title;
    QString text;
    int icon = 0; // QMessageBox::Icon
    QStringList buttons;
    bool seen = false;
};

// Arranges for the next modal widget to be a message box: records it into `seen` and presses
// the button whose text is `button`.
void AnswerNextMessage(MessageSeen& seen, const QString& button = QStringLiteral("OK"));

// Processes events until `condition` holds or `timeoutMs` passes. Returns the condition.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// True when no modal widget is open (after letting pending events run).
bool NoModalOpen();

} // namespace GuiTest
