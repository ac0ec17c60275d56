// SPDX-License-Identifier: MIT
#include "MessageDialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

QString MessageKindTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("警告");
    case MessageKind::Error:
        return QStringLiteral("ｴﾗｰ");
    case MessageKind::Information:
        return QStringLiteral("情報");
    case MessageKind::Confirmation:
        return QStringLiteral("確認");
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
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case MessageButtons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
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
