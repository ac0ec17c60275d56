// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// シーズン成績取込 up to the league it makes: the sheet and its rules read, the season planned
// against the image, every error listed. The league then goes the league import's way, change
// list question and all, so that what is asked and written is the import's.
class TSeasonController {
public:
    explicit TSeasonController(QWidget* parent)
        : parent_(parent) {}

    // The rules a sheet is rated by: the file of this name in the sheet's folder, else the
    // built-in ones.
    static inline const QString RulesFileName = QStringLiteral("season-rules.toml");

    // The league the sheet at `sheetPath` makes of the image at `imagePath`, as a league file,
    // and the names it read from kanji, worded for the change list. Empty when it cannot be
    // made; the user has been told why. Names in kanji are read when the user chooses
    // 読みを付けて読み込む in the list of errors.
    struct SeasonLeagueRead {
        QByteArray league;
        QStringList namesRead;
    };
    [[nodiscard]] std::optional<SeasonLeagueRead> SeasonLeague(const QString& imagePath,
                                                               const QString& sheetPath);

private:
    QWidget* parent_;
};
