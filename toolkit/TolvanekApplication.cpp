// SPDX-License-Identifier: MIT
#include "TolvanekApplication.h"

#include "Translations.h"
#include "UiFont.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

TolvanekApplication::TolvanekApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setFont(JapaneseUiFont());
    // The interface is Japanese whatever the user's locale, Qt's own texts (the file dialogs,
    // their overwrite question, the context menus of edit boxes) included. Without the
    // translation file those texts stay English; the program still runs.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    InstallTranslations(*this, japanese);
}

bool TolvanekApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("unknown error"));
    }
    return false;
}

void TolvanekApplication::ShowException(const std::exception& error) {
    // The program's own title, not whatever name the running executable happens to carry.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TOLVANEK"),
                    QString::fromUtf8(error.what()), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}
