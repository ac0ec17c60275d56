// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "LeagueOverview.h"
#include "Team.h"
#include "TeamReport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The files made of an image's teams for others to read: the league file, a team's CSV and page,
// the overview page, `show`'s text and the JSON forms of the league and a team. Every face writes
// the bytes this plan gives, so that the window, the command line and the browser page write the
// same file for the same choices.
namespace plans {

enum class ExportKind {
    LeagueCsv,  // every team, as the league import reads it back
    TeamCsv,    // one team, as the team CSV import reads it back
    TeamPage,   // one team's HTML page with its totals
    Overview,   // every team compared, in tables and charts (UTF-8)
    Show,       // the whole league as plain lines for reading and for `git diff` (UTF-8)
    LeagueJson, // every team, for scripts, as the import reads it back (UTF-8)
    TeamJson,   // one team, the same
};

// How the characters of a CSV file are written. Shift_JIS is what the game's users have always
// read these files in, and stays the default; UTF-8, with a byte-order mark that tells the
// spreadsheet so, is for the spreadsheets that cannot read Shift_JIS or read it only when told
// (Gnumeric, LibreOffice). Every import reads both alike. A team page is always Shift_JIS.
enum class CsvEncoding { ShiftJis, Utf8 };

enum class ExportDecision {
    Made,
    TeamNotGiven,       // a team's CSV or page without the team
    PageOnlyInShiftJis, // a team page asked for in UTF-8
    NotANumber,         // a cell the page or the overview sums holds no number (`notANumber`)
};

// The team the window shows, as its grids hold it, edits not saved yet included: it stands in for
// the image's team of that number in every export but show's text, which is the image as it is.
struct ShownTeam {
    int team = 0;
    teamdata::TeamTexts texts;
};

struct ExportChoices {
    ExportKind kind = ExportKind::LeagueCsv;
    std::optional<int> team; // the team of a team CSV or page
    CsvEncoding encoding = CsvEncoding::ShiftJis;
    std::optional<ShownTeam> shown;
    // The pages' words in the user's language; the defaults are the Japanese ones.
    reports::TeamReportLabels pageLabels;
    reports::OverviewLabels overviewLabels;
};

struct ExportPlan {
    ExportDecision decision = ExportDecision::Made;
    std::string bytes;      // the file, empty unless made
    std::string notANumber; // the cell text that is no number
};

// The files from the teams' texts, for the hosts that hold texts rather than an image. The team
// page and the overview throw teamdata::NotANumberError when a cell they sum holds no number.
[[nodiscard]] std::string LeagueCsvFile(const reports::LeagueTexts& league, CsvEncoding encoding);
[[nodiscard]] std::string TeamCsvFile(const teamdata::TeamTexts& team, CsvEncoding encoding);
[[nodiscard]] std::string TeamPageFile(int team, const teamdata::TeamTexts& texts,
                                       const reports::TeamReportLabels& labels);
[[nodiscard]] std::string OverviewFile(const reports::LeagueTexts& league,
                                       const reports::OverviewLabels& labels);

// Whether the choices make a file at all, before any image is read.
[[nodiscard]] ExportDecision CheckExportChoices(const ExportChoices& how);

// `image` is an image the program may read (not refused). It may be empty for a team's CSV or
// page when `how.shown` holds that team: the window writes those from its grids alone.
[[nodiscard]] ExportPlan PlanExport(std::span<const std::uint8_t> image, const ExportChoices& how);

} // namespace plans
