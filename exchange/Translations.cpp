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
    // Opened by its own name: asked for a locale instead, the translator first tries four names
    // for Japanese in Japan (qtbase_ja_Jpan_JP.qm and so on) that Qt never ships.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
