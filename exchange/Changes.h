// SPDX-License-Identifier: MIT
#pragma once

#include "ChangeReport.h"
#include "ImageFile.h"
#include "LeagueChange.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The comparison of two leagues as both faces show it: in the words of the user's language for
// reading, in the fixed Japanese CSV and HTML forms for files, and the league as lines for
// `git diff`.
namespace exchange {

// The words of the readable forms in the user's language (the Japanese ones are the window's).
[[nodiscard]] reports::ChangeLabels InterfaceChangeLabels();

// One line per change, each ending in "\n"; empty for none.
[[nodiscard]] QString ChangeText(const std::vector<teamdata::LeagueChange>& changes);

// The CSV form in Shift_JIS with CR LF line ends, as every other CSV file of the program.
[[nodiscard]] QByteArray ChangeCsvBytes(const std::vector<teamdata::LeagueChange>& changes);

// The review page, UTF-8; `after` is the image the changes lead to.
[[nodiscard]] QByteArray ChangeHtmlBytes(const std::vector<teamdata::LeagueChange>& changes,
                                         const LoadedImage& after);

// What changed in each team, one line per team in image order: "Ｇ: 3 cells, 1 colour".
[[nodiscard]] QStringList TeamSummaries(const std::vector<teamdata::LeagueChange>& changes);

// Whether show describes `image` in one line instead of its league: a file that was there to be
// read (git hands its text converter every version of a file, whatever it holds) but is too
// large for an image or is no image of this game.
[[nodiscard]] bool ShownAsOneLine(const LoadedImage& image);

// That line, ending in "\n": what the file at `path` is (empty, or its size and CRC-32, so that
// two such versions differ as their bytes do) and why its teams cannot be shown.
[[nodiscard]] QByteArray UnshownFileBytes(const QString& path, const LoadedImage& image);

} // namespace exchange
