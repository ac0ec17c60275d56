// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace exchange {

namespace {

Language installedLanguage = Language::Japanese;
QList<QPointer<QTranslator>> installedTranslators;

// The language part of a locale name: language[_territory][.codeset][@modifier].
QStringView LanguagePart(QStringView locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != u'_' && locale[end] != u'.' && locale[end] != u'@')
        ++end;
    return locale.left(end);
}

// The language a locale name stands for, when the program speaks it. C and POSIX name no
// language: they are what a system shows that chose none, and this program then speaks its own.
std::optional<Language> SpokenLanguageOf(QStringView locale) {
    const QStringView language = LanguagePart(locale.trimmed());
    if (language.compare(u"en", Qt::CaseInsensitive) == 0)
        return Language::English;
    if (language.compare(u"ja", Qt::CaseInsensitive) == 0 ||
        language.compare(u"C", Qt::CaseInsensitive) == 0 ||
        language.compare(u"POSIX", Qt::CaseInsensitive) == 0)
        return Language::Japanese;
    return std::nullopt;
}

void Install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        installedTranslators.append(translator);
    else
        delete translator;
}

} // namespace

LocaleVariables ProcessLocaleVariables() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

Language LanguageOfLocale(const LocaleVariables& variables) {
    // LANGUAGE lists languages in the order the user prefers them; one without a translation
    // gives way to the next, as it does for every program translated with gettext.
    for (const QStringView entry : QStringView(variables.language).split(u':')) {
        if (entry.trimmed().isEmpty())
            continue;
        if (const std::optional<Language> spoken = SpokenLanguageOf(entry))
            return *spoken;
    }
    for (const QString* locale : {&variables.lcAll, &variables.lcMessages, &variables.lang}) {
        if (locale->trimmed().isEmpty())
            continue;
        return SpokenLanguageOf(*locale).value_or(Language::Japanese);
    }
    return Language::Japanese;
}

std::optional<Language> LanguageNamed(QStringView code) {
    if (code == u"en")
        return Language::English;
    if (code == u"ja")
        return Language::Japanese;
    return std::nullopt;
}

LanguageOption TakeLanguageOption(const QStringList& arguments,
                                  const std::function<bool(const QString&)>& stopAt) {
    const QString option = QStringLiteral("--lang");
    LanguageOption taken;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--") || (stopAt && stopAt(argument))) {
            taken.arguments << arguments.mid(i);
            break;
        }
        QString value;
        if (argument == option) {
            if (i + 1 >= arguments.size()) {
                taken.problem = LanguageOption::Problem::ValueMissing;
                return taken;
            }
            value = arguments.at(++i);
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            value = argument.mid(option.size() + 1);
        } else {
            taken.arguments << argument;
            continue;
        }
        taken.language = LanguageNamed(value);
        if (!taken.language) {
            taken.problem = LanguageOption::Problem::ValueUnknown;
            taken.unknownValue = value;
            return taken;
        }
    }
    return taken;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

void InstallTranslations(QCoreApplication& application, Language language) {
    for (const QPointer<QTranslator>& translator : std::as_const(installedTranslators)) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installedTranslators.clear();
    installedLanguage = language;
    Install(application, QStringLiteral("tolvanek_") + LanguageCode(language),
            QStringLiteral(":/i18n"));
    // Qt's own texts are English already. Opened by its own name: asked for a locale instead, the
    // translator first tries four names for Japanese in Japan (qtbase_ja_Jpan_JP.qm and so on)
    // that Qt never ships.
    if (language == Language::Japanese)
        Install(application, QStringLiteral("qtbase_ja"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString TranslateEarly(Language language, const char* context, const char* text) {
    QTranslator translator;
    if (translator.load(QStringLiteral("tolvanek_") + LanguageCode(language),
                        QStringLiteral(":/i18n"))) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(text);
}

Language InterfaceLanguage() {
    return installedLanguage;
}

} // namespace exchange
