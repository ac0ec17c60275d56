// SPDX-License-Identifier: MIT
#include "MessageDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MessageDialogs)
};
} // namespace

QString MessageKindTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return Texts::tr("Warning");
    case MessageKind::Error:
        return Texts::tr("Error");
    case MessageKind::Information:
        return Texts::tr("Information");
    case MessageKind::Confirmation:
        return Texts::tr("Confirm");
    }
    return {};
}

QString MessageButtonText(MessageResult button) {
    switch (button) {
    case MessageResult::Ok:
        return Texts::tr("OK");
    case MessageResult::Cancel:
        return Texts::tr("Cancel");
    case MessageResult::Yes:
        return Texts::tr("&Yes");
    case MessageResult::No:
        return Texts::tr("&No");
    }
    return {};
}

namespace {
QMessageBox::Icon KindIcon(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageResult MessageDlg(QWidget* parent, const QString& text, MessageKind kind,
                         MessageButtons buttons, MessageResult defaultButton) {
    QMessageBox box(KindIcon(kind), MessageKindTitle(kind), text, QMessageBox::NoButton, parent);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (buttons) {
    case MessageButtons::Ok:
        ok = box.addButton(MessageButtonText(MessageResult::Ok), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case MessageButtons::OkCancel:
        ok = box.addButton(MessageButtonText(MessageResult::Ok), QMessageBox::AcceptRole);
        cancel = box.addButton(MessageButtonText(MessageResult::Cancel), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(MessageButtonText(MessageResult::Yes), QMessageBox::YesRole);
        no = box.addButton(MessageButtonText(MessageResult::No), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    }
    for (auto [result, button] :
         {std::pair{MessageResult::Ok, ok}, std::pair{MessageResult::Yes, yes},
          std::pair{MessageResult::No, no}})
        if (button && result == defaultButton)
            box.setDefaultButton(button);
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == ok)
        return MessageResult::Ok;
    if (pressed && pressed == yes)
        return MessageResult::Yes;
    if (buttons == MessageButtons::YesNo)
        return MessageResult::No;
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

void ShowError(QWidget* parent, const QString& text) {
    MessageDlg(parent, text, MessageKind::Error, MessageButtons::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text, MessageResult defaultButton) {
    return MessageDlg(parent, text, MessageKind::Confirmation, MessageButtons::YesNo,
                      defaultButton) == MessageResult::Yes;
}
