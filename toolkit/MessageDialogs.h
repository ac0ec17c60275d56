// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// The standard message dialog. The kind sets the title and the icon; the titles and the button
// texts are the program's own ("ｴﾗｰ", "はい(&Y)" in the Japanese interface), not the platform's.
enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

[[nodiscard]] QString MessageKindTitle(MessageKind kind);
// The text of the button that gives `button` ("はい(&Y)"), for other windows that ask the same way.
[[nodiscard]] QString MessageButtonText(MessageResult button);

// Shows the dialog modally over `parent` and returns the button pressed. Closing the box
// without a button counts as Cancel, or No for a Yes/No question.
// `defaultButton` is the one Enter presses (Ok, Yes or No, as the buttons offer).
MessageResult MessageDlg(QWidget* parent, const QString& text, MessageKind kind,
                         MessageButtons buttons = MessageButtons::Ok,
                         MessageResult defaultButton = MessageResult::Ok);

// The two forms the editor uses all the time.
void ShowError(QWidget* parent, const QString& text);
// A question of the confirmation kind; true for Yes. Questions whose Yes gives something up make
// No the default, so that Enter keeps what there is.
[[nodiscard]] bool AskYesNo(QWidget* parent, const QString& text,
                            MessageResult defaultButton = MessageResult::Yes);
