// SPDX-License-Identifier: MIT
#include "CommandTable.h"

#include "Commands.h"

#include <QCoreApplication>

namespace cli {

namespace {

// Every command that writes a file locks it while it writes; a lock another holds is waited for
// this long at most.
const OptionDeclaration WaitOption = {
    "wait",
    QT_TRANSLATE_NOOP("Cli", "How many seconds to wait while another program holds the lock on "
                             "a file to be written (30 when not given; 0: not at all). When the "
                             "time passes, nothing is written and the exit status is 3."),
    "SECONDS", Role::Seconds};

// Every command takes --force, which only the commands that read images need; it is listed with
// each so that a script can always pass it.
const OptionDeclaration ForceOption = {
    "force",
    QT_TRANSLATE_NOOP("Cli", "Go on with an image that does not look like the game's, as "
                             "answering yes in the window does."),
    nullptr, Role::Flag};

const OptionDeclaration ReadKanjiOption = {
    "read-kanji",
    QT_TRANSLATE_NOOP("Cli", "Read names written in kanji as kana: each takes its first reading "
                             "that fits in five places, and the notes name it with the other "
                             "readings. A name none of whose readings fits stays an error."),
    nullptr, Role::Flag};

// Where a CSV file is read, its numbers may be rounded on request.
const OptionDeclaration RoundOption = {
    "round",
    QT_TRANSLATE_NOOP("Cli", "Round a number that a cell cannot hold as written to the nearest "
                             "value the game holds (a tie to the higher, beyond the range to its "
                             "nearest end: .313 becomes .314, 2.35 becomes 2.40, 4 an ERA of "
                             "4.00); every rounded cell is listed. What is no number is still "
                             "refused."),
    nullptr, Role::Flag};

} // namespace

const std::vector<CommandDeclaration>& Commands() {
    static const std::vector<CommandDeclaration> commands = {
        {"info",
         QT_TRANSLATE_NOOP("Cli", "check an image and list its teams"),
         QT_TRANSLATE_NOOP("Cli", "Tell which cartridge an image is (header, sizes, mapper, "
                                  "checksums with and without the header), check it as opening "
                                  "it in the window does, and list its teams: initials, helmet "
                                  "and uniform colour, first batter."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")}},
         {{"identity",
           QT_TRANSLATE_NOOP("Cli", "Only which cartridge the file is: its header, sizes, mapper "
                                    "and checksums, and the result of the check."),
           nullptr, Role::Flag},
          {"format",
           QT_TRANSLATE_NOOP("Cli", "text (when not given) or json: the same as one JSON object "
                                    "(tolvanek-image)."),
           "text|json", Role::Value},
          ForceOption},
         RunInfo},
        {"export",
         QT_TRANSLATE_NOOP("Cli", "write the league or one team as CSV, HTML or JSON"),
         QT_TRANSLATE_NOOP("Cli", "Write the league file, or one team's CSV or HTML page, as the "
                                  "window writes them."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")}},
         {{"team", QT_TRANSLATE_NOOP("Cli", "The team to export; without it, the league file."),
           "INITIALS", Role::Value},
          {"format",
           QT_TRANSLATE_NOOP("Cli", "csv (when not given), html or json; html needs --team. JSON "
                                    "(tolvanek-league, or tolvanek-team with --team) is always "
                                    "UTF-8 and reads back with import."),
           "csv|html|json", Role::Value},
          {"encoding",
           QT_TRANSLATE_NOOP("Cli", "How a CSV file is written: shift_jis (when not given) or "
                                    "utf-8, with a byte-order mark, for spreadsheets that do not "
                                    "read Shift_JIS."),
           "shift_jis|utf-8", Role::Value},
          {"o", QT_TRANSLATE_NOOP("Cli", "Where to write; standard output when not given or -."),
           "FILE", Role::Output},
          WaitOption,
          ForceOption},
         RunExport},
        {"import",
         QT_TRANSLATE_NOOP("Cli", "read a league file or a team CSV into an image"),
         QT_TRANSLATE_NOOP("Cli", "Read a league file or a team CSV into the image. Every error "
                                  "is reported; nothing is written while there is one."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")},
          {"FILE",
           QT_TRANSLATE_NOOP("Cli", "A league file or a team CSV, or either as JSON (a file that "
                                    "starts with { or is named .json); - for standard input."),
           false, Role::Csv}},
         {{"team",
           QT_TRANSLATE_NOOP("Cli", "The team a team CSV replaces; a team's JSON goes into the "
                                    "team it names unless this is given."),
           "INITIALS", Role::TeamOfCsv},
          {"dry-run", QT_TRANSLATE_NOOP("Cli", "Check everything and write nothing."), nullptr,
           Role::Flag},
          ReadKanjiOption,
          RoundOption,
          {"o",
           QT_TRANSLATE_NOOP("Cli", "Write the result into a copy here and leave the image "
                                    "alone."),
           "OUTPUT", Role::Output},
          WaitOption,
          ForceOption},
         RunImport},
        {"season",
         QT_TRANSLATE_NOOP("Cli", "rate the league from a sheet of a real season's statistics"),
         QT_TRANSLATE_NOOP("Cli", "Read a sheet of a season's statistics (CSV in UTF-8 or "
                                  "Shift_JIS: one header row with the columns team, name and "
                                  "role, then one row per player) and make the game's values of "
                                  "them by the rules: the teams the sheet names get its players "
                                  "in sheet order, 13 batters and 5 pitchers each; the others "
                                  "stay as they are. The result is imported into the image, as "
                                  "the import does, or written as a league file with -o."),
         {{"SHEET", QT_TRANSLATE_NOOP("Cli", "The sheet of statistics (.csv).")}},
         {{"image",
           QT_TRANSLATE_NOOP("Cli", "The cartridge image the league comes from and, "
                                    "without -o, goes into."),
           "IMAGE", Role::Input, true},
          {"rules",
           QT_TRANSLATE_NOOP("Cli", "The rules (TOML) that make the values; the built-in rules "
                                    "(season-rules.toml) when not given."),
           "RULES", Role::Input},
          {"explain",
           QT_TRANSLATE_NOOP("Cli", "Print, for every player and column, the statistic read, the "
                                    "rule followed and the value, one tab-separated line each."),
           nullptr, Role::Flag},
          ReadKanjiOption,
          {"dry-run", QT_TRANSLATE_NOOP("Cli", "Check everything and write nothing."), nullptr,
           Role::Flag},
          {"o",
           QT_TRANSLATE_NOOP("Cli", "Write the league file here instead of importing; - for "
                                    "standard output."),
           "FILE", Role::Output},
          WaitOption,
          ForceOption},
         RunSeason},
        {"patch",
         QT_TRANSLATE_NOOP("Cli", "make a BPS or IPS patch between two images"),
         QT_TRANSLATE_NOOP("Cli", "Write a patch that turns ORIGINAL into MODIFIED."),
         {{"ORIGINAL", QT_TRANSLATE_NOOP("Cli", "The image the patch starts from.")},
          {"MODIFIED", QT_TRANSLATE_NOOP("Cli", "The image the patch leads to.")}},
         {{"o", QT_TRANSLATE_NOOP("Cli", "The patch to write; .bps or .ips chooses the format."),
           "PATCH", Role::Output, true},
          WaitOption,
          ForceOption},
         RunPatch},
        {"apply",
         QT_TRANSLATE_NOOP("Cli", "apply a BPS or IPS patch into a new image"),
         QT_TRANSLATE_NOOP("Cli", "Apply a BPS or IPS patch to IMAGE and write the result to "
                                  "OUTPUT, never to IMAGE itself."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")},
          {"PATCH", QT_TRANSLATE_NOOP("Cli", "A BPS or IPS patch.")}},
         {{"o", QT_TRANSLATE_NOOP("Cli", "The patched image to write."), "OUTPUT", Role::Output,
           true},
          WaitOption,
          ForceOption},
         RunApply},
        {"diff",
         QT_TRANSLATE_NOOP("Cli", "show what differs between two leagues"),
         QT_TRANSLATE_NOOP("Cli", "Show every change between two leagues by team, player and "
                                  "column: IMAGE against OTHER, or against what a patch (--patch) "
                                  "or an import of a CSV file (--csv) would make of it; nothing "
                                  "is written. Exit status 0: equal; 1: different; 2: wrong "
                                  "usage; 3: a file could not be read or written; 4: an input "
                                  "was refused (an image that fails the check without --force, "
                                  "a CSV file with errors, a patch for another image)."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")},
          {"OTHER", QT_TRANSLATE_NOOP("Cli", "The image to compare it with."), true}},
         {{"patch", QT_TRANSLATE_NOOP("Cli", "Compare with IMAGE as this patch would make it."),
           "PATCH", Role::Input},
          {"csv",
           QT_TRANSLATE_NOOP("Cli", "Compare with IMAGE as importing this league file or "
                                    "team CSV would make it."),
           "FILE", Role::Csv},
          {"team", QT_TRANSLATE_NOOP("Cli", "The team a team CSV given with --csv replaces."),
           "INITIALS", Role::TeamOfCsv},
          RoundOption,
          {"format",
           QT_TRANSLATE_NOOP("Cli", "text (when not given), csv, html or json "
                                    "(tolvanek-changes)."),
           "text|csv|html|json", Role::Value},
          {"o", QT_TRANSLATE_NOOP("Cli", "Where to write; standard output when not given or -."),
           "FILE", Role::Output},
          WaitOption,
          ForceOption},
         RunDiff},
        {"overview",
         QT_TRANSLATE_NOOP("Cli", "write one page that compares the sixteen teams"),
         QT_TRANSLATE_NOOP("Cli", "Write the league overview: one self-contained HTML page with "
                                  "a table of the sixteen teams and their ranks, a chart for "
                                  "every figure, and every team's rosters."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")}},
         {{"o", QT_TRANSLATE_NOOP("Cli", "The page to write; - for standard output."), "FILE",
           Role::Output, true},
          WaitOption,
          ForceOption},
         RunOverview},
        {"show",
         QT_TRANSLATE_NOOP("Cli", "print the whole league as lines, for git diff"),
         QT_TRANSLATE_NOOP("Cli", "Print the whole league as stable lines of UTF-8 text, one per "
                                  "player and one per team's colours, made to be git's text "
                                  "converter for .nes files."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")}},
         {{"format",
           QT_TRANSLATE_NOOP("Cli", "text (when not given) or json: the league as export "
                                    "--format json writes it."),
           "text|json", Role::Value},
          ForceOption},
         RunShow},
        {"play",
         QT_TRANSLATE_NOOP("Cli", "play an image in an emulator"),
         QT_TRANSLATE_NOOP("Cli", "Start an installed NES emulator on a private copy of the "
                                  "image, with a league file or team CSV imported into the copy "
                                  "when given; the image itself is left alone. The emulator is "
                                  "the command given with --emulator or in TOLVANEK_EMULATOR "
                                  "(%f stands for the copy's path; without it, the path is "
                                  "appended), else the first of fceux, nestopia and mednafen "
                                  "found on PATH or in /usr/games. The command waits for the "
                                  "emulator and ends with its exit status; 3 when none could be "
                                  "started."),
         {{"IMAGE", QT_TRANSLATE_NOOP("Cli", "The cartridge image (.nes).")}},
         {{"csv",
           QT_TRANSLATE_NOOP("Cli", "A league file or team CSV to import into the copy first, as "
                                    "the import reads it; - for standard input."),
           "FILE", Role::Csv},
          {"team", QT_TRANSLATE_NOOP("Cli", "The team a team CSV given with --csv replaces."),
           "INITIALS", Role::TeamOfCsv},
          {"emulator",
           QT_TRANSLATE_NOOP("Cli", "The emulator's command line, in place of TOLVANEK_EMULATOR "
                                    "and the search."),
           "CMD", Role::Value},
          ForceOption},
         RunPlay},
        {"name",
         QT_TRANSLATE_NOOP("Cli", "read names written in kanji as the game's kana"),
         QT_TRANSLATE_NOOP("Cli", "Print the readings of each name, best first and a surname's "
                                  "first of all, one per line: the name as given, the reading in "
                                  "the game's spelling (a voicing mark takes a place of its own) "
                                  "and the places it needs; the game holds five. A name without "
                                  "kanji is given as the game spells it. Exit status 1: a name "
                                  "has no reading; 3: the dictionary is missing."),
         {{"TEXT", QT_TRANSLATE_NOOP("Cli", "A name, in kanji, kana or letters."), false,
           Role::Text, true}},
         {{"format", QT_TRANSLATE_NOOP("Cli", "text (when not given) or csv."), "text|csv",
           Role::Value},
          ForceOption},
         RunName},
    };
    return commands;
}

} // namespace cli
