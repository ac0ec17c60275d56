// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <istream>
#include <ostream>

// The commands of tolvanek-cli, each a thin face over what the window does too (exchange/,
// teamdata/, reports/). They take requests already parsed from the command line and return the
// process's exit status (cli::ExitStatus in CliText.h); results go to `out` or to files, every
// error and note to `err`.
//
// Every image a command reads is checked as opening it in the window checks it: one the window
// refuses is refused, and one the window would ask about is refused unless `force` answers yes.
namespace cli {

struct InfoRequest {
    QString image;
    bool force = false;
};

enum class ExportFormat { Csv, Html };

struct ExportRequest {
    QString image;
    QString team; // initials as typed; empty for the league file
    ExportFormat format = ExportFormat::Csv;
    QString output; // empty or "-" for `out`
    bool force = false;
};

struct ImportRequest {
    QString image;
    QString file;   // "-" for `in`
    QString team;   // initials as typed; a team CSV needs them, a league file must not have them
    QString output; // empty to write into the image itself
    bool dryRun = false;
    bool force = false;
};

struct PatchRequest {
    QString original;
    QString modified;
    QString patch; // its extension chooses the format
    bool force = false;
};

struct ApplyRequest {
    QString image;
    QString patch;
    QString output; // never the image itself
    bool force = false;
};

// One line per team: initials, helmet and uniform colour, the first batter's name.
[[nodiscard]] int RunInfo(const InfoRequest& request, std::ostream& out, std::ostream& err);

// The league file or one team's CSV or HTML page, byte for byte as the window writes them.
[[nodiscard]] int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& err);

// Reads a league file or a team CSV back; with no error in it, writes the teams it changes
// through the safe image writer. `out` gets how many teams were (or would be) rewritten.
[[nodiscard]] int RunImport(const ImportRequest& request, std::istream& in, std::ostream& out,
                            std::ostream& err);

[[nodiscard]] int RunPatch(const PatchRequest& request, std::ostream& err);

[[nodiscard]] int RunApply(const ApplyRequest& request, std::ostream& err);

} // namespace cli
