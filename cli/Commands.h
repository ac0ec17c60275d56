// SPDX-License-Identifier: MIT
#pragma once

#include "CommandSupport.h"
#include "Invocation.h"

#include "ImageLock.h"
#include "Import.h"

// The commands of tolvanek-cli, each a thin face over what the window does too (exchange/,
// teamdata/, reports/). They get their arguments and options checked (CommandLine.cpp) and return
// the process's exit status (cli::ExitStatus in CliText.h); results go to standard output or to
// files, every error and note to standard error.
//
// Every image a command reads is checked as opening it in the window checks it: one the window
// refuses is refused, and one the window would ask about is refused unless --force answers yes.
namespace cli {

// info IMAGE [--identity]: which cartridge the image is (header, sizes, checksums, the check's
// verdict), one "label: value" line each, even for an image the check refuses; then, unless
// --identity, one line per team: initials, helmet and uniform colour, the first batter's name.
[[nodiscard]] int RunInfo(const Invocation& call);

// export IMAGE [--team T] [--format csv|html] [--encoding shift_jis|utf-8] [-o FILE]: the league
// file or one team's CSV or HTML page, byte for byte as the window writes them.
[[nodiscard]] int RunExport(const Invocation& call);

// import IMAGE FILE [--team T] [--dry-run] [-o OUTPUT]: reads a league file or a team CSV back;
// with no error in it, writes the teams it changes through the safe image writer.
[[nodiscard]] int RunImport(const Invocation& call);

// The import after its plan, for every command that imports (import, season): reports the
// change list with --dry-run, or writes the changed teams into the image (or the copy `output`)
// and says what it wrote. `lock` is held unless it is a dry run.
[[nodiscard]] int FinishImport(const Invocation& call, const QString& image, const QString& output,
                               teamdata::ImageLock& lock, const OpenedImage& opened,
                               const plans::ImportPlan& plan);

// season SHEET --image IMAGE [--rules RULES] [--explain] [--dry-run] [-o FILE]: the teams the
// sheet names rated from its statistics by the rules (the built-in ones without --rules): into a
// league file with -o, else imported into IMAGE as the import does.
[[nodiscard]] int RunSeason(const Invocation& call);

// patch ORIGINAL MODIFIED -o PATCH
[[nodiscard]] int RunPatch(const Invocation& call);

// apply IMAGE PATCH -o OUTPUT
[[nodiscard]] int RunApply(const Invocation& call);

// diff IMAGE (OTHER | --patch PATCH | --csv FILE [--team T]) [--format text|csv|html] [-o FILE]:
// the changes, with diff(1)'s statuses (0 equal, 1 different) and DiffRefused for an input
// refused.
[[nodiscard]] int RunDiff(const Invocation& call);

// overview IMAGE -o FILE: the league overview page.
[[nodiscard]] int RunOverview(const Invocation& call);

// show IMAGE: the league as lines for git.
[[nodiscard]] int RunShow(const Invocation& call);

// play IMAGE [--csv FILE [--team T]] [--emulator CMD]: the image, with the file imported into a
// private copy when one is given, played in an emulator; the emulator's exit status, or
// FileFailed when none could be started.
[[nodiscard]] int RunPlay(const Invocation& call);

// name TEXT… [--format text|csv]: each text's readings in kana, best first, one per line, in the
// game's spelling with the places each takes.
[[nodiscard]] int RunName(const Invocation& call);

} // namespace cli
