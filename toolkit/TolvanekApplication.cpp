// SPDX-License-Identifier: MIT
#include "TolvanekApplication.h"

#include "Translations.h"
#include "UiFont.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TolvanekApplication)
};
} // namespace

TolvanekApplication::TolvanekApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setFont(JapaneseUiFont());
    // The window is Japanese whatever the user's locale (LANG=C included): its own texts, written
    // in English in the sources, always get their Japanese translation, and so do Qt's (the file
    // dialogs, their overwrite question, the context menus of edit boxes). Only the command line
    // follows the locale. Without Qt's translation file its texts stay English; the program
    // still runs.
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
        ShowException(std::runtime_error(Texts::tr("unknown error").toStdString()));
    }
    return false;
}

void TolvanekApplication::ShowException(const std::exception& error) {
    // The program's own title, not whatever name the running executable happens to carry.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TOLVANEK"),
                    QString::fromUtf8(error.what()), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(Texts::tr("OK"));
    box.exec();
}
