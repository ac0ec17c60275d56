// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallTranslations(QCoreApplication& application, const QLocale& locale) {
    if (locale.language() != QLocale::Japanese)
        return;
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/i18n/tolvanek_ja.qm")))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
