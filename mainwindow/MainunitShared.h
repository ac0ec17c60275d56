// SPDX-License-Identifier: MIT
#pragma once

// What the main window's source files share besides the class itself: the caption and the
// messages shown by more than one command.

#include <QString>

#include <algorithm>

namespace mainunit {

inline const QString ApplicationTitle = QStringLiteral("TOLVANEK");

inline const QString NoDataMessage = QStringLiteral("データがありません");
inline const QString BrokenFileMessage = QStringLiteral("ファイルが壊れています");
inline const QString CannotSaveMessage = QStringLiteral("ファイルを作成できません");
inline const QString UnsavedEditsQuestion =
    QStringLiteral("現在のデータは変更されています。よろしいですか？");

// The file name part of a path: the text after the last folder separator or drive colon.
inline QString FileNamePart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')),
                 std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))));
    return path.mid(cut + 1);
}

} // namespace mainunit
