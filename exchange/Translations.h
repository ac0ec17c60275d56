// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

class QCoreApplication;

// Which language the program speaks, and its translations. Japanese is the program's own
// language; English is the one translation. Both the window and the command line follow the
// locale's language unless --lang names one; nothing is stored.
namespace exchange {

enum class Language { Japanese, English };

// The locale variables that choose the language of messages, as the process got them.
struct LocaleVariables {
    QString language;   // LANGUAGE: a priority list, separated by colons
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

[[nodiscard]] LocaleVariables ProcessLocaleVariables();

// The language for these variables: the first entry of LANGUAGE that names a language the
// program speaks, otherwise the first non-empty of LC_ALL, LC_MESSAGES and LANG. English for an
// English locale (en, en_US.UTF-8, en_GB ...); Japanese for a Japanese one, for C and POSIX (the
// locale of a system that chose none) and for every language without a translation.
[[nodiscard]] Language LanguageOfLocale(const LocaleVariables& variables);

// The language a --lang value names ("en" or "ja"); empty for any other value.
[[nodiscard]] std::optional<Language> LanguageNamed(QStringView code);

// --lang taken out of a command line, as the window and the command line both take it: as
// "--lang CODE" or "--lang=CODE", anywhere before "--", the last one counting.
struct LanguageOption {
    enum class Problem { None, ValueMissing, ValueUnknown };

    std::optional<Language> language; // empty when none is given
    // The other arguments in their order; from "--" on, or from where the reading stopped, as
    // they were given.
    QStringList arguments;
    Problem problem = Problem::None; // the reading stops at the first problem
    QString unknownValue;            // for ValueUnknown
};

// `stopAt` ends the reading at an argument (one the program answers before any language is
// needed, such as --help); what follows it is left as it is.
[[nodiscard]] LanguageOption
TakeLanguageOption(const QStringList& arguments,
                   const std::function<bool(const QString& argument)>& stopAt = {});

// The code --lang takes for `language`, which is also the suffix of its translated files.
[[nodiscard]] QString LanguageCode(Language language);

// Installs the program's own messages in `language` (built in) and, for Japanese, Qt's Japanese
// texts (from the folder Qt reports for its translations; without that file Qt's own texts stay
// English and the program still runs). Replaces what an earlier call installed. From then on
// InterfaceLanguage() is `language`.
void InstallTranslations(QCoreApplication& application, Language language);

// `text` of translation context `context` in `language`, for what a program says before its
// application object exists and InstallTranslations can be called (its usage, the refusal of its
// options).
[[nodiscard]] QString TranslateEarly(Language language, const char* context, const char* text);

// The language installed last; Japanese, the program's own, before any. What is data (the grid
// headers and labels, the files) is shown as it is in Japanese and in words of this language
// otherwise.
[[nodiscard]] Language InterfaceLanguage();

} // namespace exchange
