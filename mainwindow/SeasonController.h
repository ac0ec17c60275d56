// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

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

    // The league the sheet at `sheetPath` makes of the image at `imagePath`, as a league file.
    // Empty when it cannot be made; the user has been told why.
    [[nodiscard]] std::optional<QByteArray> SeasonLeague(const QString& imagePath,
                                                         const QString& sheetPath);

private:
    QWidget* parent_;
};
