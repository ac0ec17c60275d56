// SPDX-License-Identifier: MIT
// Which language the program speaks for a locale: the variables POSIX names, in its order; and
// --lang as both faces take it from their command lines.

#include "Translations.h"

#include <gtest/gtest.h>

namespace {

using exchange::Language;
using exchange::LanguageOfLocale;

TEST(Language, FollowsTheFirstOfLcAllLcMessagesAndLangThatIsSet) {
    const struct {
        exchange::LocaleVariables variables;
        Language language;
    } cases[] = {
        {{{}, {}, {}, QStringLiteral("en_US.UTF-8")}, Language::English},
        {{{}, {}, {}, QStringLiteral("en")}, Language::English},
        {{{}, {}, {}, QStringLiteral("en_GB.ISO-8859-1@euro")}, Language::English},
        {{{}, {}, {}, QStringLiteral("ja_JP.UTF-8")}, Language::Japanese},
        {{{}, QStringLiteral("en_US.UTF-8"), {}, QStringLiteral("ja_JP.UTF-8")}, Language::English},
        {{{}, QStringLiteral("ja_JP.UTF-8"), QStringLiteral("en_US.UTF-8"), {}},
         Language::Japanese},
        {{{}, {}, QStringLiteral("en_US.UTF-8"), QStringLiteral("ja_JP.UTF-8")}, Language::English},
        // An empty variable is not set; C and POSIX are a system's locale when none was chosen.
        {{{}, QStringLiteral(""), {}, QStringLiteral("en_US.UTF-8")}, Language::English},
        {{{}, QStringLiteral("C"), {}, QStringLiteral("en_US.UTF-8")}, Language::Japanese},
        {{{}, {}, {}, QStringLiteral("C.UTF-8")}, Language::Japanese},
        {{{}, {}, {}, QStringLiteral("POSIX")}, Language::Japanese},
        {{{}, {}, {}, {}}, Language::Japanese},
        // A language without a translation gets the program's own; so does a name that is none.
        {{{}, {}, {}, QStringLiteral("fr_FR.UTF-8")}, Language::Japanese},
        {{{}, {}, {}, QStringLiteral("english")}, Language::Japanese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLocale(c.variables), c.language)
            << c.variables.lcAll.toStdString() << "|" << c.variables.lcMessages.toStdString() << "|"
            << c.variables.lang.toStdString();
}

TEST(Language, TakesLanguagesFirstEntryThatTheProgramSpeaks) {
    const QString japaneseLocale = QStringLiteral("ja_JP.UTF-8");
    const struct {
        const char* language;
        Language expected;
    } cases[] = {
        {"en_US:ja", Language::English},
        {"fr:de:en_GB", Language::English},
        {"fr::ja:en", Language::Japanese},
        {"C:en", Language::Japanese},
        // Nothing it speaks in the list: the locale decides.
        {"fr:de", Language::Japanese},
        {"", Language::Japanese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLocale({QLatin1String(c.language), {}, {}, japaneseLocale}), c.expected)
            << c.language;
    EXPECT_EQ(LanguageOfLocale({QStringLiteral("fr"), {}, {}, QStringLiteral("en_US.UTF-8")}),
              Language::English);
}

TEST(Language, LangNamesEnglishOrJapaneseAndNothingElse) {
    EXPECT_EQ(exchange::LanguageNamed(u"en"), Language::English);
    EXPECT_EQ(exchange::LanguageNamed(u"ja"), Language::Japanese);
    for (const char16_t* other : {u"", u"EN", u"en_US", u"jp", u"de"})
        EXPECT_FALSE(exchange::LanguageNamed(other).has_value());
    for (const Language language : {Language::English, Language::Japanese})
        EXPECT_EQ(exchange::LanguageNamed(exchange::LanguageCode(language)), language);
}

TEST(Language, LangIsTakenOutAnywhereBeforeTheEndOfOptionsTheLastOneCounting) {
    using Problem = exchange::LanguageOption::Problem;
    const QStringList given = {"info", "--lang", "ja", "a.nes", "--lang=en", "--", "--lang", "x"};
    const exchange::LanguageOption taken = exchange::TakeLanguageOption(given);
    EXPECT_EQ(taken.problem, Problem::None);
    EXPECT_EQ(taken.language, Language::English);
    EXPECT_EQ(taken.arguments, (QStringList{"info", "a.nes", "--", "--lang", "x"}));

    const exchange::LanguageOption missing = exchange::TakeLanguageOption({"--lang=ja", "--lang"});
    EXPECT_EQ(missing.problem, Problem::ValueMissing);
    const exchange::LanguageOption unknown =
        exchange::TakeLanguageOption({"--lang", "--help", "--lang=de"});
    EXPECT_EQ(unknown.problem, Problem::ValueUnknown);
    EXPECT_EQ(unknown.unknownValue, "--help");

    // An argument answered before any language is needed ends the reading there.
    const auto isHelp = [](const QString& argument) {
        return argument == "--help";
    };
    const exchange::LanguageOption help =
        exchange::TakeLanguageOption({"--lang=en", "--help", "--lang=de"}, isHelp);
    EXPECT_EQ(help.problem, Problem::None);
    EXPECT_EQ(help.language, Language::English);
    EXPECT_EQ(help.arguments, (QStringList{"--help", "--lang=de"}));
}

} // namespace
