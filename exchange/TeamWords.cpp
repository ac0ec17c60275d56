// SPDX-License-Identifier: MIT
#include "TeamWords.h"

#include "NameNormalizer.h"
#include "Translations.h"
#include "Words.h"

#include <QCoreApplication>
#include <QTranslator>

#include <utility>
#include <vector>

namespace exchange {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

reports::Words InterfaceWords() {
    reports::Words words;
    words.language = LanguageCode(InterfaceLanguage()).toStdString();
    words.translate = [](const char* context, const char* source, const char* disambiguation) {
        return QCoreApplication::translate(context, source, disambiguation).toStdString();
    };
    words.translateCount = [](const char* context, const char* source, int count) {
        return QCoreApplication::translate(context, source, nullptr, count).toStdString();
    };
    return words;
}

QString ColumnName(teamdata::Grid grid, int column) {
    return FromUtf8(reports::ColumnName(InterfaceWords(), grid, column));
}

QString ColumnHeaderWord(teamdata::Grid grid, int column) {
    return FromUtf8(reports::ColumnHeaderWord(InterfaceWords(), grid, column));
}

QString ColumnToolTip(teamdata::Grid grid, int column) {
    return FromUtf8(reports::ColumnToolTip(InterfaceWords(), grid, column));
}

QString ValueCaption(teamdata::Grid grid, int column) {
    return FromUtf8(reports::ValueCaption(InterfaceWords(), grid, column));
}

QString LabelWord(std::string_view label) {
    return FromUtf8(reports::LabelWord(InterfaceWords(), label));
}

QString ShownName(const QString& name) {
    return QString::fromStdString(teamdata::NameForDisplay(name.toStdString()));
}

QString ShownCellText(teamdata::Grid grid, int column, int row, const QString& data) {
    if (row > 0 && column == teamdata::BatterColumn::Name)
        return ShownName(data);
    // Asked of every cell the grids paint: Japanese shows the data without a look-up.
    if (InterfaceLanguage() == Language::Japanese || data.isEmpty())
        return data;
    const reports::Words words = InterfaceWords();
    if (row == 0) {
        if (column == 0)
            return FromUtf8(reports::CornerWord(words, grid));
        return FromUtf8(reports::ColumnHeaderWord(words, grid, column));
    }
    if (reports::IsLabelColumn(grid, column))
        return FromUtf8(reports::LabelWord(words, data.toStdString()));
    return data;
}

reports::LabelSpellings PastedLabelSpellings() {
    // Rows copied under one language are pasted under another: the words of each come from its
    // own translation, whichever is installed. Each language's translation is read once.
    static const std::vector<std::pair<std::string, std::string>> spellings = [] {
        std::vector<std::pair<std::string, std::string>> all;
        for (const Language language : {Language::Japanese, Language::English}) {
            QTranslator translator;
            if (!translator.load(QStringLiteral("tolvanek_") + LanguageCode(language),
                                 QStringLiteral(":/i18n")))
                continue;
            reports::Words words;
            words.language = LanguageCode(language).toStdString();
            // A word the translation does not hold is left out, not read as its English source.
            words.translate = [&translator](const char* context, const char* source,
                                            const char* disambiguation) {
                return translator.translate(context, source, disambiguation).toStdString();
            };
            for (auto& spelling : reports::LabelSpellingsIn(words))
                all.push_back(std::move(spelling));
        }
        return all;
    }();
    return {spellings.begin(), spellings.end()};
}

reports::LabelWords InterfaceLabelWords() {
    return reports::InterfaceLabelWords(InterfaceWords());
}

reports::TeamReportLabels InterfaceTeamReportLabels() {
    return reports::TeamReportLabelsIn(InterfaceWords());
}

reports::OverviewLabels InterfaceOverviewLabels() {
    return reports::OverviewLabelsIn(InterfaceWords());
}

} // namespace exchange
