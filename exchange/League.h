// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "CsvReader.h"
#include "Exports.h"
#include "ImageFile.h"
#include "Patch.h"
#include "SafeImageWriter.h"
#include "Team.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The operations the window and the command line both offer, written once: a league or a team
// out to CSV or HTML bytes, a CSV file read back and turned into the writes of an import, and
// patches made and applied. Both faces only ask for files and show the results.
namespace exchange {

using LeagueRecords = std::array<teamdata::TeamRecords, teamdata::TeamCount>;

// The record bytes of every team of a loaded image (which must not be refused).
[[nodiscard]] LeagueRecords RecordsOf(const LoadedImage& image);
// The texts every team shows.
[[nodiscard]] reports::LeagueTexts TextsOf(const LeagueRecords& league);

// How the characters of a CSV file are written (Exports.h).
using CsvEncoding = plans::CsvEncoding;

// The files of the export plan (Exports.h) as Qt's bytes: the league file, one team's CSV, one
// team's HTML page, all with CR LF line ends; the page is always in Shift_JIS. The CSV files are
// the same in every language; the HTML page's captions and headers are in the interface's language
// (TeamWords.h). It throws teamdata::NotANumberError when a summed cell holds no number.
[[nodiscard]] QByteArray LeagueCsvBytes(const reports::LeagueTexts& league,
                                        CsvEncoding encoding = CsvEncoding::ShiftJis);
[[nodiscard]] QByteArray TeamCsvBytes(const teamdata::TeamTexts& team,
                                      CsvEncoding encoding = CsvEncoding::ShiftJis);
[[nodiscard]] QByteArray TeamHtmlBytes(int team, const teamdata::TeamTexts& texts);

// The league overview page (UTF-8) in the interface's language: every team compared in a table and
// in charts, then every team's rosters. Throws teamdata::NotANumberError when a summed cell holds
// no number.
[[nodiscard]] QByteArray LeagueOverviewBytes(const reports::LeagueTexts& league);

// A text file as a spreadsheet may have written it: UTF-8 with or without a byte-order mark, or
// Shift_JIS (code page 932).
[[nodiscard]] QString DecodeTextFile(const QByteArray& bytes);

// Shift_JIS (code page 932) bytes as UTF-8, as the plans take a text file they read.
[[nodiscard]] std::string DecodeTextBytes(std::string_view bytes);

// A league file or a team CSV read against what every team shows now; a team CSV is read into
// `teamOfTeamCsv`.
[[nodiscard]] reports::CsvImport ReadCsvFile(const QByteArray& bytes,
                                             const reports::LeagueTexts& current,
                                             std::optional<int> teamOfTeamCsv, bool round = false);

// Why a cell or line of a CSV file is refused (or, for a note, what was changed), in the user's
// language, without its place.
[[nodiscard]] QString DescribeCsvIssue(const reports::CsvIssue& issue);

// Why a grid cell cannot hold a text, in the user's language, the allowed labels as the refusal
// lists them: the CSV import's refused cells and a paste's are worded by this one function.
[[nodiscard]] QString DescribeCellRefusal(const teamdata::CellRefusal& refusal);

// The message of an exception that reaches the user, in the user's language: a cell that is no
// number (teamdata::NotANumberError) worded here, any other exception by its own message.
[[nodiscard]] QString DescribeException(const std::exception& error);

// That a cell summed for a page holds `text`, which is no number, in the user's language.
[[nodiscard]] QString DescribeNotANumber(const std::string& text);

// Why a patch was refused, in the user's language.
[[nodiscard]] QString DescribePatchRefusal(teamdata::PatchRefusal refusal);

// The format's name as users know it: "BPS" or "IPS".
[[nodiscard]] QString PatchFormatName(teamdata::PatchFormat format);

} // namespace exchange
