// SPDX-License-Identifier: MIT
#pragma once

// What the main window's source files share besides the class itself: the caption and the
// messages shown by more than one command.

#include "Mainunit.h"

#include "Files.h"
#include "MessageDialogs.h"
#include "SafeImageWriter.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

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

// The shared routes word their reasons as clauses to go inside a sentence; shown alone, a clause
// starts as a sentence does.
[[nodiscard]] inline QString Sentence(QString clause) {
    if (!clause.isEmpty())
        clause[0] = clause[0].toUpper();
    return clause;
}

// A message the editor has always shown, and below it, when there is more to tell, why the
// system refused and what the file holds now: the reason is worth knowing, and a file left
// damaged must be said so.
[[nodiscard]] inline QString WithDetail(const QString& message, const QString& detail) {
    return detail.isEmpty() ? message : message + QLatin1Char('\n') + Sentence(detail);
}

// After a write that went through, what it could not clean away or make sure of (a folder that
// could not be synced, an older copy that could not be removed), shown as an error: the user
// must not take such a save for a tidy one. Nothing is shown when there is nothing to say.
inline void ShowWriteAftermath(QWidget* parent, const teamdata::WriteAftermath& aftermath,
                               const QString& target) {
    if (aftermath.Clean())
        return;
    QStringList lines =
        exchange::DescribeWriteAftermath(aftermath, target).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = Sentence(line);
    ShowError(parent, lines.join(QLatin1Char('\n')));
}

// The columns of a change list (team, kind, row, name, item, before, after) and one line per
// change, in the user's language.
[[nodiscard]] QStringList ChangeListHeaders();
[[nodiscard]] std::vector<QStringList>
ChangeListRows(const std::vector<teamdata::LeagueChange>& changes);
// Shows `changes` below `message`, which asks whether to go on; true for Yes. No is the default.
[[nodiscard]] bool AskAboutChanges(QWidget* parent, const QString& caption, const QString& message,
                                   const std::vector<teamdata::LeagueChange>& changes);

// Where the CSV exports' save dialogs list "CSV (UTF-8)" among their file types; every other type
// writes Shift_JIS, as these exports always have.
inline constexpr int Utf8CsvFileType = 1;

// A grid row's data cells set to a player's texts.
template <std::size_t N>
void SetRowTexts(StringGrid* grid, int row, const std::array<std::string, N>& texts) {
    for (std::size_t c = 0; c < N; ++c)
        grid->SetCells(static_cast<int>(c) + 1, row, QString::fromStdString(texts[c]));
}

// The file name part of a path: the text after the last folder separator or drive colon.
inline QString FileNamePart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')),
                 std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))));
    return path.mid(cut + 1);
}

} // namespace mainunit
