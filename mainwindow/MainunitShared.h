// SPDX-License-Identifier: MIT
#pragma once

// What the main window's source files share besides the class itself: the caption and the
// messages shown by more than one command.

#include "Mainunit.h"

#include <QString>

#include <algorithm>

namespace mainunit {

// The program's name, the same in every language.
inline const QString ApplicationTitle = QStringLiteral("TOLVANEK");

[[nodiscard]] inline QString NoDataMessage() {
    return TMainForm::tr("No image is open.");
}
[[nodiscard]] inline QString BrokenFileMessage() {
    return TMainForm::tr("The file is damaged.");
}
[[nodiscard]] inline QString CannotSaveMessage() {
    return TMainForm::tr("The file cannot be created.");
}
[[nodiscard]] inline QString SourceUnreadableMessage() {
    return TMainForm::tr("The original file cannot be read.");
}
[[nodiscard]] inline QString UnsavedEditsQuestion() {
    return TMainForm::tr("The team has unsaved changes. Discard them?");
}

// The file name part of a path: the text after the last folder separator or drive colon.
inline QString FileNamePart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')),
                 std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))));
    return path.mid(cut + 1);
}

} // namespace mainunit
