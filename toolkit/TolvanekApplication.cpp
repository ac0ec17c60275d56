// SPDX-License-Identifier: MIT
#include "TolvanekApplication.h"

#include "League.h"
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

TolvanekApplication::TolvanekApplication(int& argc, char** argv,
                                         std::optional<exchange::Language> language)
    : QApplication(argc, argv) {
    // The Japanese font in every language: the names and the data are Japanese.
    setFont(JapaneseUiFont());
    // The window's own texts, written in English in the sources, get the chosen language's
    // translation, and Qt's texts (the file dialogs, their overwrite question, the context menus
    // of edit boxes) follow: Japanese, the program's own language, unless the locale or --lang
    // asks for English. Without Qt's Japanese translation file its texts stay English; the
    // program still runs.
    const exchange::Language chosen =
        language.value_or(exchange::LanguageOfLocale(exchange::ProcessLocaleVariables()));
    QLocale::setDefault(chosen == exchange::Language::Japanese
                            ? QLocale(QLocale::Japanese, QLocale::Japan)
                            : QLocale(QLocale::English, QLocale::UnitedStates));
    exchange::InstallTranslations(*this, chosen);
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
                    exchange::DescribeException(error), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(Texts::tr("OK"));
    box.exec();
}
